// List and table views: ListView, TableView and the item, row and column
// records their insertions hand out.
#include <utility>

#include "tarn/commctl/row_copy.h"
#include "tarn/commctl/virtual_table.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/views.h"

namespace tarn {

namespace {

// LVS_SHAREIMAGELISTS: the image lists are the program's, and a view that
// lacked it would free them when it goes, leaving the program a dead handle.
constexpr DWORD listViewStyle =
    WS_CHILD | WS_TABSTOP | LVS_ICON | LVS_SHAREIMAGELISTS;  // 0x40010040
constexpr DWORD tableViewStyle =
    WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS;  // 0x40010041
constexpr std::size_t itemTextCapacity = 10240;
constexpr int columnWidth = 100;

// Width in the low word, high word 0: -1 reaches the control as 0xFFFF, which
// it reads as LVSCW_AUTOSIZE. Widths are units, scaled to the control's DPI;
// the negative requests are passed as they are.
LPARAM columnWidthParam(HWND control, int width) {
  int pixels = width >= 0 ? detail::scale(width, detail::dpiOf(control)) : width;
  return static_cast<LPARAM>(pixels & 0xFFFF);
}

LVITEMA itemRequest(int index, const String& text, int image) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(text.c_str());
  item.cchTextMax = static_cast<int>(text.str().size());
  item.iImage = image;
  return item;
}

// Sends an insertion and keeps the request without its text pointer; `placed`
// is where the control put the item (-1 when it refused).
LVITEMA insertItem(HWND window, LVITEMA item, int& placed) {
  placed =
      static_cast<int>(detail::send(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  item.pszText = NULL;
  return item;
}

// The program's colours: kept by the window, so a colour scheme leaves them be.
int setListBackColor(HWND window, COLORREF colour) {
  if (!detail::send(window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour))) return 0;
  detail::send(window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colour));
  detail::setProgramBack(window, colour);
  InvalidateRect(window, NULL, TRUE);
  return 1;
}

bool setListTextColor(HWND window, COLORREF colour) {
  bool done = detail::send(window, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour)) != 0;
  if (done) detail::setProgramText(window, colour);
  InvalidateRect(window, NULL, TRUE);
  return done;
}

HIMAGELIST setListImages(HWND window, int kind, const ImageList& images) {
  return reinterpret_cast<HIMAGELIST>(detail::send(
      window, LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images.list)));
}

bool arrangeList(HWND window, int how) {
  return detail::send(window, LVM_ARRANGE, static_cast<WPARAM>(how)) != 0;
}

// Window, text, position, size and font, then centring, enabling and showing;
// Ctrl+C in the view copies its selected rows.
void createListWindow(Control& owner, const char* name, DWORD style, const String& text, int id,
                      int x, int y, int width, int height, const Control& parent, bool enabled,
                      bool visible, bool centred, int exStyle) {
  detail::createChild(owner, WC_LISTVIEWA, name, style, static_cast<DWORD>(exStyle), x, y, width,
                      height, parent.hwnd, id);
  detail::copyRowsOnCtrlC(owner.hwnd);
  owner.text = text;
  detail::placeChild(owner, x, y, width, height);
  detail::settleChild(owner, centred, enabled);
  if (visible) owner.show();
}

// The view reads LVS_SHOWSELALWAYS when it paints, so the style bit is all it
// takes; addStyle redraws the frame and the view repaints its items.
void showSelectionAlways(Control& view, bool on) {
  on ? view.addStyle(LVS_SHOWSELALWAYS) : view.removeStyle(LVS_SHOWSELALWAYS);
  InvalidateRect(view.hwnd, NULL, TRUE);
}

}  // namespace

// ---------------------------------------------------------------------------
// ListView

ListViewItem::ListViewItem() : control(NULL), item(), index(-1) {}

ListViewItem::ListViewItem(HWND control_, const LVITEMA& item_, int index_)
    : control(control_), item(item_), index(index_) {}

bool ListViewItem::remove() const {
  return detail::send(control, LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0;
}

ListView::ListView() : insertCount(0) { bindProperties(); }

ListView::ListView(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle)
    : insertCount(0) {
  bindProperties();
  createListWindow(*this, "ListView", listViewStyle, text_, id_, x_, y_, width_, height_, parent,
                   enabled_, visible_, centred, exStyle);
}

void ListView::bindProperties() {
  selectedIndex.bind(this, &ListView::getSelectedIndex);
  count.bind(this, &ListView::getCount);
}

int ListView::getSelectedIndex() const {
  return static_cast<int>(
      detail::send(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int ListView::getCount() const { return static_cast<int>(detail::send(hwnd, LVM_GETITEMCOUNT)); }

ListViewItem ListView::addItem(const String& itemText_, int image) {
  int placed = -1;
  LVITEMA sent = insertItem(hwnd, itemRequest(insertCount++, itemText_, image), placed);
  return ListViewItem(hwnd, sent, placed);
}

String ListView::itemText(int index) const {
  return detail::readControlText(itemTextCapacity, [&](char* buffer, int capacity) {
    LVITEMA request = {};
    request.iSubItem = 0;
    request.pszText = buffer;
    request.cchTextMax = capacity;
    detail::send(hwnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&request));
  });
}

bool ListView::clear() { return detail::send(hwnd, LVM_DELETEALLITEMS) != 0; }

bool ListView::copy() const { return detail::copySelectedRows(hwnd); }

HIMAGELIST ListView::setImageList(const ImageList& images) {
  return setListImages(hwnd, images.large != 0 ? LVSIL_NORMAL : LVSIL_SMALL, images);
}

bool ListView::alignLeft() { return arrangeList(hwnd, LVA_ALIGNLEFT); }
bool ListView::alignTop() { return arrangeList(hwnd, LVA_ALIGNTOP); }
bool ListView::arrange() { return arrangeList(hwnd, LVA_DEFAULT); }
bool ListView::snapToGrid() { return arrangeList(hwnd, LVA_SNAPTOGRID); }

COLORREF ListView::backColor() const {
  return static_cast<COLORREF>(detail::send(hwnd, LVM_GETBKCOLOR));
}
int ListView::setBackColor(COLORREF colour) { return setListBackColor(hwnd, colour); }
bool ListView::setTextColor(COLORREF colour) { return setListTextColor(hwnd, colour); }

// ---------------------------------------------------------------------------
// TableView

TableColumn::TableColumn() : column(), index(-1), control(NULL) {}

TableColumn::TableColumn(const LVCOLUMNA& column_, int index_, HWND control_)
    : column(column_), index(index_), control(control_) {}

bool TableColumn::remove() const {
  return detail::send(control, LVM_DELETECOLUMN, static_cast<WPARAM>(index)) != 0;
}

bool TableColumn::setWidth(int newWidth) const {
  return detail::send(control, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index),
                      columnWidthParam(control, newWidth)) != 0;
}

int TableColumn::width() const {
  int pixels =
      static_cast<int>(detail::send(control, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index)));
  return detail::unscale(pixels, detail::dpiOf(control));
}

TableRow::TableRow() : item(), index(-1), control(NULL) {}

TableRow::TableRow(const LVITEMA& item_, int index_, HWND control_)
    : item(item_), index(index_), control(control_) {}

bool TableRow::remove() const {
  return detail::send(control, LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0;
}

TableView::TableView() : rowCount(0), columnCount(0) {
  bindProperties();
  instances.place(this, detail::ObjectLink::instance);
}

TableView::TableView(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, bool editable, bool enabled_, bool visible_,
                     bool centred, int exStyle)
    : rowCount(0), columnCount(0) {
  bindProperties();
  DWORD style = tableViewStyle | (editable ? LVS_EDITLABELS : 0);
  createListWindow(*this, "TableView", style, text_, id_, x_, y_, width_, height_, parent, enabled_,
                   visible_, centred, exStyle);
  instances.place(this, detail::ObjectLink::instance);
}

TableColumn TableView::addColumn(const String& columnText) {
  int counted = columnCount++;
  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.cx = detail::scale(columnWidth, detail::dpiOf(hwnd));
  column.pszText = const_cast<char*>(columnText.c_str());
  column.cchTextMax = static_cast<int>(columnText.str().size());
  column.iSubItem = counted;
  int placed = static_cast<int>(detail::send(hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(counted),
                                             reinterpret_cast<LPARAM>(&column)));
  column.pszText = NULL;
  return TableColumn(column, placed, hwnd);
}

TableRow TableView::addRow(const String& rowText, int image) {
  int placed = -1;
  LVITEMA sent = insertItem(hwnd, itemRequest(rowCount++, rowText, image), placed);
  return TableRow(sent, placed, hwnd);
}

int TableView::setCell(int column, int row, const String& cellText) {
  if (static_cast<unsigned>(column) >= static_cast<unsigned>(columnCount) ||
      static_cast<unsigned>(row) >= static_cast<unsigned>(rowCount))
    return 0;
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(cellText.c_str());
  return static_cast<int>(detail::send(hwnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                                       reinterpret_cast<LPARAM>(&cell)));
}

bool TableView::setColumnWidth(int column, int newWidth) {
  return detail::send(hwnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                      columnWidthParam(hwnd, newWidth)) != 0;
}

bool TableView::clear() {
  // A virtual list view would visit every row (Wine does); its count goes at once.
  if (isVirtual()) return detail::setRowCount(hwnd, 0);
  return detail::send(hwnd, LVM_DELETEALLITEMS) != 0;
}

int TableView::count() const { return static_cast<int>(detail::send(hwnd, LVM_GETITEMCOUNT)); }

void TableView::bindProperties() { selectedRow.bind(this, &TableView::getSelectedRow); }

int TableView::getSelectedRow() const {
  if (isVirtual()) return detail::firstSelectedRow(hwnd);
  return static_cast<int>(
      detail::send(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool TableView::select(int row) {
  if (isVirtual()) return detail::selectOnlyRow(hwnd, row);
  if (row < -1 || row >= count()) return false;
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  detail::send(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (row == -1) return true;
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!detail::send(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&state)))
    return false;
  detail::send(hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  return true;
}

String TableView::cellText(int column, int row) const {
  if (row < 0 || column < 0) return String();
  if (isVirtual()) {
    HWND header = reinterpret_cast<HWND>(detail::send(hwnd, LVM_GETHEADER));
    if (row >= count() || column >= static_cast<int>(detail::send(header, HDM_GETITEMCOUNT)))
      return String();
  }
  return detail::cellText(hwnd, column, row);
}

std::vector<int> TableView::selectedRows() const { return detail::selectedRows(hwnd); }

bool TableView::copy() const { return detail::copySelectedRows(hwnd); }

bool TableView::removeRow(int row) {
  bool removed = detail::send(hwnd, LVM_DELETEITEM, static_cast<WPARAM>(row)) != 0;
  if (removed && isVirtual()) detail::forgetCachedCells(hwnd);  // the rows below moved up
  return removed;
}

void TableView::setFullRowSelect(bool on) { setListViewStyle(LVS_EX_FULLROWSELECT, on); }
void TableView::setGridLines(bool on) { setListViewStyle(LVS_EX_GRIDLINES, on); }
void TableView::setShowSelectionAlways(bool on) { showSelectionAlways(*this, on); }
void ListView::setShowSelectionAlways(bool on) { showSelectionAlways(*this, on); }

void TableView::setVirtual(int rows, std::function<String(int, int)> cell) {
  if (hwnd == NULL) return;
  if (!isVirtual()) {
    HWND made = detail::remakeAsOwnerData(hwnd);
    if (made == NULL) return;
    hwnd = made;
  }
  detail::serveCells(hwnd, std::move(cell));
  setRowCount(rows);
}

bool TableView::setRowCount(int rows) { return isVirtual() && detail::setRowCount(hwnd, rows); }

void TableView::setVirtualFind(std::function<int(const String&, int)> find) {
  if (isVirtual()) detail::serveSearch(hwnd, std::move(find));
}

void TableView::refresh() {
  detail::forgetCachedCells(hwnd);
  InvalidateRect(hwnd, NULL, TRUE);
}

bool TableView::isVirtual() const { return hwnd != NULL && hasStyle(LVS_OWNERDATA); }

void TableView::setListViewStyle(DWORD bits, bool on) {
  detail::send(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, bits, on ? bits : 0);
}

HIMAGELIST TableView::setImageList(const ImageList& images) {
  return setListImages(hwnd, LVSIL_SMALL, images);
}

int TableView::setBackColor(COLORREF colour) { return setListBackColor(hwnd, colour); }
bool TableView::setTextColor(COLORREF colour) { return setListTextColor(hwnd, colour); }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

ListView::ListView(const Control& parent, const ControlOptions& o)
    : ListView(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
               o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

TableView::TableView(const Control& parent, const TableViewOptions& o)
    : TableView(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.editable,
                o.enabled, o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
