// The virtual mode of TableView: an owner-data list view made in place of a
// table, and the answers to its requests for texts, served in its parent's
// procedure from the program's cell function through a small cache.
#include "tarn/commctl/virtual_table.h"

#include <string>
#include <vector>

#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/core/child_layout.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

namespace {

// Rows kept from the last cache hint: a page or two of any real window, so the
// cache stays small whatever the control asks for.
constexpr int maxCachedRows = 256;
constexpr int columnTextCapacity = 1024;  // header texts longer than this are cut

// What serves one owner-data table: a part of the table's window record, so it
// lives exactly as long as the table's window.
struct ServedTable {
  CellFunction cell;
  int cacheFrom = 0;
  int cacheRows = 0;
  int cacheColumns = 0;
  std::vector<std::string> cache;  // cacheRows x cacheColumns, row by row
  std::string fetched;             // the latest text fetched past the cache

  std::string ask(int row, int column) const {
    return cell ? cell(row, column).str() : std::string();
  }

  const std::string& text(int row, int column) {
    if (row >= cacheFrom && row < cacheFrom + cacheRows && column >= 0 && column < cacheColumns)
      return cache[static_cast<std::size_t>((row - cacheFrom) * cacheColumns + column)];
    fetched = ask(row, column);
    return fetched;
  }

  void forget() {
    cache.clear();
    cacheRows = cacheColumns = 0;
  }

  // Fetches rows `from`..`to` (cut to maxCachedRows) unless they are held already.
  void hint(int from, int to, int columns) {
    if (from < 0 || to < from || columns <= 0) return;
    if (to - from + 1 > maxCachedRows) to = from + maxCachedRows - 1;
    if (from >= cacheFrom && to < cacheFrom + cacheRows && columns == cacheColumns) return;
    forget();
    cache.reserve(static_cast<std::size_t>((to - from + 1) * columns));
    for (int row = from; row <= to; ++row)
      for (int column = 0; column < columns; ++column) cache.push_back(ask(row, column));
    cacheFrom = from;
    cacheRows = to - from + 1;
    cacheColumns = columns;
  }
};

int columnsOf(HWND table) {
  HWND header = reinterpret_cast<HWND>(send(table, LVM_GETHEADER));
  int columns = header != NULL ? static_cast<int>(send(header, HDM_GETITEMCOUNT)) : 0;
  return columns > 0 ? columns : 0;
}

// Copies `text` into the control's buffer of `capacity` characters, cut to fit
// and always terminated.
void copyOut(const std::string& text, char* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  std::size_t n = text.size() < static_cast<std::size_t>(capacity - 1)
                      ? text.size()
                      : static_cast<std::size_t>(capacity - 1);
  text.copy(buffer, n);
  buffer[n] = '\0';
}

void copyOut(const std::string& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), NULL, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (needed > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], needed);
  std::size_t n = wide.size() < static_cast<std::size_t>(capacity - 1)
                      ? wide.size()
                      : static_cast<std::size_t>(capacity - 1);
  wide.copy(buffer, n);
  buffer[n] = L'\0';
}

std::string narrow(const wchar_t* text) {
  if (text == nullptr) return std::string();
  int needed = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  if (needed <= 1) return std::string();
  std::string out(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], needed, NULL, NULL);
  out.resize(static_cast<std::size_t>(needed - 1));
  return out;
}

// Whether `text` starts with `wanted` (or equals it, unless `partial`), ignoring case.
bool matches(const std::string& text, const std::string& wanted, bool partial) {
  if (text.size() < wanted.size() || (!partial && text.size() != wanted.size())) return false;
  int n = static_cast<int>(wanted.size());
  return n == 0 || CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.data(), n,
                                  wanted.data(), n) == CSTR_EQUAL;
}

// The row whose first cell matches, searching from `start` to the end and, with
// LVFI_WRAP, on from the top; -1 when none does. Only texts are searched for.
int findRow(HWND table, ServedTable& served, int start, UINT flags, const std::string& wanted) {
  if ((flags & (LVFI_STRING | LVFI_PARTIAL)) == 0) return -1;
  bool partial = (flags & LVFI_PARTIAL) != 0;
  int rows = static_cast<int>(send(table, LVM_GETITEMCOUNT));
  if (start < 0 || start >= rows) start = 0;
  for (int row = start; row < rows; ++row)
    if (matches(served.text(row, 0), wanted, partial)) return row;
  if ((flags & LVFI_WRAP) != 0)
    for (int row = 0; row < start; ++row)
      if (matches(served.text(row, 0), wanted, partial)) return row;
  return -1;
}

// The parent's answer to one notification of the table; false for the ones
// the table's program may handle itself (selection changes, column clicks).
bool answer(ServedTable& served, UINT message, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  switch (header->code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
      if ((item.mask & LVIF_TEXT) != 0)
        copyOut(served.text(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
      return true;
    }
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      if ((item.mask & LVIF_TEXT) != 0)
        copyOut(served.text(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
      return true;
    }
    case LVN_ODCACHEHINT: {
      const NMLVCACHEHINT* hint = reinterpret_cast<NMLVCACHEHINT*>(header);
      served.hint(hint->iFrom, hint->iTo, columnsOf(header->hwndFrom));
      result = 0;
      return true;
    }
    case LVN_ODFINDITEMA: {
      const NMLVFINDITEMA* find = reinterpret_cast<NMLVFINDITEMA*>(header);
      std::string wanted = find->lvfi.psz != nullptr ? find->lvfi.psz : "";
      result = findRow(header->hwndFrom, served, find->iStart, find->lvfi.flags, wanted);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const NMLVFINDITEMW* find = reinterpret_cast<NMLVFINDITEMW*>(header);
      result =
          findRow(header->hwndFrom, served, find->iStart, find->lvfi.flags, narrow(find->lvfi.psz));
      return true;
    }
  }
  return false;
}

// The whole text of column `index` of `table`'s header, cut at columnTextCapacity.
LVCOLUMNA readColumn(HWND table, int index, std::vector<char>& text) {
  text.assign(columnTextCapacity, '\0');
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM | LVCF_IMAGE;
  column.pszText = text.data();
  column.cchTextMax = columnTextCapacity;
  send(table, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  text.back() = '\0';  // a text that fills the buffer may come back unterminated
  column.pszText = text.data();
  return column;
}

std::string windowName(HWND window) {
  std::string name(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  name.resize(
      static_cast<std::size_t>(GetWindowTextA(window, &name[0], static_cast<int>(name.size()))));
  return name;
}

// Everything a table view holds besides its rows, from `from` to `to`.
void copyTableSetup(HWND from, HWND to) {
  send(to, WM_SETFONT, static_cast<WPARAM>(send(from, WM_GETFONT)), FALSE);
  send(to, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, send(from, LVM_GETEXTENDEDLISTVIEWSTYLE));
  send(to, LVM_SETBKCOLOR, 0, send(from, LVM_GETBKCOLOR));
  send(to, LVM_SETTEXTBKCOLOR, 0, send(from, LVM_GETTEXTBKCOLOR));
  send(to, LVM_SETTEXTCOLOR, 0, send(from, LVM_GETTEXTCOLOR));
  if (const ProgramColours* own = programColours(from)) {  // the program's stay its own
    if (own->hasBack) setProgramBack(to, own->back);
    if (own->hasText) setProgramText(to, own->text);
  }
  // Only shared lists survive the old view; its own it frees as it goes.
  if ((GetWindowLongA(from, GWL_STYLE) & LVS_SHAREIMAGELISTS) != 0)
    for (int kind : {LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE})
      send(to, LVM_SETIMAGELIST, static_cast<WPARAM>(kind),
           send(from, LVM_GETIMAGELIST, static_cast<WPARAM>(kind)));
  int columns = columnsOf(from);
  std::vector<char> text;
  for (int i = 0; i < columns; ++i) {
    LVCOLUMNA column = readColumn(from, i, text);
    send(to, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  if (columns > 0) {
    std::vector<int> order(static_cast<std::size_t>(columns));
    if (send(from, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(columns),
             reinterpret_cast<LPARAM>(order.data())))
      send(to, LVM_SETCOLUMNORDERARRAY, static_cast<WPARAM>(columns),
           reinterpret_cast<LPARAM>(order.data()));
  }
  setAnchor(to, anchorOf(from));
}

}  // namespace

HWND remakeAsOwnerData(HWND table) {
  HWND parent = table != NULL ? GetParent(table) : NULL;
  if (parent == NULL) return NULL;
  RECT place = {0, 0, 0, 0};
  GetWindowRect(table, &place);
  MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&place), 2);
  int width = place.right - place.left, height = place.bottom - place.top;
  DWORD style = static_cast<DWORD>(GetWindowLongA(table, GWL_STYLE));
  // Owner data rules out sorting by the control; the scroll bars are the
  // control's to add; the new window is shown last.
  DWORD made =
      (style | LVS_OWNERDATA) & ~static_cast<DWORD>(WS_VISIBLE | WS_HSCROLL | WS_VSCROLL |
                                                    LVS_SORTASCENDING | LVS_SORTDESCENDING);
  HWND fresh = createChildWindow(WC_LISTVIEWA, windowName(table).c_str(), made,
                                 static_cast<DWORD>(GetWindowLongA(table, GWL_EXSTYLE)), place.left,
                                 place.top, width, height, parent, GetDlgCtrlID(table));
  if (fresh == NULL) return NULL;
  // Right after the old window among its siblings, at its very place (creation
  // may scale a geometry given to it; this one is already the screen's).
  SetWindowPos(fresh, table, place.left, place.top, width, height, SWP_NOACTIVATE);
  copyTableSetup(table, fresh);
  // The objects standing for the table now stand for the new window, with
  // their tooltips, handlers and timers.
  moveRecord(table, fresh);
  if (WindowRecord* r = findRecord(fresh))
    for (const auto& links : r->links)
      for (const ObjectLink* link : links)
        for (const TimerEntry& timer : link->owner()->timers)
          SetTimer(fresh, static_cast<UINT_PTR>(timer.id), static_cast<UINT>(timer.interval), NULL);
  bool focused = GetFocus() == table;
  DestroyWindow(table);
  if ((style & WS_VISIBLE) != 0) ShowWindow(fresh, SW_SHOWNA);
  if (focused) SetFocus(fresh);
  return fresh;
}

namespace {

// The key of the table's handler among the handlers of what it tells its parent.
const char servedKey = 0;

ServedTable* findServed(HWND table) {
  WindowRecord* r = findRecord(table);
  return r != nullptr ? r->findPart<ServedTable>() : nullptr;
}

}  // namespace

void serveCells(HWND table, CellFunction cell) {
  WindowRecord* r = record(table);
  if (r == nullptr) return;
  bool first = r->findPart<ServedTable>() == nullptr;
  ServedTable& served = r->part<ServedTable>();
  served.cell = std::move(cell);
  served.forget();
  if (!first) return;
  ServedTable* kept = &served;  // the part lives as long as the handler: both end with the window
  setParentHandler(table, &servedKey, [kept](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    return answer(*kept, message, lParam, result);
  });
}

String servedCell(HWND table, int row, int column) {
  ServedTable* served = findServed(table);
  return served != nullptr ? String(served->ask(row, column)) : String();
}

void forgetCachedCells(HWND table) {
  if (ServedTable* served = findServed(table)) served->forget();
}

}  // namespace detail
}  // namespace tarn
