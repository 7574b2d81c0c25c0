// Private to the toolkit: the virtual mode of TableView. An owner-data list
// view keeps no texts; its parent is asked for each cell as it is painted, and
// these functions answer for it from the program's cell function. The
// selection of such a table is kept by the toolkit too (the control can only
// be asked for it row by row), in one place: the functions under "Selection",
// each costing the selected rows, never the rows of the table.
#ifndef TARN_COMMCTL_VIRTUAL_TABLE_H
#define TARN_COMMCTL_VIRTUAL_TABLE_H

#include <functional>
#include <vector>

#include "tarn/commctl/row_ranges.h"
#include "tarn/core.h"

namespace tarn {
namespace detail {

using CellFunction = std::function<String(int row, int column)>;
using FindFunction = std::function<int(const String& prefix, int from)>;

// Makes an owner-data list view in place of `table`: same parent, identifier,
// place among its siblings, geometry, styles, text, font, colours, extended
// list view styles, image lists, columns (texts, widths, formats, order) and
// anchoring; then destroys `table`. Answers the new window, or 0 when it could
// not be made (`table` is then left as it was).
HWND remakeAsOwnerData(HWND table);

// Serves `table`'s requests for texts (and its searches by a first cell's
// prefix) from `cell`, replacing what served it before. A null function shows
// empty cells. The first call also starts keeping the table's selection and
// empties the table as its window goes (a list view visits every row on its
// way out). What this keeps goes with the window.
void serveCells(HWND table, CellFunction cell);

// Answers `table`'s searches by prefix (typing, LVM_FINDITEM with
// LVFI_PARTIAL) from `find` instead of the bounded scan; null: the scan again.
// Nothing for a table serveCells does not serve.
void serveSearch(HWND table, FindFunction find);

// The text of one cell from the function serving `table` (not the cache);
// empty when none serves it or the function is null.
String servedCell(HWND table, int row, int column);

// Drops the texts cached for `table`, so the next paint asks the function again.
void forgetCachedCells(HWND table);

// Selection of a table serveCells serves.

// Starts keeping `table`'s selection: from what the toolkit sets, the
// messages that change its row count and what the control tells its parent.
void keepSelection(HWND table);

// The selected rows of `table` in order, as ranges; empty when none are
// selected or the selection is not kept. Checked against the control's
// selected count first; a selection changed behind the toolkit's back (a
// program that swallows the table's notifications) is learned again by one
// walk over the rows up to the last selected one.
std::vector<RowRange> selectedRowRanges(HWND table);

// The first selected row of `table`; -1 for none.
int firstSelectedRow(HWND table);

// Selects `row` alone (-1: none), focuses it, makes it the start of the next
// shift-selection and scrolls it into view, touching only the rows selected
// before. False, with nothing changed, for a row the table does not have.
bool selectOnlyRow(HWND table, int row);

// Sets the row count (negative: 0), deselecting first the selected rows past
// the new end. Answers whether the control took the count.
bool setRowCount(HWND table, int rows);

// Deselects the selected rows of `table` one by one when there are few enough
// (so the control's own deselection of all rows, which under Wine visits every
// row, finds none left), except `keep`. False when there are too many.
bool deselectKnownRows(HWND table, int keep = -1);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_VIRTUAL_TABLE_H
