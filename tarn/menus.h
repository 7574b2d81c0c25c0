// Tarn menus: menu bars, drop-down entries and context menus.
//
// Classes in this file (sources):
//   Menu, MenuItem, PopupMenu   commctl/menu.cpp
//   MenuItem::onClick           commctl/control_events.cpp
#ifndef TARN_MENUS_H
#define TARN_MENUS_H

#include <functional>

#include "core.h"
#include "graphics.h"

namespace tarn {

// ===========================================================================
// Menus
// ===========================================================================
//
// Thin values over the system's menus: every state lives in the system's menu
// objects, and a chosen entry reaches the owner form's procedure as WM_COMMAND
// with the identifier the program gave it. No menu is ever destroyed by the
// toolkit (records are copied freely, and a destructor would free menus still
// shown); a program that rebuilds a popup over and over frees the old one with
// DestroyMenu(popup.menu).
//
// Every add takes the caption (with '&' before the mnemonic), an identifier or
// position, `enabled` (false adds the entry greyed) and `checkState` (-1 is
// unchecked, any other value checked).

/// The check state of an unchecked entry; any other value checks it.
constexpr int menuUnchecked = -1;

/// One entry of a menu, and the menu that entries added below it go into.
struct MenuItem {
  /// The top of the tree: entries are addressed through it.
  HMENU rootMenu = NULL;  // top of the tree: entries are addressed through it
  /// A drop-down's menu; for other entries, the menu made at the first add below them.
  HMENU subMenu = NULL;  // drop-down: its menu; other entries: made at the first add below
  /// The form whose bar is re-set after adds; 0 in popups.
  HWND owner = NULL;  // the form whose bar is re-set after adds; 0 in popups
  /// The identifier or position of the latest entry added below.
  int lastId = 0;  // identifier or position of the latest entry added below
  /// The command identifier, or the position given for a drop-down.
  int id = 0;  // command identifier, or the position given for a drop-down
  /// Whether the entry is a drop-down (the system knows it by its menu handle).
  bool dropDown = false;  // the system knows a drop-down entry by its menu handle

  /// Adds an entry with `text` and identifier `id` to the menu below this one; returns its record.
  MenuItem add(const String& text, int id, bool enabled = true, int checkState = menuUnchecked);
  /// Inserts a drop-down entry before the entry at `position` (past the end: last).
  MenuItem insertPopup(const String& text, int position, bool enabled = true,
                       int checkState = menuUnchecked);
  /// Adds a separator line to the menu below this one; true on success.
  bool addSeparator();

  /// The previous check state as the system answers it: MF_CHECKED (8), 0, or
  /// 0xFFFFFFFF when the entry is gone.
  DWORD check();
  /// Removes the check mark; the previous check state, as check() answers it.
  DWORD uncheck();
  /// True when the system's answer (the previous state) is non-zero: the entry
  /// was greyed or disabled before, or does not exist. False: it was enabled.
  bool enable();
  /// Greys the entry; the previous state, as enable() answers it.
  bool disable();
  /// Removes the entry (its drop-down menu, if any, is not destroyed); true on success.
  bool remove();
  /// Changes the entry's caption only (drop-down, check mark and greyed state stay); true on
  /// success.
  bool setText(const String& text);
  /// Highlights the entry in the owner form's bar; true on success.
  bool hilite();
  /// Removes the highlight; true on success.
  bool unhilite();

  /// The identifier by which the system finds this entry in `rootMenu`.
  UINT command() const;

  /// Runs `handler` when the user chooses the entry, or presses a shortcut
  /// (Form::addShortcut) bound to its identifier, before the form's command
  /// handler for the identifier and its procedure, which still see the
  /// command. The handler is kept by the form whose bar holds the entry, by
  /// identifier (entries with one identifier share it): setting one again
  /// replaces it, a null one removes it, and it ends with the form. It runs
  /// as the controls' events do (controls.h). An entry of a context menu, a
  /// drop-down entry or one of a bar shown on no form has no handler: the
  /// runtime check says so. (A context menu's choice reaches the form's
  /// command handlers.)
  void onClick(std::function<void()> handler) const;

 private:
  HMENU menuBelow();
  void redrawBar() const;
};

/// A menu bar. Entries added before the bar is attached show when it is.
class Menu {
  /// A bar with no window; attach it to show it.
 public:
  /// An object with no window (hwnd 0).
  Menu();
  /// A bar attached to `form`.
  explicit Menu(const Control& form);

  /// Shows the bar on `form`; true on success.
  bool attach(const Control& form);
  /// Adds a drop-down entry to the bar; returns its record, to add entries below it.
  MenuItem addPopup(const String& text, int id, bool enabled = true,
                    int checkState = menuUnchecked);

  /// The bar's menu handle.
  HMENU menu;
  /// The form the bar is attached to; 0 before.
  HWND owner;
};

/// A context menu shown at the mouse cursor.
class PopupMenu {
 public:
  /// An empty context menu.
  PopupMenu();

  /// Adds an entry with `text` and identifier `id`; returns its record.
  MenuItem add(const String& text, int id, bool enabled = true, int checkState = menuUnchecked);
  /// Inserts a drop-down entry before the entry at `position` (past the end: last); returns its
  /// record, to add entries below it.
  MenuItem insertPopup(const String& text, int position, bool enabled = true,
                       int checkState = menuUnchecked);
  /// Adds a separator line; returns a record for it.
  MenuItem addSeparator();

  /// Brings the form forward, shows the menu at the cursor and returns when it
  /// closes; a chosen entry is posted to the form as WM_COMMAND. Returns the
  /// result of bringing the form forward again afterwards.
  bool show(const Control& form);

  /// The context menu's handle (the toolkit never destroys it: see DestroyMenu above).
  HMENU menu;
};

}  // namespace tarn

#endif  // TARN_MENUS_H
