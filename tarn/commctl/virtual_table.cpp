// The virtual mode of TableView: an owner-data list view made in place of a
// table, and the answers to its requests for texts, served in its parent's
// procedure from the program's cell function through a small cache; its
// searches by prefix, bounded or the program's; and its emptying as its window
// goes. Its selection is kept in virtual_selection.cpp.
#include "tarn/commctl/virtual_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tarn/core/child_layout.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/core/window_record.h"
#include "tarn/views.h"

namespace tarn {
namespace detail {

namespace {

// Rows kept from the last cache hint: a page or two of any real window, so the
// cache stays small whatever the control asks for.
constexpr int maxCachedRows = 256;
// Bytes kept of each cached text: more than a list view paints (260
// characters, up to 4 bytes each in the ANSI code page), so a cell of a
// megabyte costs the cache 4 KB; longer requests ask the function again.
constexpr std::size_t cachedTextLimit = 4096;
constexpr int columnTextCapacity = 1024;  // header texts longer than this are cut

#ifndef LVFI_SUBSTRING
#define LVFI_SUBSTRING 0x0004  // the same as LVFI_PARTIAL (Vista's name)
#endif

struct CachedText {
  std::string text;  // cut at cachedTextLimit
  bool cut = false;
};

// What serves one owner-data table: a part of the table's window record, so it
// lives exactly as long as the table's window.
struct ServedTable {
  HWND window = NULL;
  CellFunction cell;
  FindFunction find;
  bool cellFailureReported = false;  // once per cell function: a paint asks again and again
  bool reporting = false;            // a runtime check box is up for this table
  bool typed = false;                // the table's next search is for a typed character
  int cacheFrom = 0;
  int cacheRows = 0;
  int cacheColumns = 0;
  std::vector<CachedText> cache;  // cacheRows x cacheColumns, row by row
  std::string fetched;            // the latest text fetched past the cache

  // Shows the runtime check for a program's function that failed, unless one
  // is up already for this table (the box's own loop paints the table again).
  void report(const char* condition, const char* file, long line) {
    WindowRecord* r = findRecord(window);
    if (reporting || r == nullptr) return;
    KeepRecord keep(*r);  // the box's loop may end the window
    reporting = true;
    runtimeCheckFailed(condition, file, line);
    reporting = false;
  }

  // The program's text; a function that throws shows empty cells (the
  // exception must not cross the window procedure that asked).
  std::string ask(int row, int column) {
    if (!cell) return std::string();
    try {
      return cell(row, column).str();
    } catch (...) {
      if (!cellFailureReported) {
        cellFailureReported = true;
        report("the cell function of a virtual table returns without throwing", __FILE__, __LINE__);
      }
      return std::string();
    }
  }

  bool cached(int row, int column) const {
    return row >= cacheFrom &&
           static_cast<long long>(row) < static_cast<long long>(cacheFrom) + cacheRows &&
           column >= 0 && column < cacheColumns;
  }

  // The text of a cell, of which at least the first `needed` bytes (or all,
  // when shorter) are right.
  const std::string& text(int row, int column, std::size_t needed) {
    if (cached(row, column)) {
      const CachedText& held =
          cache[static_cast<std::size_t>(row - cacheFrom) * static_cast<std::size_t>(cacheColumns) +
                static_cast<std::size_t>(column)];
      if (!held.cut || needed <= held.text.size()) return held.text;
    }
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
    if (to - from >= maxCachedRows) to = from + maxCachedRows - 1;
    if (cached(from, 0) && cached(to, 0) && columns == cacheColumns) return;
    forget();
    cache.reserve(static_cast<std::size_t>(to - from + 1) * static_cast<std::size_t>(columns));
    for (int row = from; row <= to; ++row)
      for (int column = 0; column < columns; ++column) {
        CachedText held;
        held.text = ask(row, column);
        if (held.text.size() > cachedTextLimit) {
          held.text.resize(cachedTextLimit);
          held.text.shrink_to_fit();
          held.cut = true;
        }
        cache.push_back(std::move(held));
      }
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

int rowsOf(HWND table) { return static_cast<int>(send(table, LVM_GETITEMCOUNT)); }

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

// Only as many bytes are converted as can fill the buffer (up to 4 a character).
void copyOut(const std::string& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  std::size_t bytes = std::min(text.size(), 4 * static_cast<std::size_t>(capacity));
  int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(bytes), NULL, 0);
  std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(bytes), &wide[0], needed);
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

// The program's finder, asked for a prefix from `start`: -1 when it finds
// none, throws or answers a row the table lacks (both reported), or answers a
// row before `start` to a search that does not wrap.
int askFinder(HWND table, ServedTable& served, int start, bool wrap, const std::string& wanted) {
  FindFunction find = served.find;  // it may replace itself
  int found = -1;
  try {
    found = find(String(wanted), start);
  } catch (...) {
    served.report("the find function of a virtual table returns without throwing", __FILE__,
                  __LINE__);
    return -1;
  }
  if (found == -1 || !IsWindow(table)) return -1;
  if (found < -1 || found >= rowsOf(table)) {
    served.report("the find function of a virtual table answers -1 or a row of the table", __FILE__,
                  __LINE__);
    return -1;
  }
  return wrap || found >= start ? found : -1;
}

// The row whose first cell matches, from `start` (a row out of range: the
// first) down and, with LVFI_WRAP, on from the top; -1 when none does. Texts
// only; prefixes go to the program's finder when there is one, otherwise at
// most TableView::virtualFindLimit first cells are compared.
int findRow(HWND table, ServedTable& served, int start, UINT flags, const std::string& wanted) {
  bool partial = (flags & (LVFI_PARTIAL | LVFI_SUBSTRING)) != 0;
  if ((flags & LVFI_STRING) == 0 && !partial) return -1;
  int rows = rowsOf(table);
  if (rows <= 0) return -1;
  if (start < 0 || start >= rows) start = 0;
  bool wrap = (flags & LVFI_WRAP) != 0;
  if (partial && served.find) return askFinder(table, served, start, wrap, wanted);
  int limit = std::min(rows, TableView::virtualFindLimit);
  std::size_t needed = wanted.size() + 1;  // one more tells a longer text from an equal one
  for (int scanned = 0, row = start; scanned < limit; ++scanned) {
    if (matches(served.text(row, 0, needed), wanted, partial)) return row;
    if (++row == rows) {
      if (!wrap) break;
      row = 0;
    }
  }
  return -1;
}

// A search's answer. The first search while the table handles a typed
// character is the control's own, and when it finds a row the control then
// selects that row alone: first it deselects every row, which under Wine
// visits each of the table's rows unless none is selected (seconds at ten
// million rows), so the toolkit deselects the rows it knows of first. On
// Windows the outcome is the same either way. With Shift or Ctrl held the
// control may keep the selection, and it is left alone.
LRESULT answerFind(HWND table, ServedTable& served, int start, UINT flags,
                   const std::string& wanted) {
  bool typed = served.typed;
  served.typed = false;
  int found = findRow(table, served, start, flags, wanted);
  if (found >= 0 && typed && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0)
    deselectKnownRows(table);
  return found;
}

// The text the control asks for, of which the first `needed` bytes are
// right; empty for a cell the table lacks (a program's LVM_GETITEMTEXT for a
// column past the last would otherwise reach the cell function).
const std::string& shownText(HWND table, ServedTable& served, int row, int column,
                             std::size_t needed) {
  static const std::string none;
  bool exists = row >= 0 && row < rowsOf(table) && column >= 0 && column < columnsOf(table);
  return exists ? served.text(row, column, needed) : none;
}

// The parent's answer to one notification of the table; false for the ones
// the table's program may handle itself (selection changes, column clicks).
bool answer(ServedTable& served, UINT message, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  HWND table = header->hwndFrom;
  switch (header->code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
      if ((item.mask & LVIF_TEXT) != 0)
        copyOut(shownText(table, served, item.iItem, item.iSubItem,
                          static_cast<std::size_t>(item.cchTextMax)),
                item.pszText, item.cchTextMax);
      return true;
    }
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      if ((item.mask & LVIF_TEXT) != 0)
        copyOut(shownText(table, served, item.iItem, item.iSubItem,
                          4 * static_cast<std::size_t>(item.cchTextMax)),
                item.pszText, item.cchTextMax);
      return true;
    }
    case LVN_ODCACHEHINT: {
      const NMLVCACHEHINT* hint = reinterpret_cast<NMLVCACHEHINT*>(header);
      served.hint(hint->iFrom, std::min(hint->iTo, rowsOf(table) - 1), columnsOf(table));
      result = 0;
      return true;
    }
    case LVN_ODFINDITEMA: {
      const NMLVFINDITEMA* find = reinterpret_cast<NMLVFINDITEMA*>(header);
      std::string wanted = find->lvfi.psz != nullptr ? find->lvfi.psz : "";
      result = answerFind(table, served, find->iStart, find->lvfi.flags, wanted);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const NMLVFINDITEMW* find = reinterpret_cast<NMLVFINDITEMW*>(header);
      result = answerFind(table, served, find->iStart, find->lvfi.flags, narrow(find->lvfi.psz));
      return true;
    }
  }
  return false;
}

// The table's own messages: emptied as its window goes, and its typed
// characters marked for answerFind.
bool followTable(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                 LRESULT& result) {
  if (message == WM_DESTROY) {
    // A list view visits each of its rows on its way out (Wine: 24 s for 2^31
    // rows); emptied first, it has none to visit, at any size.
    send(record.window, LVM_SETITEMCOUNT, 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    return false;
  }
  if (message != WM_CHAR) return false;
  ServedTable* served = record.findPart<ServedTable>();
  if (served == nullptr) return false;
  KeepRecord keep(record);
  served->typed = true;
  result = callNext(record, message, wParam, lParam);
  served->typed = false;
  return true;
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
  served.window = table;
  served.cell = std::move(cell);
  served.cellFailureReported = false;
  served.forget();
  if (!first) return;
  ServedTable* kept = &served;  // the part lives as long as the handler: both end with the window
  setParentHandler(table, &servedKey, [kept](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    return answer(*kept, message, lParam, result);
  });
  r->addHook(followTable);
  keepSelection(table);
}

void serveSearch(HWND table, FindFunction find) {
  if (ServedTable* served = findServed(table)) served->find = std::move(find);
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
