// Tarn layouts: rows, columns and grids of controls, each control sized from
// its natural size and the room its window gives, at any DPI.
//
// Classes in this file (sources):
//   Layout, LayoutOptions, LayoutItem, Align   core/layout.cpp
//   (the arithmetic behind them)               core/layout_geometry.cpp
//   detail::LayoutEntry, detail::LayoutAccess  core/layout.cpp, core/layout_tree.h
#ifndef TARN_LAYOUT_H
#define TARN_LAYOUT_H

#include <vector>

#include "core.h"

namespace tarn {

// ===========================================================================
// Layouts
// ===========================================================================

/// Where an item sits across its row or column (in a grid: within its cell,
/// across and down alike) when it has room beyond its natural size. Along a
/// row or column an item always takes the length it is given.
enum class Align {
  start,   ///< At its natural size, at the left or top.
  centre,  ///< At its natural size, in the middle (an odd pixel left over goes after it).
  end,     ///< At its natural size, at the right or bottom.
  fill     ///< Filling the room (the default).
};

/// The room a layout leaves, in 96-DPI units. The defaults are the system's
/// usual dialog spacing: 11 units around a window's contents, 7 between
/// controls.
struct LayoutOptions {
  /// The margin that picks itself: `windowMargin` around the layout a window
  /// is given, 0 around a layout nested in another (its parent's margin and
  /// gap already space it).
  static constexpr int automatic = -1;
  /// The margin `automatic` gives a window's own layout.
  static constexpr int windowMargin = 11;
  /// The gap a layout has unless told.
  static constexpr int defaultGap = 7;

  /// Room around the items, on all four sides; any negative value (the
  /// default, `automatic`) picks as `automatic` says.
  int margin = automatic;
  /// Room between neighbouring items, and between a grid's columns and rows;
  /// a negative gap counts as 0.
  int gap = defaultGap;
};

/// How one control or nested layout sits in the layout it is added to.
struct LayoutItem {
  /// Its share of the room left over along the row or column once every item
  /// has its natural size: items share it in proportion to their stretches;
  /// 0 (the default) keeps the natural size. In a grid an item's stretch makes
  /// its column and its row stretch. Negative counts as 0; more than 1,000,000
  /// as 1,000,000.
  int stretch = 0;
  /// Where it sits across the row or column, or within its grid cell.
  Align align = Align::fill;
  /// The grid columns it takes (from the next free column; it starts a new row
  /// when the rest of the row is too narrow). Less than 1 counts as 1, more
  /// than the grid's columns as all of them; outside a grid it is not used.
  int span = 1;
};

class Layout;

namespace detail {

struct LayoutAccess;

/// Private to the toolkit: one entry of a layout's tree. A layout keeps its
/// tree depth-first in one vector (a layout's entry, then its items'), so a
/// copy of a layout is a copy of the vector and a nested layout is a run of it.
struct LayoutEntry {
  /// What the entry stands for.
  enum class Kind : unsigned char { control, row, column, grid, space, stretch };
  /// What the entry stands for.
  Kind kind = Kind::column;
  /// A control's window.
  HWND window = NULL;
  /// A grid's columns, a space's units or a stretch's stretch.
  int amount = 0;
  /// How the entry sits in the layout holding it (not used for the outermost).
  LayoutItem item;
  /// A layout's margin and gap.
  LayoutOptions options;
  /// The entries of its subtree, itself included.
  int size = 1;
  /// A layout's levels of nested layouts (0 when it holds none).
  int depth = 0;
};

}  // namespace detail

/// A row, column or grid of controls, spaces, stretches and nested layouts: a
/// plain value that describes where controls go. Each control gets its natural
/// size, in units, turned into pixels at its window's DPI; the room left over
/// goes to items by stretch (with no stretch anywhere it stays empty after the
/// last item); nothing ever gets a negative size or a place outside the room
/// the layout is given. With less room than the layout's minimum, every item
/// keeps its minimum and what runs past the right or bottom edge is cut there.
/// Hidden controls take no room (in a grid their cells stay, empty).
///
/// Whole pixels: each item gets its exact share of the leftover rounded down,
/// and the few pixels still left go one at a time to the item with the most
/// stretch per pixel, the later item on a tie. The same sizes always give the
/// same places, equal stretches differ by a pixel at most, and no item ever
/// shrinks while its window grows.
///
/// A layout is a value: copying one copies its whole tree, and `add(layout)`
/// adds a copy of `layout` as it is then, so a program builds sub-layouts first
/// and adds them later, or chains the calls on temporaries:
/// \code
/// Layout form = Layout::column().add(table, {.stretch = 1})
///                   .add(Layout::row().addStretch().add(ok).add(cancel));
/// \endcode
/// Changing a sub-layout after adding it does not change the copy added. A
/// control is held by its window handle; the layout neither owns nor watches it.
///
/// Bad input: negative stretches, spans, gaps, spaces and column counts are
/// clamped (see each name); an empty layout (or one whose controls are all
/// hidden) takes no room at all. A control that appears more than once (added
/// twice, or in a layout added twice) takes only its first place, in the order
/// added, depth first; a nested layout left with no control takes no room, so
/// adding a layout twice changes nothing on screen. A control without a
/// window, a layout added to itself, nesting deeper than `maximumDepth` and a
/// layout of more than `maximumEntries` entries are refused with the runtime
/// check, and the layout stays as it was. A control whose parent is not the
/// window the layout is applied to is left out where the layout is applied.
class Layout {
 public:
  /// Layouts nest at most this deep: a layout holding a layout is 1 deep.
  static constexpr int maximumDepth = 32;
  /// A layout holds at most this many controls, spaces, stretches and layouts
  /// (ten times the windows a process may have).
  static constexpr int maximumEntries = 100000;

  /// An empty column with the default options.
  Layout();

  /// An empty row: items side by side, left to right.
  static Layout row(const LayoutOptions& options = {});
  /// An empty column: items one under another, top to bottom.
  static Layout column(const LayoutOptions& options = {});
  /// An empty grid of `columns` columns (fewer than 1 counts as 1): items
  /// fill it in reading order, left to right then down.
  static Layout grid(int columns, const LayoutOptions& options = {});

  /// Adds `control` (its window) and answers this layout, so calls chain.
  /// A control without a window is refused with the runtime check.
  Layout& add(const Control& control, const LayoutItem& item = {});
  /// Adds a copy of `layout` as it is now and answers this layout. Refused
  /// with the runtime check when `layout` is this one or the result would
  /// nest deeper than `maximumDepth` or hold more than `maximumEntries`.
  Layout& add(const Layout& layout, const LayoutItem& item = {});
  /// Adds `units` of empty room along the row or column (in a grid: an empty
  /// cell `units` wide and high; 0 skips a cell); negative counts as 0. A
  /// space has no gap of its own: it adds to the gap between its neighbours.
  Layout& addSpace(int units);
  /// Adds empty room that takes `stretch` shares of the leftover room, as an
  /// item's stretch does (in a grid: an empty cell that stretches its column
  /// and row); negative counts as 0. Like a space, it has no gap of its own.
  Layout& addStretch(int stretch = 1);

 private:
  friend struct detail::LayoutAccess;

  explicit Layout(detail::LayoutEntry::Kind kind, int columns, const LayoutOptions& options);
  detail::LayoutEntry& root();
  bool append(const detail::LayoutEntry& entry);

  std::vector<detail::LayoutEntry> entries;
};

}  // namespace tarn

#endif  // TARN_LAYOUT_H
