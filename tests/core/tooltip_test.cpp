// Tooltips end with the windows they describe: forms and controls made with a
// tooltip and destroyed, thousands of times, leave no window and no GDI object.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <tarn/tarn.h>

using namespace tarn;

namespace {

BOOL CALLBACK countOne(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Top-level windows of this thread (tooltips are top-level pop-ups).
int threadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), countOne, reinterpret_cast<LPARAM>(&count));
  return count;
}

DWORD gdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

Form makeForm(int kind, const Control& parent = Control(), bool child = false) {
  return Form("tip host", 10, 10, 100, 100, kind, true, false, false, false, false, parent, child,
              0);
}

// One cycle makes a window with a tooltip, ends it the row's way and answers the
// tooltip window, which must be gone by then.
struct Row {
  const char* name;
  std::function<HWND(const Form& host)> cycle;
};

}  // namespace

TEST(Tooltip, EndsWithTheWindowItDescribes) {
  Form host = makeForm(0);
  const int kinds[] = {0, 1, 8, 10, 11};
  int turn = 0;
  const std::vector<Row> rows = {
      {"forms of every frame kind, destroy()",
       [&](const Form&) {
         Form f = makeForm(kinds[turn++ % 5]);
         f.toolTip = "tip";
         HWND tip = f.tooltipHwnd;
         f.destroy();
         return tip;
       }},
      {"form ended by DestroyWindow",
       [](const Form&) {
         Form f = makeForm(0);
         f.toolTip = "tip";
         DestroyWindow(f.hwnd);
         return f.tooltipHwnd;
       }},
      {"tooltip written twice, form destroyed",
       [](const Form&) {
         Form f = makeForm(0);
         f.toolTip = "first";
         f.toolTip = "second";
         HWND tip = f.tooltipHwnd;
         f.destroy();
         return tip;
       }},
      {"form whose control has a tooltip, destroyed",
       [](const Form&) {
         Form f = makeForm(0);
         ImageBox box(300, std::string(), 0, 0, 50, 50, f, 0);
         box.toolTip = "tip";
         f.destroy();
         return box.tooltipHwnd;
       }},
      {"control destroy() inside a live form",
       [](const Form& parent) {
         ImageBox box(300, std::string(), 0, 0, 50, 50, parent, 0);
         box.toolTip = "tip";
         HWND tip = box.tooltipHwnd;
         box.destroy();
         return tip;
       }},
      {"control ended by DestroyWindow inside a live form",
       [](const Form& parent) {
         ImageBox box(300, std::string(), 0, 0, 50, 50, parent, 0);
         box.toolTip = "tip";
         DestroyWindow(box.hwnd);
         return box.tooltipHwnd;
       }},
      {"child form ended by DestroyWindow inside a live form",
       [](const Form& parent) {
         Form child = makeForm(11, parent, true);
         child.toolTip = "tip";
         DestroyWindow(child.hwnd);
         return child.tooltipHwnd;
       }},
  };
  const int cycles = 200;
  for (const Row& row : rows) {
    // The first cycles may load and cache what every later one shares.
    for (int i = 0; i < 5; ++i) row.cycle(host);
    int windowsBefore = threadWindows();
    DWORD gdiBefore = gdiObjects();
    int tipsLeft = 0;
    for (int i = 0; i < cycles; ++i) {
      HWND tip = row.cycle(host);
      if (tip == NULL || IsWindow(tip)) ++tipsLeft;
    }
    EXPECT_EQ(0, tipsLeft) << row.name;
    EXPECT_EQ(windowsBefore, threadWindows()) << row.name;
    // Where the system counts GDI objects (Wine answers 0): a few of slack for
    // caches, while a leak costs at least one per cycle.
    if (gdiBefore != 0) {
      EXPECT_LE(gdiObjects(), gdiBefore + 20) << row.name;
    }
  }
  host.destroy();
}

TEST(Tooltip, NeedsALiveWindow) {
  Control none;
  none.toolTip = "tip";
  EXPECT_EQ(nullptr, none.tooltipHwnd);
  EXPECT_TRUE(String(none.toolTip) == "");

  Form f = makeForm(0);
  f.toolTip = "tip";
  HWND tip = f.tooltipHwnd;
  ASSERT_NE(nullptr, tip);
  EXPECT_EQ(f.hwnd, GetWindow(tip, GW_OWNER));
  EXPECT_TRUE(String(f.toolTip) == "tip");
  DestroyWindow(f.hwnd);
  EXPECT_FALSE(IsWindow(tip));
  // A stale window takes no new tooltip.
  f.toolTip = "again";
  EXPECT_EQ(nullptr, f.tooltipHwnd);
}
