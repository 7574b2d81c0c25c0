// The RTF building blocks and the markup converter, as text.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include <tarn/tarn.h>

using namespace tarn;

namespace {

std::string conv(const std::string& markup) { return markupToRtf(String(markup)).str(); }

struct Case {
  const char* markup;
  const char* rtf;
};

void expectAll(const Case* cases, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    EXPECT_EQ(cases[i].rtf, conv(cases[i].markup)) << "markup: " << cases[i].markup;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building blocks

TEST(RtfBlocks, HeaderAndEndAreTheFixedDocumentFrame) {
  EXPECT_EQ(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
      "Arial;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
      "}{\\*\\generator Vellum Pad 1;}\\viewkind4\\uc1\\pard\\f0\\fs20 ",
      rtfHeader().str());
  EXPECT_EQ("}", rtfEnd().str());
  // A fresh value every time: changing one result leaves the next alone.
  String h = rtfHeader();
  h += "x";
  EXPECT_EQ(' ', rtfHeader().str().back());
}

TEST(RtfBlocks, NewLinesRepeatTheDelimitedParagraphToken) {
  EXPECT_EQ("\\par ", rtfNewLines(1).str());
  EXPECT_EQ("\\par \\par \\par ", rtfNewLines(3).str());
  EXPECT_EQ("", rtfNewLines(0).str());
  EXPECT_EQ("", rtfNewLines(-5).str());
  EXPECT_EQ("", rtfNewLines(INT_MIN).str());
  std::string many = rtfNewLines(100000).str();
  ASSERT_EQ(500000u, many.size());
  EXPECT_EQ(std::string::npos, many.find("\\par\\"));
  EXPECT_EQ("\\par ", many.substr(many.size() - 5));
}

TEST(RtfBlocks, NewLinesTooManyToHoldGiveTheEmptyText) {
  if (sizeof(void*) != 4)
    GTEST_SKIP() << "a 64-bit process may hold 10 GB of paragraph marks: asking fills the machine";
  // Longer than any string (or any block of a 32-bit process's memory).
  EXPECT_EQ("", rtfNewLines(0x7FFFFFFF).str());
  EXPECT_EQ("", rtfNewLines(0x7FFFFFFF / 5).str());
}

TEST(RtfBlocks, WrappersPutTheirExactTokensAroundTheText) {
  EXPECT_EQ("\\b x\\b0 ", rtfBold("x").str());
  EXPECT_EQ("\\i x\\i0 ", rtfItalic("x").str());
  EXPECT_EQ("\\ul x\\ulnone ", rtfUnderline("x").str());
  EXPECT_EQ("\\cf1 x\\cf0 ", rtfRed("x").str());
  EXPECT_EQ("\\cf2 x\\cf0 ", rtfGreen("x").str());
  EXPECT_EQ("\\cf3 x\\cf0 ", rtfBlue("x").str());
  EXPECT_EQ("\\qr x", rtfRight("x").str());
  EXPECT_EQ("\\qc x", rtfCenter("x").str());
  // Empty text still gets both tokens.
  EXPECT_EQ("\\b \\b0 ", rtfBold("").str());
  // Text goes in as given: RTF inside stays RTF, nothing is escaped.
  EXPECT_EQ("\\b a\\{\\i0 b}\\b0 ", rtfBold("a\\{\\i0 b}").str());
  // Wrappers nest from the inside out.
  EXPECT_EQ("\\cf2 \\b \\fs32 T\\fs20 \\b0 \\cf0 ",
            rtfGreen(rtfBold(rtfFontSize("T", 16))).str());
}

TEST(RtfBlocks, FontSizeWritesHalfPointsWithDelimitersAndReturnsToTenPoints) {
  EXPECT_EQ("\\fs32 text\\fs20 ", rtfFontSize("text", 16).str());
  // A title that starts or a body that goes on with digits keeps them.
  EXPECT_EQ("\\fs32 2 ways\\fs20 ", rtfFontSize("2 ways", 16).str());
  EXPECT_EQ("\\fs0 x\\fs20 ", rtfFontSize("x", 0).str());
  EXPECT_EQ("\\fs-6 x\\fs20 ", rtfFontSize("x", -3).str());
  // The doubled size never wraps around.
  EXPECT_EQ("\\fs4294967294 x\\fs20 ", rtfFontSize("x", INT_MAX).str());
  EXPECT_EQ("\\fs-4294967296 x\\fs20 ", rtfFontSize("x", INT_MIN).str());
}

TEST(RtfBlocks, LinkIsAHyperlinkFieldShowingTheTextRedAndUnderlined) {
  EXPECT_EQ(
      "{\\field{\\*\\fldinst{HYPERLINK \"http://example.com/a b\"}}"
      "{\\fldrslt{\\cf1\\ul Click here\\ulnone\\cf0}}}",
      rtfLink("Click here", "http://example.com/a b").str());
  EXPECT_EQ("{\\field{\\*\\fldinst{HYPERLINK \"\"}}{\\fldrslt{\\cf1\\ul \\ulnone\\cf0}}}",
            rtfLink("", "").str());
}

// ---------------------------------------------------------------------------
// The converter

TEST(MarkupToRtf, EmptyAndPlainTextPassThrough) {
  EXPECT_EQ("", conv(""));
  EXPECT_EQ("Plain words, 123 & symbols: <> < > ^ ~ |", conv("Plain words, 123 & symbols: <> < > ^ ~ |"));
  // 8-bit characters and embedded zero bytes are kept as they are.
  EXPECT_EQ("caf\xE9 \xA9", conv("caf\xE9 \xA9"));
  EXPECT_EQ(std::string("a\0b", 3), conv(std::string("a\0b", 3)));
}

TEST(MarkupToRtf, BackslashesAreDoubledOnlyWhereTheInputHasThem) {
  const Case cases[] = {
      {"C:\\dir", "C:\\\\dir"},
      {"\\", "\\\\"},
      {"\\\\", "\\\\\\\\"},
      {"a\\b\\", "a\\\\b\\\\"},
      // Markup next to a backslash: only the input's backslash is doubled,
      // the tokens the tags become keep their single backslash.
      {"\\<B>x</B>\\", "\\\\\\b x\\b0 \\\\"},
      {"\\{", "\\\\\\{"},
      {"x\\<BR>y", "x\\\\\\par y"},
      // A backslash before a line feed is text, then the paragraph break.
      {"end\\\nnext", "end\\\\\\par next"},
      // What looks like RTF in the input stays text.
      {"\\par\\b0", "\\\\par\\\\b0"},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, ThePlaceholderWordIsOrdinaryText) {
  // The doubling is one pass of its own: no placeholder word in the text is
  // turned into backslashes.
  const Case cases[] = {
      {"^DOUBLY^", "^DOUBLY^"},
      {"a\\^DOUBLY^b", "a\\\\^DOUBLY^b"},
      {"^DOUBLY^\\^DOUBLY^", "^DOUBLY^\\\\^DOUBLY^"},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, BracesAreEscapedWithOneBackslash) {
  const Case cases[] = {
      {"{", "\\{"},
      {"}", "\\}"},
      {"{x}", "\\{x\\}"},
      {"}}{{", "\\}\\}\\{\\{"},
      {"f(x) { return 1; }", "f(x) \\{ return 1; \\}"},
      {"{<B>}</B>", "\\{\\b \\}\\b0 "},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, LineBreaksBecomeDelimitedParagraphs) {
  const Case cases[] = {
      {"a\r\nb", "a\\par b"},
      {"a\nb", "a\\par b"},
      {"a\n\nb", "a\\par \\par b"},
      {"a\r\n\r\nb", "a\\par \\par b"},
      {"a\n\r\nb", "a\\par \\par b"},
      // A lone carriage return stays in the text.
      {"a\rb", "a\rb"},
      {"a\r\r\nb", "a\r\\par b"},
      {"a\n\rb", "a\\par \rb"},
      {"<BR>", "\\par "},
      {"<br>", "\\par "},
      {"a<BR>b<br>c", "a\\par b\\par c"},
      {"2 lines<BR>2nd", "2 lines\\par 2nd"},
      {"\n", "\\par "},
      // A space after the break is kept as text, after the delimiter.
      {"a<BR> b", "a\\par  b"},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, EveryTagInUpperAndLowerCase) {
  const Case cases[] = {
      {"<B>x</B>", "\\b x\\b0 "},
      {"<b>x</b>", "\\b x\\b0 "},
      {"<I>x</I>", "\\i x\\i0 "},
      {"<i>x</i>", "\\i x\\i0 "},
      {"<U>x</U>", "\\ul x\\ulnone "},
      {"<u>x</u>", "\\ul x\\ulnone "},
      {"<CENTER>x</CENTER>", "\\qc x"},
      {"<center>x</center>", "\\qc x"},
      {"<RIGHT>x</RIGHT>", "\\qr x"},
      {"<right>x</right>", "\\qr x"},
      // Upper and lower case may be paired with each other.
      {"<B>x</b>", "\\b x\\b0 "},
      {"<i>x</I>", "\\i x\\i0 "},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, OtherTagsStayAsText) {
  const Case cases[] = {
      {"<Br>", "<Br>"},
      {"<bR>", "<bR>"},
      {"<Center>x</Center>", "<Center>x</Center>"},
      {"<Right>", "<Right>"},
      {"<P>", "<P>"},
      {"<b >x</ b>", "<b >x</ b>"},
      {"< B>", "< B>"},
      {"<B class=x>", "<B class=x>"},
      {"<BR/>", "<BR/>"},
      {"<STRONG>", "<STRONG>"},
      {"<B", "<B"},
      {"B>", "B>"},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, AlignmentStaysInForceAcrossParagraphs) {
  EXPECT_EQ("\\qc Title\\par body", conv("<CENTER>Title</CENTER>\nbody"));
  EXPECT_EQ("\\qr a\\par \\qc b\\par c", conv("<RIGHT>a</RIGHT><BR><center>b</center>\nc"));
}

TEST(MarkupToRtf, TagsAreReplacedOneByOneWithoutNestingChecks) {
  EXPECT_EQ("\\b0 \\i x\\b0 ", conv("</B><I>x</B>"));
  EXPECT_EQ("\\b \\b \\i \\ul x", conv("<B><b><I><U>x"));
  EXPECT_EQ("\\b \\i x\\b0 \\i0 ", conv("<B><I>x</B></I>"));
}

TEST(MarkupToRtf, PassesRunInOrderOnEachOthersResult) {
  const Case cases[] = {
      // Text a pass inserts is not searched again by that pass.
      {"<<B>B>", "<\\b B>"},
      {"<<BR>BR>", "<\\par BR>"},
      // Deleting a closing alignment tag joins its neighbours; only the
      // passes that come later see what they form.
      {"<RIGHT</center>>", "\\qr "},
      {"<right</CENTER>>", "\\qr "},
      {"<B</CENTER>>", "<B>"},
      {"<BR</RIGHT>>", "<BR>"},
      {"<CENTER</CENTER>>", "<CENTER>"},
      // The break passes run before the tag passes, the brace passes between.
      {"<{B}>", "<\\{B\\}>"},
      {"<B\n>", "<B\\par >"},
  };
  expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(MarkupToRtf, LeavesItsArgumentAloneAndHandlesManyOccurrences) {
  String markup("<B>a</B>\n");
  String copy = markup;
  String out = markupToRtf(markup);
  EXPECT_EQ(copy.str(), markup.str());
  EXPECT_EQ("\\b a\\b0 \\par ", out.str());

  std::string big, expected;
  for (int i = 0; i < 20000; ++i) {
    big += "<B>{\\}</B>\r\n";
    expected += "\\b \\{\\\\\\}\\b0 \\par ";
  }
  EXPECT_EQ(expected, conv(big));
}

TEST(MarkupToRtf, TipDocumentIsTheConcatenationOfTheBlocks) {
  String rtf = rtfHeader() + rtfNewLines(1) + rtfGreen(rtfBold(rtfFontSize("2 ways", 16))) +
               rtfNewLines(3) + markupToRtf("Use <B>C:\\tips</B>\n3 times") + rtfEnd();
  EXPECT_EQ(rtfHeader().str() +
                "\\par \\cf2 \\b \\fs32 2 ways\\fs20 \\b0 \\cf0 \\par \\par \\par "
                "Use \\b C:\\\\tips\\b0 \\par 3 times}",
            rtf.str());
}
