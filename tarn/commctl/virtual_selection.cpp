// The selection of a virtual table, kept by the toolkit as a part of the
// table's window record. An owner-data list view answers whether one row is
// selected, and the next selected row after another (under Wine by visiting
// every row in between), but not its selected rows at once; so the toolkit
// learns them from what it sets, from the messages that change the row count,
// and from what the control tells its parent (LVN_ITEMCHANGED for one row or
// all, LVN_ODSTATECHANGED for a range: the user's clicks, shift-ranges and
// keys). Reading and changing the selection then costs the selected rows only.
#include <algorithm>

#include "tarn/commctl/virtual_table.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

namespace {

// Up to this many selected rows are deselected one by one, each told to the
// program; more are cleared with one message, which Windows does at once and
// Wine by visiting every row of the table.
constexpr long long maxRowsClearedOneByOne = 4096;

struct Selection {
  RowRanges rows;
};

// The key of the selection's handler among the handlers of what the table
// tells its parent.
const char selectionKey = 0;

int rowCountOf(HWND table) { return static_cast<int>(send(table, LVM_GETITEMCOUNT)); }

bool isSelected(HWND table, int row) {
  return (send(table, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) !=
         0;
}

bool setRowState(HWND table, int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  return send(table, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) !=
         0;
}

// What the control tells its parent of a change of selection. A state the
// notification shows selected is selected; one it shows no longer selected is
// not; a notification that leaves the selected bit out of both (a change of
// focus only) changes nothing.
void note(Selection& selection, const NMHDR* header) {
  if (header->code == LVN_ITEMCHANGED) {
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uChanged & LVIF_STATE) == 0) return;
    bool now = (change->uNewState & LVIS_SELECTED) != 0;
    bool before = (change->uOldState & LVIS_SELECTED) != 0;
    if (change->iItem == -1) {  // every row at once
      if (now)
        selection.rows.add(0, rowCountOf(header->hwndFrom) - 1);
      else if (before)
        selection.rows.clear();
    } else if (now) {
      selection.rows.add(change->iItem, change->iItem);
    } else if (before) {
      selection.rows.remove(change->iItem, change->iItem);
    }
  } else if (header->code == LVN_ODSTATECHANGED) {
    const NMLVODSTATECHANGE* change = reinterpret_cast<const NMLVODSTATECHANGE*>(header);
    if (((change->uNewState ^ change->uOldState) & LVIS_SELECTED) == 0) return;
    int first = std::min(change->iFrom, change->iTo), last = std::max(change->iFrom, change->iTo);
    if ((change->uNewState & LVIS_SELECTED) != 0)
      selection.rows.add(first, last);
    else
      selection.rows.remove(first, last);
  }
}

// The table's own messages that change its rows, followed after the control
// took them. A negative count is sent as 0: the list view would keep it as it
// is (Wine does) and answer a negative count.
bool followRows(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != LVM_SETITEMCOUNT && message != LVM_DELETEITEM && message != LVM_DELETEALLITEMS)
    return false;
  Selection* selection = record.findPart<Selection>();
  if (selection == nullptr) return false;
  if (message == LVM_SETITEMCOUNT && static_cast<int>(wParam) < 0) wParam = 0;
  KeepRecord keep(record);
  result = callNext(record, message, wParam, lParam);
  if (record.ended) return true;
  if (message == LVM_SETITEMCOUNT)
    selection->rows.keepBelow(rowCountOf(record.window));
  else if (message == LVM_DELETEITEM && result != 0)
    selection->rows.removeRow(static_cast<int>(wParam));
  else if (message == LVM_DELETEALLITEMS && result != 0)
    selection->rows.clear();
  return true;
}

// Learns the selection again from the control: one walk from the top to the
// last of `selected` rows.
void relearn(HWND table, Selection& selection, long long selected) {
  selection.rows.clear();
  long long found = 0;
  for (int row = -1; found < selected;) {
    int next =
        static_cast<int>(send(table, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
    if (next <= row) break;  // -1: no more
    selection.rows.add(next, next);
    ++found;
    row = next;
  }
}

// The table's selection, checked against the control: the same count, and
// the first and last rows known selected. A record that ends meanwhile is kept
// by the caller.
Selection* checkedSelection(HWND table) {
  WindowRecord* r = findRecord(table);
  Selection* selection = r != nullptr ? r->findPart<Selection>() : nullptr;
  if (selection == nullptr) return nullptr;
  long long selected = static_cast<long long>(static_cast<UINT>(send(table, LVM_GETSELECTEDCOUNT)));
  const RowRanges& rows = selection->rows;
  bool agrees =
      selected == rows.count() &&
      (selected == 0 || (isSelected(table, rows.first()) && isSelected(table, rows.last())));
  if (!agrees) relearn(table, *selection, selected);
  return selection;
}

// Deselects `ranges` row by row except `keep`; false when the window ended
// meanwhile (a program's handler of the notifications may destroy it).
bool deselectRows(HWND table, WindowRecord& record, const std::vector<RowRange>& ranges, int keep) {
  for (const RowRange& range : ranges)
    for (long long row = range.first; row <= range.last; ++row) {
      if (row == keep) continue;
      setRowState(table, static_cast<int>(row), 0, LVIS_SELECTED);
      if (record.ended) return false;
    }
  return true;
}

long long rowsIn(const std::vector<RowRange>& ranges) {
  long long rows = 0;
  for (const RowRange& range : ranges) rows += static_cast<long long>(range.last) - range.first + 1;
  return rows;
}

}  // namespace

void keepSelection(HWND table) {
  WindowRecord* r = record(table);
  if (r == nullptr || r->findPart<Selection>() != nullptr) return;
  Selection& selection = r->part<Selection>();
  r->addHook(followRows);
  Selection* kept = &selection;  // the part lives as long as the handler: both end with the window
  setParentHandler(table, &selectionKey, [kept](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (message == WM_NOTIFY && lParam != 0) note(*kept, reinterpret_cast<const NMHDR*>(lParam));
    return false;  // the program's handlers see every notification too
  });
  relearn(table, selection,
          static_cast<long long>(static_cast<UINT>(send(table, LVM_GETSELECTEDCOUNT))));
}

std::vector<RowRange> selectedRowRanges(HWND table) {
  Selection* selection = checkedSelection(table);
  return selection != nullptr ? selection->rows.ranges() : std::vector<RowRange>();
}

int firstSelectedRow(HWND table) {
  if (Selection* selection = checkedSelection(table)) return selection->rows.first();
  return static_cast<int>(send(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool deselectKnownRows(HWND table, int keep) {
  WindowRecord* r = findRecord(table);
  Selection* selection = checkedSelection(table);
  if (r == nullptr || selection == nullptr) return false;
  std::vector<RowRange> ranges = selection->rows.ranges();  // the notifications change the set
  bool kept = keep >= 0 && selection->rows.contains(keep);
  if (rowsIn(ranges) - (kept ? 1 : 0) > maxRowsClearedOneByOne) return false;
  KeepRecord keepRecord(*r);
  if (!deselectRows(table, *r, ranges, keep)) return true;
  // The control told the parent of each row; a parent that keeps the
  // notifications from the toolkit leaves the set to be emptied here.
  selection->rows.clear();
  if (kept) selection->rows.add(keep, keep);
  return true;
}

bool selectOnlyRow(HWND table, int row) {
  if (row < -1 || row >= rowCountOf(table)) return false;
  WindowRecord* r = findRecord(table);
  Selection* selection = checkedSelection(table);
  if (r == nullptr || selection == nullptr) return false;
  KeepRecord keep(*r);
  if (!deselectKnownRows(table, row)) {
    setRowState(table, -1, 0, LVIS_SELECTED);  // too many to name: all at once
    if (!r->ended) selection->rows.clear();
  }
  if (r->ended) return false;
  if (row == -1) return true;
  if (!setRowState(table, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED))
    return false;
  if (r->ended) return true;
  selection->rows.clear();
  selection->rows.add(row, row);
  send(table, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(row));
  send(table, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  return true;
}

bool setRowCount(HWND table, int rows) {
  if (rows < 0) rows = 0;
  WindowRecord* r = findRecord(table);
  if (r == nullptr) return false;
  KeepRecord keep(*r);
  // The selected rows past the new end are deselected first, each told to
  // the program, when they are few; the control drops the rest itself.
  if (Selection* selection = checkedSelection(table)) {
    std::vector<RowRange> past;
    for (const RowRange& range : selection->rows.ranges())
      if (range.last >= rows) past.push_back(RowRange{std::max(range.first, rows), range.last});
    if (rowsIn(past) <= maxRowsClearedOneByOne && !deselectRows(table, *r, past, -1)) return false;
  }
  forgetCachedCells(table);
  send(table, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
  return !r->ended && rowCountOf(table) == rows;
}

}  // namespace detail
}  // namespace tarn
