// Tarn bars: the button strips along a form's edge.
//
// Classes in this file (sources):
//   ToolbarButton, Toolbar   commctl/toolbar.cpp
//   ToolbarButton::onClick   commctl/control_events.cpp
//   CoolBar                  commctl/cool_bar.cpp
//   ToolbarOptions, CoolBarOptions   the class's own source
#ifndef TARN_BARS_H
#define TARN_BARS_H

#include <functional>

#include "core.h"
#include "graphics.h"

namespace tarn {

// ===========================================================================
// Toolbar And Cool Bar
// ===========================================================================

/// What addButton made: the button record, the toolbar, and its command twice.
struct ToolbarButton {
  /// The system's record of the button (image, command, state, style, text).
  TBBUTTON button = {};
  /// The toolbar's window.
  HWND control = NULL;
  /// The button's command identifier (WM_COMMAND's low word).
  int command = 0;
  /// The same identifier again.
  int id = 0;

  /// Runs `handler` when the user clicks the button, before the form's command
  /// handler for `command` and its procedure, which still see the click.
  /// Buttons of one toolbar with the same command share the handler; setting
  /// one again replaces it, a null one removes it, and it ends with the
  /// toolbar. It runs as the controls' events do (controls.h). Nothing for a
  /// record naming no toolbar.
  void onClick(std::function<void()> handler) const;
};

/// The options of a Toolbar, in its constructor's order. The bar places and
/// sizes itself along its parent's top edge.
struct ToolbarOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// Not used: the bar places itself.
  int x = 0;
  /// Not used: the bar places itself.
  int y = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the buttons are flat until the mouse is over them.
  bool flat = false;
  /// Whether a line is drawn above the bar.
  bool divider = true;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A strip of buttons along the parent's edge; each click sends WM_COMMAND with
/// the button's command identifier to the parent. The toolbar follows its
/// parent's width by itself (TB_AUTOSIZE whenever the parent's client area
/// changes size).
class Toolbar : public Control {
 public:
  /// An object with no window (hwnd 0).
  Toolbar();
  /// Makes the toolbar with identifier `id` along `parent`'s top edge (`x` and `y` are not
  /// used: the bar places itself); `flat` and `divider` set its look.
  Toolbar(int id, const Control& parent, int x, int y, bool enabled = true, bool visible = true,
          bool flat = false, bool divider = true, int exStyle = 0);
  /// Makes the toolbar from named options.
  Toolbar(const Control& parent, const ToolbarOptions& options);

  /// Whether buttons added from now on show their text.
  bool showText;
  /// Whether the buttons are flat (TBSTYLE_FLAT); writing changes the style.
  Property<Toolbar, bool> flat;  // TBSTYLE_FLAT
  /// Whether the bar draws a divider line above itself (CCS_NODIVIDER clear).
  Property<Toolbar, bool> divider;  // CCS_NODIVIDER clear
  /// Whether buttons wrap onto more rows when the bar is narrow (TBSTYLE_WRAPABLE).
  Property<Toolbar, bool> wrapable;  // TBSTYLE_WRAPABLE

  /// Buttons get `text` only while showText is on; an empty text gives none.
  ToolbarButton addButton(const String& text, int image, int command);
  /// Adds a button showing one of the system's standard small pictures
  /// (STD_CUT ... STD_PRINT, such as STD_FILENEW, STD_FILEOPEN, STD_FILESAVE),
  /// with `text` under the same rule as addButton. The pictures are loaded
  /// once per toolbar into its own image list, which setImageList replaces: a
  /// toolbar shows either the standard pictures or the program's. Returns what
  /// addButton returns; for a number outside STD_CUT ... STD_PRINT no button is
  /// added and the record's `control` is null.
  ToolbarButton addStandardButton(int standardImage, int command, const String& text);
  /// Adds a gap between buttons; true on success.
  bool addSeparator();
  /// Returns the previous image list handle.
  HIMAGELIST setImageList(const ImageList& images);
  /// Sets showText.
  void setShowText(bool show) { showText = show; }

 private:
  void bindToolbarProperties();
  bool getFlat() const { return hasStyle(TBSTYLE_FLAT); }
  void setFlat(bool on) { on ? addStyle(TBSTYLE_FLAT) : removeStyle(TBSTYLE_FLAT); }
  bool getDivider() const { return !hasStyle(CCS_NODIVIDER); }
  void setDivider(bool on) { on ? removeStyle(CCS_NODIVIDER) : addStyle(CCS_NODIVIDER); }
  bool getWrapable() const { return hasStyle(TBSTYLE_WRAPABLE); }
  void setWrapable(bool on) { on ? addStyle(TBSTYLE_WRAPABLE) : removeStyle(TBSTYLE_WRAPABLE); }
};

/// The options of a CoolBar, in its constructor's order. The bar places and
/// sizes itself.
struct CoolBarOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// Not used: the bar places itself.
  int x = 0;
  /// Not used: the bar places itself.
  int y = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether a line is drawn above the bar.
  bool divider = true;
  /// Whether the bar stands along the parent's left edge.
  bool vertical = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A container of bands, each holding one child window with a caption and a
/// gripper. Created at the parent's top left; `x` and `y` are not used. When the
/// window cannot be made, a box says "Cannot create CoolBar" and the object
/// stays a window-less Control.
class CoolBar : public Control {
 public:
  /// An object with no window (hwnd 0).
  CoolBar();
  /// Makes the cool bar with identifier `id` at `parent`'s top edge; `vertical` stands it along
  /// the left edge instead.
  CoolBar(int id, const Control& parent, int x = 0, int y = 0, bool enabled = true,
          bool visible = true, bool divider = true, bool vertical = false, int exStyle = 0);
  /// Makes the cool bar from named options.
  CoolBar(const Control& parent, const CoolBarOptions& options);

  /// Appends a band holding `child`, as tall as its client area and as wide as
  /// its window; `newLine` starts a new row. Returns the bar's answer to the
  /// insertion (non-zero: the band is there).
  LRESULT addBand(const String& text, const Control& child, bool newLine = false,
                  COLORREF foreColor = 0);
  /// Repaints and lays the bands out again.
  LRESULT refresh();
};

}  // namespace tarn

#endif  // TARN_BARS_H
