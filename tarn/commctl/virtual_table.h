// Private to the toolkit: the virtual mode of TableView. An owner-data list
// view keeps no texts; its parent is asked for each cell as it is painted, and
// these functions answer for it from the program's cell function.
#ifndef TARN_COMMCTL_VIRTUAL_TABLE_H
#define TARN_COMMCTL_VIRTUAL_TABLE_H

#include <functional>

#include "tarn/core.h"

namespace tarn {
namespace detail {

using CellFunction = std::function<String(int row, int column)>;

// Makes an owner-data list view in place of `table`: same parent, identifier,
// place among its siblings, geometry, styles, text, font, colours, extended
// list view styles, image lists, columns (texts, widths, formats, order) and
// anchoring; then destroys `table`. Answers the new window, or 0 when it could
// not be made (`table` is then left as it was).
HWND remakeAsOwnerData(HWND table);

// Serves `table`'s requests for texts (and its searches by a first cell's
// prefix) from `cell`, replacing what served it before. A null function shows
// empty cells. What this keeps goes with the window.
void serveCells(HWND table, CellFunction cell);

// The text of one cell from the function serving `table` (not the cache);
// empty when none serves it or the function is null.
String servedCell(HWND table, int row, int column);

// Drops the texts cached for `table`, so the next paint asks the function again.
void forgetCachedCells(HWND table);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_VIRTUAL_TABLE_H
