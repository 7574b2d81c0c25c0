// The tree view: TreeView and the TreeItem records naming its items.
#include "tarn/core/detail.h"
#include "tarn/views.h"

namespace tarn {

namespace {

// WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
// TVS_EDITLABELS | TVS_SHOWSELALWAYS | TVS_RTLREADING
constexpr DWORD treeViewStyle = 0x4001006F;
constexpr std::size_t itemTextCapacity = 1024;

LPARAM itemParam(HTREEITEM item) { return reinterpret_cast<LPARAM>(item); }

// Items go in the order added: TVI_LAST (an insert-after of 0 is not defined).
HTREEITEM insertItem(HWND tree, HTREEITEM parent, const String& text, int value, int image,
                     int selectedImage) {
  TVINSERTSTRUCTA request = {};
  request.hParent = parent;
  request.hInsertAfter = TVI_LAST;
  request.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
  request.item.pszText = const_cast<char*>(text.c_str());
  request.item.cchTextMax = static_cast<int>(text.str().size());
  request.item.iImage = image;
  request.item.iSelectedImage = selectedImage;
  request.item.lParam = static_cast<LPARAM>(value);
  return reinterpret_cast<HTREEITEM>(
      detail::send(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&request)));
}

TreeItem itemRecord(HWND tree, HTREEITEM parent, HTREEITEM handle, int value, const String& text) {
  TreeItem record;
  record.control = tree;
  record.parent = parent;
  record.handle = handle;
  record.value = value;
  record.text = text;
  return record;
}

// Text and value of one item, as the control holds them.
String readItem(HWND tree, HTREEITEM item, int* value) {
  return detail::readControlText(itemTextCapacity, [&](char* buffer, int capacity) {
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_PARAM;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = capacity;
    detail::send(tree, TVM_GETITEMA, TVGN_CARET, reinterpret_cast<LPARAM>(&request));
    if (value != nullptr) *value = static_cast<int>(request.lParam);
  });
}

bool expandItem(HWND tree, HTREEITEM item, UINT how) {
  return detail::send(tree, TVM_EXPAND, how, itemParam(item)) != 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// TreeItem

// (The constructors are in tree_item.cpp.)

TreeItem TreeItem::addChild(const String& childText, int childValue, int image,
                            int selectedImage) const {
  HTREEITEM child = insertItem(control, handle, childText, childValue, image, selectedImage);
  return itemRecord(control, handle, child, childValue, childText);
}

bool TreeItem::select() const {
  return detail::send(control, TVM_SELECTITEM, TVGN_CARET, itemParam(handle)) != 0;
}
bool TreeItem::remove() const {
  return detail::send(control, TVM_DELETEITEM, 0, itemParam(handle)) != 0;
}
bool TreeItem::expand() const { return expandItem(control, handle, TVE_EXPAND); }
bool TreeItem::collapse() const { return expandItem(control, handle, TVE_COLLAPSE); }
bool TreeItem::toggle() const { return expandItem(control, handle, TVE_TOGGLE); }
bool TreeItem::selectAndExpand() const { return select() && expand(); }
bool TreeItem::selectAndCollapse() const { return select() && collapse(); }
String TreeItem::getText() const { return readItem(control, handle, nullptr); }

// ---------------------------------------------------------------------------
// TreeView

TreeView::TreeView() { bindProperties(); }

TreeView::TreeView(const String&, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle) {
  bindProperties();
  detail::createChild(*this, WC_TREEVIEWA, "TreeView", treeViewStyle, static_cast<DWORD>(exStyle),
                      x_, y_, width_, height_, parent.hwnd, id_);
  detail::finishCreation(*this, centred, enabled_, visible_);
}

void TreeView::bindProperties() {
  selectedItem.bind(this, &TreeView::getSelectedItem);
  selectedText.bind(this, &TreeView::getSelectedText);
  selectedValue.bind(this, &TreeView::getSelectedValue);
  count.bind(this, &TreeView::getCount);
}

TreeItem TreeView::addItem(const TreeItem& parentItem, const String& itemText, int itemValue,
                           int image, int selectedImage) {
  HTREEITEM under = parentItem.parent != NULL ? parentItem.handle : TVI_ROOT;
  HTREEITEM item = insertItem(hwnd, under, itemText, itemValue, image, selectedImage);
  lastItem = itemRecord(hwnd, under, item, itemValue, itemText);
  if (under == TVI_ROOT) lastRootItem = lastItem;
  return lastItem;
}

bool TreeView::clear() { return detail::send(hwnd, TVM_DELETEITEM, 0, itemParam(TVI_ROOT)) != 0; }

HIMAGELIST TreeView::setImageList(const ImageList& images) {
  return reinterpret_cast<HIMAGELIST>(
      detail::send(hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images.list)));
}

bool TreeView::clearSelection() { return detail::send(hwnd, TVM_SELECTITEM, TVGN_CARET, 0) != 0; }

HTREEITEM TreeView::selection() const {
  return reinterpret_cast<HTREEITEM>(detail::send(hwnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

String TreeView::getSelectedText() const {
  HTREEITEM item = selection();
  return item == NULL ? String() : readItem(hwnd, item, nullptr);
}

int TreeView::getSelectedValue() const {
  HTREEITEM item = selection();
  int itemValue = 0;
  if (item != NULL) readItem(hwnd, item, &itemValue);
  return itemValue;
}

TreeItem TreeView::getSelectedItem() const {
  HTREEITEM item = selection();
  if (item == NULL) return TreeItem();
  HTREEITEM parent = reinterpret_cast<HTREEITEM>(
      detail::send(hwnd, TVM_GETNEXTITEM, TVGN_PARENT, itemParam(item)));
  int itemValue = 0;
  String itemText = readItem(hwnd, item, &itemValue);
  return itemRecord(hwnd, parent, item, itemValue, itemText);
}

int TreeView::getCount() const { return static_cast<int>(detail::send(hwnd, TVM_GETCOUNT, 0, 0)); }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

TreeView::TreeView(const Control& parent, const ControlOptions& o)
    : TreeView(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
               o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
