// Tarn command surfaces: menu bars, drop-down entries and context menus (Menu,
// MenuItem, PopupMenu), and the button strips Toolbar and CoolBar.
#ifndef TARN_MENUS_H
#define TARN_MENUS_H

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

constexpr int menuUnchecked = -1;

// One entry of a menu, and the menu that entries added below it go into.
struct MenuItem {
  HMENU rootMenu = NULL;  // top of the tree: entries are addressed through it
  HMENU subMenu = NULL;   // drop-down: its menu; other entries: made at the first add below
  HWND owner = NULL;      // the form whose bar is re-set after adds; 0 in popups
  int lastId = 0;         // identifier or position of the latest entry added below
  int id = 0;             // command identifier, or the position given for a drop-down
  bool dropDown = false;  // the system knows a drop-down entry by its menu handle

  MenuItem add(const String& text, int id, bool enabled = true, int checkState = menuUnchecked);
  // Inserts a drop-down entry before the entry at `position` (past the end: last).
  MenuItem insertPopup(const String& text, int position, bool enabled = true,
                       int checkState = menuUnchecked);
  bool addSeparator();

  // The previous check state as the system answers it: MF_CHECKED (8), 0, or
  // 0xFFFFFFFF when the entry is gone.
  DWORD check();
  DWORD uncheck();
  // True when the system's answer (the previous state) is non-zero: the entry
  // was greyed or disabled before, or does not exist. False: it was enabled.
  bool enable();
  bool disable();
  bool remove();
  bool setText(const String& text);
  bool hilite();
  bool unhilite();

  // The identifier by which the system finds this entry in `rootMenu`.
  UINT command() const;

 private:
  HMENU menuBelow();
  void redrawBar() const;
};

// A menu bar. Entries added before the bar is attached show when it is.
class Menu {
 public:
  Menu();
  explicit Menu(const Control& form);

  bool attach(const Control& form);
  MenuItem addPopup(const String& text, int id, bool enabled = true,
                    int checkState = menuUnchecked);

  HMENU menu;
  HWND owner;
};

// A context menu shown at the mouse cursor.
class PopupMenu {
 public:
  PopupMenu();

  MenuItem add(const String& text, int id, bool enabled = true, int checkState = menuUnchecked);
  MenuItem insertPopup(const String& text, int position, bool enabled = true,
                       int checkState = menuUnchecked);
  MenuItem addSeparator();

  // Brings the form forward, shows the menu at the cursor and returns when it
  // closes; a chosen entry is posted to the form as WM_COMMAND. Returns the
  // result of bringing the form forward again afterwards.
  bool show(const Control& form);

  HMENU menu;
};

}  // namespace tarn

#endif  // TARN_MENUS_H
