// The stand-alone scroll bar on real windows: orientation, range and position.
#include <gtest/gtest.h>

#include <vector>

#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::MessageHost;

TEST(ScrollBar, OrientationVisibilityAndFirstRange) {
  MessageHost host;
  struct Row {
    int horizontal;
    bool vertical;
  };
  const Row rows[] = {{1, false}, {0, true}, {2, true}, {-1, true}};
  for (const Row& r : rows) {
    ScrollBar bar(501, 10, 20, 200, 20, host.control(), r.horizontal);
    char name[32] = {0};
    GetClassNameA(bar.hwnd, name, sizeof name);
    EXPECT_STREQ("ScrollBar", name);
    EXPECT_EQ(r.vertical, bar.vertical) << r.horizontal;
    EXPECT_EQ(r.vertical, (bar.currentStyle() & SBS_VERT) != 0) << r.horizontal;
    EXPECT_EQ(0x50010000, bar.currentStyle() & ~SBS_VERT) << r.horizontal;
    EXPECT_EQ(1, int(bar.min)) << r.horizontal;
    EXPECT_EQ(100, int(bar.max)) << r.horizontal;
    EXPECT_EQ(501, bar.dialogId());
    bar.destroy();
  }
  ScrollBar hidden(502, 10, 20, 20, 200, host.control(), 0, false, false);
  EXPECT_FALSE(bool(hidden.visible));
  EXPECT_FALSE(bool(hidden.enabled));
}

TEST(ScrollBar, MinAndMaxKeepEachOther) {
  MessageHost host;
  ScrollBar bar(503, 10, 20, 200, 20, host.control());
  bar.min = 10;
  EXPECT_EQ(10, int(bar.min));
  EXPECT_EQ(100, int(bar.max));
  bar.max = 50;
  EXPECT_EQ(10, int(bar.min));
  EXPECT_EQ(50, int(bar.max));
  EXPECT_TRUE(bar.setRange(-20, 20));
  EXPECT_EQ(-20, int(bar.min));
  EXPECT_EQ(20, int(bar.max));
}

TEST(ScrollBar, PositionStaysInTheRange) {
  MessageHost host;
  ScrollBar bar(504, 10, 20, 200, 20, host.control());
  const int values[][2] = {{40, 40}, {500, 100}, {-5, 1}, {1, 1}, {100, 100}};
  for (const auto& v : values) {
    bar.position = v[0];
    EXPECT_EQ(v[1], int(bar.position)) << v[0];
    EXPECT_EQ(v[1], GetScrollPos(bar.hwnd, SB_CTL)) << v[0];
  }
}

TEST(ScrollBar, WithoutAWindowReadsZero) {
  ScrollBar bar;
  EXPECT_TRUE(bar.isNull());
  EXPECT_EQ(0, int(bar.position));
  EXPECT_EQ(0, int(bar.min));
  EXPECT_EQ(0, int(bar.max));
  bar.position = 5;
  bar.max = 9;
  bar.setRange(1, 2);  // Wine answers TRUE for a null handle; Windows fails
  EXPECT_EQ(0, int(bar.position));
}

// A drag of the thumb by posted mouse messages: the bar tracks it in its own
// loop and tells the parent. A parent that reads `position` keeps the thumb
// where it was dropped; one that does not leaves it to spring back.
TEST(ScrollBar, ReadingThePositionKeepsADraggedThumb) {
  for (bool reads : {true, false}) {
    MessageHost host;
    ScrollBar bar(505, 10, 20, 300, 20, host.control());
    std::vector<int> read;
    host.onScroll = [&](const MessageHost::Seen&) {
      if (reads) read.push_back(bar.position);
    };
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(bar.hwnd, OBJID_CLIENT, &info));
    int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    PostMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb, 10));
    PostMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb + 120, 10));
    PostMessageA(bar.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(thumb + 120, 10));
    ASSERT_TRUE(testing_support::pumpUntil(
        [&] {
          for (const MessageHost::Seen& s : host.seen)
            if (LOWORD(s.wParam) == SB_ENDSCROLL) return true;
          return false;
        },
        5000))
        << reads;
    int dropped = 0;
    for (const MessageHost::Seen& s : host.seen)
      if (LOWORD(s.wParam) == SB_THUMBPOSITION) dropped = static_cast<short>(HIWORD(s.wParam));
    EXPECT_GT(dropped, 1) << reads;
    if (reads) {
      EXPECT_FALSE(read.empty());
      EXPECT_EQ(dropped, read.back());
      EXPECT_EQ(dropped, GetScrollPos(bar.hwnd, SB_CTL));
    } else {
      EXPECT_EQ(1, GetScrollPos(bar.hwnd, SB_CTL));
    }
  }
}
