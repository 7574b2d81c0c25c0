// Menus: the menu bar (Menu), its entries (MenuItem) and context menus
// (PopupMenu), thin values over the system's menu objects.
#include "tarn/menus.h"

namespace tarn {

namespace {

// Appends, as the system documents it: position -1 taken by position.
constexpr UINT lastPosition = static_cast<UINT>(-1);

UINT stateFlags(bool enabled, int checkState) {
  return (checkState != menuUnchecked ? MF_CHECKED : 0) | (enabled ? 0 : MF_GRAYED);
}

UINT plainFlags(bool enabled, int checkState) {
  return MF_STRING | stateFlags(enabled, checkState);
}

UINT dropDownFlags(bool enabled, int checkState) {
  return MF_POPUP | stateFlags(enabled, checkState);
}

UINT_PTR commandOf(int id) { return static_cast<UINT_PTR>(static_cast<UINT>(id)); }

UINT_PTR menuAsCommand(HMENU menu) { return reinterpret_cast<UINT_PTR>(menu); }

MenuItem makeItem(HMENU root, HMENU sub, HWND owner, int id, bool dropDown) {
  MenuItem item;
  item.rootMenu = root;
  item.subMenu = sub;
  item.owner = owner;
  item.lastId = id;
  item.id = id;
  item.dropDown = dropDown;
  return item;
}

// Inserts a drop-down entry with a fresh menu under it into `menu`.
HMENU insertDropDown(HMENU menu, UINT position, const String& text, bool enabled, int checkState) {
  HMENU sub = CreateMenu();
  InsertMenuA(menu, position, MF_BYPOSITION | dropDownFlags(enabled, checkState),
              menuAsCommand(sub), text.c_str());
  return sub;
}

}  // namespace

// ---------------------------------------------------------------------------
// MenuItem

UINT MenuItem::command() const {
  // A drop-down entry's identifier is its menu handle; the number it was given
  // is only its position.
  return dropDown ? static_cast<UINT>(menuAsCommand(subMenu)) : static_cast<UINT>(id);
}

HMENU MenuItem::menuBelow() {
  // Plain entries get their menu only when it is needed: one per entry would
  // use up the system's menu handles in large menus.
  if (subMenu == NULL) subMenu = CreateMenu();
  return subMenu;
}

void MenuItem::redrawBar() const {
  if (owner != NULL) SetMenu(owner, rootMenu);
}

MenuItem MenuItem::add(const String& text, int id_, bool enabled, int checkState) {
  lastId = id_;
  AppendMenuA(menuBelow(), plainFlags(enabled, checkState), commandOf(id_), text.c_str());
  redrawBar();
  return makeItem(rootMenu, NULL, owner, id_, false);
}

MenuItem MenuItem::insertPopup(const String& text, int position, bool enabled, int checkState) {
  lastId = position;
  HMENU sub = insertDropDown(menuBelow(), static_cast<UINT>(position), text, enabled, checkState);
  redrawBar();
  return makeItem(rootMenu, sub, owner, position, true);
}

bool MenuItem::addSeparator() { return AppendMenuA(menuBelow(), MF_SEPARATOR, 0, "") != FALSE; }

DWORD MenuItem::check() { return CheckMenuItem(rootMenu, command(), MF_BYCOMMAND | MF_CHECKED); }

DWORD MenuItem::uncheck() {
  return CheckMenuItem(rootMenu, command(), MF_BYCOMMAND | MF_UNCHECKED);
}

bool MenuItem::enable() {
  return EnableMenuItem(rootMenu, command(), MF_BYCOMMAND | MF_ENABLED) != 0;
}

bool MenuItem::disable() {
  return EnableMenuItem(rootMenu, command(), MF_BYCOMMAND | MF_GRAYED) != 0;
}

bool MenuItem::remove() { return RemoveMenu(rootMenu, command(), MF_BYCOMMAND) != FALSE; }

bool MenuItem::setText(const String& text) {
  // Only the caption changes: the entry keeps its drop-down menu, its check
  // mark and its greyed state.
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(text.c_str());
  return SetMenuItemInfoA(rootMenu, command(), FALSE, &info) != FALSE;
}

bool MenuItem::hilite() {
  return HiliteMenuItem(owner, rootMenu, command(), MF_BYCOMMAND | MF_HILITE) != FALSE;
}

bool MenuItem::unhilite() {
  return HiliteMenuItem(owner, rootMenu, command(), MF_BYCOMMAND | MF_UNHILITE) != FALSE;
}

// ---------------------------------------------------------------------------
// Menu

Menu::Menu() : menu(CreateMenu()), owner(NULL) {}

Menu::Menu(const Control& form) : menu(CreateMenu()), owner(form.hwnd) {}

bool Menu::attach(const Control& form) {
  owner = form.hwnd;
  return SetMenu(owner, menu) != FALSE;
}

MenuItem Menu::addPopup(const String& text, int id, bool enabled, int checkState) {
  HMENU sub = insertDropDown(menu, lastPosition, text, enabled, checkState);
  // Setting the bar again makes the system lay it out and repaint it.
  if (owner != NULL) SetMenu(owner, menu);
  return makeItem(menu, sub, owner, id, true);
}

// ---------------------------------------------------------------------------
// PopupMenu

PopupMenu::PopupMenu() : menu(CreatePopupMenu()) {}

MenuItem PopupMenu::add(const String& text, int id, bool enabled, int checkState) {
  InsertMenuA(menu, lastPosition, MF_BYPOSITION | plainFlags(enabled, checkState), commandOf(id),
              text.c_str());
  return makeItem(menu, NULL, NULL, id, false);
}

MenuItem PopupMenu::insertPopup(const String& text, int position, bool enabled, int checkState) {
  HMENU sub = insertDropDown(menu, static_cast<UINT>(position), text, enabled, checkState);
  return makeItem(menu, sub, NULL, position, true);
}

MenuItem PopupMenu::addSeparator() {
  InsertMenuA(menu, lastPosition, MF_BYPOSITION | MF_SEPARATOR, 0, "");
  return makeItem(menu, NULL, NULL, 0, false);
}

bool PopupMenu::show(const Control& form) {
  SetForegroundWindow(form.hwnd);
  POINT at = {};
  GetCursorPos(&at);
  // Returns when the menu closes; the chosen command is posted to the form.
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, form.hwnd,
                 NULL);
  return SetForegroundWindow(form.hwnd) != FALSE;
}

}  // namespace tarn
