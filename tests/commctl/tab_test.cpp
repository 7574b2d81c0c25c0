// The tab control on real windows: type styles, tabs and their records, pages
// placed, shown, hidden and destroyed, and commands passed on to the parent.
#include <gtest/gtest.h>

#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::MessageHost;

namespace {

constexpr LONG typeBits = TCS_VERTICAL | TCS_BOTTOM | TCS_BUTTONS;

Control makePage(HWND parent) {
  return Control(CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 30, 30, parent,
                                 NULL, NULL, NULL));
}

// The page's rectangle in the tab control's client area.
RECT placeOf(const Control& page, HWND tab) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(page.hwnd, &r);
  MapWindowPoints(NULL, tab, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST(Tab, TypesSelectStyleBits) {
  MessageHost host;
  struct Row {
    int type;
    LONG bits;
    bool modalFrame;
  };
  const Row rows[] = {{0, 0, false},     {1, 0x080, false}, {2, 0x002, false}, {3, 0x002, false},
                      {4, 0x100, false}, {5, 0x180, false}, {6, 0x102, false}, {7, 0x102, false},
                      {8, 0, true},      {9, 0, false},     {-1, 0, false}};
  for (const Row& r : rows) {
    Tab tab("not shown", 601, 10, 10, 300, 200, host.control(), r.type);
    EXPECT_EQ(r.bits, tab.currentStyle() & typeBits) << r.type;
    // The control adds WS_CLIPSIBLINGS of its own: compare the bits given.
    EXPECT_EQ(0x42010200 | WS_VISIBLE, tab.currentStyle() & (0x42010200 | WS_VISIBLE)) << r.type;
    EXPECT_EQ(0, tab.currentStyle() & 0xFF & ~typeBits) << r.type;
    EXPECT_EQ(r.modalFrame, tab.hasExStyle(WS_EX_DLGMODALFRAME)) << r.type;
    EXPECT_EQ("Tab", testing_support::windowText(tab.hwnd)) << r.type;
    tab.destroy();
  }
}

TEST(Tab, TabsRecordsAndSelection) {
  MessageHost host;
  Tab tab("", 602, 10, 10, 300, 200, host.control());
  EXPECT_EQ(0, int(tab.count));
  EXPECT_EQ(-1, tab.selected());
  TabPage first = tab.addTab("first");
  TabPage second = tab.addTab("second", 2);
  EXPECT_EQ(0, first.index);
  EXPECT_EQ(1, second.index);
  EXPECT_EQ(tab.hwnd, second.control);
  EXPECT_EQ(2, second.item.iImage);
  EXPECT_EQ(nullptr, second.item.pszText);
  EXPECT_EQ(2, int(tab.count));
  EXPECT_EQ(0, tab.selected());  // the first tab inserted is selected
  EXPECT_EQ(0, tab.select(1));
  EXPECT_EQ(-1, tab.select(7));  // refused: the selection stays
  EXPECT_EQ(1, tab.selected());
  RECT r = tab.tabRect(1);
  EXPECT_EQ(r.right - r.left, int(second.width));
  EXPECT_EQ(r.bottom - r.top, int(second.height));
  EXPECT_GT(int(second.width), 0);

  EXPECT_EQ(1, tab.tab(1).index);
  EXPECT_EQ(tab.hwnd, tab.tab(1).control);
  for (int missing : {2, -1, 100}) {
    TabPage none = tab.tab(missing);
    EXPECT_EQ(-1, none.index) << missing;
    EXPECT_EQ(nullptr, none.control) << missing;
  }
  EXPECT_TRUE(tab.removeTab(0));
  EXPECT_EQ(1, int(tab.count));
  EXPECT_TRUE(tab.clear());
  EXPECT_EQ(0, int(tab.count));
}

TEST(Tab, PagesAreShownWithTheirTab) {
  MessageHost host;
  Tab tab("", 603, 10, 10, 300, 200, host.control());
  TabPage first = tab.addTab("first");
  TabPage second = tab.addTab("second");
  Control one = makePage(host.hwnd);
  Control two = makePage(host.hwnd);
  first.setPage(one);   // the selected tab: placed and shown
  second.setPage(two);  // another tab: hidden
  EXPECT_EQ(tab.hwnd, GetParent(one.hwnd));
  EXPECT_EQ(tab.hwnd, GetParent(two.hwnd));
  EXPECT_TRUE(bool(one.visible));
  EXPECT_FALSE(bool(two.visible));

  second.select();
  EXPECT_EQ(1, tab.selected());
  EXPECT_TRUE(bool(two.visible));
  EXPECT_TRUE(bool(one.visible));  // selecting does not hide the others
  EXPECT_EQ(1, first.hide());
  EXPECT_FALSE(bool(one.visible));
  tab.select(first);
  EXPECT_EQ(0, tab.selected());
  EXPECT_TRUE(bool(one.visible));
  second.hide();
  EXPECT_EQ(1, second.layout());  // not the selected tab: placed, left hidden
  EXPECT_FALSE(bool(two.visible));
}

TEST(Tab, PagesFitTheDisplayAreaWhereverTheControlIs) {
  MessageHost host;
  struct Row {
    int type;
    int x, y;
    bool form;  // a child form as the page instead of a plain window
  };
  const Row rows[] = {{0, 0, 0, false},   {0, 50, 40, false}, {0, 50, 40, true},
                      {4, 50, 40, false}, {2, 50, 40, false}, {2, 50, 40, true},
                      {6, 30, 20, false}, {3, 0, 0, false},   {1, 50, 40, false},
                      {5, 0, 0, false}};
  for (const Row& r : rows) {
    Tab tab("", 604, r.x, r.y, 400, 300, host.control(), r.type);
    TabPage page = tab.addTab("only");
    Control content = r.form ? Control::wrap(Form("page", 0, 0, 50, 50, 10, true, true, false,
                                                  false, false, host.control(), true, 0))
                             : makePage(host.hwnd);
    page.setPage(content);
    RECT at = placeOf(content, tab.hwnd);
    RECT item = tab.tabRect(0);
    RECT client = {0, 0, 0, 0};
    GetClientRect(tab.hwnd, &client);
    LONG style = tab.currentStyle();
    if (style & (TCS_BOTTOM | TCS_VERTICAL)) {
      RECT display = client;
      SendMessageA(tab.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
      EXPECT_EQ(display.left + 5, at.left) << r.type;
      EXPECT_EQ(display.top + 5, at.top) << r.type;
      EXPECT_EQ(display.right - 5, at.right) << r.type;
      EXPECT_EQ(display.bottom - 5, at.bottom) << r.type;
      // Clear of the tabs.
      if (style & TCS_VERTICAL)
        EXPECT_GE(at.left, item.right) << r.type;
      else
        EXPECT_LE(at.bottom, item.top) << r.type;
    } else {
      EXPECT_EQ(5, at.left) << r.type << " at " << r.x;
      EXPECT_EQ(client.right - 5, at.right) << r.type << " at " << r.x;
      EXPECT_EQ(item.bottom + 6, at.top) << r.type << " at " << r.x;
      EXPECT_EQ(client.bottom - 6, at.bottom) << r.type << " at " << r.x;
    }
    EXPECT_TRUE(bool(content.visible)) << r.type;
    tab.destroy();
  }
}

TEST(Tab, RemovingATabDestroysItsPage) {
  MessageHost host;
  Tab tab("", 605, 10, 10, 300, 200, host.control());
  TabPage first = tab.addTab("first");
  tab.addTab("second");
  Control content = makePage(host.hwnd);
  first.setPage(content);
  EXPECT_TRUE(first.remove());
  EXPECT_FALSE(IsWindow(content.hwnd));
  EXPECT_FALSE(first.hasPage);
  EXPECT_EQ(1, int(tab.count));

  TabPage empty;
  EXPECT_TRUE(empty.remove());
  EXPECT_EQ(1, empty.layout());
  EXPECT_EQ(1, empty.hide());
  EXPECT_EQ(0, int(empty.width));
  EXPECT_EQ(0, int(empty.height));
  EXPECT_EQ(1, int(tab.count));
}

TEST(Tab, CommandsFromPagesReachTheParent) {
  MessageHost host;
  Tab one("", 606, 10, 10, 200, 150, host.control());
  Tab two("", 607, 220, 10, 200, 150, host.control());
  for (const Tab* tab : {&one, &two}) {
    HWND button = CreateWindowExA(0, "BUTTON", "go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 40,
                                  60, 24, tab->hwnd, reinterpret_cast<HMENU>(77), NULL, NULL);
    host.seen.clear();
    SendMessageA(button, BM_CLICK, 0, 0);
    ASSERT_EQ(1, host.countOf(WM_COMMAND)) << tab->dialogId();
    EXPECT_EQ(77, LOWORD(host.seen.back().wParam));
    EXPECT_EQ(BN_CLICKED, HIWORD(host.seen.back().wParam));
    EXPECT_EQ(reinterpret_cast<LPARAM>(button), host.seen.back().lParam);
  }
  // Other messages still reach the control's own procedure.
  EXPECT_EQ(0, one.addTab("still a tab control").index);
}
