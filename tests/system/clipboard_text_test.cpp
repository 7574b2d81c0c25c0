// The clipboard's text forms as pure functions: line ends and zero bytes, and
// rows of cells as tab-separated text that reads back as the same cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/clipboard_probe.h"
#include "tarn/system/clipboard_text.h"

using tarn::cliptext::tabSeparated;
using tarn::cliptext::tabSeparatedCell;
using tarn::cliptext::withCrLf;
using testing_support::readTabSeparated;
using Rows = std::vector<std::vector<std::string>>;

TEST(ClipboardText, LineEndsBecomeCrLfAndAZeroByteEndsTheText) {
  struct Row {
    std::string in, out;
  } rows[] = {
      {"", ""},
      {"plain", "plain"},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},  // LF then a lone CR: two line ends
      {"\r\n\r\n", "\r\n\r\n"},
      {"\n", "\r\n"},
      {"end\r", "end\r\n"},
      {std::string("ab\0cd\n", 6), "ab"},
      {std::string("\0", 1), ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.out, withCrLf(row.in)) << "[" << row.in << "]";
}

TEST(ClipboardText, CellsThatWouldSplitAreQuoted) {
  struct Row {
    std::string in, out;
  } rows[] = {
      {"", ""},
      {"plain cell", "plain cell"},
      {"5\" pipe", "5\" pipe"},  // a quote inside stays as it is
      {"a\tb", "\"a\tb\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"lf\nonly", "\"lf\nonly\""},
      {"\"quoted\"", "\"\"\"quoted\"\"\""},
      {"say \"hi\"\tthere", "\"say \"\"hi\"\"\tthere\""},
      {std::string("cut\0\there", 9), "cut"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.out, tabSeparatedCell(row.in)) << "[" << row.in << "]";
}

TEST(ClipboardText, RowsReadBackAsTheSameCells) {
  EXPECT_EQ("", tabSeparated({}));
  EXPECT_EQ("a\tb\r\nc\td\r\n", tabSeparated({{"a", "b"}, {"c", "d"}}));
  EXPECT_EQ("\r\n", tabSeparated({{}}));

  Rows awkward = {
      {"name", "note", ""},
      {"tab\there", "line\r\nbreak", "\"starts quoted"},
      {"", "", "5\" pipe"},
      {"lf\nonly", "cr\ronly", "x"},
  };
  EXPECT_EQ(awkward, readTabSeparated(tabSeparated(awkward)));
  // Through the clipboard's line ends too: the LF and CR inside cells become
  // CR LF, every cell still stands where it stood.
  Rows read = readTabSeparated(withCrLf(tabSeparated(awkward)));
  ASSERT_EQ(awkward.size(), read.size());
  for (std::size_t r = 0; r < read.size(); ++r) EXPECT_EQ(awkward[r].size(), read[r].size()) << r;
  EXPECT_EQ("lf\r\nonly", read[3][0]);
  EXPECT_EQ("cr\r\nonly", read[3][1]);
}
