// Private to the toolkit: children that follow their parent's client size,
// kept in the parent's window record: anchored children, which keep their
// distances to the anchored edges, and followers (the bars along the edges),
// which lay themselves out again. A child's own record takes it out of its
// parent's list when the child ends.
#ifndef TARN_CORE_CHILD_LAYOUT_H
#define TARN_CORE_CHILD_LAYOUT_H

#include <cstddef>
#include <functional>

#include "tarn/property.h"

namespace tarn {
namespace detail {

// Anchoring of child windows (the values of Control::anchor).
void setAnchor(HWND child, int anchor);
int anchorOf(HWND child);

// Has `follow(child)` run whenever the client area of `child`'s parent changes
// size, before the parent's own procedure sees WM_SIZE; a second call for the
// same child replaces the first, a null `follow` ends it.
void followParentSize(HWND child, std::function<void(HWND)> follow);

// Has `parent` lay out its children (none yet) from now on, so that hooks
// added to its record after this see WM_SIZE once the children have followed.
void layOutChildrenFirst(HWND parent);

// How many children `parent` lays out (anchored or following its size).
std::size_t laidOutChildren(HWND parent);

// `parent` and everything in it were rescaled from `from` to `to` DPI: the
// client size its anchored children are laid out for is the old one at the new
// DPI.
void rescaleChildLayout(HWND parent, int from, int to);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_CHILD_LAYOUT_H
