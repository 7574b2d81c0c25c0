// The converter's RTF read back by the system's rich-edit control.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>
#include <vector>

#include <tarn/tarn.h>

using namespace tarn;

namespace {

// A hidden "RICHEDIT" window of the library the toolkit loaded at start-up.
class RichEdit {
 public:
  RichEdit() {
    window = CreateWindowExA(0, "RICHEDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, NULL,
                             NULL, GetModuleHandleA(NULL), NULL);
  }
  ~RichEdit() {
    if (window) DestroyWindow(window);
  }
  RichEdit(const RichEdit&) = delete;
  RichEdit& operator=(const RichEdit&) = delete;

  HWND window = NULL;

  // The way the rich text box sets its text: set-text-ex in the ANSI code page.
  LRESULT setTextEx(const std::string& rtf) {
    SETTEXTEX how;
    how.flags = ST_DEFAULT;
    how.codepage = CP_ACP;
    return SendMessageA(window, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                        reinterpret_cast<LPARAM>(rtf.c_str()));
  }
  LRESULT setText(const std::string& rtf) {
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(rtf.c_str()));
  }

  // The plain text, paragraph breaks as the control reports them.
  std::string text() const {
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]));
    return std::string(&buffer[0], static_cast<std::size_t>(got));
  }

  // Character format of the one character at `position`.
  CHARFORMATA format(int position) const {
    SendMessageA(window, EM_SETSEL, position, position + 1);
    CHARFORMATA cf;
    ZeroMemory(&cf, sizeof cf);
    cf.cbSize = sizeof cf;
    SendMessageA(window, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
  }

  // Alignment of the paragraph holding `position`.
  WORD alignment(int position) const {
    SendMessageA(window, EM_SETSEL, position, position);
    PARAFORMAT pf;
    ZeroMemory(&pf, sizeof pf);
    pf.cbSize = sizeof pf;
    SendMessageA(window, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf.wAlignment;
  }
};

std::string document(const String& body) { return (rtfHeader() + body + rtfEnd()).str(); }

// The paragraph break as WM_GETTEXT reports it.
std::string breakText() {
  RichEdit probe;
  probe.setTextEx(document(String("a") + rtfNewLines(1) + String("b")));
  std::string t = probe.text();
  return t.size() > 2 ? t.substr(1, t.size() - 2) : std::string("?");
}

}  // namespace

TEST(MarkupReader, RichEditLibraryIsThere) {
  ASSERT_NE(static_cast<HMODULE>(NULL), richEditLibrary);
  RichEdit edit;
  ASSERT_NE(static_cast<HWND>(NULL), edit.window);
  const std::string br = breakText();
  EXPECT_TRUE(br == "\r\n" || br == "\r" || br == "\n") << "break read as [" << br << "]";
}

TEST(MarkupReader, GluedControlWordsSwallowTheTextThatFollows) {
  // Why every token the converter writes carries its delimiter: without it,
  // the reader takes the following letters or digits into the control word.
  RichEdit edit;
  ASSERT_NE(static_cast<HWND>(NULL), edit.window);
  edit.setTextEx("{\\rtf1\\ansi a\\parb}");
  EXPECT_EQ(std::string::npos, edit.text().find('b')) << edit.text();
  edit.setTextEx("{\\rtf1\\ansi \\fs322 ways}");
  EXPECT_EQ("ways", edit.text());
  edit.setTextEx("{\\rtf1\\ansi \\fs201 apple}");
  EXPECT_EQ("apple", edit.text());
}

TEST(MarkupReader, BreaksAndSizesKeepTheTextThatFollowsThem) {
  RichEdit edit;
  ASSERT_NE(static_cast<HWND>(NULL), edit.window);
  const std::string br = breakText();

  edit.setTextEx(document(markupToRtf("a<BR>b")));
  EXPECT_EQ("a" + br + "b", edit.text());
  // A body that begins with a digit, right after the header.
  edit.setTextEx(document(markupToRtf("1\n2\r\n3<br>4")));
  EXPECT_EQ("1" + br + "2" + br + "3" + br + "4", edit.text());
  EXPECT_EQ(10 * 20, edit.format(0).yHeight);
  edit.setTextEx(document(String("x") + rtfNewLines(2) + String("2nd")));
  EXPECT_EQ("x" + br + br + "2nd", edit.text());

  // A title that starts with digits, and text right after the size ends.
  edit.setTextEx(document(rtfFontSize("2 ways", 16) + String("9 lives")));
  EXPECT_EQ("2 ways9 lives", edit.text());
  EXPECT_EQ(16 * 20, edit.format(0).yHeight);   // twips: 16 points
  EXPECT_EQ(10 * 20, edit.format(6).yHeight);   // back to 10 points
}

TEST(MarkupReader, TipReadsBackAsItsPlainText) {
  const String title("2 ways to start");
  const String body(
      "Press <B>F1</B> or open C:\\Tarn\\help.txt {quick}.<BR>"
      "<i>Then</i> <u>read</u> on\r\n<CENTER>centred</CENTER>\n"
      "<Br> and <P> stay.");
  const String rtf = rtfHeader() + rtfNewLines(1) + rtfGreen(rtfBold(rtfFontSize(title, 16))) +
                     rtfNewLines(3) + markupToRtf(body) + rtfEnd();
  RichEdit edit;
  ASSERT_NE(static_cast<HWND>(NULL), edit.window);
  const std::string br = breakText();
  const std::string expected = br + "2 ways to start" + br + br + br +
                               "Press F1 or open C:\\Tarn\\help.txt {quick}." + br +
                               "Then read on" + br + "centred" + br + "<Br> and <P> stay.";

  edit.setTextEx(rtf.str());
  EXPECT_EQ(expected, edit.text());

  // The title: green, bold, 16 points; the body: automatic colour, 10 points.
  const int t = static_cast<int>(br.size());
  CHARFORMATA titleFormat = edit.format(t);
  EXPECT_TRUE(titleFormat.dwEffects & CFE_BOLD);
  EXPECT_FALSE(titleFormat.dwEffects & CFE_AUTOCOLOR);
  EXPECT_EQ(RGB(0, 128, 0), titleFormat.crTextColor);
  EXPECT_EQ(16 * 20, titleFormat.yHeight);

  const int press = static_cast<int>(expected.find("Press"));
  CHARFORMATA bodyFormat = edit.format(press);
  EXPECT_FALSE(bodyFormat.dwEffects & CFE_BOLD);
  EXPECT_EQ(10 * 20, bodyFormat.yHeight);
  EXPECT_TRUE(edit.format(static_cast<int>(expected.find("F1"))).dwEffects & CFE_BOLD);
  EXPECT_FALSE(edit.format(static_cast<int>(expected.find(" or"))).dwEffects & CFE_BOLD);
  EXPECT_TRUE(edit.format(static_cast<int>(expected.find("Then"))).dwEffects & CFE_ITALIC);
  EXPECT_TRUE(edit.format(static_cast<int>(expected.find("read"))).dwEffects & CFE_UNDERLINE);
  EXPECT_FALSE(edit.format(static_cast<int>(expected.find(" on"))).dwEffects & CFE_UNDERLINE);

  // Alignment set by <CENTER> holds for the following paragraphs.
  EXPECT_EQ(PFA_LEFT, edit.alignment(press));
  EXPECT_EQ(PFA_CENTER, edit.alignment(static_cast<int>(expected.find("centred"))));
  EXPECT_EQ(PFA_CENTER, edit.alignment(static_cast<int>(expected.find("stay"))));

  // The same text through the plain set-text message.
  RichEdit plain;
  ASSERT_NE(static_cast<HWND>(NULL), plain.window);
  plain.setText(rtf.str());
  EXPECT_EQ(expected, plain.text());
}

TEST(MarkupReader, ColoursAndLinkRead) {
  RichEdit edit;
  ASSERT_NE(static_cast<HWND>(NULL), edit.window);
  edit.setTextEx(document(rtfRed("r") + rtfGreen("g") + rtfBlue("b") + String("n")));
  EXPECT_EQ("rgbn", edit.text());
  EXPECT_EQ(RGB(255, 0, 0), edit.format(0).crTextColor);
  EXPECT_EQ(RGB(0, 128, 0), edit.format(1).crTextColor);
  EXPECT_EQ(RGB(0, 0, 255), edit.format(2).crTextColor);
  EXPECT_TRUE(edit.format(3).dwEffects & CFE_AUTOCOLOR);

  // The link field is one balanced group: the text on both sides survives
  // and keeps its format. (Wine's reader drops the whole field, its visible
  // result included, so only the surroundings are read back here.)
  edit.setTextEx(document(String("see ") + rtfLink("the site", "http://example.com/") +
                          String("2 now")));
  const std::string read = edit.text();
  ASSERT_GE(read.size(), 9u);
  EXPECT_EQ("see ", read.substr(0, 4));
  EXPECT_EQ("2 now", read.substr(read.size() - 5));
  const int after = static_cast<int>(read.size()) - 5;
  EXPECT_FALSE(edit.format(after).dwEffects & CFE_UNDERLINE);
  EXPECT_TRUE(edit.format(after).dwEffects & CFE_AUTOCOLOR);
}
