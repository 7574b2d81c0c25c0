// Tarn MDI forms: a frame with a multiple-document area and its child forms.
//
// Classes and functions in this file (sources):
//   MDIForm, mdiFrameProcedure, mdiChildProcedure   forms/mdi.cpp
//   mdiFrameStyle, mdiChildStyle                    forms/mdi.cpp
//   MDIFormOptions (FormOptions)                    forms/mdi.cpp
#ifndef TARN_MDI_H
#define TARN_MDI_H

#include "forms.h"

namespace tarn {

// ===========================================================================
// MDI forms
// ===========================================================================

/// Procedures of the MDI windows. They act on the window they are called for,
/// never through an object: the frame's fits its MDICLIENT to the frame on
/// WM_SIZE and ends the program on WM_CLOSE; the child's hides the child on
/// WM_CLOSE, handing activation to the next child first.
/// The frame's procedure: fits the MDICLIENT on WM_SIZE, ends the program on WM_CLOSE.
INT_PTR CALLBACK mdiFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// The child's procedure: hides the child on WM_CLOSE after activating the next one.
INT_PTR CALLBACK mdiChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// The options of an MDIForm: those of a Form (`child` is ignored).
using MDIFormOptions = FormOptions;

/// A form holding an MDICLIENT window that fills its client area. Tiling,
/// cascading and activation are the client's messages: send WM_MDITILE,
/// WM_MDICASCADE, WM_MDIACTIVATE, WM_MDINEXT or WM_MDIGETACTIVE to client.hwnd.
class MDIForm : public Form {
 public:
  /// A frame object with no window.
  MDIForm();
  /// The frame is always top-level: `parent` is kept as parentHwnd only, and
  /// `child` is ignored.
  /// Makes the frame with `caption`, of frame `kind`, and its MDICLIENT filling the client area.
  MDIForm(const String& caption, int x, int y, int width, int height, int kind, bool enabled,
          bool visible, bool maximised, bool minimised, bool centred, const Control& parent,
          bool child, int exStyle);
  /// Makes the frame from named options.
  explicit MDIForm(const MDIFormOptions& options);

  /// A plain object for the MDICLIENT window.
  Control client;
  /// The record the MDICLIENT was created with (its window menu and first child identifier).
  CLIENTCREATESTRUCT clientCreate;

  /// Opens a child form in the client area and makes it the active child. The
  /// child keeps the system's MDI handling whatever procedure the program
  /// installs on it. Without a client: the runtime check, then a Form().
  Form addChild(const String& caption, int x, int y, int width, int height, int kind, int exStyle);

  /// Paints the client area in a solid colour. The brush belongs to the MDICLIENT
  /// class, so every frame of the program shows the last colour set; a new frame
  /// resets it to white. True when a brush was in place before.
  bool setClientColor(COLORREF colour);
};

/// The frame style of an MDI frame of this kind (top-level, clipping children).
DWORD mdiFrameStyle(int kind);
/// The style of an MDI child of this kind.
DWORD mdiChildStyle(int kind);

}  // namespace tarn

#endif  // TARN_MDI_H
