// Private to the toolkit: the selected rows of a list or table view, their
// cells, and copying them to the clipboard as tab-separated text on Ctrl+C.
// Each works from the view's window alone, for filled and virtual (owner-data)
// views alike.
#ifndef TARN_COMMCTL_ROW_COPY_H
#define TARN_COMMCTL_ROW_COPY_H

#include <vector>

#include "tarn/core.h"

namespace tarn {
namespace detail {

// The whole text of a cell, however long: for a virtual table from the
// function serving it, else from the control. Empty for a cell that does not
// exist.
String cellText(HWND view, int column, int row);

// The selected rows, top to bottom. The control is asked for each selected row
// in turn, never row by row through the rest, and not at all when every row is
// selected. Empty when none is selected or the list cannot be held in memory.
std::vector<int> selectedRows(HWND view);

// Puts the selected rows on the clipboard as tab-separated text
// (cliptext::appendTabSeparatedRow): in a report view the cells of each row in
// the order the columns are shown, in the other views each item's text. False,
// with the clipboard unchanged, when no row is selected, when the clipboard
// stayed busy and when the text cannot be held in memory.
bool copySelectedRows(HWND view);

// Whether `key`, the virtual key of a WM_KEYDOWN (or of the LVN_KEYDOWN the view
// sends its parent for it), is the copy key with the modifiers held now: Ctrl+C
// or Ctrl+Insert, without Shift or Alt.
bool isCopyKey(WPARAM key);

// Makes Ctrl+C in `view` copy its selected rows (copySelectedRows), through a
// hook in the view's window record, which goes with its window (and over to
// the window a virtual table is made again as). The key still reaches the
// view afterwards, which tells its parent with LVN_KEYDOWN as before. A second
// call for the same view changes nothing.
void copyRowsOnCtrlC(HWND view);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_ROW_COPY_H
