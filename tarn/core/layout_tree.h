// Private to the toolkit: what the window side needs of a Layout: its entries,
// the geometry's tree made from them at a DPI (layout_geometry.h), and the
// controls that cannot be laid out in a given parent.
#ifndef TARN_CORE_LAYOUT_TREE_H
#define TARN_CORE_LAYOUT_TREE_H

#include <functional>
#include <vector>

#include "tarn/layout.h"
#include "layout_geometry.h"

namespace tarn {
namespace detail {

// What the window side tells of one control, in 96-DPI units.
struct ControlMeasure {
  // The size that shows the control whole (its natural size, or the size the
  // program gave).
  int width = 0;
  int height = 0;
  // The smallest size it may be given; negative: its natural size.
  int minimumWidth = -1;
  int minimumHeight = -1;
  // Takes no room and is not moved. Judge by the control's own WS_VISIBLE
  // style: IsWindowVisible answers false for every child of a hidden form.
  bool hidden = false;
};

// A layout as the geometry takes it, in pixels at one DPI.
struct LayoutTree {
  geometry::Node root;
  // One per item of `root`, depth first, as geometry::Arrangement::items: the
  // control to place there, or NULL for an item not to be moved (a hidden
  // control, one that took its place earlier in the tree, one of another parent).
  std::vector<HWND> controls;
};

struct LayoutAccess {
  // The layout's tree, depth first (see LayoutEntry); empty only for a
  // layout moved from, which stands for an empty column.
  static const std::vector<LayoutEntry>& entries(const Layout& layout) { return layout.entries; }
};

// Device pixels for `units` at `dpi` (96 when not positive), rounded as
// detail::scale rounds, negative units as 0, too large as INT_MAX.
int layoutPixels(int units, int dpi);

// The geometry's tree for `layout` at `dpi` (it holds every natural size, so
// a window keeps it between size changes and builds it again when texts, the
// DPI or the controls shown change): margins, gaps, spaces and each
// control's sizes (from `measure`, asked once per control placed) in pixels;
// an automatic margin is LayoutOptions::windowMargin for the outermost layout
// and 0 for nested ones. Controls that are not children of `parent` are left
// out (NULL `parent`: every control is taken, and no window is asked), and a
// control takes only its first place in the tree.
LayoutTree layoutTree(const Layout& layout, HWND parent, int dpi,
                      const std::function<ControlMeasure(HWND)>& measure);

// The controls of `layout` that are not children of `parent` (or no longer
// windows), each once, in the order added: what layoutTree leaves out.
std::vector<HWND> controlsOutside(const Layout& layout, HWND parent);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_LAYOUT_TREE_H
