// Language tables loaded from buffers, files and the program's own
// "TRN_LANG" resources.
#include <gtest/gtest.h>

#include <string>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::TempFile;

namespace {

Buffer bytes(const std::string& text) { return Buffer(text.data(), static_cast<int>(text.size())); }

// The resource 2101 and the file form of the same text hold these entries.
void expectTable2101(LanguageTable& table) {
  ASSERT_EQ(4, table.count);
  StringList keys = table.keys();
  EXPECT_TRUE(keys.join("|") == " a |ok|title|x");
  EXPECT_TRUE(table.get("title") == "Main window");
  EXPECT_TRUE(table.get("ok") == "OK");
  EXPECT_TRUE(table.get(" a ") == " b ");
  EXPECT_TRUE(table.get("x") == "1");
  EXPECT_FALSE(table.contains("noequals"));
  EXPECT_FALSE(table.contains(""));
  EXPECT_EQ(4, table.count);
}

const char* const text2101 =
    "title=Main window\r\nok=OK\r\n a = b \r\nx=1=2\r\n=skipped\r\nnoequals\r\n";

}  // namespace

TEST(LanguageTable, EmptyTable) {
  LanguageTable table;
  EXPECT_EQ(0, table.count);
  EXPECT_EQ(-1, table.resourceNumber);
  EXPECT_EQ(0, table.keys().size());
}

TEST(LanguageTable, FromText) {
  LanguageTable table(bytes(text2101));
  EXPECT_EQ(-1, table.resourceNumber);
  expectTable2101(table);
}

TEST(LanguageTable, GetOfAMissingKeyAddsIt) {
  LanguageTable table(bytes("a=1"));
  ASSERT_EQ(1, table.count);
  EXPECT_TRUE(table.get("missing") == "");
  EXPECT_EQ(2, table.count);
  EXPECT_TRUE(table.contains("missing"));
  EXPECT_TRUE(table.get("missing") == "");
  EXPECT_EQ(2, table.count);
  EXPECT_TRUE(table.keys().join(",") == "a,missing");
  // The value returned is a copy.
  String value = table.get("a");
  value += "changed";
  EXPECT_TRUE(table.get("a") == "1");
}

TEST(LanguageTable, FailedLoadsKeepOrReplaceTheEntries) {
  LanguageTable table(bytes("a=1\nb=2"));
  ASSERT_EQ(2, table.count);

  // Nothing to read: the entries stay.
  EXPECT_FALSE(table.loadText(Buffer()));
  EXPECT_EQ(2, table.count);
  EXPECT_FALSE(table.loadFile("C:\\tarn-no-such-folder\\table.txt"));
  EXPECT_EQ(2, table.count);
  EXPECT_FALSE(table.loadResource(2199));
  EXPECT_EQ(2, table.count);
  EXPECT_EQ(-1, table.resourceNumber);

  // A text without usable lines replaces them all.
  EXPECT_FALSE(table.loadText(bytes("\n\r\n\n")));
  EXPECT_EQ(0, table.count);

  EXPECT_TRUE(table.loadText(bytes("c=3")));
  EXPECT_FALSE(table.loadText(bytes("=x\nnothing\n")));
  EXPECT_EQ(0, table.count);

  // A text starting with a zero byte is empty.
  EXPECT_TRUE(table.loadText(bytes("c=3")));
  EXPECT_FALSE(table.loadText(bytes(std::string("\0c=3", 4))));
  EXPECT_EQ(0, table.count);
}

TEST(LanguageTable, ANewLoadReplacesEveryEntry) {
  LanguageTable table(bytes("a=1\nb=2"));
  EXPECT_TRUE(table.loadText(bytes("b=20\nc=30")));
  EXPECT_TRUE(table.keys().join(",") == "b,c");
  EXPECT_TRUE(table.get("b") == "20");
}

TEST(LanguageTable, CopiesAreIndependent) {
  LanguageTable first(bytes("a=1"));
  LanguageTable second = first;
  second.get("b");
  EXPECT_EQ(1, first.count);
  EXPECT_EQ(2, second.count);
  first = second;
  EXPECT_EQ(2, first.count);
}

TEST(LanguageTable, FromFile) {
  TempFile file(".lng");
  ASSERT_TRUE(file.write(text2101));
  LanguageTable table{String(file.path())};
  EXPECT_EQ(-1, table.resourceNumber);
  expectTable2101(table);

  TempFile blank(".lng");
  ASSERT_TRUE(blank.write("\r\n\r\n"));
  EXPECT_FALSE(table.loadFile(String(blank.path())));
  EXPECT_EQ(0, table.count);

  // An empty file is no text at all: the entries stay.
  ASSERT_TRUE(table.loadFile(String(file.path())));
  TempFile empty(".lng");
  ASSERT_TRUE(empty.write(""));
  EXPECT_FALSE(table.loadFile(String(empty.path())));
  EXPECT_EQ(4, table.count);

  // A folder is not a file.
  char temp[MAX_PATH + 1] = {0};
  GetTempPathA(MAX_PATH, temp);
  EXPECT_FALSE(table.loadFile(temp));
  EXPECT_EQ(4, table.count);

  LanguageTable missing(String("C:\\tarn-no-such-folder\\table.lng"));
  EXPECT_EQ(0, missing.count);
}

TEST(LanguageTable, FromResource) {
  LanguageTable table(2101);
  EXPECT_EQ(2101, table.resourceNumber);
  expectTable2101(table);

  // Only the low 16 bits name the resource.
  LanguageTable wide;
  EXPECT_TRUE(wide.loadResource(0x10000 + 2101));
  EXPECT_EQ(4, wide.count);

  LanguageTable blank(2102);
  EXPECT_EQ(2102, blank.resourceNumber);
  EXPECT_EQ(0, blank.count);

  LanguageTable cut(2103);
  EXPECT_EQ(1, cut.count);
  EXPECT_TRUE(cut.get("kept") == "yes");

  // The number asked for is kept even when there is no such table.
  LanguageTable missing(2199);
  EXPECT_EQ(2199, missing.resourceNumber);
  EXPECT_EQ(0, missing.count);
  EXPECT_FALSE(missing.loadResource(0));

  // Loading another table replaces the entries and records where they came from.
  EXPECT_TRUE(table.loadResource(2104));
  EXPECT_EQ(2104, table.resourceNumber);
  EXPECT_TRUE(table.keys().join(",") == "ok");
  EXPECT_TRUE(table.get("ok") == "Fine");
  EXPECT_TRUE(table.loadText(bytes("z=26")));
  EXPECT_EQ(-1, table.resourceNumber);
}
