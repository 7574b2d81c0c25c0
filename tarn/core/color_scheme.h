// Private to the toolkit: the colour scheme a program chose, and the colours
// its windows take from it.
//
// Until the program first calls setColorScheme, none of this runs: the
// pointers below are null and no window gets a hook. From then on every form
// and every window the toolkit makes is told to the scheme (announceWindow):
// the parents answer their children's WM_CTLCOLOR* from their records (the
// program's colours first, then the dark palette while the scheme is dark),
// top-level forms follow the user's app setting and high contrast, and each
// family whose colours are set by messages of its own (views, rich text, the
// status bar) is given its colours by the applier the forms layer installs
// for its window class.
#ifndef TARN_CORE_COLOR_SCHEME_H
#define TARN_CORE_COLOR_SCHEME_H

#include <atomic>
#include <cstddef>

#include "tarn/core/scheme_colors.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

// What the scheme does with a window the toolkit made (a form, a control) or
// whose content it changed; null until a scheme is chosen (core/creation.cpp).
extern std::atomic<void (*)(HWND)> schemeWindowMade;
inline void announceWindow(HWND window) {
  if (void (*made)(HWND) = schemeWindowMade.load(std::memory_order_acquire)) made(window);
}

// A family's colours for `window`: dark, or as they were before (light). Only
// called when the window's shade changes, and for each new window once the
// scheme is dark.
using SchemeApplier = void (*)(HWND window, bool dark);
struct SchemeFamily {
  const char* className;  // as GetClassName answers, compared without case
  SchemeApplier apply;    // null: the class keeps the system's colours
};
// The families the forms layer knows (forms/color_scheme.cpp).
void useSchemeFamilies(const SchemeFamily* families, std::size_t count);

// Takes the program's request (a ColorScheme number; others are refused by
// the caller) and switches every window of the program to what it comes to.
void chooseScheme(int request);

// Whether the toolkit paints the dark palette now: the scheme is dark and high
// contrast is off.
bool schemeIsDark();

// Has `parent` answer its children's WM_CTLCOLOR* (and a dialog's own
// WM_CTLCOLORDLG) from the records, from now on.
void answerChildColours(HWND parent);

// A solid brush of `colour`, made once and deleted at exit; null when the
// system refuses one.
HBRUSH schemeBrush(COLORREF colour);

// The colours a program set on a window through a family's own messages (a
// view's or the rich text box's setBackColor and setTextColor, an MDI
// client's colour), kept in its record: they win over the scheme in both
// shades and across switches. The base's backColor stays in the object the
// window's user-data slot names, where the program's procedures find it.
struct ProgramColours {
  COLORREF back = 0;
  COLORREF text = 0;
  bool hasBack = false;
  bool hasText = false;
  void setBack(COLORREF colour) {
    back = colour;
    hasBack = true;
  }
  void clearBack() { hasBack = false; }
  void setText(COLORREF colour) {
    text = colour;
    hasText = true;
  }
};

// The background the program gave `window`, by either way; false for none.
bool programBack(HWND window, COLORREF& colour);

// The colours the program set on `window`; null when it set none.
inline ProgramColours* programColours(HWND window) {
  WindowRecord* r = findRecord(window);
  return r != nullptr ? r->findPart<ProgramColours>() : nullptr;
}

// Records a background (or text) colour the program gave `window`;
// clearProgramBack forgets the background. A window of another thread (no
// record) keeps none.
inline void setProgramBack(HWND window, COLORREF colour) {
  if (WindowRecord* r = record(window)) r->part<ProgramColours>().setBack(colour);
}
inline void clearProgramBack(HWND window) {
  if (ProgramColours* colours = programColours(window)) colours->clearBack();
}
inline void setProgramText(HWND window, COLORREF colour) {
  if (WindowRecord* r = record(window)) r->part<ProgramColours>().setText(colour);
}

// The system calls the scheme makes, through one place: tests replace them
// to see what is passed where the system has no dark themes (uxtheme's dark
// classes, DWM) or cannot switch high contrast. The defaults load uxtheme and
// dwmapi when first needed and fail quietly where either is missing.
struct SchemeCalls {
  HRESULT(WINAPI* setWindowTheme)(HWND window, LPCWSTR appName, LPCWSTR idList);
  HRESULT(WINAPI* setWindowAttribute)(HWND window, DWORD attribute, LPCVOID value, DWORD size);
  bool (*highContrast)();
};
SchemeCalls& schemeCalls();

// SetWindowTheme through the seam; a null `appName` and `idList` give the
// window back its class's theme.
void setTheme(HWND window, const wchar_t* appName, const wchar_t* idList = nullptr);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_COLOR_SCHEME_H
