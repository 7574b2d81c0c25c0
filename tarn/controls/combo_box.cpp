// The combo box: the system's extended combo box, with item data and images.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "tarn/core/detail.h"
#include "tarn/lists.h"

namespace tarn {

namespace {

constexpr int droppedListRoom = 160;  // 96-DPI units below the field: ten items or so

constexpr DWORD comboStyle =
    WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DISABLENOSCROLL;  // 0x40210800, plus the drop kind
constexpr UINT itemWithImages = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
constexpr std::size_t longestRoom = 0x40000000;  // cchTextMax is an int

// True when `text` begins with `prefix`, compared without regard to case as
// the system's list searches compare.
bool beginsWith(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  if (prefix.empty()) return true;
  int n = static_cast<int>(prefix.size());
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.data(), n, prefix.data(), n) ==
         CSTR_EQUAL;
}

}  // namespace

void ComboBox::bindProperties() {
  selectedIndex.bind(this, &ComboBox::getSelectedIndex);
  selectedData.bind(this, &ComboBox::getSelectedData);
  topIndex.bind(this, &ComboBox::getTopIndex);
}

ComboBox::ComboBox() : insertCount(0) {
  parentHwnd = NULL;
  bindProperties();
}

ComboBox::ComboBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, bool listOnly,
                   int exStyle)
    : ComboBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, listOnly,
         exStyle);
}

void ComboBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                      const Control& parent, bool enabled_, bool visible_, bool centred,
                      bool listOnly, int exStyle) {
  bindProperties();
  DWORD style = comboStyle | (listOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  detail::createChild(*this, WC_COMBOBOXEXA, "ComboBox", style, static_cast<DWORD>(exStyle), x_, y_,
                      width_, height_, parent.hwnd, id_);
  text = text_;
  detail::placeChild(*this, x_, y_, width_, height_);
  detail::settleChild(*this, centred, enabled_);
  if (visible_) show();
  insertCount = 0;
}

int ComboBox::getSelectedIndex() const {
  return static_cast<int>(detail::send(hwnd, CB_GETCURSEL));
}

LPARAM ComboBox::getSelectedData() const {
  int selected = getSelectedIndex();
  return selected == CB_ERR ? 0 : itemData(selected);
}

int ComboBox::getTopIndex() const { return static_cast<int>(detail::send(hwnd, CB_GETTOPINDEX)); }

// The control refuses a position past its count, which insertCount passes
// once items were removed: the item then goes to the end of the list, where
// the counted position would have put it had nothing been removed.
int ComboBox::addItem(const String& text_, LPARAM data, int image) {
  COMBOBOXEXITEMA item = {};
  item.mask = itemWithImages;
  item.iItem = insertCount;
  item.pszText = const_cast<char*>(text_.c_str());
  item.iImage = image;
  item.iSelectedImage = image;
  LPARAM record = reinterpret_cast<LPARAM>(&item);
  LRESULT index = detail::send(hwnd, CBEM_INSERTITEMA, 0, record);
  if (index < 0 && insertCount > 0) {
    item.iItem = count();
    index = detail::send(hwnd, CBEM_INSERTITEMA, 0, record);
  }
  if (index >= 0) detail::send(hwnd, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
  ++insertCount;
  return index < 0 ? -1 : static_cast<int>(index);
}

HIMAGELIST ComboBox::setImageList(ImageList imageList) {
  return reinterpret_cast<HIMAGELIST>(
      detail::send(hwnd, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList.list)));
}

int ComboBox::selectString(const String& text_) {
  int found = findString(text_);
  if (found == CB_ERR) return CB_ERR;
  return static_cast<int>(detail::send(hwnd, CB_SETCURSEL, static_cast<WPARAM>(found)));
}

bool ComboBox::setSelectedIndex(int index) {
  return detail::send(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index)) != CB_ERR;
}

// CB_FINDSTRING is no text search on this control (its inner list holds no
// strings; Wine answers 0 for any text), so the items are searched here: from
// item 1 to the end, then item 0, as the system's prefix search from 0 goes.
int ComboBox::findString(const String& text_) const {
  int n = count();
  for (int step = 1; step <= n; ++step) {
    int index = step % n;
    if (beginsWith(itemText(index).str(), text_.str())) return index;
  }
  return CB_ERR;
}

int ComboBox::findStringExact(const String& text_) const {
  return static_cast<int>(detail::send(hwnd, CB_FINDSTRINGEXACT, 0, detail::textArgument(text_)));
}

LPARAM ComboBox::itemData(int index) const {
  LRESULT data = detail::send(hwnd, CB_GETITEMDATA, static_cast<WPARAM>(index));
  return data == CB_ERR ? 0 : data;
}

LPARAM ComboBox::itemDataOf(const String& text_) const {
  int found = findString(text_);
  return found == CB_ERR ? 0 : itemData(found);
}

int ComboBox::textLength(int index) const {
  LRESULT length = detail::send(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  return length == CB_ERR ? 0 : static_cast<int>(length);
}

// Read through the item record: CB_GETLBTEXT on this control kills the process
// under Wine for items over about 512 characters. The room is sized from the
// item's length with one character to spare: a text that fills it may have
// been cut (the length is only a guide on some systems), and is read again
// with twice the room. Index -1 would name the edit field, and the length of
// an item that does not exist reads as an error (0 under Wine), so both give
// the empty text.
String ComboBox::itemText(int index) const {
  if (index < 0) return String();
  LRESULT length = detail::send(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return String();
  for (std::size_t room = static_cast<std::size_t>(length) + 2; room <= longestRoom; room *= 2) {
    std::string chars(room, '\0');
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = &chars[0];
    item.cchTextMax = static_cast<int>(room);
    if (!detail::send(hwnd, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return String();
    // The control may answer with a pointer to its own copy of the text instead.
    if (item.pszText != &chars[0]) {
      bool own = item.pszText != NULL && item.pszText != LPSTR_TEXTCALLBACKA;
      return own ? String(std::string(item.pszText)) : String();
    }
    chars.resize(std::strlen(chars.c_str()));
    if (chars.size() + 1 < room) return String(std::move(chars));
  }
  return String();
}

bool ComboBox::removeItem(int index) {
  return detail::send(hwnd, CB_DELETESTRING, static_cast<WPARAM>(index)) != CB_ERR;
}

bool ComboBox::removeString(const String& text_) {
  int found = findString(text_);
  return found != CB_ERR && removeItem(found);
}

int ComboBox::count() const { return static_cast<int>(detail::send(hwnd, CB_GETCOUNT)); }

LRESULT ComboBox::setItemHeight(int height_) {
  return detail::send(hwnd, CB_SETITEMHEIGHT, 0, static_cast<LPARAM>(scaled(height_)));
}

LRESULT ComboBox::clear() { return detail::send(hwnd, CB_RESETCONTENT); }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

ComboBox::ComboBox(const Control& parent, const ComboBoxOptions& o)
    : ComboBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
               o.visible, o.centred, o.listOnly, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
  // The window's height is also the room its list drops into; the field
  // itself keeps its own height.
  if (hwnd != NULL && o.height == 0) resize(width.get(), naturalSize().height + droppedListRoom);
}

}  // namespace tarn
