// The arithmetic of layouts (layout_geometry.h): measuring a tree bottom-up,
// then handing out lengths along each row, column and grid track top-down.
// Both passes keep one record per node in depth-first order and share their
// scratch vectors, so laying out a tree allocates a handful of times whatever
// its size.
#include "layout_geometry.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace tarn {
namespace geometry {

namespace {

// Sums of many sizes can pass an int; they are added up 64 bits wide and
// narrowed again only where a pixel position comes out.
using Wide = long long;

int narrow(Wide value) {
  return static_cast<int>(std::min<Wide>(std::max<Wide>(value, 0), INT_MAX));
}
Wide atLeastZero(Wide value) { return std::max<Wide>(value, 0); }
int stretchOf(int stretch) { return std::min(std::max(stretch, 0), maximumStretch); }
bool isLayout(Kind kind) { return kind == Kind::row || kind == Kind::column || kind == Kind::grid; }

// What the measuring pass learnt about one node; kept in depth-first order
// (a node, then its children's subtrees), so a layout's children follow it.
struct Measured {
  const Node* node = nullptr;  // null in a subtree nested too deep
  bool shown = false;          // an item or a layout that takes room
  Wide minimumWidth = 0;
  Wide minimumHeight = 0;
  Wide naturalWidth = 0;
  Wide naturalHeight = 0;
  std::size_t nodes = 1;      // nodes in the subtree, the node included
  std::size_t items = 0;      // items in the subtree
  std::size_t firstItem = 0;  // the subtree's first item, in Arrangement::items
};
using Measures = std::vector<Measured>;

// One slot along a line: a child of a row or column, or a grid's column or row.
struct Track {
  Wide minimum = 0;
  Wide natural = 0;
  int stretch = 0;
  bool shown = false;
  bool gapBefore = false;
};

// Where a child of a grid sits.
struct Cell {
  std::size_t row = 0;
  std::size_t column = 0;
  std::size_t span = 1;
};

// Vectors every step needs for a moment, kept for the whole pass.
struct Scratch {
  std::vector<Track> tracks;  // a box's children, or a grid's columns
  std::vector<Track> rows;    // a grid's rows
  std::vector<Cell> cells;
  std::vector<std::size_t> spanning;
  std::vector<Wide> start, size, rowStart, rowSize;
  std::vector<Wide> weights, shares;
  std::vector<std::size_t> heap;
};

// Splits `amount` (at least 0) by `weights` (at least 0, not all 0), in place.
// Each weight first gets its exact share rounded down; the few pixels left go
// one at a time to the weight with the most weight per pixel it holds then
// (the later on a tie). This is the divisor rule of seat apportionment: it
// never takes a pixel from anyone when `amount` grows, so an item never
// shrinks while its window grows, and equal weights get shares at most one
// apart. Weights too large to multiply safely are scaled down first (a
// nonzero weight stays at least 1).
void share(Wide amount, std::vector<Wide>& weights, Scratch& scratch) {
  Wide total = 0;
  for (Wide w : weights) total += w;
  if (total <= 0 || amount <= 0) {
    std::fill(weights.begin(), weights.end(), 0);
    return;
  }
  constexpr Wide safeTotal = Wide(1) << 30;
  if (total > safeTotal) {
    int shift = 0;
    while ((total >> shift) > safeTotal) ++shift;
    total = 0;
    for (Wide& w : weights) {
      if (w > 0) w = std::max<Wide>(w >> shift, 1);
      total += w;
    }
  }
  // amount * weight / total without the product: the quotient and the
  // remainder apart (remainder * weight stays below total squared).
  Wide quotient = amount / total;
  Wide remainder = amount % total;
  std::vector<Wide>& shares = scratch.shares;
  shares.assign(weights.size(), 0);
  Wide left = amount;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    shares[i] = quotient * weights[i] + remainder * weights[i] / total;
    left -= shares[i];
  }
  if (left > 0) {
    // Fewer than one pixel per weight is left. Weight per pixel compared as
    // products, wide enough for any share.
    auto before = [&](std::size_t a, std::size_t b) {
      long double l =
          static_cast<long double>(weights[a]) * static_cast<long double>(shares[b] + 1);
      long double r =
          static_cast<long double>(weights[b]) * static_cast<long double>(shares[a] + 1);
      return l != r ? l < r : a < b;
    };
    std::vector<std::size_t>& next = scratch.heap;
    next.clear();
    for (std::size_t i = 0; i < weights.size(); ++i)
      if (weights[i] > 0) next.push_back(i);
    std::make_heap(next.begin(), next.end(), before);
    for (; left > 0; --left) {
      std::pop_heap(next.begin(), next.end(), before);
      ++shares[next.back()];
      std::push_heap(next.begin(), next.end(), before);
    }
  }
  weights.swap(shares);
}

// The room tracks take along their line, gaps included: their minimum or
// their natural lengths.
Wide lineLength(const std::vector<Track>& tracks, Wide gap, bool natural) {
  Wide length = 0;
  for (const Track& t : tracks) {
    if (!t.shown) continue;
    length += (natural ? t.natural : t.minimum) + (t.gapBefore ? gap : 0);
  }
  return length;
}

// Gives each track its start and length along a line `length` long (see the
// rules in the header); tracks not shown get 0 where they would start.
void lineUp(const std::vector<Track>& tracks, Wide gap, Wide length, std::vector<Wide>& start,
            std::vector<Wide>& size, Scratch& scratch) {
  std::size_t n = tracks.size();
  start.assign(n, 0);
  size.assign(n, 0);
  Wide minimum = 0, natural = 0, gaps = 0;
  for (const Track& t : tracks) {
    if (!t.shown) continue;
    minimum += t.minimum;
    natural += t.natural;
    if (t.gapBefore) gaps += gap;
  }
  Wide free = length - gaps;
  std::vector<Wide>& weights = scratch.weights;
  weights.assign(n, 0);
  if (free >= natural) {
    for (std::size_t i = 0; i < n; ++i) weights[i] = tracks[i].shown ? tracks[i].stretch : 0;
    share(free - natural, weights, scratch);
    for (std::size_t i = 0; i < n; ++i)
      if (tracks[i].shown) size[i] = tracks[i].natural + weights[i];
  } else if (free >= minimum) {
    for (std::size_t i = 0; i < n; ++i)
      weights[i] = tracks[i].shown ? tracks[i].natural - tracks[i].minimum : 0;
    share(natural - free, weights, scratch);
    for (std::size_t i = 0; i < n; ++i)
      if (tracks[i].shown) size[i] = std::max(tracks[i].natural - weights[i], tracks[i].minimum);
  } else {
    for (std::size_t i = 0; i < n; ++i)
      if (tracks[i].shown) size[i] = tracks[i].minimum;
  }
  Wide at = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (tracks[i].shown && tracks[i].gapBefore) at += gap;
    start[i] = std::min(at, length);
    if (!tracks[i].shown) continue;
    at += size[i];
    size[i] = std::min(size[i], length - start[i]);  // cut at the far edge
  }
}

// Walks a layout's children with where each one's record is.
template <class Visit>
void forEachChild(const Node& layout, std::size_t index, const Measures& measures, Visit visit) {
  std::size_t at = index + 1;
  for (std::size_t i = 0; i < layout.children.size(); ++i) {
    visit(i, at);
    at += measures[at].nodes;
  }
}

// True for a child that is placed: a shown item or layout.
bool placedChild(const Node& child, const Measured& m) {
  return m.shown && (child.kind == Kind::item || isLayout(child.kind));
}

// A row's or column's children as tracks along it, into scratch.tracks.
void boxTracks(const Node& box, std::size_t index, const Measures& measures, Scratch& scratch) {
  bool across = box.kind == Kind::row;
  std::vector<Track>& tracks = scratch.tracks;
  tracks.assign(box.children.size(), Track{});
  bool anyBefore = false;
  forEachChild(box, index, measures, [&](std::size_t i, std::size_t at) {
    const Node& child = box.children[i];
    const Measured& m = measures[at];
    Track& t = tracks[i];
    if (child.kind == Kind::space) {
      t.shown = true;
      t.minimum = t.natural = atLeastZero(child.length);
    } else if (child.kind == Kind::stretch) {
      t.shown = true;
      t.stretch = stretchOf(child.stretch);
    } else if (m.shown) {
      t.shown = true;
      t.minimum = across ? m.minimumWidth : m.minimumHeight;
      t.natural = across ? m.naturalWidth : m.naturalHeight;
      t.stretch = stretchOf(child.stretch);
      t.gapBefore = anyBefore;
      anyBefore = true;
    }
  });
}

// Where each child of a grid sits (scratch.cells) and the grid's columns
// (scratch.tracks) and rows (scratch.rows).
void gridTracks(const Node& grid, std::size_t index, const Measures& measures, Wide gap,
                Scratch& scratch) {
  int columnCount = std::max(grid.columns, 1);
  std::size_t columns = static_cast<std::size_t>(columnCount);
  std::size_t row = 0, column = 0;
  std::vector<Cell>& cells = scratch.cells;
  cells.resize(grid.children.size());
  for (std::size_t i = 0; i < grid.children.size(); ++i) {
    const Node& child = grid.children[i];
    std::size_t span = 1;
    if (isLayout(child.kind) || child.kind == Kind::item)
      span = static_cast<std::size_t>(std::min(std::max(child.span, 1), columnCount));
    if (column + span > columns) {
      ++row;
      column = 0;
    }
    cells[i] = {row, column, span};
    column += span;
    if (column == columns) {
      ++row;
      column = 0;
    }
  }
  std::vector<Track>& cols = scratch.tracks;
  std::vector<Track>& rows = scratch.rows;
  cols.assign(columns, Track{});
  rows.assign(column == 0 ? row : row + 1, Track{});

  // What each shown child asks of its row and of its column (one-column
  // children) or columns (spanning ones, taken afterwards, narrowest first).
  std::vector<std::size_t>& spanning = scratch.spanning;
  spanning.clear();
  forEachChild(grid, index, measures, [&](std::size_t i, std::size_t at) {
    const Node& child = grid.children[i];
    const Measured& m = measures[at];
    Wide minimumWidth = m.minimumWidth, minimumHeight = m.minimumHeight;
    Wide naturalWidth = m.naturalWidth, naturalHeight = m.naturalHeight;
    int stretch = stretchOf(child.stretch);
    if (child.kind == Kind::space)
      minimumWidth = minimumHeight = naturalWidth = naturalHeight = atLeastZero(child.length);
    else if (child.kind != Kind::stretch && !m.shown)
      return;
    const Cell& cell = cells[i];
    Track& r = rows[cell.row];
    r.shown = true;
    r.minimum = std::max(r.minimum, minimumHeight);
    r.natural = std::max(r.natural, naturalHeight);
    r.stretch = std::max(r.stretch, stretch);
    if (cell.span > 1) {
      spanning.push_back(at);
      spanning.push_back(i);
      for (std::size_t k = 0; k < cell.span; ++k) cols[cell.column + k].shown = true;
      return;
    }
    Track& c = cols[cell.column];
    c.shown = true;
    c.minimum = std::max(c.minimum, minimumWidth);
    c.natural = std::max(c.natural, naturalWidth);
    c.stretch = std::max(c.stretch, stretch);
  });
  // Spanning children, narrowest first (stable), as (record, child) pairs.
  std::vector<std::pair<std::size_t, std::size_t>> order;
  for (std::size_t k = 0; k < spanning.size(); k += 2)
    order.push_back({spanning[k], spanning[k + 1]});
  std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
    return cells[a.second].span < cells[b.second].span;
  });
  for (const auto& [at, i] : order) {
    const Cell& cell = cells[i];
    const Measured& m = measures[at];
    auto first = cols.begin() + static_cast<std::ptrdiff_t>(cell.column);
    auto last = first + static_cast<std::ptrdiff_t>(cell.span);
    int stretch = stretchOf(grid.children[i].stretch);
    if (stretch > 0 && std::all_of(first, last, [](const Track& t) { return t.stretch == 0; }))
      for (auto t = first; t != last; ++t) t->stretch = stretch;
    bool anyStretch = std::any_of(first, last, [](const Track& t) { return t.stretch > 0; });
    // Widens the spanned columns until they hold `wanted`, in `Track::*length`.
    auto widen = [&](Wide Track::*length, Wide wanted) {
      Wide have = gap * static_cast<Wide>(cell.span - 1);
      for (auto t = first; t != last; ++t) have += (*t).*length;
      if (wanted <= have) return;
      std::vector<Wide> weights;
      for (auto t = first; t != last; ++t) weights.push_back(anyStretch ? t->stretch : 1);
      share(wanted - have, weights, scratch);
      std::size_t k = 0;
      for (auto t = first; t != last; ++t) (*t).*length += weights[k++];
    };
    widen(&Track::minimum, m.minimumWidth);
    for (auto t = first; t != last; ++t) t->natural = std::max(t->natural, t->minimum);
    widen(&Track::natural, m.naturalWidth);
  }
  for (std::vector<Track>* tracks : {&cols, &rows}) {
    bool anyBefore = false;
    for (Track& t : *tracks) {
      if (!t.shown) continue;
      t.natural = std::max(t.natural, t.minimum);
      t.gapBefore = anyBefore;
      anyBefore = true;
    }
  }
}

// The nodes and items of a subtree, counted without recursion (for layouts
// nested too deep to be laid out).
void countSubtree(const Node& root, std::size_t& nodes, std::size_t& items) {
  nodes = 0;
  items = 0;
  std::vector<const Node*> pending{&root};
  while (!pending.empty()) {
    const Node* node = pending.back();
    pending.pop_back();
    ++nodes;
    if (node->kind == Kind::item) ++items;
    if (isLayout(node->kind))
      for (const Node& child : node->children) pending.push_back(&child);
  }
}

class Measurer {
 public:
  explicit Measurer(const Node& root) {
    std::size_t nodes = 0, items = 0;
    countSubtree(root, nodes, items);
    measures.reserve(nodes);
    measure(root, 0);
  }

  Measures measures;

 private:
  // Measures `node` and its subtree into `measures` (depth-first).
  void measure(const Node& node, int depth) {
    std::size_t index = measures.size();
    measures.emplace_back();
    Measured m;
    m.node = &node;
    m.firstItem = nextItem;
    if (node.kind == Kind::item) {
      m.items = 1;
      ++nextItem;
      m.shown = !node.hidden;
      m.minimumWidth = atLeastZero(node.minimum.width);
      m.minimumHeight = atLeastZero(node.minimum.height);
      m.naturalWidth = std::max<Wide>(node.natural.width, m.minimumWidth);
      m.naturalHeight = std::max<Wide>(node.natural.height, m.minimumHeight);
    }
    if (!isLayout(node.kind)) {
      measures[index] = m;
      return;
    }
    if (depth >= maximumDepth) {
      countSubtree(node, m.nodes, m.items);
      nextItem += m.items;
      // The subtree keeps its place in the depth-first order, unmeasured.
      measures.resize(index + m.nodes);
      measures[index] = m;
      return;
    }
    for (const Node& child : node.children) measure(child, depth + 1);
    m.nodes = measures.size() - index;
    m.items = nextItem - m.firstItem;
    bool anyShown = false;
    forEachChild(node, index, measures, [&](std::size_t i, std::size_t at) {
      anyShown = anyShown || placedChild(node.children[i], measures[at]);
    });
    m.shown = anyShown && !node.hidden;
    if (m.shown) sizeLayout(node, index, m);
    measures[index] = m;
  }

  // A shown layout's sizes from its children's, margins included.
  void sizeLayout(const Node& node, std::size_t index, Measured& m) {
    Wide margin = 2 * atLeastZero(node.margin);
    Wide gap = atLeastZero(node.gap);
    if (node.kind == Kind::grid) {
      gridTracks(node, index, measures, gap, scratch);
      m.minimumWidth = lineLength(scratch.tracks, gap, false);
      m.naturalWidth = lineLength(scratch.tracks, gap, true);
      m.minimumHeight = lineLength(scratch.rows, gap, false);
      m.naturalHeight = lineLength(scratch.rows, gap, true);
    } else {
      bool across = node.kind == Kind::row;
      boxTracks(node, index, measures, scratch);
      Wide alongMinimum = lineLength(scratch.tracks, gap, false);
      Wide alongNatural = lineLength(scratch.tracks, gap, true);
      Wide crossMinimum = 0, crossNatural = 0;
      forEachChild(node, index, measures, [&](std::size_t i, std::size_t at) {
        const Measured& c = measures[at];
        if (!placedChild(node.children[i], c)) return;
        crossMinimum = std::max(crossMinimum, across ? c.minimumHeight : c.minimumWidth);
        crossNatural = std::max(crossNatural, across ? c.naturalHeight : c.naturalWidth);
      });
      m.minimumWidth = across ? alongMinimum : crossMinimum;
      m.naturalWidth = across ? alongNatural : crossNatural;
      m.minimumHeight = across ? crossMinimum : alongMinimum;
      m.naturalHeight = across ? crossNatural : alongNatural;
    }
    m.minimumWidth += margin;
    m.minimumHeight += margin;
    m.naturalWidth += margin;
    m.naturalHeight += margin;
  }

  std::size_t nextItem = 0;
  Scratch scratch;
};

// Places a child of natural length `natural` in a slot `room` long: its start
// within the slot and its length.
void alignIn(Alignment align, Wide natural, Wide room, Wide& start, Wide& length) {
  length = align == Alignment::fill ? room : std::min(natural, room);
  switch (align) {
    case Alignment::centre: start = (room - length) / 2; break;
    case Alignment::end: start = room - length; break;
    default: start = 0; break;
  }
}

Rect rectAt(const Rect& within, Wide x, Wide y, Wide width, Wide height) {
  return Rect{within.x + narrow(x), within.y + narrow(y), narrow(width), narrow(height)};
}

// Gives the shown children of the layout at `index` their rectangles in
// `rects`, from its own `area`.
void placeChildren(const Node& node, std::size_t index, const Rect& area, const Measures& measures,
                   std::vector<Rect>& rects, std::vector<char>& placed, Scratch& scratch) {
  // The area inside the margins: the margins are cut first when there is no room for both.
  Wide margin = atLeastZero(node.margin);
  Wide left = std::min<Wide>(margin, area.width), top = std::min<Wide>(margin, area.height);
  Wide width = atLeastZero(area.width - 2 * margin), height = atLeastZero(area.height - 2 * margin);
  Wide gap = atLeastZero(node.gap);
  std::vector<Wide>& start = scratch.start;
  std::vector<Wide>& size = scratch.size;
  if (node.kind == Kind::grid) {
    gridTracks(node, index, measures, gap, scratch);
    lineUp(scratch.tracks, gap, width, start, size, scratch);
    lineUp(scratch.rows, gap, height, scratch.rowStart, scratch.rowSize, scratch);
    forEachChild(node, index, measures, [&](std::size_t i, std::size_t at) {
      const Node& child = node.children[i];
      const Measured& m = measures[at];
      if (!placedChild(child, m)) return;
      const Cell& cell = scratch.cells[i];
      std::size_t lastColumn = cell.column + cell.span - 1;
      Wide cellWidth = start[lastColumn] + size[lastColumn] - start[cell.column];
      Wide x, y, w, h;
      alignIn(child.align, m.naturalWidth, cellWidth, x, w);
      alignIn(child.align, m.naturalHeight, scratch.rowSize[cell.row], y, h);
      rects[at] =
          rectAt(area, left + start[cell.column] + x, top + scratch.rowStart[cell.row] + y, w, h);
      placed[at] = 1;
    });
    return;
  }
  bool across = node.kind == Kind::row;
  boxTracks(node, index, measures, scratch);
  lineUp(scratch.tracks, gap, across ? width : height, start, size, scratch);
  forEachChild(node, index, measures, [&](std::size_t i, std::size_t at) {
    const Node& child = node.children[i];
    const Measured& m = measures[at];
    if (!placedChild(child, m)) return;
    Wide offset, length;
    alignIn(child.align, across ? m.naturalHeight : m.naturalWidth, across ? height : width, offset,
            length);
    rects[at] = across ? rectAt(area, left + start[i], top + offset, size[i], length)
                       : rectAt(area, left + offset, top + start[i], length, size[i]);
    placed[at] = 1;
  });
}

Sizes sizesOf(const Measured& m) {
  if (!m.shown) return Sizes{};
  return Sizes{Extent{narrow(m.minimumWidth), narrow(m.minimumHeight)},
               Extent{narrow(m.naturalWidth), narrow(m.naturalHeight)}};
}

}  // namespace

Sizes measure(const Node& root) {
  Measurer measurer(root);
  return sizesOf(measurer.measures[0]);
}

Arrangement arrange(const Node& root, const Rect& available) {
  Rect area = available;
  area.width = std::max(area.width, 0);
  area.height = std::max(area.height, 0);
  // Keeps every right and bottom edge representable.
  if (area.x > 0) area.width = std::min(area.width, INT_MAX - area.x);
  if (area.y > 0) area.height = std::min(area.height, INT_MAX - area.y);

  Measurer measurer(root);
  const Measures& measures = measurer.measures;
  Arrangement out;
  out.sizes = sizesOf(measures[0]);
  out.items.assign(measures[0].items, Rect{area.x, area.y, 0, 0});
  // Depth-first order puts every layout before its children: one pass places
  // all, each layout handing its children their rectangles.
  std::vector<Rect> rects(measures.size());
  std::vector<char> placed(measures.size(), 0);
  rects[0] = area;
  placed[0] = measures[0].shown ? 1 : 0;
  Scratch scratch;
  for (std::size_t i = 0; i < measures.size(); ++i) {
    if (!placed[i]) continue;
    const Node& node = *measures[i].node;
    if (node.kind == Kind::item)
      out.items[measures[i].firstItem] = rects[i];
    else
      placeChildren(node, i, rects[i], measures, rects, placed, scratch);
  }
  return out;
}

int itemCount(const Node& root) {
  std::size_t nodes = 0, items = 0;
  countSubtree(root, nodes, items);
  return narrow(static_cast<Wide>(items));
}

}  // namespace geometry
}  // namespace tarn
