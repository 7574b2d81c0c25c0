// Tips dialog: loading tips files written byte by byte, saving, stepping, the
// tip's formatting in the control, the picture strip, and the tarn-tips tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>
#include "text/tips_bytes.h"
#include "tarn/forms/tips_strip.h"

using namespace tarn;
using tips_bytes::header;
using tips_bytes::record;
using testing_support::TempFile;

namespace {

std::string threeTips(std::int32_t start) {
  return header(start) + record("Alpha", "first body") + record("Beta", "second <B>body</B>") +
         record("Gamma", "third body");
}

// The view's plain text without carriage returns (the control may add them).
std::string shown(const TipsDialog& d) {
  std::string t = testing_support::windowText(d.view.hwnd);
  std::string out;
  for (char c : t)
    if (c != '\r') out += c;
  return out;
}

TipsDialog dialogFor(const std::string& path, bool visible = false) {
  return TipsDialog(path, "Tips", Control(), visible);
}

bool queueEmpty() {
  MSG msg;
  return !PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
}


}  // namespace

TEST(TipsDialog, BuildsTheFormAndItsControls) {
  TipsDialog d("", "Tips caption", Control(), false);
  ASSERT_TRUE(d.isCreated());
  EXPECT_EQ("Tips caption", String(d.text).str());
  EXPECT_TRUE(d.hasExStyle(WS_EX_TOPMOST));
  EXPECT_EQ(400, int(d.width));
  EXPECT_EQ(280, int(d.height));
  struct {
    HWND window;
    int id;
    const char* text;
  } controls[] = {{d.showOnStartup.hwnd, 199, "Show tips on next startup"},
                  {d.nextButton.hwnd, 200, "Next >"},
                  {d.previousButton.hwnd, 201, "< Previous"}};
  for (const auto& c : controls) {
    EXPECT_EQ(d.hwnd, GetParent(c.window)) << c.text;
    EXPECT_EQ(c.id, GetDlgCtrlID(c.window)) << c.text;
    EXPECT_EQ(c.text, testing_support::windowText(c.window));
  }
  EXPECT_EQ(198, GetDlgCtrlID(d.view.hwnd));
  EXPECT_EQ(64, int(d.view.x));
  EXPECT_EQ(int(d.clientWidth) - 64, int(d.view.width));
  EXPECT_TRUE(bool(d.view.readOnly));
  EXPECT_EQ(20, int(d.view.leftMargin));
  EXPECT_EQ(20, int(d.view.rightMargin));
  EXPECT_FALSE(bool(d.showOnStartup.checked));
  EXPECT_EQ("\n\nNo file associated with Control...", shown(d));
  EXPECT_EQ(0, int(d.tipCount));
  EXPECT_EQ(0, int(d.currentTip));
}

TEST(TipsDialog, LoadsFilesWrittenByteByByte) {
  const std::string full(1000, 'x'), fullBody(1000, 'y');
  struct Row {
    const char* name;
    std::string bytes;
    int count;
    int current;
    const char* message;  // the view's text when no tip is shown
  };
  const Row rows[] = {
      {"missing", "", 0, 0, "\n\nAssociated tips file cannot be read..."},
      {"0 bytes", "", 0, 0, "\n\nNo file associated with Control..."},
      {"15 bytes", header(1).substr(0, 15), 0, 0, "\n\nNo file associated with Control..."},
      {"16 bytes", header(1), 0, 0, "\n\nNo tips found in the associated file..."},
      {"2015 bytes", header(1) + std::string(1999, 'q'), 0, 0,
       "\n\nNo tips found in the associated file..."},
      {"2016 bytes", header(1) + record("Only", "one"), 1, 1, nullptr},
      {"start 2", threeTips(2), 3, 2, nullptr},
      {"start 0", threeTips(0), 3, 1, nullptr},
      {"start -5", threeTips(-5), 3, 1, nullptr},
      {"start 99", threeTips(99), 3, 1, nullptr},
      {"partial last record", threeTips(3) + std::string(1500, 'p'), 3, 3, nullptr},
      {"no terminators", header(2) + record("A", "a") + record(full, fullBody), 2, 2, nullptr},
      {"999 characters", header(1) + record(std::string(999, 't'), std::string(999, 'b')), 1, 1,
       nullptr},
  };
  for (const Row& r : rows) {
    TempFile file(".tips");
    if (std::string(r.name) != "missing") {
      ASSERT_TRUE(file.write(r.bytes)) << r.name;
    }
    TipsDialog d = dialogFor(file.path());
    EXPECT_EQ(r.count, int(d.tipCount)) << r.name;
    EXPECT_EQ(r.current, int(d.currentTip)) << r.name;
    if (r.message) {
      EXPECT_EQ(r.message, shown(d)) << r.name;
    } else {
      const Tip& tip = d.tips[static_cast<std::size_t>(r.current) - 1];
      EXPECT_NE(std::string::npos, shown(d).find(tip.title.str())) << r.name;
    }
  }

  TempFile file(".tips");
  ASSERT_TRUE(file.write(header(2) + record("A", "a") + record(full, fullBody)));
  TipsDialog d = dialogFor(file.path());
  ASSERT_EQ(2, int(d.tipCount));
  EXPECT_EQ(full, d.tips[1].title.str());
  EXPECT_EQ(fullBody, d.tips[1].body.str());
}

TEST(TipsDialog, SavesTheBytesItReadAndCutsLongFields) {
  TempFile original(".tips"), copy(".tips"), current(".tips");
  const std::string bytes = threeTips(2);
  ASSERT_TRUE(original.write(bytes));
  TipsDialog d = dialogFor(original.path());
  ASSERT_EQ(3, int(d.tipCount));
  EXPECT_TRUE(d.saveTips(copy.path(), 2));
  EXPECT_EQ(bytes, copy.read());

  // -1 stores the tip shown, and reading the file starts there.
  d.showTip(3);
  EXPECT_TRUE(d.saveTips(current.path(), -1));
  EXPECT_EQ(header(3), current.read().substr(0, 16));
  EXPECT_EQ(3, int(dialogFor(current.path()).currentTip));

  // Fields longer than 999 characters keep their terminator and stay in place.
  TipsDialog longer("", "Tips", Control(), false);
  longer.addTip(std::string(1200, 'T'), std::string(999, 'b'));
  longer.addTip("next", "body");
  TempFile cut(".tips");
  EXPECT_TRUE(longer.saveTips(cut.path(), 1));
  std::string saved = cut.read();
  ASSERT_EQ(16u + 2 * 2000, saved.size());
  EXPECT_EQ(record(std::string(999, 'T'), std::string(999, 'b')), saved.substr(16, 2000));
  EXPECT_EQ(record("next", "body"), saved.substr(2016, 2000));

  EXPECT_FALSE(d.saveTips("C:\\no such folder here\\tips.tips", 1));
}

TEST(TipsDialog, SteppingWrapsAndStaysInsideTheList) {
  TipsDialog d("", "Tips", Control(), false);
  d.nextTip();
  d.previousTip();
  d.showTip(1);
  EXPECT_EQ(0, int(d.currentTip));
  EXPECT_EQ("\n\nNo file associated with Control...", shown(d));

  d.addTip("One", "first");
  EXPECT_EQ(1, int(d.currentTip));
  EXPECT_NE(std::string::npos, shown(d).find("One"));
  d.nextTip();
  EXPECT_EQ(1, int(d.currentTip));
  d.previousTip();
  EXPECT_EQ(1, int(d.currentTip));

  d.addTip("Two", "second");
  d.addTip("Three", "third");
  EXPECT_EQ(1, int(d.currentTip));  // adding does not change the tip shown
  EXPECT_EQ(std::string::npos, shown(d).find("Two"));
  d.previousTip();
  EXPECT_EQ(3, int(d.currentTip));
  EXPECT_NE(std::string::npos, shown(d).find("Three"));
  d.nextTip();
  EXPECT_EQ(1, int(d.currentTip));
  d.nextTip();
  EXPECT_EQ(2, int(d.currentTip));

  for (int outside : {0, -1, 4, 1000}) {
    d.showTip(outside);
    d.currentTip = outside;
    EXPECT_EQ(2, int(d.currentTip)) << outside;
    EXPECT_NE(std::string::npos, shown(d).find("Two")) << outside;
  }
  d.currentTip = 3;
  EXPECT_EQ(3, int(d.currentTip));
}

TEST(TipsDialog, TipTitleIsGreenBoldSixteenPointsAndBodyFollowsItsMarkup) {
  TipsDialog d("", "Tips", Control(), false);
  d.addTip("C:\\{Title}", "plain <B>strong</B> text");
  const std::string text = shown(d);
  ASSERT_NE(std::string::npos, text.find("C:\\{Title}")) << text;
  const std::string raw = testing_support::windowText(d.view.hwnd);
  int title = static_cast<int>(raw.find("Title"));
  CHARFORMATA cf = testing_support::charFormatAt(d.view.hwnd, title);
  EXPECT_EQ(RGB(0, 128, 0), cf.crTextColor);
  EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
  EXPECT_EQ(16 * 20, cf.yHeight);

  cf = testing_support::charFormatAt(d.view.hwnd, static_cast<int>(raw.find("plain")));
  EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
  EXPECT_EQ(10 * 20, cf.yHeight);
  EXPECT_NE(RGB(0, 128, 0), cf.crTextColor);
  cf = testing_support::charFormatAt(d.view.hwnd, static_cast<int>(raw.find("strong")));
  EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
}

TEST(TipsDialog, ButtonsStepAndClosingHides) {
  TipsDialog d("", "Tips", Control(), true);
  d.addTip("One", "1");
  d.addTip("Two", "2");
  d.addTip("Three", "3");
  ASSERT_TRUE(IsWindowVisible(d.hwnd));
  SendMessageA(d.nextButton.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(2, int(d.currentTip));
  SendMessageA(d.previousButton.hwnd, BM_CLICK, 0, 0);
  SendMessageA(d.previousButton.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(3, int(d.currentTip));

  SendMessageA(d.hwnd, WM_CLOSE, 0, 0);
  // Whatever the dialog manager posts after the close must change nothing.
  ASSERT_TRUE(testing_support::pumpUntil(queueEmpty, 5000));
  EXPECT_TRUE(IsWindow(d.hwnd));
  EXPECT_FALSE(IsWindowVisible(d.hwnd));
  EXPECT_EQ(3, int(d.currentTip));
  d.show();
  EXPECT_TRUE(IsWindowVisible(d.hwnd));
  d.hide();
}

TEST(TipsDialog, PictureStripSurvivesARepaintWithErase) {
  TipsDialog d("", "Tips", Control(), true);
  const tipsstrip::Picture& strip = tipsstrip::picture();
  const POINT points[] = {{3, 3}, {36, 82}, {32, 100}, {60, 205}};
  auto stripShown = [&] {
    for (const POINT& p : points)
      if (testing_support::pixelAt(d.hwnd, p.x, p.y) != tipsstrip::colourAt(strip, p.x, p.y))
        return false;
    return true;
  };
  ASSERT_TRUE(testing_support::pumpUntil(stripShown, 5000));
  for (int round = 0; round < 3; ++round) {
    InvalidateRect(d.hwnd, NULL, TRUE);
    UpdateWindow(d.hwnd);  // paints now, erasing first
    ASSERT_TRUE(testing_support::pumpUntil(queueEmpty, 5000));
    for (const POINT& p : points)
      EXPECT_EQ(tipsstrip::colourAt(strip, p.x, p.y), testing_support::pixelAt(d.hwnd, p.x, p.y))
          << "round " << round << " at " << p.x << "," << p.y;
  }
  d.hide();
}

TEST(TipsTool, MakesAFileTheDialogShowsAndTurnsItBackIntoText) {
  TempFile text(".txt"), tips(".tips"), back(".txt");
  ASSERT_TRUE(text.write(
      "Tips for the test\r\n"
      "# First tip\r\n"
      "Press <B>Next</B>.\r\n"
      "# Second tip\r\n"
      "Line one\r\n"
      "Line two\r\n"));
  const std::string tool = "\"" + testing_support::programFolder() + "\\tarn-tips.exe\"";
  testing_support::ChildResult made =
      testing_support::runChild(tool + " make \"" + text.path() + "\" \"" + tips.path() + "\" 2",
                                30000);
  ASSERT_TRUE(made.finished) << made.output;
  EXPECT_EQ(0u, made.exitCode) << made.output;

  TipsDialog d = dialogFor(tips.path());
  ASSERT_EQ(2, int(d.tipCount));
  EXPECT_EQ(2, int(d.currentTip));
  EXPECT_EQ("Second tip", d.tips[1].title.str());
  EXPECT_EQ("Line one\nLine two", d.tips[1].body.str());
  EXPECT_NE(std::string::npos, shown(d).find("Second tip"));
  EXPECT_NE(std::string::npos, shown(d).find("Line one\nLine two"));

  testing_support::ChildResult listed = testing_support::runChild(
      tool + " text \"" + tips.path() + "\" \"" + back.path() + "\"", 30000);
  ASSERT_TRUE(listed.finished) << listed.output;
  EXPECT_EQ(0u, listed.exitCode) << listed.output;
  std::vector<Tip> again = readTipsText(back.read());
  ASSERT_EQ(2u, again.size());
  EXPECT_EQ("First tip", again[0].title.str());
  EXPECT_EQ("Press <B>Next</B>.", again[0].body.str());

  const std::string badCalls[] = {tool, tool + " make", tool + " make a b c d",
                                  tool + " make \"" + text.path() + "\" x.tips notanumber",
                                  tool + " make C:\\missing\\in.txt \"" + back.path() + "\""};
  for (const std::string& call : badCalls) {
    testing_support::ChildResult bad = testing_support::runChild(call, 30000);
    ASSERT_TRUE(bad.finished) << call;
    EXPECT_NE(0u, bad.exitCode) << call;
  }
}
