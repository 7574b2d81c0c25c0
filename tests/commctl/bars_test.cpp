// Progress and track bars, month calendar and date picker on real windows:
// styles, clamping, ranges and ticks, the parent's notifications, colours.
#include <gtest/gtest.h>

#include <string>

#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::MessageHost;

namespace {

constexpr LONG stateBits = WS_VISIBLE | WS_DISABLED;

std::string classOf(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return name;
}

int trackPos(const Track& track) {
  return static_cast<int>(SendMessageA(track.hwnd, TBM_GETPOS, 0, 0));
}

}  // namespace

TEST(Guage, StylesAndClamping) {
  MessageHost host;
  struct Row {
    bool horizontal, smooth;
    LONG style;
  };
  const Row rows[] = {{true, false, 0x40000000},
                      {true, true, 0x40000001},
                      {false, false, 0x40000004},
                      {false, true, 0x40000005}};
  for (const Row& r : rows) {
    Guage g(401, 5, 6, 200, 20, host.control(), r.horizontal, true, true, false, r.smooth);
    EXPECT_EQ(r.style, g.currentStyle() & ~stateBits) << r.horizontal << r.smooth;
    EXPECT_TRUE(bool(g.visible));
    g.destroy();
  }
  Guage g(402, 5, 6, 200, 20, host.control(), true, false, false);
  EXPECT_EQ("msctls_progress32", classOf(g.hwnd));
  EXPECT_EQ("Guage", testing_support::windowText(g.hwnd));
  EXPECT_FALSE(bool(g.visible));
  EXPECT_FALSE(bool(g.enabled));
  EXPECT_EQ(0, int(g.value));
  const int values[][2] = {{42, 42}, {150, 100}, {100, 100}, {-5, 0}, {0, 0}, {101, 100}};
  for (const auto& v : values) {
    g.value = v[0];
    EXPECT_EQ(v[1], int(g.value)) << v[0];
    EXPECT_EQ(v[1], g.percent) << v[0];
    EXPECT_EQ(v[1], SendMessageA(g.hwnd, PBM_GETPOS, 0, 0)) << v[0];
  }
}

TEST(Track, StyleRangeTicksAndClamps) {
  MessageHost host;
  Track track(403, 10, 10, 200, 40, host.control(), 10);
  EXPECT_EQ("msctls_trackbar32", classOf(track.hwnd));
  EXPECT_EQ("Track", testing_support::windowText(track.hwnd));
  EXPECT_EQ(0x50010001, track.currentStyle());
  EXPECT_EQ(10, track.maximum);
  EXPECT_EQ(0, int(track.min));
  EXPECT_EQ(10, int(track.max));
  EXPECT_EQ(11, int(track.range));  // ticks at 0..10
  track.clearTicks();
  EXPECT_EQ(2, int(track.range));  // the two ends remain

  const int values[][3] = {{5, 5, 5}, {50, 50, 10}, {-3, 0, 0}, {10, 10, 10}};
  for (const auto& v : values) {
    track.value = v[0];
    EXPECT_EQ(v[1], track.position) << v[0];
    EXPECT_EQ(v[2], trackPos(track)) << v[0];  // the control keeps the thumb in range
    EXPECT_EQ(v[2], int(track.value)) << v[0];
  }
  track.min = 3;
  EXPECT_EQ(3, int(track.min));
  EXPECT_EQ(10, int(track.max));
  track.max = 20;
  EXPECT_EQ(3, int(track.min));
  EXPECT_EQ(20, int(track.max));

  Track hidden(404, 10, 60, 40, 200, host.control(), 5, false, false, false, true);
  EXPECT_EQ(0x40010003, hidden.currentStyle() & ~stateBits);
  EXPECT_FALSE(bool(hidden.visible));
  EXPECT_FALSE(bool(hidden.enabled));
}

TEST(Track, WideRangesKeepTheirEnds) {
  MessageHost host;
  // Wine's track bar keeps an array with one entry per automatic tick: on
  // 64-bit Wine a range of two billion allocates 8 GB and faults while
  // filling it (32-bit Wine's size wraps, the allocation fails, nothing is
  // kept). Windows draws the ticks without such an array.
#ifdef _WIN64
  const int maxima[] = {0, 10, 32767, 32768, 40000, 100000};
#else
  const int maxima[] = {0, 10, 32767, 32768, 40000, 100000, 2000000000};
#endif
  for (int m : maxima) {
    Track built(405, 10, 10, 200, 40, host.control(), m, true, false);
    EXPECT_EQ(0, int(built.min)) << m;
    EXPECT_EQ(m, int(built.max)) << m;
    Track set(406, 10, 60, 200, 40, host.control(), 10, true, false);
    set.min = 7;
    set.range = m;
    EXPECT_EQ(0, int(set.min)) << m;
    EXPECT_EQ(m, int(set.max)) << m;
    built.destroy();
    set.destroy();
  }
}

TEST(Track, SettingTheValueNotifiesTheParentByOrientation) {
  MessageHost host;
  struct Row {
    bool vertical;
    UINT message;
  };
  const Row rows[] = {{false, WM_HSCROLL}, {true, WM_VSCROLL}};
  for (const Row& r : rows) {
    Track track(407, 10, 10, r.vertical ? 40 : 200, r.vertical ? 200 : 40, host.control(), 10, true,
                true, false, r.vertical);
    host.seen.clear();
    const int values[][2] = {{4, 4}, {-3, 0}, {9, 9}};
    for (const auto& v : values) {
      track.value = v[0];
      ASSERT_EQ(1u, host.seen.size()) << r.vertical << " " << v[0];
      const MessageHost::Seen& s = host.seen.back();
      EXPECT_EQ(r.message, s.message) << r.vertical;
      EXPECT_EQ(TB_THUMBTRACK, LOWORD(s.wParam)) << r.vertical;
      EXPECT_EQ(v[1], HIWORD(s.wParam)) << r.vertical << " " << v[0];
      EXPECT_EQ(reinterpret_cast<LPARAM>(track.hwnd), s.lParam) << r.vertical;
      host.seen.clear();
    }
    // The control's own notifications for a key press use the same message.
    track.value = 5;
    host.seen.clear();
    SendMessageA(track.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(track.hwnd, WM_KEYUP, VK_DOWN, 0);
    EXPECT_GT(host.countOf(r.message), 0) << r.vertical;
    EXPECT_EQ(0, host.countOf(r.message == WM_HSCROLL ? WM_VSCROLL : WM_HSCROLL)) << r.vertical;
    track.destroy();
  }
  // Without a window there is nothing to tell of (such an object's parent is
  // the desktop; here the host stands in for it).
  Track none;
  none.parentHwnd = host.hwnd;
  host.seen.clear();
  none.value = 3;
  EXPECT_EQ(3, none.position);
  EXPECT_TRUE(host.seen.empty());
}

TEST(MonthCalendar, CreationAndColoursTrailingDaysToo) {
  MessageHost host;
  MonthCalendar calendar("not shown", 408, 20, 30, 250, 200, host.control());
  EXPECT_EQ("SysMonthCal32", classOf(calendar.hwnd));
  EXPECT_EQ("", testing_support::windowText(calendar.hwnd));
  EXPECT_EQ(0x40010000, calendar.currentStyle() & ~stateBits);
  EXPECT_TRUE(bool(calendar.visible));
  EXPECT_EQ(20, int(calendar.x));
  EXPECT_EQ(30, int(calendar.y));
  EXPECT_EQ(250, int(calendar.width));
  EXPECT_EQ(200, int(calendar.height));
  struct Row {
    const char* name;
    Property<MonthCalendar, COLORREF> MonthCalendar::*property;
    int parts[2];  // MCSC_* parts that must read the colour back; -1 for none
  };
  const Row rows[] = {
      {"titleBackColor", &MonthCalendar::titleBackColor, {MCSC_TITLEBK, -1}},
      {"titleTextColor", &MonthCalendar::titleTextColor, {MCSC_TITLETEXT, -1}},
      {"monthBackColor", &MonthCalendar::monthBackColor, {MCSC_MONTHBK, MCSC_TRAILINGTEXT}},
  };
  COLORREF colour = RGB(10, 20, 30);
  for (const Row& r : rows) {
    COLORREF untouched =
        static_cast<COLORREF>(SendMessageA(calendar.hwnd, MCM_GETCOLOR, MCSC_TEXT, 0));
    calendar.*r.property = colour;
    for (int part : r.parts) {
      if (part < 0) continue;
      EXPECT_EQ(colour, static_cast<COLORREF>(SendMessageA(calendar.hwnd, MCM_GETCOLOR,
                                                           static_cast<WPARAM>(part), 0)))
          << r.name << " part " << part;
    }
    EXPECT_EQ(untouched,
              static_cast<COLORREF>(SendMessageA(calendar.hwnd, MCM_GETCOLOR, MCSC_TEXT, 0)))
        << r.name;
    colour += RGB(20, 20, 20);
  }
}

TEST(DatePicker, CreationPlacesAndHides) {
  MessageHost host;
  DatePicker picker("not shown", 409, 15, 25, 140, 24, host.control(), false, false);
  EXPECT_EQ("SysDateTimePick32", classOf(picker.hwnd));
  EXPECT_EQ(0x40010000, picker.currentStyle() & ~stateBits);
  EXPECT_FALSE(bool(picker.visible));
  EXPECT_FALSE(bool(picker.enabled));
  EXPECT_EQ(15, int(picker.x));
  EXPECT_EQ(140, int(picker.width));
  EXPECT_EQ(409, picker.dialogId());
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), picker.font());
}
