// Named timers: identifiers, duplicates, stopping, and real ticks.
#include <gtest/gtest.h>

#include <map>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {
HWND plainWindow() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}
}  // namespace

TEST(Timers, AnObjectWithoutAWindowStartsNone) {
  Control c;
  EXPECT_FALSE(c.startTimer("a", 10));
  EXPECT_TRUE(c.timers.empty());
  EXPECT_EQ(0, c.timerId("a"));
  EXPECT_FALSE(c.stopTimer("a"));
  MSG msg;
  Sleep(30);
  EXPECT_FALSE(PeekMessageA(&msg, NULL, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST(Timers, IdentifiersStartAtOneAndFollowEachOther) {
  HWND w = plainWindow();
  Control c(w);
  EXPECT_EQ(0, c.timerId("a"));
  EXPECT_EQ(-1, c.timerIndex("a"));
  EXPECT_TRUE(c.startTimer("a", 1000));
  EXPECT_TRUE(c.startTimer("b", 1000));
  EXPECT_EQ(1, c.timerId("a"));  // the first timer is never taken for an absent one
  EXPECT_EQ(2, c.timerId("b"));
  EXPECT_EQ(1, c.timerIndex("b"));
  EXPECT_FALSE(c.startTimer("a", 50));  // name in use
  EXPECT_EQ(2u, c.timers.size());
  EXPECT_EQ(1000, c.timers[0].interval);
  DestroyWindow(w);
}

TEST(Timers, StopAndRestartTakesANewIdentifier) {
  HWND w = plainWindow();
  Control c(w);
  c.startTimer("a", 1000);
  c.startTimer("b", 1000);
  EXPECT_TRUE(c.stopTimer("b"));
  EXPECT_FALSE(c.stopTimer("b"));
  EXPECT_FALSE(c.stopTimer("unknown"));
  EXPECT_TRUE(c.startTimer("b", 1000));
  EXPECT_EQ(3, c.timerId("b"));
  EXPECT_TRUE(c.stopTimer("a"));  // the first timer stops too
  EXPECT_EQ(0, c.timerId("a"));
  EXPECT_EQ(0, c.timerIndex("b"));
  c.stopTimer("b");
  DestroyWindow(w);
}

TEST(Timers, CopiesKeepSeparateLists) {
  HWND w = plainWindow();
  Control a(w);
  a.startTimer("x", 1000);
  Control b(a);
  a.stopTimer("x");
  EXPECT_EQ(1, b.timerId("x"));
  EXPECT_TRUE(b.startTimer("y", 1000));
  EXPECT_EQ(2, b.timerId("y"));
  EXPECT_EQ(0, a.timerId("y"));
  DestroyWindow(w);
}

namespace {
std::map<WPARAM, int> ticks;
INT_PTR CALLBACK countTicks(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_TIMER) {
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form && (static_cast<int>(wParam) == form->timerId("fast") ||
                 static_cast<int>(wParam) == form->timerId("slow")))
      ++ticks[wParam];
  }
  return 0;
}
}  // namespace

TEST(Timers, RealTicksReachTheUserProcedureUnderTheirNames) {
  Form f("timers", 0, 0, 100, 100, 0, true, false, false, false, false, Form(), false, 0);
  f.procedure = countTicks;
  ticks.clear();
  ASSERT_TRUE(f.startTimer("fast", 20));
  ASSERT_TRUE(f.startTimer("slow", 150));
  WPARAM fast = static_cast<WPARAM>(f.timerId("fast"));
  WPARAM slow = static_cast<WPARAM>(f.timerId("slow"));
  EXPECT_TRUE(testing_support::pumpUntil([&] { return ticks[slow] >= 2; }, 10000));
  EXPECT_GT(ticks[fast], ticks[slow]);
  f.stopTimer("fast");
  f.stopTimer("slow");
  testing_support::pump(50);
  int after = ticks[fast];
  testing_support::pump(200);
  EXPECT_EQ(after, ticks[fast]);
  f.destroy();
}
