// The layout arithmetic without windows: lengths shared by stretch, alignment,
// grids and spans, margins and gaps, minimum sizes, rounding, and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tarn/core/layout_geometry.h"

using namespace tarn::geometry;

namespace {

Node item(int width, int height, int stretch = 0, Alignment align = Alignment::fill, int span = 1) {
  Node n;
  n.minimum = n.natural = {width, height};
  n.stretch = stretch;
  n.align = align;
  n.span = span;
  return n;
}
Node hidden(Node n) {
  n.hidden = true;
  return n;
}
Node box(Kind kind, std::vector<Node> children, int margin = 0, int gap = 0) {
  Node n;
  n.kind = kind;
  n.children = std::move(children);
  n.margin = margin;
  n.gap = gap;
  return n;
}
Node row(std::vector<Node> children, int margin = 0, int gap = 0) {
  return box(Kind::row, std::move(children), margin, gap);
}
Node column(std::vector<Node> children, int margin = 0, int gap = 0) {
  return box(Kind::column, std::move(children), margin, gap);
}
Node grid(int columns, std::vector<Node> children, int margin = 0, int gap = 0) {
  Node n = box(Kind::grid, std::move(children), margin, gap);
  n.columns = columns;
  return n;
}
Node space(int length) {
  Node n;
  n.kind = Kind::space;
  n.length = length;
  return n;
}
Node stretch(int amount = 1) {
  Node n;
  n.kind = Kind::stretch;
  n.stretch = amount;
  return n;
}

using Rects = std::vector<std::vector<int>>;
Rects rectsOf(const Arrangement& a) {
  Rects out;
  for (const Rect& r : a.items) out.push_back({r.x, r.y, r.width, r.height});
  return out;
}
Rects layOut(const Node& root, int width, int height) {
  return rectsOf(arrange(root, Rect{0, 0, width, height}));
}

// Every rectangle inside `area`, none negative.
void expectInside(const Arrangement& a, const Rect& area, const std::string& what) {
  for (const Rect& r : a.items) {
    ASSERT_GE(r.width, 0) << what;
    ASSERT_GE(r.height, 0) << what;
    ASSERT_GE(r.x, area.x) << what;
    ASSERT_GE(r.y, area.y) << what;
    ASSERT_LE(static_cast<long long>(r.x) + r.width, static_cast<long long>(area.x) + area.width)
        << what;
    ASSERT_LE(static_cast<long long>(r.y) + r.height, static_cast<long long>(area.y) + area.height)
        << what;
  }
}

}  // namespace

// Along a row: natural lengths first, the rest by stretch; between minimum and
// natural everyone gives way by how far it can; below the minimum the far end
// is cut. Rows are {x, width} of each item in a row 20 high.
TEST(LayoutGeometry, RowsShareTheirLengthByStretchAndGiveWayDownToTheMinimum) {
  auto flexible = [](int minimum, int natural) {
    Node n = item(minimum, 20);
    n.natural.width = natural;
    return n;
  };
  struct Case {
    const char* what;
    Node root;
    int width;
    std::vector<std::vector<int>> xWidths;
  } cases[] = {
      {"stretch 0:1:2 shares 60 extra", row({item(10, 20), item(20, 20, 1), item(30, 20, 2)}), 120,
       {{0, 10}, {10, 40}, {50, 70}}},
      {"no stretch: the rest stays after the last", row({item(10, 20), item(20, 20)}), 100,
       {{0, 10}, {10, 20}}},
      {"gap between items only", row({item(10, 20), item(10, 20, 1)}, 0, 5), 50, {{0, 10}, {15, 35}}},
      {"between minimum and natural: by room to give", row({flexible(10, 30), flexible(10, 20)}),
       40, {{0, 23}, {23, 17}}},
      {"exactly the minimum", row({flexible(10, 30), flexible(10, 20)}), 20, {{0, 10}, {10, 10}}},
      {"below the minimum: the far end is cut",
       row({item(30, 20), item(30, 20), item(30, 20)}, 0, 0), 70, {{0, 30}, {30, 30}, {60, 10}}},
      {"far below: the last ones are 0 at the edge",
       row({item(30, 20), item(30, 20), item(30, 20)}, 0, 0), 50, {{0, 30}, {30, 20}, {50, 0}}},
      {"no room at all", row({item(30, 20), item(30, 20, 1)}, 4, 6), 0, {{0, 0}, {0, 0}}},
  };
  for (const Case& c : cases) {
    Rects got = layOut(c.root, c.width, 20);
    ASSERT_EQ(c.xWidths.size(), got.size()) << c.what;
    for (std::size_t i = 0; i < got.size(); ++i)
      EXPECT_EQ(c.xWidths[i], (std::vector<int>{got[i][0], got[i][2]})) << c.what << ", item " << i;
  }
}

// A column is a row on its side: the same case turned gives the turned answer.
TEST(LayoutGeometry, ColumnsAreRowsOnTheirSide) {
  Node r = row({item(10, 20), space(7), item(20, 30, 1), item(5, 8, 2, Alignment::centre)}, 3, 4);
  Node c = column({item(20, 10), space(7), item(30, 20, 1), item(8, 5, 2, Alignment::centre)}, 3, 4);
  Sizes rs = measure(r), cs = measure(c);
  EXPECT_EQ(rs.minimum.width, cs.minimum.height);
  EXPECT_EQ(rs.minimum.height, cs.minimum.width);
  Rects across = layOut(r, 157, 61), down = layOut(c, 61, 157);
  ASSERT_EQ(3u, across.size());
  for (std::size_t i = 0; i < across.size(); ++i)
    EXPECT_EQ(across[i], (std::vector<int>{down[i][1], down[i][0], down[i][3], down[i][2]})) << i;
}

// Across a row each item fills the height or sits at its natural height.
TEST(LayoutGeometry, ItemsAlignAcrossTheirRow) {
  struct Case {
    Alignment align;
    int rowHeight;
    std::vector<int> yHeight;
  } cases[] = {
      {Alignment::start, 50, {0, 20}},  {Alignment::centre, 50, {15, 20}},
      {Alignment::centre, 51, {15, 20}}, {Alignment::end, 50, {30, 20}},
      {Alignment::fill, 50, {0, 50}},   {Alignment::centre, 12, {0, 12}},  // cut to the row
  };
  for (const Case& c : cases) {
    Rects got = layOut(row({item(10, 20, 0, c.align), item(10, 4)}), 40, c.rowHeight);
    EXPECT_EQ(c.yHeight, (std::vector<int>{got[0][1], got[0][3]}))
        << static_cast<int>(c.align) << " in " << c.rowHeight;
    EXPECT_EQ(0, got[0][0]);
    EXPECT_EQ(10, got[0][2]);  // along the row nothing changes
  }
}

// Margins go round the items, gaps between them; a space adds its own length
// to the gap and a stretch pushes what follows to the far end.
TEST(LayoutGeometry, MarginsGapsSpacesAndStretches) {
  struct Case {
    const char* what;
    Node root;
    Rects expected;  // in 100 x 40
    int minimumWidth, minimumHeight;
  } cases[] = {
      {"margin and gap", row({item(10, 10), item(10, 10)}, 5, 3),
       {{5, 5, 10, 30}, {18, 5, 10, 30}}, 33, 20},
      {"a space adds to the gap", row({item(10, 10), space(20), item(10, 10)}, 0, 4),
       {{0, 0, 10, 40}, {34, 0, 10, 40}}, 44, 10},
      {"a stretch first pushes the rest right", row({stretch(), item(10, 10), item(10, 10)}, 0, 4),
       {{76, 0, 10, 40}, {90, 0, 10, 40}}, 24, 10},
      {"stretches share as items do", row({stretch(1), item(10, 10), stretch(3)}),
       {{22, 0, 10, 40}}, 10, 10},
      {"margins only, in a column", column({item(10, 10)}, 7), {{7, 7, 86, 10}}, 24, 24},
  };
  for (const Case& c : cases) {
    Arrangement a = arrange(c.root, Rect{0, 0, 100, 40});
    EXPECT_EQ(c.expected, rectsOf(a)) << c.what;
    EXPECT_EQ(c.minimumWidth, a.sizes.minimum.width) << c.what;
    EXPECT_EQ(c.minimumHeight, a.sizes.minimum.height) << c.what;
  }
}

// The leftover pixels of a division go to the later items, by the same rule at
// every length: lengths add up, equal stretches differ by at most one, growing
// the row never shrinks an item, and the same length gives the same places.
TEST(LayoutGeometry, LeftoverPixelsGoToTheLaterItemsTheSameWayEveryTime) {
  Node r = row({item(0, 5, 1), item(0, 5, 1), item(0, 5, 1)});
  EXPECT_EQ((Rects{{0, 0, 3, 5}, {3, 0, 3, 5}, {6, 0, 4, 5}}), layOut(r, 10, 5));
  EXPECT_EQ((Rects{{0, 0, 3, 5}, {3, 0, 4, 5}, {7, 0, 4, 5}}), layOut(r, 11, 5));
  Node uneven = row({item(3, 5, 1), item(0, 5, 2), item(7, 5, 1), item(0, 5, 3)}, 1, 2);
  Rects before = layOut(r, 0, 5), unevenBefore = layOut(uneven, 0, 5);
  for (int width = 1; width <= 400; ++width) {
    Rects now = layOut(r, width, 5), unevenNow = layOut(uneven, width, 5);
    int least = INT_MAX, most = 0, sum = 0;
    for (const auto& x : now) {
      least = std::min(least, x[2]);
      most = std::max(most, x[2]);
      sum += x[2];
    }
    ASSERT_EQ(width, sum) << width;
    ASSERT_LE(most - least, 1) << width;
    for (std::size_t i = 0; i < now.size(); ++i) ASSERT_GE(now[i][2], before[i][2]) << width;
    for (std::size_t i = 0; i < unevenNow.size(); ++i)
      ASSERT_GE(unevenNow[i][2], unevenBefore[i][2]) << width << " uneven " << i;
    ASSERT_EQ(now, layOut(r, width, 5)) << width;
    before = now;
    unevenBefore = unevenNow;
  }
}

// Hidden items take no room and no gap; a layout whose items are all hidden
// takes none either, and an empty one measures 0 by 0 and places nothing.
TEST(LayoutGeometry, HiddenItemsAndEmptyLayoutsTakeNoRoom) {
  Rects got = layOut(row({item(10, 10), hidden(item(50, 10)), item(10, 10)}, 0, 5), 100, 10);
  EXPECT_EQ((Rects{{0, 0, 10, 10}, {0, 0, 0, 0}, {15, 0, 10, 10}}), got);

  Node withHiddenRow =
      column({item(10, 10), row({hidden(item(10, 10)), stretch()}), item(10, 10)}, 2, 5);
  EXPECT_EQ(29, measure(withHiddenRow).minimum.height);  // 2 + 10 + 5 + 10 + 2: one gap
  EXPECT_EQ(17, layOut(withHiddenRow, 50, 50)[2][1]);

  for (const Node& empty : {row({}, 11, 7), column({stretch(), space(30)}, 11),
                            grid(2, {hidden(item(5, 5))}, 11), hidden(row({item(5, 5)}, 3))}) {
    Arrangement a = arrange(empty, Rect{4, 6, 100, 100});
    EXPECT_EQ(0, a.sizes.natural.width);
    EXPECT_EQ(0, a.sizes.minimum.height);
    for (const Rect& r : a.items)
      EXPECT_EQ((std::vector<int>{4, 6, 0, 0}), (std::vector<int>{r.x, r.y, r.width, r.height}));
  }
}

// A grid of labels and boxes: columns as wide as their widest, the boxes'
// column stretching, a spanning item across both, an item too wide for the
// rest of its row starting the next, hidden rows collapsing.
TEST(LayoutGeometry, GridColumnsAndRowsFollowTheirItems) {
  Node form = grid(2,
                   {item(40, 10, 0, Alignment::start), item(60, 20, 1),  // name
                    item(55, 10, 0, Alignment::end), item(60, 20, 1),    // e-mail
                    hidden(item(70, 10)), hidden(item(60, 20)),          // a hidden row
                    item(90, 30, 0, Alignment::fill, 2),                 // notes, both columns
                    item(20, 20), item(30, 20, 0, Alignment::centre, 2), item(10, 10)},
                   4, 6);
  Sizes s = measure(form);
  EXPECT_EQ(4 + 55 + 6 + 60 + 4, s.minimum.width);
  EXPECT_EQ(4 + 20 + 6 + 20 + 6 + 30 + 6 + 20 + 6 + 20 + 6 + 10 + 4, s.minimum.height);
  Rects got = layOut(form, 225, s.minimum.height);
  EXPECT_EQ((Rects{{4, 4, 40, 10},
                   {65, 4, 156, 20},
                   {4, 40, 55, 10},  // at the end of its cell: the bottom right
                   {65, 30, 156, 20},
                   {0, 0, 0, 0},
                   {0, 0, 0, 0},
                   {4, 56, 217, 30},
                   {4, 92, 55, 20},
                   {97, 118, 30, 20},  // a span of 2 too wide for the rest: the next row, centred
                   {4, 144, 55, 10}}),
            got);
}

// A spanning item wider than its columns widens them: the stretching ones,
// else all alike; with stretch it makes its columns stretch; a row stretches
// as its most stretching item.
TEST(LayoutGeometry, SpanningItemsWidenAndStretchTheirColumns) {
  struct Case {
    const char* what;
    Node root;
    int width, height;
    Rects expected;
  } cases[] = {
      {"widens alike", grid(2, {item(10, 5), item(10, 5), item(40, 5, 0, Alignment::fill, 2)}), 40,
       10, {{0, 0, 20, 5}, {20, 0, 20, 5}, {0, 5, 40, 5}}},
      {"widens the stretching column",
       grid(2, {item(10, 5), item(10, 5, 1), item(40, 5, 0, Alignment::fill, 2)}), 40, 10,
       {{0, 0, 10, 5}, {10, 0, 30, 5}, {0, 5, 40, 5}}},
      {"its stretch stretches its columns",
       grid(2, {item(10, 5), item(10, 5), item(20, 5, 1, Alignment::fill, 2)}), 60, 10,
       {{0, 0, 30, 5}, {30, 0, 30, 5}, {0, 5, 60, 5}}},
      {"a row stretches as its items", grid(1, {item(10, 5), item(10, 5, 2), item(10, 5, 1)}), 10,
       45, {{0, 0, 10, 5}, {0, 5, 10, 25}, {0, 30, 10, 15}}},
      {"a stretch cell stretches its column", grid(2, {item(10, 5), stretch()}), 50, 5,
       {{0, 0, 10, 5}}},
      {"a space cell holds its column open", grid(3, {space(0), item(10, 5), space(15)}, 0, 2), 60,
       20, {{2, 0, 10, 15}}},  // as high as the space: the row does not stretch
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, layOut(c.root, c.width, c.height)) << c.what;
}

// Nested layouts: a column with a stretching table and a row of buttons to the
// right; the layout's sizes are its items' plus margins and gaps.
TEST(LayoutGeometry, NestedLayoutsTakeTheirShareAndLayOutInside) {
  Node form = column({item(100, 50, 1),
                      grid(2, {item(30, 10), item(50, 12, 1)}, 0, 5),
                      row({stretch(), item(40, 14), item(40, 14)}, 0, 5)},
                     10, 8);
  Sizes s = measure(form);
  EXPECT_EQ(10 + 100 + 10, s.minimum.width);
  EXPECT_EQ(10 + 50 + 8 + 12 + 8 + 14 + 10, s.natural.height);
  Rects got = layOut(form, 300, 200);
  EXPECT_EQ((Rects{{10, 10, 280, 138},
                   {10, 156, 30, 12},
                   {45, 156, 245, 12},
                   {205, 176, 40, 14},
                   {250, 176, 40, 14}}),
            got);
  // The row at its natural width, at the end of the column: the buttons keep their place on the
  // right.
  form.children[2].align = Alignment::end;
  EXPECT_EQ(got, layOut(form, 300, 200));
}

// A translated text grows: the item's minimum grows, the items beside it give
// way and what follows moves on; the window's minimum grows with it.
TEST(LayoutGeometry, AGrowingTextMakesTheRestGiveWay) {
  Node form = column({row({item(40, 12), item(80, 20, 1)}, 0, 5),
                      row({stretch(), item(60, 20), item(60, 20)}, 0, 5)},
                     11, 7);
  Sizes before = measure(form);
  Rects old = layOut(form, 300, 100);
  form.children[0].children[0].minimum.width = form.children[0].children[0].natural.width = 95;
  form.children[1].children[1].minimum.width = form.children[1].children[1].natural.width = 75;
  Sizes after = measure(form);
  Rects now = layOut(form, 300, 100);
  EXPECT_EQ(before.minimum.width + 55, after.minimum.width);
  EXPECT_EQ(95, now[0][2]);
  EXPECT_EQ(old[1][0] + 55, now[1][0]);  // the box moves on and gives way
  EXPECT_EQ(old[1][2] - 55, now[1][2]);
  EXPECT_EQ(old[1][0] + old[1][2], now[1][0] + now[1][2]);
  EXPECT_EQ(old[2][0] - 15, now[2][0]);  // the buttons still end at the right margin
  EXPECT_EQ(old[3], now[3]);
}

// Negative sizes, stretches, margins, gaps and spans, grids of no columns,
// deep nesting and sizes near INT_MAX: every answer in range, never a crash.
TEST(LayoutGeometry, BadInputGivesSaneRectangles) {
  Node negative = row({item(-10, -5, -3), space(-20), stretch(-4), item(10, 10)}, -6, -2);
  EXPECT_EQ((Rects{{0, 0, 0, 10}, {0, 0, 10, 10}}), layOut(negative, 50, 10));
  EXPECT_EQ(10, measure(negative).minimum.width);

  Node noColumns = grid(0, {item(10, 10, 0, Alignment::fill, -2), item(10, 10, 0, Alignment::fill, 9)});
  EXPECT_EQ((Rects{{0, 0, 10, 10}, {0, 10, 10, 10}}), layOut(noColumns, 10, 20));
  noColumns.columns = -5;
  EXPECT_EQ((Rects{{0, 0, 10, 10}, {0, 10, 10, 10}}), layOut(noColumns, 10, 20));

  Node huge = row({item(INT_MAX, INT_MAX, INT_MAX), item(INT_MAX, 1, INT_MAX), item(5, 5)}, INT_MAX,
                  INT_MAX);
  EXPECT_EQ(INT_MAX, measure(huge).minimum.width);
  Arrangement a = arrange(huge, Rect{INT_MAX - 100, 3, 1000, 1000});
  expectInside(a, Rect{INT_MAX - 100, 3, 100, 1000}, "huge");
  Node wide = row({item(0, 5, INT_MAX), item(0, 5, INT_MAX), item(0, 5, 1)});
  Rects shared = layOut(wide, INT_MAX, 5);
  // Stretches count up to a million each: the third has 1 / 2,000,001 of the room.
  EXPECT_EQ(INT_MAX, shared[0][2] + shared[1][2] + shared[2][2]);
  EXPECT_NEAR(INT_MAX / 2000001, shared[2][2], 1);
  EXPECT_NEAR(shared[0][2], shared[1][2], 1);

  // 300 levels deep: laid out down to the limit, hidden beyond it.
  Node deep = item(10, 10);
  for (int level = 0; level < 300; ++level) deep = column({std::move(deep)});
  deep.children.push_back(item(20, 20));
  Arrangement d = arrange(deep, Rect{0, 0, 100, 100});
  ASSERT_EQ(2u, d.items.size());
  EXPECT_EQ(2, itemCount(deep));
  EXPECT_EQ(0, d.items[0].width);
  EXPECT_EQ(20, d.items[1].height);
}

// Trees of every kind, made at random (the same each run), laid out from no
// room to plenty: nothing negative, nothing outside, the same answer twice.
TEST(LayoutGeometry, RandomTreesStayInsideTheirRectangle) {
  std::uint32_t state = 12345;
  auto next = [&state](int bound) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(bound));
  };
  std::function<Node(int)> make = [&](int depth) {
    int choice = depth > 3 ? 0 : next(8);
    if (choice >= 5) {
      Kind kinds[] = {Kind::row, Kind::column, Kind::grid};
      Node n = box(kinds[choice - 5], {}, next(6) - 1, next(6) - 1);
      n.columns = next(4);
      int count = next(6);
      for (int i = 0; i < count; ++i) n.children.push_back(make(depth + 1));
      n.stretch = next(3);
      n.span = next(4);
      n.align = static_cast<Alignment>(next(4));
      return n;
    }
    if (choice == 4) return next(2) ? space(next(30)) : stretch(next(3));
    Node n = item(next(60), next(30), next(3), static_cast<Alignment>(next(4)), next(4));
    n.natural.width += next(30);
    n.hidden = next(6) == 0;
    return n;
  };
  for (int tree = 0; tree < 200; ++tree) {
    Node root = make(0);
    Sizes s = measure(root);
    ASSERT_LE(s.minimum.width, s.natural.width) << tree;
    ASSERT_LE(s.minimum.height, s.natural.height) << tree;
    for (int size : {0, 1, 7, s.minimum.width / 2, s.minimum.width, s.natural.width + 50, 600}) {
      Rect area{next(20), next(20), size, size * 2 / 3};
      Arrangement a = arrange(root, area);
      ASSERT_EQ(static_cast<std::size_t>(itemCount(root)), a.items.size());
      expectInside(a, area, "tree " + std::to_string(tree) + " at " + std::to_string(size));
      ASSERT_EQ(rectsOf(a), rectsOf(arrange(root, area))) << tree;
    }
    // With room for the minimum, no shown item is cut below its own.
    std::vector<std::pair<bool, Extent>> shown;
    std::function<void(const Node&, bool)> collect = [&](const Node& n, bool visible) {
      if (n.kind == Kind::item) shown.push_back({visible && !n.hidden, n.minimum});
      if (n.kind == Kind::row || n.kind == Kind::column || n.kind == Kind::grid)
        for (const Node& child : n.children) collect(child, visible && !n.hidden);
    };
    collect(root, true);
    Arrangement roomy = arrange(root, Rect{0, 0, s.minimum.width, s.minimum.height});
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (!shown[i].first) continue;
      EXPECT_GE(roomy.items[i].width, std::max(shown[i].second.width, 0)) << tree << " item " << i;
      EXPECT_GE(roomy.items[i].height, std::max(shown[i].second.height, 0)) << tree << " item " << i;
    }
  }
}
