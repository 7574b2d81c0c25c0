// List boxes on the system LISTBOX class: the single-column list and the
// multi-column list.
#include <algorithm>
#include <string>
#include <utility>

#include "tarn/core/detail.h"
#include "tarn/lists.h"

namespace tarn {

namespace {

constexpr DWORD listStyle =
    WS_CHILD | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_HASSTRINGS | LBS_NOTIFY;  // 0x40011041
constexpr WPARAM fromFirstItem = static_cast<WPARAM>(-1);
constexpr WPARAM afterFirstItem = 0;

}  // namespace

// ---------------------------------------------------------------------------
// ListBox

void ListBox::bindProperties() {
  selectedIndex.bind(this, &ListBox::getSelectedIndex);
  selectedData.bind(this, &ListBox::getSelectedData);
}

ListBox::ListBox() : searchStart(fromFirstItem) {
  parentHwnd = NULL;
  bindProperties();
}

ListBox::ListBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                 const Control& parent, bool enabled_, bool visible_, bool centred, bool border,
                 int exStyle)
    : ListBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, border, exStyle);
}

void ListBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, bool enabled_, bool visible_, bool centred, bool border,
                     int exStyle) {
  build(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, border, false, 0,
        exStyle);
}

void ListBox::build(const String& text_, int id_, int x_, int y_, int width_, int height_,
                    const Control& parent, bool enabled_, bool visible_, bool centred, bool border,
                    bool multiColumn, int columnWidth, int exStyle) {
  bindProperties();
  DWORD style = listStyle | (multiColumn ? LBS_MULTICOLUMN : 0) | (border ? WS_BORDER : 0);
  detail::createChild(*this, "LISTBOX", multiColumn ? "MCListBox" : "ListBox", style,
                      static_cast<DWORD>(exStyle), x_, y_, width_, height_, parent.hwnd, id_);
  text = text_;
  if (multiColumn) detail::send(hwnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(scaled(columnWidth)));
  detail::placeChild(*this, x_, y_, width_, height_);
  detail::settleChild(*this, centred, enabled_);
  if (visible_) show();
}

int ListBox::getSelectedIndex() const { return static_cast<int>(detail::send(hwnd, LB_GETCURSEL)); }

LPARAM ListBox::getSelectedData() const {
  int selected = getSelectedIndex();
  return selected == LB_ERR ? 0 : itemData(selected);
}

int ListBox::addItem(const String& text_, LPARAM data) {
  int index = static_cast<int>(detail::send(hwnd, LB_ADDSTRING, 0, detail::textArgument(text_)));
  if (index >= 0) detail::send(hwnd, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
  return index;
}

int ListBox::selectString(const String& text_) {
  return static_cast<int>(
      detail::send(hwnd, LB_SELECTSTRING, searchStart, detail::textArgument(text_)));
}

bool ListBox::setSelectedIndex(int index) {
  return detail::send(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index)) != LB_ERR;
}

int ListBox::findString(const String& text_) const {
  return static_cast<int>(
      detail::send(hwnd, LB_FINDSTRING, searchStart, detail::textArgument(text_)));
}

int ListBox::findStringExact(const String& text_) const {
  return static_cast<int>(
      detail::send(hwnd, LB_FINDSTRINGEXACT, afterFirstItem, detail::textArgument(text_)));
}

LPARAM ListBox::itemData(int index) const {
  return detail::send(hwnd, LB_GETITEMDATA, static_cast<WPARAM>(index));
}

LPARAM ListBox::itemDataOf(const String& text_) const {
  int found = findString(text_);
  return found == LB_ERR ? 0 : itemData(found);
}

int ListBox::textLength(int index) const {
  LRESULT length = detail::send(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  return length == LB_ERR ? 0 : static_cast<int>(length);
}

// The list box keeps items of any length: the text is read into room sized
// from the item.
String ListBox::itemText(int index) const {
  LRESULT length = detail::send(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return String();
  std::string chars(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT got = detail::send(hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&chars[0]));
  if (got == LB_ERR) return String();
  chars.resize(std::min(static_cast<std::size_t>(got), static_cast<std::size_t>(length)));
  return String(std::move(chars));
}

bool ListBox::removeItem(int index) {
  return detail::send(hwnd, LB_DELETESTRING, static_cast<WPARAM>(index)) != LB_ERR;
}

bool ListBox::removeString(const String& text_) {
  int found = findString(text_);
  return found != LB_ERR && removeItem(found);
}

int ListBox::count() const { return static_cast<int>(detail::send(hwnd, LB_GETCOUNT)); }

LRESULT ListBox::setItemHeight(int height_) {
  return detail::send(hwnd, LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(scaled(height_)));
}

LRESULT ListBox::clear() { return detail::send(hwnd, LB_RESETCONTENT); }

// ---------------------------------------------------------------------------
// MCListBox

MCListBox::MCListBox() { searchStart = afterFirstItem; }

MCListBox::MCListBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, bool enabled_, bool visible_, bool centred, bool border,
                     int columnWidth, int exStyle)
    : MCListBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, border,
         columnWidth, exStyle);
}

void MCListBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                       const Control& parent, bool enabled_, bool visible_, bool centred,
                       bool border, int columnWidth, int exStyle) {
  build(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, border, true,
        columnWidth, exStyle);
}

int MCListBox::setColumnWidth(int width_) {
  detail::send(hwnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(scaled(width_)));
  InvalidateRect(hwnd, NULL, TRUE);
  return 1;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

ListBox::ListBox(const Control& parent, const ListBoxOptions& o)
    : ListBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
              o.visible, o.centred, o.border, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

MCListBox::MCListBox(const Control& parent, const MCListBoxOptions& o)
    : MCListBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                o.visible, o.centred, o.border, o.columnWidth, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
