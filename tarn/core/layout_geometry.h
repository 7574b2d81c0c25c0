// The arithmetic of layouts: a tree of items, rows, columns and grids, with
// their sizes in pixels, turned into the rectangle of every item. Pure
// functions over plain values, so every rule can be checked without a window.
//
// The rules, for a row (a column is the same turned on its side):
// - Lengths along the row: every shown child first gets its natural length;
//   what is left over goes to the children by stretch; with no stretch
//   anywhere it stays empty after the last child. When there is less than the
//   natural lengths, children give way from natural towards minimum, each in
//   proportion to how far it can; below the minimum lengths every child keeps
//   its minimum and whatever runs past the far edge is cut there (the last
//   children end up 0 long at the edge).
// - The gap goes between two neighbouring items or layouts; a space adds its
//   own length and a stretch its share, with no gap of their own.
// - Across the row a child fills the row's height (Alignment::fill) or takes
//   its natural height, at the top (start), in the middle (centre) or at the
//   bottom (end); with less room than that it is cut to the row's height.
// - Integer pixels: each child first gets its exact share of the leftover (or
//   of what it gives way) rounded down; the few pixels still left go one at a
//   time to the child with the most weight (its stretch, or its room to give
//   way) per pixel it has then, the later child on a tie. So the same sizes always give the same
//   rectangles, equal stretches get lengths at most one pixel apart, and no child ever shrinks
//   while the room grows.
// A grid places its children in reading order, each taking `span` columns
// (moved to the next row when the span does not fit in the rest of the row).
// Columns and rows are laid out as the children of a row are: a column's
// minimum and natural width are the largest of its one-column children's (a
// wider spanning child widens its columns: the stretching ones, else all
// alike); a column stretches as much as the most stretching child in it (a
// spanning child with stretch makes its columns stretch when none of them
// does) and a row as much as the most stretching child in it. A child sits in
// its cell by its alignment on both axes. In a grid a space is an empty cell
// that many pixels wide and high, a stretch an empty cell that stretches its
// column and row.
// Hidden children take no room and no gap; a grid keeps their cells, and a
// column or row with no shown child takes no room. A layout with no shown item
// (spaces and stretches do not count) is treated as hidden: nested, it takes no
// room; at the top it measures 0 by 0 and places nothing.
// Nothing gets a negative size or a place outside the available rectangle.
// Negative sizes, stretches, margins, gaps and spans count as 0 (a span as 1),
// a span wider than its grid as the grid's width, a grid of fewer than one
// column as one column, stretches above maximumStretch as maximumStretch, and
// layouts nested deeper than maximumDepth as hidden.
#ifndef TARN_CORE_LAYOUT_GEOMETRY_H
#define TARN_CORE_LAYOUT_GEOMETRY_H

#include <vector>

namespace tarn {
namespace geometry {

constexpr int maximumStretch = 1000000;
constexpr int maximumDepth = 64;

struct Extent {
  int width = 0;
  int height = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class Kind : unsigned char { item, row, column, grid, space, stretch };
enum class Alignment : unsigned char { start, centre, end, fill };

struct Node {
  Kind kind = Kind::item;
  // An item's smallest size and the size it shows best at (taken as at least
  // the minimum).
  Extent minimum;
  Extent natural;
  // A space's length (along its row or column; both ways in a grid).
  int length = 0;
  // How much of the leftover room an item, layout or stretch takes.
  int stretch = 0;
  // Where an item or layout sits across its row or column, or in its cell.
  Alignment align = Alignment::fill;
  // The columns an item or layout takes in a grid.
  int span = 1;
  bool hidden = false;
  // Layouts: a grid's columns; the room around the children and between them.
  int columns = 1;
  int margin = 0;
  int gap = 0;
  std::vector<Node> children;
};

// The smallest size at which nothing is cut, and the size at which every item
// has its natural size, margins included; 0 by 0 for a layout with no shown item.
struct Sizes {
  Extent minimum;
  Extent natural;
};

struct Arrangement {
  // One rectangle per item of the tree, in depth-first order (children in the
  // order given); a hidden item's (or one in a hidden layout) is empty at the
  // available rectangle's corner.
  std::vector<Rect> items;
  Sizes sizes;
};

// The sizes of a tree.
Sizes measure(const Node& root);

// Lays `root` out in `available` (a negative width or height counts as 0).
Arrangement arrange(const Node& root, const Rect& available);

// The number of items in a tree (the length of Arrangement::items).
int itemCount(const Node& root);

}  // namespace geometry
}  // namespace tarn

#endif  // TARN_CORE_LAYOUT_GEOMETRY_H
