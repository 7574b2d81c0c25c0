// The window object base on real windows: geometry, state, styles, tooltip,
// text drawing and the object link in the user-data slot.
#include <gtest/gtest.h>

#include "support/control_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

// The host form at 50, 40 with a client area of 400 x 300, and one plain child.
class Host : public testing_support::ControlHost {
 protected:
  Host() : ControlHost({50, 40, 400, 300}) {}
  HWND parent = form.hwnd;
  HWND child = CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 20, 100, 50, parent,
                               NULL, NULL, NULL);
};

}  // namespace

TEST(ControlWithoutWindow, AnswersMinusOneAndZero) {
  Control c;
  EXPECT_TRUE(c.isNull());
  EXPECT_FALSE(c.isCreated());
  EXPECT_EQ(-1, int(c.width));
  EXPECT_EQ(-1, int(c.height));
  EXPECT_EQ(0, int(c.textLength));
  EXPECT_TRUE(String(c.text) == "");
  EXPECT_TRUE(String(c.toolTip) == "");
  EXPECT_FALSE(bool(c.visible));
  EXPECT_EQ(GetDesktopWindow(), c.parentHwnd);
  EXPECT_EQ(0, c.drawLine);
  EXPECT_FALSE(c.destroy());
}

TEST_F(Host, WrappingAWindowTakesItsParent) {
  Control c(child);
  EXPECT_EQ(child, c.hwnd);
  EXPECT_EQ(parent, c.parentHwnd);
  Control w = Control::wrap(c);
  EXPECT_EQ(child, w.hwnd);
  EXPECT_EQ(parent, w.parentHwnd);
}

TEST_F(Host, SizesBelowTenBecomeTenAndNegativePositionsZero) {
  Control c(child);
  c.resize(5, 5);
  EXPECT_EQ(10, int(c.width));
  EXPECT_EQ(10, int(c.height));
  c.width = 3;
  EXPECT_EQ(10, int(c.width));
  int given = (c.height = -40);
  EXPECT_EQ(-40, given);  // the assignment yields the value given
  EXPECT_EQ(10, int(c.height));
  c.resize(120, 60);
  c.moveTo(-20, 30);
  EXPECT_EQ(0, int(c.x));
  EXPECT_EQ(30, int(c.y));
  c.x = 70;
  EXPECT_EQ(70, int(c.x));
  EXPECT_EQ(30, int(c.y));
  c.y = -1;
  EXPECT_EQ(0, int(c.y));
  EXPECT_EQ(120, int(c.width));
  EXPECT_EQ(120, int(c.clientWidth));
  EXPECT_EQ(60, int(c.clientHeight));
}

TEST_F(Host, PositionIsRelativeToTheActualParentWindow) {
  // parentHwnd names another window: x and y still follow GetParent.
  Control c(child);
  c.parentHwnd = GetDesktopWindow();
  c.moveTo(25, 35);
  EXPECT_EQ(25, int(c.x));
  EXPECT_EQ(35, int(c.y));
}

TEST_F(Host, CentreAndFitInTheParentsClientArea) {
  Control c(child);
  c.resize(100, 50);
  c.centre();
  EXPECT_EQ(150, int(c.x));
  EXPECT_EQ(125, int(c.y));
  c.resize(600, 40);  // wider than the parent: that axis goes to 0
  c.centre();
  EXPECT_EQ(0, int(c.x));
  EXPECT_EQ(130, int(c.y));
  c.resize(100, 50);
  c.moveTo(30, 40);
  c.fitWidthToParent();
  EXPECT_EQ(400, int(c.width));
  EXPECT_EQ(0, int(c.x));
  EXPECT_EQ(40, int(c.y));
  c.fitHeightToParent();
  EXPECT_EQ(300, int(c.height));
  EXPECT_EQ(0, int(c.y));
  c.resize(20, 20);
  c.moveTo(5, 6);
  c.fitToParent();
  EXPECT_EQ(400, int(c.width));
  EXPECT_EQ(300, int(c.height));
  EXPECT_EQ(0, int(c.x));
  EXPECT_EQ(0, int(c.y));
}

TEST_F(Host, CentreAndFitDoNothingWithoutAParentWindow) {
  Control top(parent);
  top.parentHwnd = NULL;
  top.centre();
  top.fitToParent();
  top.fitWidthToParent();
  top.fitHeightToParent();
  EXPECT_EQ(400, int(top.width));
  EXPECT_EQ(50, int(top.x));
  EXPECT_EQ(40, int(top.y));
}

TEST_F(Host, TextVisibilityAndEnabling) {
  Control c(child);
  c.text = "hello";
  EXPECT_TRUE(String(c.caption) == "hello");
  EXPECT_EQ(5, int(c.textLength));
  c.caption = std::string(5000, 'w');
  EXPECT_EQ(5000, int(String(c.text).length));
  c.visible = false;
  EXPECT_FALSE(bool(c.visible));
  c.show();
  EXPECT_TRUE(bool(c.visible));
  c.enabled = false;
  EXPECT_FALSE(bool(c.enabled));
  c.enable();
  EXPECT_TRUE(bool(c.enabled));
}

TEST_F(Host, StyleOperationsReturnTheOldStyle) {
  Control c(child);
  LONG before = c.currentStyle();
  EXPECT_FALSE(c.hasStyle(WS_BORDER));
  EXPECT_EQ(before, c.addStyle(WS_BORDER));
  EXPECT_TRUE(c.hasStyle(WS_BORDER));
  EXPECT_EQ(before | WS_BORDER, c.removeStyle(WS_BORDER));
  EXPECT_FALSE(c.hasStyle(WS_BORDER));
  c.clipChildren = true;
  EXPECT_TRUE(c.hasStyle(WS_CLIPCHILDREN));
  c.clipChildren = false;
  EXPECT_FALSE(c.hasStyle(WS_CLIPCHILDREN));
  LONG ex = c.currentExStyle();
  EXPECT_EQ(ex, c.addExStyle(WS_EX_CLIENTEDGE));
  EXPECT_TRUE(c.hasExStyle(WS_EX_CLIENTEDGE));
  EXPECT_EQ(ex | WS_EX_CLIENTEDGE, c.setExStyle(ex));
  EXPECT_FALSE(c.hasExStyle(WS_EX_CLIENTEDGE));
}

TEST_F(Host, FontsAndDialogIdentifier) {
  Control c(child);
  c.setDefaultFont();
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), c.font());
  HWND numbered = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 10, 10, parent,
                                  reinterpret_cast<HMENU>(777), NULL, NULL);
  EXPECT_EQ(777, Control(numbered).dialogId());
}

namespace {
struct TipCount {
  HWND owner;
  int count;
};
BOOL CALLBACK countTip(HWND w, LPARAM p) {
  TipCount* s = reinterpret_cast<TipCount*>(p);
  char cls[64] = {0};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpiA(cls, "tooltips_class32") == 0 && GetWindow(w, GW_OWNER) == s->owner) ++s->count;
  return TRUE;
}
int countTooltipWindows(HWND owner) {
  TipCount seen = {owner, 0};
  EnumThreadWindows(GetCurrentThreadId(), countTip, reinterpret_cast<LPARAM>(&seen));
  return seen.count;
}
}  // namespace

TEST_F(Host, WritingTheTooltipTwiceLeavesOneTooltipWithTheSecondText) {
  Control c(child);
  c.toolTip = "first tip";
  HWND firstTip = c.tooltipHwnd;
  ASSERT_NE(nullptr, firstTip);
  c.toolTip = "second tip";
  EXPECT_FALSE(IsWindow(firstTip));
  EXPECT_EQ(1, countTooltipWindows(parent));
  EXPECT_TRUE(String(c.toolTip) == "second tip");
  // A long text reads back without overrunning the buffer; how much of it the
  // tooltip hands back is its own business (Wine's stops at 80 characters).
  std::string longTip(3000, 't');
  c.toolTip = longTip;
  std::string back = String(c.toolTip).str();
  EXPECT_GE(back.size(), 80u);
  EXPECT_EQ(0u, longTip.find(back));
}

TEST_F(Host, DrawTextWritesLinesTwentyPixelsApart) {
  HWND canvas = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, parent,
                                NULL, NULL, NULL);
  Control c(canvas);
  EXPECT_EQ(20, c.drawText("one"));
  EXPECT_EQ(40, c.drawText("two"));
  EXPECT_EQ(60, c.drawText("three"));
  c.resetText();
  EXPECT_EQ(0, c.drawLine);
  EXPECT_EQ(20, c.drawText("again"));
  // The first line's text is on screen: some pixel in its band is dark.
  bool inked = false;
  for (int x = 0; x < 40 && !inked; ++x)
    for (int y = 0; y < 20 && !inked; ++y)
      inked = (testing_support::pixelAt(canvas, x, y) & 0xFFFFFF) == 0;
  EXPECT_TRUE(inked);
}

TEST_F(Host, BackColorRegistersTheObjectAndDestroyLeavesTheHandle) {
  Control c(child);
  c.backColor = RGB(1, 2, 3);
  EXPECT_TRUE(c.backColorSet);
  EXPECT_EQ(RGB(1, 2, 3), c.backColorValue);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&c), GetWindowLongPtrA(child, GWLP_USERDATA));
  EXPECT_TRUE(c.destroy());
  EXPECT_EQ(child, c.hwnd);
  EXPECT_FALSE(c.destroy());
}

TEST_F(Host, TheUserDataSlotNeverNamesADeadObject) {
  Control* first = new Control(child);
  first->registerObject();
  Control copy(*first);  // a copy leaves the registration alone
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(first), GetWindowLongPtrA(child, GWLP_USERDATA));
  Control moved(std::move(*first));  // a move re-registers
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&moved), GetWindowLongPtrA(child, GWLP_USERDATA));
  delete first;
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&moved), GetWindowLongPtrA(child, GWLP_USERDATA));
  {
    Control assigned;
    assigned = std::move(moved);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&assigned), GetWindowLongPtrA(child, GWLP_USERDATA));
  }
  EXPECT_EQ(0, GetWindowLongPtrA(child, GWLP_USERDATA));
}

TEST_F(Host, AGrowingContainerKeepsEverySlotOnItsLiveObject) {
  std::vector<Control> controls;
  std::vector<HWND> windows;
  for (int i = 0; i < 12; ++i) {
    windows.push_back(CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, NULL, NULL,
                                      NULL));
    controls.push_back(Control(windows.back()));
    controls.back().registerObject();
  }
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&controls[i]), GetWindowLongPtrA(windows[i], GWLP_USERDATA));
}

TEST_F(Host, ATemporaryRegistrationHandsTheSlotBack) {
  Control owner(child);
  owner.registerObject();
  {
    Control wrapper(child);
    wrapper.backColor = RGB(1, 2, 3);  // registers the wrapper
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&wrapper), GetWindowLongPtrA(child, GWLP_USERDATA));
  }
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&owner), GetWindowLongPtrA(child, GWLP_USERDATA));
}

TEST_F(Host, AnObjectGivenAnotherWindowReleasesTheOldOne) {
  HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, NULL, NULL, NULL);
  Control c(child);
  c.registerObject();
  Control next(other);
  next.registerObject();
  c = std::move(next);  // c now stands for `other`
  EXPECT_EQ(0, GetWindowLongPtrA(child, GWLP_USERDATA));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&c), GetWindowLongPtrA(other, GWLP_USERDATA));
  Control copy(child);
  copy.registerObject();
  copy = Control::wrap(c);  // a copy assignment to another window
  EXPECT_EQ(0, GetWindowLongPtrA(child, GWLP_USERDATA));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&c), GetWindowLongPtrA(other, GWLP_USERDATA));
}

TEST_F(Host, CopiesWorkOnTheSameWindowWithTheirOwnFields) {
  Control* original = new Control(child);
  ASSERT_TRUE(original->startTimer("t", 1000));
  Control copy(*original);
  delete original;
  copy.text = "through the copy";
  EXPECT_EQ("through the copy", testing_support::windowText(child));
  EXPECT_EQ(1u, copy.timers.size());
  EXPECT_TRUE(copy.stopTimer("t"));
}
