// Private to the toolkit: a window's layout (Control::setLayout), kept in the
// window's record with the tree built from it, applied at every change of the
// window's size or DPI, and the repainting every move of a child needs.
#ifndef TARN_CORE_WINDOW_LAYOUT_H
#define TARN_CORE_WINDOW_LAYOUT_H

#include <vector>

#include <windows.h>

namespace tarn {
namespace detail {

// `child` was shown, hidden, resized by itself (a bar) or made: its parent's
// layout, if it has one, is applied again.
void childChanged(HWND child);

// True for the bars that stand outside a layout along their parent's edges:
// status bars, toolbars and cool bars.
bool isEdgeBar(HWND window);

// The rectangle, in `window`'s client coordinates, its layout is given: the
// client area less its shown bars (those along the top above it, a status bar
// or a bar made with CCS_BOTTOM below it) and, for a group box, its caption.
RECT layoutArea(HWND window);

// A form made with width or height 0: the first layout it is given sizes the
// dimensions that were 0 from the layout's natural size.
void fitFirstLayout(HWND form, bool width, bool height);

// `window` (a form told a new DPI) and the windows inside it build their
// layouts' trees again at the new DPI and apply them.
void layoutAfterDpiChange(HWND window, const std::vector<HWND>& inside);

// Has `parent` repaint, with its children, every rectangle (in its client
// coordinates) that a move left or covered: erase, invalidate, all children.
void repaintMoved(HWND parent, const std::vector<RECT>& rectangles);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_LAYOUT_H
