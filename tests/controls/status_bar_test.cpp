// The status bar: part edges, texts shown and kept, raised parts, part counts
// out of range and long texts.
#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

std::vector<int> edgesOf(const StatusBar& bar) {
  int edges[StatusBar::maxParts] = {0};
  int n = static_cast<int>(SendMessageA(bar.hwnd, SB_GETPARTS, StatusBar::maxParts,
                                        reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + (n > 0 ? n : 0));
}

// The text the bar shows in a part and whether its border is raised.
struct Shown {
  std::string text;
  bool raised;
};

Shown shownIn(const StatusBar& bar, int part) {
  std::vector<char> buffer(4096, '\0');
  LRESULT answer = SendMessageA(bar.hwnd, SB_GETTEXTA, static_cast<WPARAM>(part),
                                reinterpret_cast<LPARAM>(buffer.data()));
  return {buffer.data(), (HIWORD(answer) & SBT_POPOUT) != 0};
}

std::vector<std::string> kept(const StatusBar& bar) {
  std::vector<std::string> out;
  for (int i = 0; i < bar.texts.size(); ++i) out.push_back(bar.texts[i].str());
  return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(ControlHost, StatusBarSplitsTheParentIntoEqualPartsWithTheirTexts) {
  StatusBar bar("one;two;three", 601, form, 3, true, true, 0);
  EXPECT_EQ("msctls_statusbar32", classOf(bar.hwnd));
  EXPECT_EQ(0x50000100, styleOf(bar.hwnd));
  EXPECT_EQ(601, GetDlgCtrlID(bar.hwnd));
  EXPECT_EQ((std::vector<int>{200, 400, -1}), edgesOf(bar));
  EXPECT_EQ(3, int(bar.partCount));
  EXPECT_EQ("two", bar.text(1).str());
  EXPECT_EQ("three", shownIn(bar, 2).text);
  EXPECT_EQ("one", String(static_cast<Control&>(bar).text).str());  // the window text is part 0's
  // Along the bottom of the parent, over its whole width.
  RECT r = placeOf(bar.hwnd);
  EXPECT_EQ(hostHeight, r.bottom);
  EXPECT_EQ(hostWidth, r.right - r.left);

  StatusBar hidden("x", 602, form, 1, true, false, 0);
  EXPECT_EQ(0x40000100, styleOf(hidden.hwnd));
  EXPECT_FALSE(bool(hidden.visible));
}

TEST_F(ControlHost, PartCountsAreTakenIntoOneToAHundred) {
  StatusBar bar("a;b;c", 610, form, 3, true, true, 0);
  struct Row {
    int asked;
    int parts;
  } rows[] = {{0, 1}, {-7, 1}, {1, 1}, {2, 2}, {100, 100}, {101, 100}, {300, 100}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.asked);
    bar.setParts(row.asked);
    std::vector<int> edges = edgesOf(bar);
    ASSERT_EQ(static_cast<std::size_t>(row.parts), edges.size());
    EXPECT_EQ(-1, edges.back());
    for (int k = 0; k + 1 < row.parts; ++k) EXPECT_EQ(hostWidth / row.parts * (k + 1), edges[k]);
    EXPECT_GE(bar.raised.size(), static_cast<std::size_t>(row.parts));
  }
  StatusBar fresh("a;b;c", 611, form, 3, true, true, 0);
  EXPECT_EQ(3u, fresh.raised.size());
  fresh.partCount = 5;
  EXPECT_EQ(5, int(fresh.partCount));
  EXPECT_EQ((std::vector<bool>{false, false, false, false, false}), fresh.raised);
  fresh.partCount = 0;
  EXPECT_EQ(1, int(fresh.partCount));
}

TEST_F(ControlHost, SetTextsShowsNonEmptyPiecesUpToThePartCountAndKeepsThemAll) {
  struct Row {
    const char* name;
    const char* texts;
    Texts shown;  // parts 0..2 afterwards
    Texts keptAfter;
  } rows[] = {
      {"empty piece", "x;;z", {"x", "b", "z"}, {"x", "", "z"}},
      {"more texts than parts", "1;2;3;4;5", {"1", "2", "3"}, {"1", "2", "3", "4", "5"}},
      {"fewer texts", "only", {"only", "b", "c"}, {"only"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StatusBar bar("a;b;c", 620, form, 3, true, true, 0);
    bar.setTexts(String(row.texts));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(row.shown[i], shownIn(bar, i).text) << i;
    EXPECT_EQ(row.keptAfter, kept(bar));
  }
  StatusBar bar("a;b;c", 621, form, 3, true, true, 0);
  bar.setTexts(StringList());  // an empty list changes nothing
  EXPECT_EQ((Texts{"a", "b", "c"}), kept(bar));
}

TEST_F(ControlHost, RaisingAPartRedrawsEveryPartWithOnlyThatOneRaised) {
  StatusBar bar("a;b;c", 630, form, 3, true, true, 0);
  bar.setRaised(1, true);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(i == 1, shownIn(bar, i).raised) << i;
    EXPECT_EQ(std::string(1, static_cast<char>('a' + i)), shownIn(bar, i).text);
  }
  bar.setText(1, "B");
  EXPECT_TRUE(shownIn(bar, 1).raised);  // later texts keep the border
  bar.setRaised(1, false);
  EXPECT_FALSE(shownIn(bar, 1).raised);
  EXPECT_EQ("B", shownIn(bar, 1).text);
}

TEST_F(ControlHost, IndicesPastTheListsGrowThemAndOutOfRangeIndicesDoNothing) {
  StatusBar bar("a;b;c", 640, form, 3, true, true, 0);
  bar.setText(5, "far");  // the bar has no part 5 and refuses it; the text is kept
  EXPECT_EQ((Texts{"a", "b", "c", "", "", "far"}), kept(bar));
  EXPECT_EQ(6u, bar.raised.size());
  EXPECT_EQ("", bar.text(5).str());
  bar.setRaised(7, true);
  EXPECT_EQ(8u, bar.raised.size());
  EXPECT_TRUE(bar.raised[7]);

  for (int index : {-1, 100, 255, 256, 512, 0x10000}) {
    SCOPED_TRACE(index);
    bar.setText(index, "ignored");
    bar.setRaised(index, true);
    EXPECT_EQ(6, bar.texts.size());
    EXPECT_EQ(8u, bar.raised.size());
    EXPECT_EQ("a", shownIn(bar, 0).text);
    EXPECT_FALSE(shownIn(bar, 0).raised);  // 512 would have raised part 0
  }
  EXPECT_EQ("", bar.text(-1).str());
  EXPECT_EQ("", bar.text(99).str());
}

TEST_F(ControlHost, LongPartTextsReadBackWhole) {
  StatusBar bar("a;b", 650, form, 2, true, true, 0);
  const std::string long3k(3000, 'k');
  bar.setText(1, long3k);
  EXPECT_EQ(long3k, bar.text(1).str());
  // The bar reports lengths in 16 bits: longer texts are shown cut, kept whole.
  const std::string huge(70000, 'h');
  bar.setText(0, huge);
  EXPECT_EQ(std::string(0xFFFF, 'h'), bar.text(0).str());
  EXPECT_EQ(huge, bar.texts[0].str());
  EXPECT_EQ(BOOL(TRUE), bar.refresh());
}

TEST(StatusBarWithoutWindow, KeepsTextsAndReadsNoParts) {
  StatusBar bar;
  EXPECT_EQ(HWND(NULL), bar.parentHwnd);
  EXPECT_EQ(0, int(bar.partCount));
  bar.setText(2, "kept");
  EXPECT_EQ(3, bar.texts.size());
  EXPECT_EQ("", bar.text(2).str());
}
