// Tarn views: ListView (an icon list), TableView (a report table of text
// cells) and TreeView, with the records their insertions hand out.
//
// Events (onClick, onChange, onSelectionChange, onActivate) behave as the
// standard controls' do (controls.h): set again replaces, null removes, ended
// with the window, run before the form's handlers and procedure, which still
// see the message; a handler may destroy its control or form, and an
// exception leaving it is caught and reported with the runtime check.
//
// Classes and functions in this file (sources):
//   ListView, ListViewItem             commctl/list_view.cpp
//   TableView, TableColumn, TableRow   commctl/list_view.cpp, commctl/virtual_table.cpp,
//                                      commctl/virtual_selection.cpp, commctl/row_ranges.cpp
//   copying rows (Ctrl+C, copy)        commctl/row_copy.cpp
//   TreeView                           commctl/tree_view.cpp
//   TreeItem                           commctl/tree_item.cpp
//   the three views' events            commctl/view_events.cpp
//   ListViewOptions, TableViewOptions, TreeViewOptions   the class's own source
#ifndef TARN_VIEWS_H
#define TARN_VIEWS_H

#include <functional>
#include <vector>

#include "graphics.h"

namespace tarn {

// ===========================================================================
// List view and table view
// ===========================================================================

// Item and column records keep the request as it was sent, except the text
// pointer: it named the caller's text, which is gone once the call returns, so
// the records hold 0 there.

/// One item handed out by ListView::addItem.
class ListViewItem {
 public:
  /// A record naming no item: index -1.
  ListViewItem();  // names no item: index -1
  /// A record for item `index` of `control`, keeping the request `item` (text pointer 0).
  ListViewItem(HWND control, const LVITEMA& item, int index);

  /// The list view's window.
  HWND control;
  /// The insertion request as sent, with its text pointer cleared.
  LVITEMA item;
  /// Where the control placed the item (-1: refused); the counter is in item.iItem.
  int index;

  /// Deletes the item at `index` (which no longer names it once an earlier item
  /// went: the control closes the gap).
  bool remove() const;
};

/// The options of a ListView: text (not shown), identifier, place, states,
/// extended style.
using ListViewOptions = ControlOptions;

/// An icon view of items with a caption and an image. The control keeps the
/// texts; the object counts the items it inserted and never counts down, while
/// each record names the place the control gave its item. Image lists given to
/// the view stay the program's: the view never destroys them. Ctrl+C (or
/// Ctrl+Insert) in the view copies the selected items' texts, one a line, as
/// copy() does.
class ListView : public Control {
 public:
  /// An object with no window (hwnd 0).
  ListView();
  /// Makes the icon list with identifier `id` in `parent`.
  ListView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);
  /// Makes the icon list from named options.
  ListView(const Control& parent, const ListViewOptions& options);

  /// The index the next addItem asks for: every addItem counts, nothing counts down.
  int insertCount;
  /// Read-only: the first selected item's index, or -1.
  Property<ListView, int> selectedIndex;  // read-only: the first selected item or -1
  /// Read-only: the number of items in the control.
  Property<ListView, int> count;  // read-only: items in the control

  /// Adds an item with `text` and image `image`, asking for index insertCount; its record
  /// names the place the control gave it.
  ListViewItem addItem(const String& text, int image);
  /// Texts of 10,240 characters or more come back cut at 10,239.
  String itemText(int index) const;
  /// Removes every item; true on success (insertCount goes on counting).
  bool clear();
  /// Puts the selected items' texts on the clipboard, one a line, each ended
  /// by CR LF (as TableView::copy, with one cell per row). False, with the
  /// clipboard unchanged, when nothing is selected or the clipboard stayed busy.
  bool copy() const;
  /// Large-icon lists become the normal image list, the others the small one.
  HIMAGELIST setImageList(const ImageList& images);
  /// Lines the icons up along the left edge; true on success.
  bool alignLeft();
  /// Lines the icons up along the top edge; true on success.
  bool alignTop();
  /// Arranges the icons as the view's alignment says; true on success.
  bool arrange();
  /// Moves every icon onto the nearest grid position; true on success.
  bool snapToGrid();
  /// The control's background colour. (This hides Control's write-only
  /// `backColor` property: a list view paints its own background.)
  COLORREF backColor() const;
  /// Background and text background together, so cells never show another
  /// colour behind their text. 1 on success; 0, with nothing changed, otherwise.
  int setBackColor(COLORREF colour);
  /// Sets the colour of the items' text; true on success.
  bool setTextColor(COLORREF colour);
  /// Whether the selected items stay marked while another control has the focus
  /// (LVS_SHOWSELALWAYS); without it the mark shows only while the view has it.
  void setShowSelectionAlways(bool on);

  /// Runs `handler` with the selected item (`selectedIndex`, the first
  /// selected; -1 when none) once per change of it, whoever made it: moving
  /// the selection from item 2 to item 5 runs it once, with 5. Inserting or
  /// deleting other items moves the selected item's index without running it.
  void onSelectionChange(std::function<void(int row)> handler);
  /// Runs `handler` with the item the user activates: a double-click on it,
  /// or Enter while the view has the focus (the selected item with the focus,
  /// else the first selected; nothing when none is). With a handler set, the
  /// view takes Enter in a form, where the default button would have it.
  void onActivate(std::function<void(int row)> handler);

 private:
  void bindProperties();
  int getSelectedIndex() const;
  int getCount() const;
};

/// One column handed out by TableView::addColumn.
class TableColumn {
 public:
  /// A record naming no column: index -1.
  TableColumn();  // names no column: index -1
  /// A record for column `index` of `control`, keeping the request `column` (text pointer 0).
  TableColumn(const LVCOLUMNA& column, int index, HWND control);

  /// The insertion request as sent, with its text pointer cleared.
  LVCOLUMNA column;
  /// Where the control placed the column (-1: refused).
  int index;
  /// The table's window.
  HWND control;

  /// Deletes the column at `index`; true on success.
  bool remove() const;
  /// Sets the column's width in units; true on success.
  bool setWidth(int width) const;
  /// The column's width in units; 0 when the column does not exist.
  int width() const;
};

/// One row handed out by TableView::addRow.
class TableRow {
 public:
  /// A record naming no row: index -1.
  TableRow();  // names no row: index -1
  /// A record for row `index` of `control`, keeping the request `item` (text pointer 0).
  TableRow(const LVITEMA& item, int index, HWND control);

  /// The insertion request as sent, with its text pointer cleared.
  LVITEMA item;
  /// Where the control placed the row (-1: refused); the counter is in item.iItem.
  int index;
  /// The table's window.
  HWND control;

  /// Deletes the row at `index` (later rows move up); true on success.
  bool remove() const;
};

/// The options of a TableView, in its constructor's order (see ControlOptions).
struct TableViewOptions {
  /// The window's name (not shown).
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the user may edit the first column's texts in place.
  bool editable = false;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A report view: columns and rows of text cells. Rows and columns are counted
/// as ListView counts its items (the counters never go down); the records
/// handed out name the places the control gave them. Image lists given to the
/// view stay the program's: the view never destroys them. Ctrl+C (or
/// Ctrl+Insert) in the table copies the selected rows, as copy() does; the
/// key still reaches the parent as LVN_KEYDOWN.
class TableView : public Control {
 public:
  /// An object with no window (hwnd 0).
  TableView();
  /// Makes the table with identifier `id` in `parent`; `editable` lets the user edit the first
  /// column's texts in place.
  TableView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
            bool editable = false, bool enabled = true, bool visible = true, bool centred = false,
            int exStyle = 0);
  /// Makes the table from named options.
  TableView(const Control& parent, const TableViewOptions& options);

  /// The rows added so far (the index the next addRow takes); never counts down.
  int rowCount;
  /// The columns added so far (the index the next addColumn takes); never counts down.
  int columnCount;
  /// Read-only: the first selected row, -1 when no row is selected.
  Property<TableView, int> selectedRow;

  /// A column 100 units wide at the next column index.
  TableColumn addColumn(const String& text);
  /// Adds a row whose first cell is `text`, with image `image`; its record names the place
  /// the control gave it.
  TableRow addRow(const String& text, int image);
  /// The control's answer; 0, and nothing sent, unless the column and the row
  /// were counted (compared unsigned, so negatives are refused). Rows counted
  /// but gone after `clear` or `remove` are refused by the control.
  int setCell(int column, int row, const String& text);
  /// Sets the width of column `column` in units; true on success.
  bool setColumnWidth(int column, int width);
  /// Removes every row; true on success (rowCount goes on counting). A
  /// virtual table is set to 0 rows.
  bool clear();
  /// The number of rows in the control.
  int count() const;
  /// Gives the table the small image list for its rows; returns the previous one.
  HIMAGELIST setImageList(const ImageList& images);
  /// Background and text background together, as ListView::setBackColor; 1 on success.
  int setBackColor(COLORREF colour);
  /// Sets the colour of the cells' text; true on success.
  bool setTextColor(COLORREF colour);

  /// Selects `row` alone, gives it the focus and scrolls it into view; -1
  /// clears the selection. False, with nothing changed, for a row that does
  /// not exist. On a virtual table it touches only the rows selected before
  /// (and makes `row` the start of the next shift-selection).
  bool select(int row);
  /// The whole text of a cell, however long; empty for a cell that does not exist.
  String cellText(int column, int row) const;
  /// The selected rows, top to bottom (several when the table was made
  /// without LVS_SINGLESEL, as it is by default); empty when none is selected.
  /// The control is asked for each selected row in turn, so a virtual table
  /// of millions of rows answers at once when few or all are selected.
  std::vector<int> selectedRows() const;
  /// Puts the selected rows on the clipboard as tab-separated text, which
  /// spreadsheet programs paste as cells: each row's cells in the order the
  /// columns are shown, joined by tabs, each row ended by CR LF. A cell that
  /// holds a tab or a line break, or starts with a double quote, is put in
  /// double quotes with its quotes doubled. A virtual table's cells come from
  /// its function. False, with the clipboard unchanged, when no row is
  /// selected or the clipboard stayed busy.
  bool copy() const;
  /// Deletes the row at `row`; the rows below move up. False when there is none.
  bool removeRow(int row);
  /// Clicking anywhere in a row selects the whole row (on), or only its first cell.
  void setFullRowSelect(bool on);
  /// Lines between the rows and columns.
  void setGridLines(bool on);
  /// Whether the selected rows stay marked while another control has the focus
  /// (LVS_SHOWSELALWAYS); without it the mark shows only while the table has it.
  void setShowSelectionAlways(bool on);

  // Virtual mode: for tables of any length. The control keeps no texts; it
  // asks for the cells it paints, and `cell(row, column)` answers each (the
  // toolkit keeps only the rows last painted). Sorting is the program's: it
  // orders its data and calls refresh(). addRow and setCell do not apply;
  // selectedRow, select, cellText, removeRow and clear work as before, and
  // cost the same at ten rows and at ten million: the toolkit keeps the
  // selected rows (those it sets and those the control reports as the user
  // clicks, shift-clicks and types), and a table is emptied at once before
  // its window goes. A cell or find function that throws is reported with
  // the runtime check and treated as an empty cell or "not found".

  /// How many first cells a typed prefix is compared with, at most, from the
  /// focused row on and round to it, when the program gives no finder.
  static constexpr int virtualFindLimit = 10000;

  /// Turns the table virtual with `rows` rows (negative: 0) whose texts
  /// `cell` gives; a null `cell` shows empty cells. The first call makes the
  /// control again in place (an owner-data list view can only be made so):
  /// same parent, identifier, place among its siblings, geometry, styles,
  /// colours, font, columns, image lists, visibility and anchoring, but no
  /// rows. Tooltips, timers, handlers and the user-data slot go over to the
  /// new window, and every TableView naming the table, this one and its
  /// copies, names the new window from then on. A plain Control copied from
  /// it before the call keeps the old handle, which names no window: it
  /// answers as an object without one (sends answer 0, texts are empty).
  /// Later calls only change the function and the row count.
  void setVirtual(int rows, std::function<String(int row, int column)> cell);
  /// Grows or shrinks a virtual table at once (keeping the scroll position
  /// when it can); selected rows past the new end are no longer selected.
  /// Negative counts are 0. True when the control took the count: Windows
  /// refuses more than 100,000,000 rows (the count stays as it was), Wine
  /// takes any up to INT_MAX. False, and nothing done, for a table that is not
  /// virtual.
  bool setRowCount(int rows);
  /// Gives a virtual table its own search for the prefixes the user types
  /// (and LVM_FINDITEM with LVFI_PARTIAL): `find(prefix, from)` answers the
  /// first row at or after `from` whose first cell starts with `prefix`,
  /// ignoring case, going round to the top, or -1 for none. An answer below -1
  /// or past the last row is reported with the runtime check and taken as -1.
  /// A null `find` goes back to the bounded scan (virtualFindLimit). Nothing
  /// for a table that is not virtual.
  void setVirtualFind(std::function<int(const String& prefix, int from)> find);
  /// Paints the table again, asking for every text it shows afresh.
  void refresh();
  /// True once setVirtual has turned the table virtual.
  bool isVirtual() const;

  /// Runs `handler` with the selected row (`selectedRow`, the first selected;
  /// -1 when none) once per change of it, whoever made it (the user, select(),
  /// removeRow): moving the selection from row 2 to row 5 runs it once, with
  /// 5, not once for leaving 2 and once for reaching 5. Inserting or deleting
  /// other rows moves the selected row's index without running it. The
  /// handler stays with a table made again by setVirtual.
  void onSelectionChange(std::function<void(int row)> handler);
  /// Runs `handler` with the row the user activates: a double-click on it, or
  /// Enter while the table has the focus (the selected row with the focus,
  /// else the first selected; nothing when none is). With a handler set, the
  /// table takes Enter in a form, where the default button would have it.
  void onActivate(std::function<void(int row)> handler);

 private:
  void bindProperties();
  int getSelectedRow() const;
  void setListViewStyle(DWORD bits, bool on);

  // Every TableView naming the table stands for it in the window's record, so
  // that a table made again in place (setVirtual) is named by all of them.
  detail::ObjectLink instances;
};

// ===========================================================================
// Tree view
// ===========================================================================

/// One item of a tree: the tree's window, the parent item it went under and
/// its own handle, so it can be changed or given children without the tree
/// object at hand. The text and value are those given at insertion.
class TreeItem {
 public:
  /// A record naming no item; as a parent it stands for the root.
  TreeItem();  // names no item; as a parent it stands for the root
  /// A record for an item handle; `isRoot` is 1 exactly when `parent` is 0.
  TreeItem(HTREEITEM parent, HTREEITEM handle);

  /// The tree's window.
  HWND control;
  /// The item it went under: TVI_ROOT for top-level items the tree inserted; 0: no item.
  HTREEITEM parent;  // TVI_ROOT for top-level items the tree inserted; 0: no item
  /// The item's own handle; 0 when the record names no item.
  HTREEITEM handle;
  /// 1 exactly when `parent` is 0.
  int isRoot;
  /// The item's value (its lParam) as given at insertion.
  int value;  // the item's lParam
  /// The item's text as given at insertion.
  String text;

  /// Appends a child; the tree's lastItem is not updated.
  TreeItem addChild(const String& text, int value = 0, int image = 0, int selectedImage = 0) const;
  /// Selects the item; true on success.
  bool select() const;
  /// Deletes the item and its children; true on success.
  bool remove() const;
  /// Shows the item's children; true when anything changed.
  bool expand() const;
  /// Hides the item's children; true when anything changed.
  bool collapse() const;
  /// Shows or hides the item's children, whichever they are not; true when anything changed.
  bool toggle() const;
  /// Expands (or collapses) only when the item could be selected; false otherwise.
  bool selectAndExpand() const;
  /// Collapses only when the item could be selected; false otherwise.
  bool selectAndCollapse() const;
  /// The item's text as the control holds it now, cut at 1,023 characters.
  String getText() const;
};

/// The options of a TreeView: text (not shown), identifier, place, states,
/// extended style.
using TreeViewOptions = ControlOptions;

/// A tree of items with texts, values and images. The control keeps the items;
/// the object keeps the records it handed out last.
class TreeView : public Control {
 public:
  /// An object with no window (hwnd 0).
  TreeView();
  /// `text` is not shown: the window name is always "TreeView".
  TreeView(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);
  /// Makes the tree from named options.
  TreeView(const Control& parent, const TreeViewOptions& options);

  /// The latest addItem.
  TreeItem lastItem;  // the latest addItem
  /// The latest addItem that went to the root.
  TreeItem lastRootItem;  // the latest addItem that went to the root
  // Read-only, asked afresh at every read. Texts are cut at 1,023 characters.
  /// Read-only, asked afresh at every read: the selected item; empty when nothing is selected.
  Property<TreeView, TreeItem> selectedItem;  // empty when nothing is selected
  /// Read-only: the selected item's text (cut at 1,023 characters); "" when nothing is selected.
  Property<TreeView, String> selectedText;  // "" when nothing is selected
  /// Read-only: the selected item's value; 0 when nothing is selected.
  Property<TreeView, int> selectedValue;  // 0 when nothing is selected
  /// Read-only: the number of items in the tree.
  Property<TreeView, int> count;

  /// Appends under `parentItem`, or at the root when its `parent` is 0 (an empty
  /// record, `treeRoot`, a selected top-level item).
  TreeItem addItem(const TreeItem& parentItem, const String& text, int value = 0, int image = 0,
                   int selectedImage = 0);
  /// Removes every item; true on success.
  bool clear();
  /// Gives the tree an image list for its items; returns the previous one.
  HIMAGELIST setImageList(const ImageList& images);
  /// Selects nothing; true on success.
  bool clearSelection();

  /// Runs `handler` with the newly selected item (as `selectedItem` reads it;
  /// an empty record when nothing is selected) each time the selection
  /// changes, by the user or the program (TreeItem::select, clearSelection,
  /// deleting the selected item).
  void onSelectionChange(std::function<void(const TreeItem& item)> handler);

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
