// Layout on resize: anchored children, the bars that follow their parent's
// width, centring on the screen, and properties read as plain values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include "support/control_host.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::placeOf;

namespace {

// A frameless form (client area = window) the tests resize.
Form hostForm(int width, int height) {
  return Form("Layout", 30, 30, width, height, 10, true, true, false, false, false, Control(),
              false, 0);
}

std::vector<LONG> placeIn(HWND window) {
  RECT r = placeOf(window);
  return {r.left, r.top, r.right, r.bottom};
}

void resize(HWND window, int width, int height) {
  SetWindowPos(window, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

// Where the first anchored child was when the form's own procedure saw WM_SIZE.
HWND watched = NULL;
std::vector<LONG> watchedAtSize;
INT_PTR CALLBACK watchingProcedure(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_SIZE && watched != NULL) watchedAtSize = placeIn(watched);
  return 0;
}

}  // namespace

// A child at 20,30 100x40 in a 400x300 client; the parent grows by 100x60 (the
// form's procedure then sees the child already moved), gets a WM_SIZE by hand
// (no change), shrinks below the child and comes back: the child is back where
// it started, stretched ones with their size.
TEST(Anchors, ChildrenKeepTheirDistancesToTheAnchoredEdges) {
  struct Row {
    int anchor;
    std::vector<LONG> grown;
  } rows[] = {
      {anchorLeft | anchorTop, {20, 30, 120, 70}},
      {anchorRight | anchorTop, {120, 30, 220, 70}},
      {anchorLeft | anchorBottom, {20, 90, 120, 130}},
      {anchorRight | anchorBottom, {120, 90, 220, 130}},
      {anchorLeft | anchorRight | anchorTop, {20, 30, 220, 70}},
      {anchorLeft | anchorTop | anchorBottom, {20, 30, 120, 130}},
      {anchorLeft | anchorTop | anchorRight | anchorBottom, {20, 30, 220, 130}},
  };
  for (const Row& row : rows) {
    Form form = hostForm(400, 300);
    Label child("child", 701, 20, 30, 100, 40, form, true, true, false, 0);
    child.anchor = row.anchor;
    EXPECT_EQ(row.anchor, child.anchor.get());
    watched = child.hwnd;
    form.procedure = watchingProcedure;
    resize(form.hwnd, 500, 360);
    EXPECT_EQ(row.grown, placeIn(child.hwnd)) << row.anchor;
    EXPECT_EQ(row.grown, watchedAtSize) << row.anchor;
    SendMessageA(form.hwnd, WM_SIZE, 0, 0);
    EXPECT_EQ(row.grown, placeIn(child.hwnd)) << row.anchor;
    resize(form.hwnd, 150, 100);
    resize(form.hwnd, 400, 300);
    EXPECT_EQ((std::vector<LONG>{20, 30, 120, 70}), placeIn(child.hwnd)) << row.anchor;
    watched = NULL;
    form.destroy();
  }
  EXPECT_EQ(anchorLeft | anchorTop, Control().anchor.get());  // no window: the default
}

// The toolbar and the status bar take the parent's new width; the bar divides
// its parts again as they were set (equal, or the rest shared again).
TEST(Bars, FollowTheirParentsWidth) {
  Form form = hostForm(400, 300);
  Toolbar toolbar(10, form, 0, 0);
  toolbar.addButton("", 0, 501);
  StatusBar bar("a;b", 11, form, 2, true, true, 0);
  auto edges = [&] {
    int e[4] = {0};
    int n = static_cast<int>(SendMessageA(bar.hwnd, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(e)));
    return std::vector<int>(e, e + n);
  };
  resize(form.hwnd, 600, 300);
  EXPECT_EQ(600, placeOf(toolbar.hwnd).right - placeOf(toolbar.hwnd).left);
  EXPECT_EQ(600, placeOf(bar.hwnd).right - placeOf(bar.hwnd).left);
  EXPECT_EQ((std::vector<int>{300, -1}), edges());
  bar.setPartWidths({-1, 150});
  resize(form.hwnd, 300, 200);
  EXPECT_EQ(300, placeOf(toolbar.hwnd).right - placeOf(toolbar.hwnd).left);
  EXPECT_EQ((std::vector<int>{150, 300}), edges());
  EXPECT_EQ("a", bar.text(0).str());
  form.destroy();
}

// On the work area: a small form, one larger than the work area (its top left
// corner on it), and a child window (placed in its parent's coordinates).
TEST(CentreOnScreen, CentresOnTheWorkArea) {
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  LONG workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  struct Row {
    LONG width, height;
    bool child;
  } rows[] = {{301, 199, false}, {workWidth + 200, workHeight + 100, false}, {120, 80, true}};
  for (const Row& row : rows) {
    Form parent = hostForm(workWidth - 100, workHeight - 100);
    Form form("centred", 5, 5, row.width, row.height, 10, true, true, false, false, false,
              row.child ? Control(parent.hwnd) : Control(), row.child, 0);
    form.centreOnScreen();
    RECT r;
    GetWindowRect(form.hwnd, &r);
    if (row.width < workWidth) {  // centred, to the pixel
      EXPECT_LE(std::abs(r.left + r.right - work.left - work.right), 1) << row.width;
      EXPECT_LE(std::abs(r.top + r.bottom - work.top - work.bottom), 1) << row.width;
    } else {
      EXPECT_EQ(work.left, r.left);
      EXPECT_EQ(work.top, r.top);
    }
    form.destroy();
    parent.destroy();
  }
}

// get() gives a property's value where a plain value is wanted.
TEST(Property, GetGivesThePlainValue) {
  Form form = hostForm(320, 240);
  TextBox box("abc", 801, 10, 10, 200, 24, form, true, true, false, false, 0);
  MoveWindow(form.hwnd, 40, 50, 330, 250, TRUE);
  auto width = form.width.get();
  static_assert(std::is_same<decltype(width), int>::value, "get() gives the value type");
  char line[64];
  std::snprintf(line, sizeof line, "%d,%d %dx%d %s", form.x.get(), form.y.get(), width,
                form.height.get(), box.text.get().c_str());
  EXPECT_STREQ("40,50 330x250 abc", line);
  form.destroy();
}
