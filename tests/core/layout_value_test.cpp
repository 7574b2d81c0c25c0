// The Layout value: what chained calls build, copies, units turned into pixels
// at a DPI, clamped numbers, controls placed once, controls of another
// parent, and the input the layout refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "tarn/core/layout_tree.h"
#include <tarn/layout.h>

using namespace tarn;
using testing_support::BoxAnswerer;
using testing_support::ControlHost;

namespace {

// An object for a made-up window: enough for a layout, which only keeps the
// handle, while no parent is asked about.
Control standIn(int n) { return Control(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4000 + 4 * n))); }

// Every control 50 x 20 units.
detail::ControlMeasure fiftyByTwenty(HWND) { return detail::ControlMeasure{50, 20}; }

detail::LayoutTree treeOf(const Layout& layout, int dpi = 96, HWND parent = NULL) {
  return detail::layoutTree(layout, parent, dpi, fiftyByTwenty);
}

std::vector<std::vector<int>> rectsOf(const Layout& layout, int width, int height, int dpi = 96) {
  geometry::Arrangement a = geometry::arrange(treeOf(layout, dpi).root, {0, 0, width, height});
  std::vector<std::vector<int>> out;
  for (const geometry::Rect& r : a.items) out.push_back({r.x, r.y, r.width, r.height});
  return out;
}

std::size_t entryCount(const Layout& layout) { return detail::LayoutAccess::entries(layout).size(); }

}  // namespace

// The chain a program writes reads as the tree it builds: the table first,
// stretching; then a row with a stretch before OK and Cancel. The outermost
// layout has the window margin, the nested row none, both the default gap.
TEST(LayoutValue, ChainedCallsBuildTheTreeTheyRead) {
  Control table = standIn(1), ok = standIn(2), cancel = standIn(3);
  Layout form = Layout::column().add(table, {.stretch = 1}).add(
      Layout::row().addStretch().add(ok).add(cancel));
  detail::LayoutTree tree = treeOf(form);
  EXPECT_EQ((std::vector<HWND>{table.hwnd, ok.hwnd, cancel.hwnd}), tree.controls);
  const geometry::Node& root = tree.root;
  EXPECT_EQ(geometry::Kind::column, root.kind);
  EXPECT_EQ(LayoutOptions::windowMargin, root.margin);
  EXPECT_EQ(LayoutOptions::defaultGap, root.gap);
  ASSERT_EQ(2u, root.children.size());
  EXPECT_EQ(1, root.children[0].stretch);
  const geometry::Node& buttons = root.children[1];
  EXPECT_EQ(geometry::Kind::row, buttons.kind);
  EXPECT_EQ(0, buttons.margin);
  ASSERT_EQ(3u, buttons.children.size());
  EXPECT_EQ(geometry::Kind::stretch, buttons.children[0].kind);
  EXPECT_EQ(1, buttons.children[0].stretch);
  // Laid out in 300 x 200: the table takes what the buttons leave; they sit on the right.
  EXPECT_EQ((std::vector<std::vector<int>>{{11, 11, 278, 151}, {182, 169, 50, 20}, {239, 169, 50, 20}}),
            rectsOf(form, 300, 200));
}

// A layout is a value: adding one adds a copy as it is then, copies change
// apart, and a layout moved from goes on as an empty column.
TEST(LayoutValue, LayoutsAreCopiedWhenAddedAndChangeApart) {
  Control a = standIn(1), b = standIn(2), c = standIn(3);
  Layout buttons = Layout::row().add(a);
  Layout form = Layout::column().add(buttons);
  buttons.add(b);
  EXPECT_EQ((std::vector<HWND>{a.hwnd}), treeOf(form).controls);
  EXPECT_EQ((std::vector<HWND>{a.hwnd, b.hwnd}), treeOf(buttons).controls);

  Layout copy = form;
  copy.add(c);
  EXPECT_EQ(1u, treeOf(form).controls.size());
  EXPECT_EQ(2u, treeOf(copy).controls.size());

  Layout taken = std::move(copy);
  EXPECT_EQ(2u, treeOf(taken).controls.size());
  copy.add(b).addSpace(3);  // NOLINT: a layout moved from is still usable
  EXPECT_EQ((std::vector<HWND>{b.hwnd}), treeOf(copy).controls);
  EXPECT_EQ(geometry::Kind::column, treeOf(copy).root.kind);
  Layout gone = Layout::row().add(c);
  Layout kept = std::move(gone);
  EXPECT_EQ((std::vector<HWND>{a.hwnd}), treeOf(Layout::column().add(a).add(gone)).controls);
  EXPECT_TRUE(treeOf(gone).root.children.empty());
}

// Sizes in units become pixels at the window's DPI: at 192 every place is
// twice the 96-DPI one; at 144 each part is rounded on its own.
TEST(LayoutValue, UnitsBecomePixelsAtTheDpi) {
  Control a = standIn(1), b = standIn(2), c = standIn(3);
  Layout form = Layout::column({.margin = 10, .gap = 5})
                    .add(Layout::row({.gap = 3}).add(a).addSpace(8).add(b, {.stretch = 1}))
                    .add(c, {.align = Align::centre});
  struct Case {
    int dpi;
    int margin, gap, space, width;
  } cases[] = {{96, 10, 5, 8, 50}, {120, 13, 6, 10, 63}, {144, 15, 8, 12, 75}, {192, 20, 10, 16, 100}};
  for (const Case& k : cases) {
    detail::LayoutTree tree = treeOf(form, k.dpi);
    EXPECT_EQ(k.margin, tree.root.margin) << k.dpi;
    EXPECT_EQ(k.gap, tree.root.gap) << k.dpi;
    EXPECT_EQ(k.space, tree.root.children[0].children[1].length) << k.dpi;
    EXPECT_EQ(k.width, tree.root.children[1].natural.width) << k.dpi;
    EXPECT_EQ(k.width, tree.root.children[1].minimum.width) << k.dpi;
  }
  auto at96 = rectsOf(form, 400, 300, 96), at192 = rectsOf(form, 800, 600, 192);
  ASSERT_EQ(at96.size(), at192.size());
  for (std::size_t i = 0; i < at96.size(); ++i)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(2 * at96[i][k], at192[i][k]) << i << "," << k;
  // The natural size in units stays the same whatever the DPI, within rounding.
  geometry::Sizes s96 = geometry::measure(treeOf(form, 96).root);
  geometry::Sizes s144 = geometry::measure(treeOf(form, 144).root);
  EXPECT_NEAR(s96.natural.width * 1.5, s144.natural.width, 3);
  EXPECT_NEAR(s96.natural.height * 1.5, s144.natural.height, 3);
}

// What the window side tells of a control: its natural size, its own minimum
// (else the natural size), and whether it is hidden (no room, not moved).
TEST(LayoutValue, EachControlIsMeasuredOnceAsTheWindowSideSays) {
  Control a = standIn(1), b = standIn(2), c = standIn(3);
  Layout form = Layout::row({.margin = 0, .gap = 4}).add(a).add(b).add(c).add(a);
  std::vector<HWND> asked;
  detail::LayoutTree tree =
      detail::layoutTree(form, NULL, 192, [&](HWND window) -> detail::ControlMeasure {
        asked.push_back(window);
        if (window == b.hwnd) return {40, 10, -1, -1, true};
        if (window == c.hwnd) return {60, 20, 30, 15, false};
        return {10, 10};
      });
  EXPECT_EQ((std::vector<HWND>{a.hwnd, b.hwnd, c.hwnd}), asked);
  EXPECT_EQ((std::vector<HWND>{a.hwnd, NULL, c.hwnd, NULL}), tree.controls);
  const geometry::Node& item = tree.root.children[2];
  EXPECT_EQ(120, item.natural.width);
  EXPECT_EQ(60, item.minimum.width);
  EXPECT_EQ(30, item.minimum.height);
  geometry::Sizes s = geometry::measure(tree.root);
  EXPECT_EQ(20 + 8 + 60, s.minimum.width);  // b takes no room and no gap
  EXPECT_EQ(20 + 8 + 120, s.natural.width);
}

// Negative and oversized numbers are clamped as the header says; a grid of no
// columns is one column.
TEST(LayoutValue, BadNumbersAreClamped) {
  Control a = standIn(1);
  struct Case {
    const char* what;
    Layout layout;
    int stretch, span, columns, margin, gap, length;  // of the root and its first child
  } cases[] = {
      {"negative stretch", Layout::row().add(a, {.stretch = -3}), 0, 1, 1, 11, 7, 0},
      {"huge stretch", Layout::row().add(a, {.stretch = 5000000}), 1000000, 1, 1, 11, 7, 0},
      {"span 0", Layout::grid(3).add(a, {.span = 0}), 0, 1, 3, 11, 7, 0},
      {"negative span", Layout::grid(3).add(a, {.span = -3}), 0, 1, 3, 11, 7, 0},
      {"span wider than the grid", Layout::grid(3).add(a, {.span = 9}), 0, 3, 3, 11, 7, 0},
      {"grid of 0 columns", Layout::grid(0).add(a, {.span = 2}), 0, 1, 1, 11, 7, 0},
      {"grid of -5 columns", Layout::grid(-5).add(a), 0, 1, 1, 11, 7, 0},
      {"negative gap and margin", Layout::row({.margin = -9, .gap = -4}).add(a), 0, 1, 1, 11, 0, 0},
      {"zero margin", Layout::row({.margin = 0}).add(a), 0, 1, 1, 0, 7, 0},
      {"negative space", Layout::row().addSpace(-5), 0, 1, 1, 11, 7, 0},
      {"negative stretch item", Layout::row().addStretch(-2), 0, 1, 1, 11, 7, 0},
  };
  for (const Case& c : cases) {
    geometry::Node root = treeOf(c.layout).root;
    ASSERT_EQ(1u, root.children.size()) << c.what;
    const geometry::Node& first = root.children[0];
    EXPECT_EQ(c.stretch, first.stretch) << c.what;
    EXPECT_EQ(c.span, first.span) << c.what;
    EXPECT_EQ(c.columns, root.columns) << c.what;
    EXPECT_EQ(c.margin, root.margin) << c.what;
    EXPECT_EQ(c.gap, root.gap) << c.what;
    EXPECT_EQ(c.length, first.length) << c.what;
  }
}

// A control takes its first place only: added twice, or in a layout added
// twice, it changes nothing on screen; an empty layout takes no room and no gap.
TEST(LayoutValue, RepeatsAndEmptyLayoutsChangeNothingOnScreen) {
  Control a = standIn(1), b = standIn(2), ok = standIn(3);
  Layout buttons = Layout::row().addStretch().add(ok);
  Layout once = Layout::column().add(a).add(b).add(buttons);
  Layout repeated = Layout::column().add(a).add(b).add(buttons).add(buttons).add(a).add(
      Layout::row().add(b, {.stretch = 2}));
  Layout withEmpty =
      Layout::column().add(Layout::row()).add(a).add(Layout::grid(2)).add(b).add(buttons);
  auto expected = rectsOf(once, 300, 200);
  for (const Layout* layout : {&repeated, &withEmpty}) {
    auto got = rectsOf(*layout, 300, 200);
    ASSERT_LE(expected.size(), got.size());
    for (std::size_t i = 0; i < got.size(); ++i)
      EXPECT_EQ(i < expected.size() ? expected[i] : (std::vector<int>{0, 0, 0, 0}), got[i]) << i;
  }
  EXPECT_EQ((std::vector<HWND>{a.hwnd, b.hwnd, ok.hwnd, NULL, NULL, NULL}),
            treeOf(repeated).controls);
  for (const Layout& empty : {Layout(), Layout::grid(3).addStretch(), Layout::row().addSpace(40)}) {
    geometry::Arrangement arranged = geometry::arrange(treeOf(empty).root, {0, 0, 100, 100});
    EXPECT_EQ(0, arranged.sizes.minimum.width);
    EXPECT_EQ(0, arranged.sizes.natural.height);
    EXPECT_TRUE(arranged.items.empty());
  }
}

// A control without a window, a layout added to itself, nesting too deep and
// too many entries: the runtime check, and the layout as it was.
TEST(LayoutValue, RefusedInputLeavesTheLayoutAsItWas) {
  BoxAnswerer answer(IDIGNORE);
  Control a = standIn(1);
  Layout layout = Layout::row().add(a).addSpace(4);
  std::size_t before = entryCount(layout);

  layout.add(Control());
  layout.add(layout);
  Layout deep = Layout::column().add(a);
  for (int level = 0; level < Layout::maximumDepth; ++level) deep = Layout::column().add(deep);
  EXPECT_EQ(2u, answer.boxes().size());  // 32 levels are taken
  Layout tooDeep = Layout::column().add(deep);
  EXPECT_EQ(1u, entryCount(tooDeep));
  EXPECT_EQ(before, entryCount(layout));

  Layout full = Layout::row();
  for (int i = 1; i < Layout::maximumEntries; ++i) full.addSpace(1);
  EXPECT_EQ(static_cast<std::size_t>(Layout::maximumEntries), entryCount(full));
  full.addStretch().add(a).add(Layout::row());
  EXPECT_EQ(static_cast<std::size_t>(Layout::maximumEntries), entryCount(full));
  Layout half = Layout::row();
  for (int i = 0; i < Layout::maximumEntries / 2; ++i) half.addSpace(1);
  half.add(half).add(Layout(half));  // itself, then a copy that no longer fits
  EXPECT_EQ(static_cast<std::size_t>(Layout::maximumEntries / 2 + 1), entryCount(half));

  std::vector<std::string> expressions;
  for (const auto& box : answer.boxes()) {
    EXPECT_EQ(runtimeCheckCaption, box.caption);
    std::size_t at = box.text.find("Expression: ");
    ASSERT_NE(std::string::npos, at);
    expressions.push_back(box.text.substr(at + 12, box.text.find('\r', at) - at - 12));
  }
  EXPECT_EQ((std::vector<std::string>{"Layout_Control_Handle != NULL", "Layout_Added != this",
                                      "Layout_Depth <= Layout::maximumDepth",
                                      "Layout_Entries < Layout::maximumEntries",
                                      "Layout_Entries < Layout::maximumEntries",
                                      "Layout_Entries <= Layout::maximumEntries",
                                      "Layout_Added != this",
                                      "Layout_Entries <= Layout::maximumEntries"}),
            expressions);
}

// Controls of another window, or windows that ended, are named for the
// window side and left out of the tree, with their grid cells kept.
class LayoutInAWindow : public ControlHost {};

TEST_F(LayoutInAWindow, ControlsOfAnotherParentAreLeftOut) {
  Form other("other", 40, 40, 200, 100, 10, true, true, false, false, false, Control(), false, 0);
  Label mine("mine", 701, 0, 0, 40, 20, form, true, true, false, 0);
  Label theirs("theirs", 702, 0, 0, 40, 20, other, true, true, false, 0);
  Label ended("ended", 703, 0, 0, 40, 20, form, true, true, false, 0);
  Label last("last", 704, 0, 0, 40, 20, form, true, true, false, 0);
  ended.destroy();
  Layout layout = Layout::grid(2).add(theirs).add(mine).add(ended).add(theirs).add(last);
  EXPECT_EQ((std::vector<HWND>{theirs.hwnd, ended.hwnd}),
            detail::controlsOutside(layout, form.hwnd));
  EXPECT_EQ((std::vector<HWND>{mine.hwnd, ended.hwnd, last.hwnd}),
            detail::controlsOutside(layout, other.hwnd));
  detail::LayoutTree tree = treeOf(layout, 96, form.hwnd);
  EXPECT_EQ((std::vector<HWND>{NULL, mine.hwnd, NULL, NULL, last.hwnd}), tree.controls);
  geometry::Arrangement a = geometry::arrange(tree.root, {0, 0, 300, 200});
  EXPECT_EQ(11 + 50 + 7, a.items[1].x);  // the second column
  EXPECT_EQ(11, a.items[4].x);
  other.destroy();
}
