// Tarn views: ListView (an icon list), TableView (a report table of text
// cells) and TreeView, with the records their insertions hand out.
#ifndef TARN_VIEWS_H
#define TARN_VIEWS_H

#include <functional>

#include "graphics.h"

namespace tarn {

// ===========================================================================
// List view and table view
// ===========================================================================

// Item and column records keep the request as it was sent, except the text
// pointer: it named the caller's text, which is gone once the call returns, so
// the records hold 0 there.

// One item handed out by ListView::addItem.
class ListViewItem {
 public:
  ListViewItem();  // names no item: index -1
  ListViewItem(HWND control, const LVITEMA& item, int index);

  HWND control;
  LVITEMA item;
  int index;  // where the control placed the item (-1: refused); the counter is in item.iItem

  // Deletes the item at `index` (which no longer names it once an earlier item
  // went: the control closes the gap).
  bool remove() const;
};

// An icon view of items with a caption and an image. The control keeps the
// texts; the object counts the items it inserted and never counts down, while
// each record names the place the control gave its item. Image lists given to
// the view stay the program's: the view never destroys them.
class ListView : public Control {
 public:
  ListView();
  ListView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);

  int insertCount;
  Property<ListView, int> selectedIndex;  // read-only: the first selected item or -1
  Property<ListView, int> count;          // read-only: items in the control

  ListViewItem addItem(const String& text, int image);
  // Texts of 10,240 characters or more come back cut at 10,239.
  String itemText(int index) const;
  bool clear();
  // Large-icon lists become the normal image list, the others the small one.
  HIMAGELIST setImageList(const ImageList& images);
  bool alignLeft();
  bool alignTop();
  bool arrange();
  bool snapToGrid();
  // The control's background colour. (This hides Control's write-only
  // `backColor` property: a list view paints its own background.)
  COLORREF backColor() const;
  // Background and text background together, so cells never show another
  // colour behind their text. 1 on success; 0, with nothing changed, otherwise.
  int setBackColor(COLORREF colour);
  bool setTextColor(COLORREF colour);

 private:
  void bindProperties();
  int getSelectedIndex() const;
  int getCount() const;
};

// One column handed out by TableView::addColumn.
class TableColumn {
 public:
  TableColumn();  // names no column: index -1
  TableColumn(const LVCOLUMNA& column, int index, HWND control);

  LVCOLUMNA column;
  int index;  // where the control placed the column (-1: refused)
  HWND control;

  bool remove() const;
  bool setWidth(int width) const;
  int width() const;
};

// One row handed out by TableView::addRow.
class TableRow {
 public:
  TableRow();  // names no row: index -1
  TableRow(const LVITEMA& item, int index, HWND control);

  LVITEMA item;
  int index;  // where the control placed the row (-1: refused); the counter is in item.iItem
  HWND control;

  // Deletes the row at `index` (an earlier row's removal moves this one up).
  bool remove() const;
};

// A report view: columns and rows of text cells. Rows and columns are counted
// as ListView counts its items (the counters never go down); the records
// handed out name the places the control gave them. Image lists given to the
// view stay the program's: the view never destroys them.
class TableView : public Control {
 public:
  TableView();
  TableView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
            bool editable = false, bool enabled = true, bool visible = true, bool centred = false,
            int exStyle = 0);

  int rowCount;
  int columnCount;
  /// Read-only: the first selected row, -1 when no row is selected.
  Property<TableView, int> selectedRow;

  // A 100-pixel column at the next column index.
  TableColumn addColumn(const String& text);
  TableRow addRow(const String& text, int image);
  // The control's answer; 0, and nothing sent, unless the column and the row
  // were counted (compared unsigned, so negatives are refused). Rows counted
  // but gone after `clear` or `remove` are refused by the control.
  int setCell(int column, int row, const String& text);
  bool setColumnWidth(int column, int width);
  bool clear();
  int count() const;
  HIMAGELIST setImageList(const ImageList& images);
  int setBackColor(COLORREF colour);
  bool setTextColor(COLORREF colour);

  /// Selects `row` alone, gives it the focus and scrolls it into view; -1
  /// clears the selection. False, with nothing changed, for a row that does
  /// not exist.
  bool select(int row);
  /// The whole text of a cell, however long; empty for a cell that does not exist.
  String cellText(int column, int row) const;
  /// Deletes the row at `row`; the rows below move up. False when there is none.
  bool removeRow(int row);
  /// Clicking anywhere in a row selects the whole row (on), or only its first cell.
  void setFullRowSelect(bool on);
  /// Lines between the rows and columns.
  void setGridLines(bool on);

  // Virtual mode: for tables of any length. The control keeps no texts; it
  // asks for the cells it paints, and `cell(row, column)` answers each (the
  // toolkit keeps only the rows last painted). Sorting is the program's: it
  // orders its data and calls refresh(). addRow, setCell and clear do not
  // apply; selectedRow, select, cellText and removeRow work as before.

  /// Turns the table virtual with `rows` rows (negative: 0) whose texts
  /// `cell` gives; a null `cell` shows empty cells. The first call makes the
  /// control again in place (an owner-data list view can only be made so):
  /// same parent, identifier, place among its siblings, geometry, styles,
  /// colours, font, columns, image lists, visibility and anchoring, but no
  /// rows. `hwnd` then names the new window; a copy of this object made before
  /// the call still names the old, destroyed one, and whatever it sends is
  /// answered with 0. Later calls only change the function and the row count.
  void setVirtual(int rows, std::function<String(int row, int column)> cell);
  /// Grows or shrinks a virtual table at once (keeping the scroll position
  /// when it can); selected rows past the new end are no longer selected.
  /// Nothing for a table that is not virtual.
  void setRowCount(int rows);
  /// Paints the table again, asking for every text it shows afresh.
  void refresh();
  /// True once setVirtual has turned the table virtual.
  bool isVirtual() const;

 private:
  void bindProperties();
  int getSelectedRow() const;
  void setListViewStyle(DWORD bits, bool on);
};

// ===========================================================================
// Tree view
// ===========================================================================

// One item of a tree: the tree's window, the parent item it went under and
// its own handle, so it can be changed or given children without the tree
// object at hand. The text and value are those given at insertion.
class TreeItem {
 public:
  TreeItem();  // names no item; as a parent it stands for the root
  // A record for an item handle; `isRoot` is 1 exactly when `parent` is 0.
  TreeItem(HTREEITEM parent, HTREEITEM handle);

  HWND control;
  HTREEITEM parent;  // TVI_ROOT for top-level items the tree inserted; 0: no item
  HTREEITEM handle;
  int isRoot;
  int value;  // the item's lParam
  String text;

  // Appends a child; the tree's lastItem is not updated.
  TreeItem addChild(const String& text, int value = 0, int image = 0, int selectedImage = 0) const;
  bool select() const;
  bool remove() const;
  bool expand() const;
  bool collapse() const;
  bool toggle() const;
  // Expands (or collapses) only when the item could be selected; false otherwise.
  bool selectAndExpand() const;
  bool selectAndCollapse() const;
  // The item's text as the control holds it now, cut at 1,023 characters.
  String getText() const;
};

// A tree of items with texts, values and images. The control keeps the items;
// the object keeps the records it handed out last.
class TreeView : public Control {
 public:
  TreeView();
  // `text` is not shown: the window name is always "TreeView".
  TreeView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);

  TreeItem lastItem;      // the latest addItem
  TreeItem lastRootItem;  // the latest addItem that went to the root
  // Read-only, asked afresh at every read. Texts are cut at 1,023 characters.
  Property<TreeView, TreeItem> selectedItem;  // empty when nothing is selected
  Property<TreeView, String> selectedText;    // "" when nothing is selected
  Property<TreeView, int> selectedValue;      // 0 when nothing is selected
  Property<TreeView, int> count;

  // Appends under `parentItem`, or at the root when its `parent` is 0 (an empty
  // record, `treeRoot`, a selected top-level item).
  TreeItem addItem(const TreeItem& parentItem, const String& text, int value = 0, int image = 0,
                   int selectedImage = 0);
  bool clear();
  HIMAGELIST setImageList(const ImageList& images);
  bool clearSelection();

 private:
  void bindProperties();
  HTREEITEM selection() const;
  TreeItem getSelectedItem() const;
  String getSelectedText() const;
  int getSelectedValue() const;
  int getCount() const;
};

}  // namespace tarn

#endif  // TARN_VIEWS_H
