// Rich text box: selection, lines, formats, margins, searching and loading
// files, read back through the control.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::TempFile;

namespace {

// Records the messages of one kind sent to a window, then passes them on.
class MessageSpy {
 public:
  MessageSpy(HWND window, UINT message) : window(window), message(message) {
    active = this;
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageSpy::procedure)));
  }
  ~MessageSpy() {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    active = nullptr;
  }
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  struct Seen {
    WPARAM wParam;
    LPARAM lParam;
  };
  std::vector<Seen> seen;

 private:
  static LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == active->message) active->seen.push_back({wp, lp});
    return CallWindowProcA(active->original, w, m, wp, lp);
  }
  static MessageSpy* active;
  HWND window;
  UINT message;
  WNDPROC original = nullptr;
};
MessageSpy* MessageSpy::active = nullptr;

class RichTextBoxTest : public ::testing::Test {
 protected:
  RichTextBoxTest()
      : form("Rich text", 10, 10, 420, 320, 0, true, false, false, false, false, Control(), false,
             0),
        box("", 151, 5, 5, 380, 260, form) {}

  // The plain text as the window holds it.
  std::string plain() const { return String(box.Control::text).str(); }

  CHARFORMATA formatAt(int position) { return testing_support::charFormatAt(box.hwnd, position); }

  Form form;
  RichTextBox box;
};

DWORD CALLBACK streamToFile(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  std::string* out = reinterpret_cast<std::string*>(cookie);
  out->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
  *done = count;
  return 0;
}

}  // namespace

TEST_F(RichTextBoxTest, CreatedAsTheControlClassWithItsStyles) {
  ASSERT_TRUE(box.isCreated());
  char cls[32] = {0};
  GetClassNameA(box.hwnd, cls, sizeof cls);
  EXPECT_STREQ("RICHEDIT", cls);
  EXPECT_EQ(151, GetDlgCtrlID(box.hwnd));
  // WS_VSCROLL is left out: the control sets and clears it as the scroll bar
  // comes and goes.
  const DWORD kept = WS_CHILD | WS_TABSTOP | ES_MULTILINE | WS_VISIBLE;
  EXPECT_EQ(kept, static_cast<DWORD>(box.currentStyle()) & kept);
  LRESULT mask = SendMessageA(box.hwnd, EM_GETEVENTMASK, 0, 0);
  EXPECT_EQ(ENM_CHANGE | ENM_SCROLL, mask & (ENM_CHANGE | ENM_SCROLL));
  // The control answers no WM_GETFONT; the GUI font shows in the text, which
  // reads bold under the control's own start-up font.
  box.text = "plain";
  EXPECT_FALSE(formatAt(0).dwEffects & CFE_BOLD);

  RichTextBox hidden("start text", 152, 0, 0, 100, 50, form, false, false);
  EXPECT_EQ("start text", String(hidden.text).str());
  EXPECT_FALSE(IsWindowVisible(hidden.hwnd));
  EXPECT_FALSE(IsWindowEnabled(hidden.hwnd));
}

TEST_F(RichTextBoxTest, SelectionPropertiesFollowTheControl) {
  box.text = "Hello world\r\nsecond";  // 19 characters
  struct Row {
    int start, end;       // passed to select
    int selStart, selEnd;  // read back
    const char* selected;
  };
  const Row rows[] = {
      {0, 5, 0, 5, "Hello"},
      {7, 4, 4, 7, "o w"},        // a reversed range reads in order
      {6, 6, 6, 6, ""},           // a caret
      {10, 15, 10, 15, "d\r\nse"},
      {50, 60, 19, 19, ""},       // past the end: clamped to the length
  };
  for (const Row& r : rows) {
    box.select(r.start, r.end);
    EXPECT_EQ(r.selStart, int(box.selStart)) << r.start << ".." << r.end;
    EXPECT_EQ(r.selEnd, int(box.selEnd)) << r.start << ".." << r.end;
    EXPECT_EQ(r.selEnd - r.selStart, int(box.selLength)) << r.start << ".." << r.end;
    EXPECT_EQ(r.selStart != r.selEnd, bool(box.hasSelection)) << r.start << ".." << r.end;
    EXPECT_EQ(r.selected, String(box.selectedText).str()) << r.start << ".." << r.end;
  }

  // Everything: the control may end the selection past the text (at the final
  // paragraph mark); only the text itself is read.
  box.select(0, -1);
  EXPECT_GE(int(box.selEnd), 19);
  EXPECT_EQ("Hello world\r\nsecond", String(box.selectedText).str());

  box.caretPos = 3;
  EXPECT_EQ(3, int(box.caretPos));
  EXPECT_FALSE(bool(box.hasSelection));

  // Writing replaces the selection and selects what was put in.
  box.select(6, 11);
  box.selectedText = "there, all";
  EXPECT_EQ("Hello there, all\r\nsecond", plain());
  EXPECT_EQ(6, int(box.selStart));
  EXPECT_EQ(16, int(box.selEnd));
  EXPECT_EQ("there, all", String(box.selectedText).str());
  box.selectedText = "";
  EXPECT_EQ("Hello \r\nsecond", plain());
  EXPECT_EQ(6, int(box.selStart));
  EXPECT_EQ(6, int(box.selEnd));

  // replaceSelection tells the control the change cannot be undone.
  box.select(0, 5);
  box.replaceSelection("Howdy");
  EXPECT_EQ("Howdy \r\nsecond", plain());
  box.undo();
  EXPECT_EQ("Howdy \r\nsecond", plain());
}

TEST_F(RichTextBoxTest, LinePropertiesAndVisibleRange) {
  box.text = "ab\r\ncdef\r\ng";  // lines start at 0, 4 and 10
  EXPECT_EQ(3, int(box.lineCount));
  box.caretPos = 6;
  EXPECT_EQ(1, int(box.currentLine));
  EXPECT_EQ(4, int(box.currentLineStart));
  EXPECT_EQ(4, int(box.currentLineLength));
  EXPECT_EQ(2, box.lineFromChar(10));
  EXPECT_EQ(2, box.lineFromCharEx(10));
  EXPECT_EQ(0, box.lineFromCharEx(1));
  EXPECT_EQ(10, box.lineIndex(2));
  EXPECT_EQ(-1, box.lineIndex(7));
  EXPECT_EQ(4, box.lineLength(5));
  EXPECT_EQ(2, box.lineLengthOf(0));
  EXPECT_EQ(1, box.lineLengthOf(2));

  EXPECT_EQ(0, int(box.firstVisibleChar));
  int length = box.textLength;
  for (int corner : {int(box.lastVisibleChar), int(box.bottomLeftChar), int(box.topRightChar)}) {
    EXPECT_GE(corner, 0);
    EXPECT_LE(corner, length);
  }
  // The whole short text is on screen: the bottom right corner is past its end.
  EXPECT_EQ(length, int(box.lastVisibleChar));
}

TEST_F(RichTextBoxTest, FormatsSwitchOnlyTheirEffectOn) {
  struct Row {
    const char* name;
    LRESULT (RichTextBox::*apply)();
    DWORD effect;
  };
  const Row rows[] = {{"bold", &RichTextBox::setBold, CFE_BOLD},
                      {"italic", &RichTextBox::setItalic, CFE_ITALIC},
                      {"underline", &RichTextBox::setUnderline, CFE_UNDERLINE}};
  for (const Row& r : rows) {
    box.text = "plain words here";
    box.select(6, 11);
    (box.*r.apply)();
    (box.*r.apply)();  // twice: still on
    EXPECT_TRUE(formatAt(6).dwEffects & r.effect) << r.name;
    EXPECT_TRUE(formatAt(10).dwEffects & r.effect) << r.name;
    EXPECT_FALSE(formatAt(5).dwEffects & r.effect) << r.name;
    EXPECT_FALSE(formatAt(11).dwEffects & r.effect) << r.name;
  }

  const COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 220), green = RGB(0, 150, 0);
  box.text = "one twofold three";
  box.select(0, 3);
  box.setSelectionColor(red);
  EXPECT_EQ(red, formatAt(0).crTextColor);
  EXPECT_NE(red, formatAt(4).crTextColor);
  box.caretPos = 6;  // inside "twofold"
  box.setWordColor(blue);
  EXPECT_EQ(blue, formatAt(4).crTextColor);
  EXPECT_EQ(blue, formatAt(10).crTextColor);
  EXPECT_EQ(red, formatAt(0).crTextColor);
  EXPECT_NE(blue, formatAt(12).crTextColor);
  box.setTextColor(green);
  for (int at : {0, 5, 16}) EXPECT_EQ(green, formatAt(at).crTextColor) << at;

  EXPECT_EQ(RGB(255, 255, 255), box.setBackColor(RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), box.setBackColor(RGB(4, 5, 6)));
  EXPECT_EQ(RGB(4, 5, 6), box.useSystemBackColor());
}

TEST_F(RichTextBoxTest, FindAndFindInLineAskTheControlOnlyAboutRealRanges) {
  box.text = "one two\r\ntwofold two\r\nthree";  // line 1 starts at 9
  const int whole = -1000;
  struct Row {
    const char* needle;
    int line;  // whole: find in the whole text
    bool wholeWord;
    int expected;
    bool asks;  // whether the control is asked
  };
  const Row rows[] = {
      {"two", whole, false, 4, true},
      {"TWO", whole, false, 4, true},  // case-insensitive
      {"three", whole, false, 22, true},
      {"missing", whole, false, -1, true},
      {"one two\r\ntwofold two\r\nthree!", whole, false, -1, false},  // longer than the text
      {"two", 1, false, 9, true},
      {"two", 1, true, 17, true},  // whole word skips "twofold"
      {"three", 0, false, -1, true},
      {"twofold two and more", 1, false, -1, false},  // longer than the line
      {"two", 3, false, -1, false},   // past the last line
      {"two", -1, false, -1, false},  // no such line
      {"three", 2, false, 22, true},
  };
  for (const Row& r : rows) {
    MessageSpy spy(box.hwnd, EM_FINDTEXTEX);
    int found = r.line == whole ? box.find(r.needle, r.wholeWord)
                                : box.findInLine(r.needle, r.line, r.wholeWord);
    EXPECT_EQ(r.expected, found) << r.needle << " line " << r.line;
    EXPECT_EQ(r.asks, !spy.seen.empty()) << r.needle << " line " << r.line;
  }

  // An empty box and an empty line have no range to search.
  box.text = "a\r\n\r\nb";
  MessageSpy spy(box.hwnd, EM_FINDTEXTEX);
  EXPECT_EQ(-1, box.findInLine("a", 1));
  box.text = "";
  EXPECT_EQ(-1, box.find("a"));
  EXPECT_TRUE(spy.seen.empty());
}

TEST_F(RichTextBoxTest, MarginsAndReadOnlyAreStoredAndPassedOn) {
  {
    MessageSpy spy(box.hwnd, EM_SETMARGINS);
    box.leftMargin = 8;
    box.rightMargin = 8;
    box.setMargins(3, 5);
    ASSERT_EQ(3u, spy.seen.size());
    EXPECT_EQ(WPARAM(EC_LEFTMARGIN), spy.seen[0].wParam);
    EXPECT_EQ(LPARAM(0x00000008), spy.seen[0].lParam);
    EXPECT_EQ(WPARAM(EC_RIGHTMARGIN), spy.seen[1].wParam);
    EXPECT_EQ(LPARAM(0x00080000), spy.seen[1].lParam);
    EXPECT_EQ(WPARAM(EC_LEFTMARGIN | EC_RIGHTMARGIN), spy.seen[2].wParam);
    EXPECT_EQ(LPARAM(0x00050003), spy.seen[2].lParam);
  }
  EXPECT_EQ(3, int(box.leftMargin));
  EXPECT_EQ(5, int(box.rightMargin));
  box.rightMargin = 20;
  EXPECT_EQ(20, int(box.rightMargin));
  EXPECT_EQ(3, int(box.leftMargin));

  box.text = "fixed";
  box.readOnly = true;
  EXPECT_TRUE(bool(box.readOnly));
  EXPECT_TRUE(box.hasStyle(ES_READONLY));
  box.caretPos = 5;
  SendMessageA(box.hwnd, WM_CHAR, 'x', 0);
  EXPECT_EQ("fixed", plain());
  box.text = "set by the program";  // the program still writes
  EXPECT_EQ("set by the program", plain());
  box.readOnly = false;
  EXPECT_FALSE(box.hasStyle(ES_READONLY));
  box.caretPos = 0;
  SendMessageA(box.hwnd, WM_CHAR, 'x', 0);
  EXPECT_EQ("xset by the program", plain());
}

TEST_F(RichTextBoxTest, LoadFileReadsTextAndRtf) {
  struct Row {
    const char* name;
    std::string bytes;
    std::string expected;
  };
  const Row rows[] = {
      {"CR LF pairs", "a\r\nb\r\n", "a\nb\n"},
      {"Ctrl-Z does not end the file", std::string("a\r\nb\x1a" "c\r\nd"),
       std::string("a\nb\x1a" "c\nd")},
      {"lone CR stays", "a\rb\r", "a\rb\r"},
      {"empty file", "", ""},
      {"RTF", "{\\rtf1\\ansi {\\b bold} plain}", "bold plain"},
  };
  for (const Row& r : rows) {
    box.text = "before";
    TempFile file(".txt");
    ASSERT_TRUE(file.write(r.bytes));
    EXPECT_TRUE(box.loadFile(file.path())) << r.name;
    EXPECT_EQ(r.expected, plain()) << r.name;
  }
  EXPECT_TRUE(formatAt(0).dwEffects & CFE_BOLD);

  box.text = "kept";
  EXPECT_FALSE(box.loadFile("C:\\no such folder\\missing.txt"));
  EXPECT_FALSE(box.loadFile(""));
  EXPECT_EQ("kept", plain());
}

TEST_F(RichTextBoxTest, SixHundredLoadsInARowAllSucceed) {
  // Each load must give its file back: a stream left open would use up the
  // runtime's ~500 and make every later load fail.
  TempFile file(".txt");
  ASSERT_TRUE(file.write("line one\r\nline two"));
  int loaded = 0;
  for (int i = 0; i < 600; ++i)
    if (box.loadFile(file.path())) ++loaded;
  EXPECT_EQ(600, loaded);
  EXPECT_EQ("line one\nline two", plain());
}

TEST_F(RichTextBoxTest, StreamedOutRtfLoadsBackWithItsFormats) {
  box.text = "{\\rtf1\\ansi first {\\b strong} words\\par {\\i second} line}";
  const std::string shown = plain();
  std::string rtf;
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, &streamToFile};
  SendMessageA(box.hwnd, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  ASSERT_EQ(0u, rtf.find("{\\rtf")) << rtf;
  TempFile file(".rtf");
  ASSERT_TRUE(file.write(rtf));

  RichTextBox other("", 152, 5, 5, 380, 260, form);
  ASSERT_TRUE(other.loadFile(file.path()));
  EXPECT_EQ(shown, String(other.Control::text).str());
  int strong = other.find("strong");
  ASSERT_GE(strong, 0);
  EXPECT_TRUE(testing_support::charFormatAt(other.hwnd, strong).dwEffects & CFE_BOLD);
  EXPECT_EQ(0, other.find("first"));
}
