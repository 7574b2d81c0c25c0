// Splitter in both orientations: creation, limits and clamping, reports to the
// parent, pane layout, and drags driven by mouse messages.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

constexpr int barId = 500;
constexpr int barThickness = 6;

std::vector<LPARAM> reports;  // lParam of each WM_COMMAND from the bar

INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && wParam == barId) reports.push_back(lParam);
  return 0;
}

struct Scene {
  explicit Scene(bool horizontal)
      : parent("Splitter parent", 40, 40, 420, 320, 0, true, true, false, false, false, Control(),
               false, 0),
        bar(barId, parent, horizontal, barThickness, true, 0) {
    parent.procedure = recordingProcedure;
    reports.clear();
    SetCursorPos(1010, 760);  // the real pointer stays out of the drag
    UpdateWindow(parent.hwnd);
  }
  ~Scene() {
    ReleaseCapture();
    parent.destroy();
    pump(0);
  }
  int extent() const { return bar.horizontal ? parent.clientHeight : parent.clientWidth; }
  // The mouse at `along` on the moving axis, in the bar's client coordinates.
  LPARAM at(int along) const {
    WORD d = static_cast<WORD>(static_cast<short>(along));
    return bar.horizontal ? MAKELPARAM(2, d) : MAKELPARAM(d, 2);
  }
  void press() { SendMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at(1)); }
  void moveBy(int d) { SendMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, at(d)); }
  void release(int d) { SendMessageA(bar.hwnd, WM_LBUTTONUP, 0, at(d)); }
  // Two neighbouring parent pixels inside the bar placed at `along`.
  std::pair<COLORREF, COLORREF> pixels(int along) const {
    int px = bar.horizontal ? 10 : along + 1;
    int py = bar.horizontal ? along + 1 : 10;
    return {pixelAt(parent.hwnd, px, py), pixelAt(parent.hwnd, px + 1, py)};
  }

  Form parent;
  Splitter bar;
};

class SplitterBothWays : public ::testing::TestWithParam<bool> {};

}  // namespace

TEST(SplitterClamp, KeepsTheBarInsideSignedLimits) {
  struct Row {
    int p, minPos, maxPos, thickness, expected;
  };
  const Row rows[] = {
      {100, 0, 300, 5, 100},   {400, 0, 300, 5, 295},   {-1, 0, 300, 5, 0},
      {10, 50, 300, 5, 50},    {10, -20, 300, 5, 10},   {0, -20, 300, 5, 0},
      {100, 0, 3, 5, 0},       {100, 30, 20, 5, 30},    {INT_MAX, 0, INT_MIN, 5, 0},
      {INT_MAX, 0, 300, 5, 295}, {INT_MIN, INT_MIN, 300, 5, 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(r.expected, splitterClamp(r.p, r.minPos, r.maxPos, r.thickness))
        << r.p << " in " << r.minPos << ".." << r.maxPos << " - " << r.thickness;
}

TEST_P(SplitterBothWays, CreationSizesTheBarAcrossTheParent) {
  Scene s(GetParam());
  ASSERT_TRUE(s.bar.isCreated());
  EXPECT_EQ(barThickness, s.bar.thickness);
  EXPECT_EQ(barId, GetDlgCtrlID(s.bar.hwnd));
  if (GetParam()) {
    EXPECT_EQ(int(s.parent.clientWidth), int(s.bar.width));
    EXPECT_EQ(barThickness, int(s.bar.height));
  } else {
    EXPECT_EQ(barThickness, int(s.bar.width));
    EXPECT_EQ(int(s.parent.clientHeight), int(s.bar.height));
  }
  EXPECT_EQ(s.extent(), s.bar.maxPos);
  EXPECT_EQ(0, s.bar.minPos);
  EXPECT_EQ(0, s.bar.position);
  // The shared STATIC class keeps its own bits.
  DWORD classStyle = static_cast<DWORD>(GetClassLongPtrA(s.bar.hwnd, GCL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW),
            classStyle & (CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW));
}

TEST_P(SplitterBothWays, SetPositionAndLimitsClampAndReport) {
  Scene s(GetParam());
  int farEnd = s.extent() - barThickness;
  struct Row {
    int minPos, maxPos;  // maxPos -1: the parent's extent
    int p, expected;     // expected -1: the farEnd end
  };
  const Row rows[] = {{0, -1, 100, 100}, {0, -1, -5, -1},  {0, -1, 5000, -1},
                      {50, -1, 10, 50},  {-20, -1, 10, 10}, {-20, -1, 0, 0},
                      {0, 3, 40, 0},     {30, 20, 40, 30}};
  for (const Row& r : rows) {
    s.bar.minPos = r.minPos;
    s.bar.maxPos = r.maxPos < 0 ? s.extent() : r.maxPos;
    reports.clear();
    s.bar.position = r.p;
    int expected = r.expected < 0 ? farEnd : r.expected;
    EXPECT_EQ(expected, s.bar.position) << r.p << " in " << r.minPos << ".." << r.maxPos;
    EXPECT_EQ(r.p, s.bar.requestedPosition());
    ASSERT_EQ(1u, reports.size()) << r.p;
    EXPECT_EQ(expected, reports[0]) << r.p;
  }

  // Limits pull the bar in from either side.
  s.bar.setLimits(0, s.extent());
  s.bar.setPosition(200);
  s.bar.setLimits(0, 150);
  EXPECT_EQ(150 - barThickness, s.bar.position);
  s.bar.setPosition(50);
  s.bar.setLimits(120, s.extent());
  EXPECT_EQ(120, s.bar.position);
  reports.clear();
  s.bar.setLimits(0, s.extent());  // already inside: nothing moves, nothing is reported
  EXPECT_EQ(120, s.bar.position);
  EXPECT_TRUE(reports.empty());
}

TEST_P(SplitterBothWays, LayoutPanesFitsBothSidesToTheBar) {
  Scene s(GetParam());
  bool h = GetParam();
  auto pane = [&](int along, int size) {
    int px = h ? 0 : along, py = h ? along : 0;
    int w = h ? 200 : size, ht = h ? size : 200;
    return Control(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, px, py, w, ht,
                                   s.parent.hwnd, NULL, NULL, NULL));
  };
  Control first = pane(0, 50), second = pane(10, 30), last = pane(200, 100);
  s.bar.addControls(false, &first, &second, nullptr);
  s.bar.addControls(true, &last);
  EXPECT_EQ(2u, s.bar.before.size());
  EXPECT_EQ(1u, s.bar.after.size());
  s.bar.setPosition(120);
  s.bar.layoutPanes();
  auto along = [&](const Control& c) { return h ? int(c.y) : int(c.x); };
  auto size = [&](const Control& c) { return h ? int(c.height) : int(c.width); };
  EXPECT_EQ(120, along(first) + size(first));
  EXPECT_EQ(120, along(second) + size(second));
  EXPECT_EQ(120 + barThickness, along(last));
  EXPECT_EQ(300, along(last) + size(last));  // the farEnd edge stays
}

TEST_P(SplitterBothWays, DragDrawsOnTheParentAndMovesOnRelease) {
  Scene s(GetParam());
  s.bar.setPosition(60);
  reports.clear();
  std::pair<COLORREF, COLORREF> ground = s.pixels(110);
  ASSERT_EQ(ground, s.pixels(150));
  ASSERT_EQ(ground.first, ground.second);

  s.press();
  EXPECT_EQ(s.bar.hwnd, GetCapture());
  EXPECT_EQ(LoadCursorA(NULL, GetParam() ? IDC_SIZENS : IDC_SIZEWE), GetCursor());
  EXPECT_TRUE(s.bar.dragging);
  EXPECT_FALSE(s.parent.hasStyle(WS_CLIPCHILDREN));

  s.moveBy(50);
  EXPECT_EQ(110, s.bar.dragPos);
  std::pair<COLORREF, COLORREF> mid = s.pixels(110);
  // A checkerboard: one of two neighbours is inverted, the other untouched.
  EXPECT_TRUE((mid.first == (~ground.first & 0xFFFFFF) && mid.second == ground.second) ||
              (mid.second == (~ground.second & 0xFFFFFF) && mid.first == ground.first))
      << std::hex << mid.first << " " << mid.second;
  s.moveBy(90);
  EXPECT_EQ(ground, s.pixels(110));  // the previous bar is erased
  EXPECT_NE(ground, s.pixels(150));
  EXPECT_EQ(60, s.bar.position);     // the bar itself waits for the release

  s.release(90);
  EXPECT_FALSE(s.bar.dragging);
  EXPECT_EQ(NULL, GetCapture());
  EXPECT_EQ(150, s.bar.position);
  ASSERT_EQ(1u, reports.size());
  EXPECT_EQ(150, reports[0]);
  EXPECT_TRUE(s.parent.hasStyle(WS_CLIPCHILDREN));
  EXPECT_TRUE(pumpUntil([&] { return s.pixels(110) == ground; }, 2000));
  EXPECT_TRUE(pumpUntil([&] { return s.pixels(60) == ground; }, 2000));  // where it was
  COLORREF onBar = pixelAt(s.bar.hwnd, 2, 2), next = pixelAt(s.bar.hwnd, 3, 2);
  EXPECT_EQ(onBar, next);  // no hatching left on the bar
}

TEST_P(SplitterBothWays, DragsStopAtTheEdgesAndAPlainClickReports) {
  Scene s(GetParam());
  int farEnd = s.extent() - barThickness;
  struct Row {
    int minPos, start, by, expected;
  };
  const Row rows[] = {{0, 100, 5000, farEnd}, {0, 100, -5000, 0}, {30, 100, -5000, 30},
                      {0, 100, 0, 100},    {0, 0, 0, 0}};
  for (const Row& r : rows) {
    s.bar.setLimits(0, s.extent());
    s.bar.setPosition(r.start);
    s.bar.minPos = r.minPos;
    reports.clear();
    s.press();
    if (r.by != 0) s.moveBy(r.by);
    s.release(r.by);
    EXPECT_EQ(r.expected, s.bar.position) << r.start << " by " << r.by;
    ASSERT_EQ(1u, reports.size()) << r.start << " by " << r.by;
    EXPECT_EQ(r.expected, reports[0]);
  }
}

TEST_P(SplitterBothWays, LosingTheCaptureCancelsTheDrag) {
  Scene s(GetParam());
  s.bar.setPosition(60);
  std::pair<COLORREF, COLORREF> ground = s.pixels(100);
  reports.clear();
  s.press();
  s.moveBy(40);
  ASSERT_NE(ground, s.pixels(100));
  SetCapture(s.parent.hwnd);
  EXPECT_FALSE(s.bar.dragging);
  EXPECT_EQ(ground, s.pixels(100));  // the drag bar is erased
  EXPECT_TRUE(s.parent.hasStyle(WS_CLIPCHILDREN));
  ReleaseCapture();
  s.release(40);
  EXPECT_EQ(60, s.bar.position);
  EXPECT_TRUE(reports.empty());

  // A later drag works as before.
  s.press();
  s.moveBy(20);
  s.release(20);
  EXPECT_EQ(80, s.bar.position);
}

TEST_P(SplitterBothWays, CopiesAndMovesKeepTheBarWorking) {
  Scene s(GetParam());
  std::vector<Splitter> bars;
  bars.push_back(s.bar);            // a copy: the original still drives the bar
  bars.push_back(std::move(s.bar));  // a move: the new object drives it
  bars.reserve(16);                  // moved again on reallocation
  reports.clear();
  SendMessageA(bars[1].hwnd, WM_LBUTTONDOWN, MK_LBUTTON, s.at(1));
  EXPECT_TRUE(bars[1].dragging);
  EXPECT_FALSE(bars[0].dragging);
  SendMessageA(bars[1].hwnd, WM_MOUSEMOVE, MK_LBUTTON, s.at(30));
  SendMessageA(bars[1].hwnd, WM_LBUTTONUP, 0, s.at(30));
  EXPECT_EQ(30, bars[1].position);
  ASSERT_EQ(1u, reports.size());

  // Gone while dragging: the drag ends with it and the bar is a plain static.
  HWND window = bars[1].hwnd;
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, s.at(1));
  bars.clear();
  EXPECT_EQ(NULL, GetCapture());
  EXPECT_TRUE(s.parent.hasStyle(WS_CLIPCHILDREN));
  reports.clear();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, s.at(1));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, s.at(30));
  SendMessageA(window, WM_LBUTTONUP, 0, s.at(30));
  EXPECT_EQ(NULL, GetCapture());
  for (LPARAM r : reports) EXPECT_EQ(reinterpret_cast<LPARAM>(window), r);  // only static notices
}

INSTANTIATE_TEST_SUITE_P(Orientations, SplitterBothWays, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Horizontal" : "Vertical";
                         });
