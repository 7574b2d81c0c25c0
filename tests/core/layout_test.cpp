// Layout on resize: children anchored to their parent's edges, the bars that
// follow their parent's width, centring on the screen, and reading properties
// as plain values.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <type_traits>

#include "support/control_host.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::placeOf;

namespace {

// A frameless form (client area = window) the tests resize.
Form hostForm(int width = 400, int height = 300) {
  return Form("Layout", 30, 30, width, height, 10, true, true, false, false, false, Control(),
              false, 0);
}

std::string show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// What the form's own procedure saw of the first anchored child when WM_SIZE reached it.
HWND watchedChild = NULL;
std::vector<RECT> childAtSize;
INT_PTR CALLBACK watchingProcedure(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_SIZE && watchedChild != NULL) childAtSize.push_back(placeOf(watchedChild));
  return 0;
}

}  // namespace

// Each child starts at 20,30 100x40 in a 400x300 client; the parent grows by
// 100x60, shrinks far below the child (stretched children reach size 0) and
// comes back: every child is back where it started.
TEST(Anchors, ChildrenKeepTheirDistancesToTheAnchoredEdges) {
  struct Row {
    const char* name;
    int anchor;
    RECT grown;
  } rows[] = {
      {"left top", anchorLeft | anchorTop, {20, 30, 120, 70}},
      {"right", anchorRight | anchorTop, {120, 30, 220, 70}},
      {"bottom", anchorLeft | anchorBottom, {20, 90, 120, 130}},
      {"right bottom", anchorRight | anchorBottom, {120, 90, 220, 130}},
      {"left right", anchorLeft | anchorRight | anchorTop, {20, 30, 220, 70}},
      {"top bottom", anchorLeft | anchorTop | anchorBottom, {20, 30, 120, 130}},
      {"all four", anchorLeft | anchorTop | anchorRight | anchorBottom, {20, 30, 220, 130}},
  };
  const RECT start = {20, 30, 120, 70};
  for (const Row& row : rows) {
    Form form = hostForm();
    Label child("child", 701, 20, 30, 100, 40, form, true, true, false, 0);
    child.anchor = row.anchor;
    EXPECT_EQ(row.anchor, child.anchor.get()) << row.name;
    watchedChild = child.hwnd;
    childAtSize.clear();
    form.procedure = watchingProcedure;

    SetWindowPos(form.hwnd, NULL, 0, 0, 500, 360, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(show(row.grown), show(placeOf(child.hwnd))) << row.name;
    // The form's procedure saw WM_SIZE, with the child already laid out.
    ASSERT_FALSE(childAtSize.empty()) << row.name;
    EXPECT_EQ(show(row.grown), show(childAtSize.back())) << row.name;
    // A WM_SIZE sent by hand is no change of size.
    SendMessageA(form.hwnd, WM_SIZE, 0, 0);
    EXPECT_EQ(show(row.grown), show(placeOf(child.hwnd))) << row.name;

    MoveWindow(form.hwnd, 30, 30, 150, 100, TRUE);
    MoveWindow(form.hwnd, 30, 30, 400, 300, TRUE);
    EXPECT_EQ(show(start), show(placeOf(child.hwnd))) << row.name;
    watchedChild = NULL;
    form.destroy();
  }
}

// A child the program moves itself is laid out from where it now stands, and
// the plain anchor takes it out of the layout.
TEST(Anchors, FollowMovesByTheProgramAndEndWithThePlainAnchor) {
  Form form = hostForm();
  Label child("child", 701, 20, 30, 100, 40, form, true, true, false, 0);
  child.anchor = anchorRight | anchorTop;
  child.moveTo(50, 60);
  SetWindowPos(form.hwnd, NULL, 0, 0, 440, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(show({90, 60, 190, 100}), show(placeOf(child.hwnd)));
  child.anchor = anchorLeft | anchorTop;
  EXPECT_EQ(anchorLeft | anchorTop, child.anchor.get());
  SetWindowPos(form.hwnd, NULL, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(show({90, 60, 190, 100}), show(placeOf(child.hwnd)));
  EXPECT_EQ(anchorLeft | anchorTop, Control().anchor.get());  // no window: the default
  form.destroy();
}

// The status bar and the toolbar take the parent's new width before its own
// procedure sees WM_SIZE; the bar's parts are divided again.
HWND watchedBar = NULL;
std::vector<int> barWidthAtSize;
INT_PTR CALLBACK barProcedure(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_SIZE && watchedBar != NULL) {
    RECT r = placeOf(watchedBar);
    barWidthAtSize.push_back(r.right - r.left);
  }
  return 0;
}

TEST(Bars, FollowTheirParentsWidth) {
  auto edgesOf = [](HWND bar) {
    int edges[StatusBar::maxParts] = {0};
    int n = static_cast<int>(
        SendMessageA(bar, SB_GETPARTS, StatusBar::maxParts, reinterpret_cast<LPARAM>(edges)));
    return std::vector<int>(edges, edges + (n > 0 ? n : 0));
  };
  auto widthOf = [](HWND window) {
    RECT r = placeOf(window);
    return static_cast<int>(r.right - r.left);
  };
  Form form = hostForm(400, 300);
  Toolbar toolbar(10, form, 0, 0);
  toolbar.addButton("", 0, 501);
  StatusBar equal("a;b", 11, form, 2, true, true, 0);
  EXPECT_EQ((std::vector<int>{200, -1}), edgesOf(equal.hwnd));
  watchedBar = equal.hwnd;
  barWidthAtSize.clear();
  form.procedure = barProcedure;

  SetWindowPos(form.hwnd, NULL, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(600, widthOf(equal.hwnd));
  EXPECT_EQ(600, widthOf(toolbar.hwnd));
  EXPECT_EQ((std::vector<int>{300, -1}), edgesOf(equal.hwnd));
  ASSERT_FALSE(barWidthAtSize.empty());
  EXPECT_EQ(600, barWidthAtSize.back());

  // Given widths: the part that takes the rest is shared again.
  equal.setPartWidths({-1, 150});
  EXPECT_EQ((std::vector<int>{450, 600}), edgesOf(equal.hwnd));
  MoveWindow(form.hwnd, 30, 30, 300, 200, TRUE);
  EXPECT_EQ(300, widthOf(equal.hwnd));
  EXPECT_EQ(300, widthOf(toolbar.hwnd));
  EXPECT_EQ((std::vector<int>{150, 300}), edgesOf(equal.hwnd));
  EXPECT_EQ("a", equal.text(0).str());  // the texts stay
  watchedBar = NULL;
  form.destroy();
}

// Centred on the work area: a window smaller than it, one larger (its top
// left corner stays on the work area), and a child window (placed in its
// parent's coordinates).
TEST(CentreOnScreen, CentresOnTheWorkArea) {
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  struct Row {
    const char* name;
    int width, height;
    bool child;
  } rows[] = {
      {"small form", 300, 200, false},
      {"odd sizes", 301, 199, false},
      {"larger than the work area", workWidth + 200, workHeight + 100, false},
      {"child window", 120, 80, true},
  };
  for (const Row& row : rows) {
    Form parent = hostForm(workWidth - 100, workHeight - 100);
    Form form(row.name, 5, 5, row.width, row.height, 10, true, true, false, false, false,
              row.child ? Control(parent.hwnd) : Control(), row.child, 0);
    form.centreOnScreen();
    RECT r;
    GetWindowRect(form.hwnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    int expectedLeft = work.left + (w < workWidth ? (workWidth - w) / 2 : 0);
    int expectedTop = work.top + (h < workHeight ? (workHeight - h) / 2 : 0);
    EXPECT_EQ(expectedLeft, r.left) << row.name;
    EXPECT_EQ(expectedTop, r.top) << row.name;
    form.destroy();
    parent.destroy();
  }
  Control().centreOnScreen();  // no window: nothing happens
}

// get() gives a property's value where a plain value is wanted.
TEST(Property, GetGivesThePlainValue) {
  Form form = hostForm(320, 240);
  TextBox box("abc", 801, 10, 10, 200, 24, form, true, true, false, false, 0);
  MoveWindow(form.hwnd, 40, 50, 330, 250, TRUE);
  auto width = form.width.get();
  static_assert(std::is_same<decltype(width), int>::value, "get() gives the value type");
  char line[64];
  std::snprintf(line, sizeof line, "%d,%d %dx%d %s %d", form.x.get(), form.y.get(), width,
                form.height.get(), box.text.get().c_str(), box.visible.get() ? 1 : 0);
  EXPECT_STREQ("40,50 330x250 abc 1", line);
  form.destroy();
}
