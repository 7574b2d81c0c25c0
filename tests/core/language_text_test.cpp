// The language-table text format, parsed from plain bytes.
#include <gtest/gtest.h>

#include "tarn/text/language_text.h"

using tarn::languagetext::Entries;
using tarn::languagetext::parse;

namespace {

Entries entries(std::initializer_list<std::pair<const char*, const char*>> list) {
  Entries out;
  for (const auto& e : list) out.emplace_back(e.first, e.second);
  return out;
}

}  // namespace

TEST(LanguageText, LinesWithEitherLineEnd) {
  Entries expected = entries({{"ok", "OK"}, {"title", "Main window"}});
  EXPECT_EQ(expected, parse("title=Main window\nok=OK"));
  EXPECT_EQ(expected, parse("title=Main window\r\nok=OK\r\n"));
  // Carriage returns go wherever they stand, also inside a line.
  EXPECT_EQ(expected, parse("ti\rtle=Main\r window\r\r\nok=OK\r"));
  // A lone carriage return does not end a line: "a=1b=2".
  EXPECT_EQ(entries({{"a", "1b"}}), parse("a=1\rb=2"));
}

TEST(LanguageText, PiecesOfALine) {
  EXPECT_EQ(entries({{"a", "b"}}), parse("a=b=c"));
  EXPECT_EQ(entries({{"a", ""}}), parse("a=\n"));
  EXPECT_EQ(entries({{"a", ""}}), parse("a==c"));
  EXPECT_EQ(entries({{" a ", " b "}}), parse(" a = b "));
  EXPECT_EQ(entries({{"\t#comment", " no\"quotes\\n\""}}), parse("\t#comment= no\"quotes\\n\""));
}

TEST(LanguageText, LinesThatStoreNothing) {
  EXPECT_TRUE(parse("=x").empty());
  EXPECT_TRUE(parse("=").empty());
  EXPECT_TRUE(parse("noequals").empty());
  EXPECT_TRUE(parse("\n\n\r\n").empty());
  EXPECT_TRUE(parse("").empty());
  EXPECT_TRUE(parse(nullptr, 5).empty());
  EXPECT_EQ(entries({{"k", "v"}}), parse("=x\nnoequals\n\nk=v\n \n"));
}

TEST(LanguageText, LaterLinesReplaceEarlierOnes) {
  EXPECT_EQ(entries({{"k", "second"}}), parse("k=first\nk=second"));
  EXPECT_EQ(entries({{"K", "upper"}, {"k", "lower"}}), parse("k=lower\nK=upper"));
}

TEST(LanguageText, SortedByBytes) {
  // Bytes above 0x7F sort after ASCII, as unsigned values.
  Entries got = parse("\xE9t\xE9=summer\nzebra=z\nApple=a\napple=b\n1=one\n");
  ASSERT_EQ(5u, got.size());
  EXPECT_EQ("1", got[0].first);
  EXPECT_EQ("Apple", got[1].first);
  EXPECT_EQ("apple", got[2].first);
  EXPECT_EQ("zebra", got[3].first);
  EXPECT_EQ("\xE9t\xE9", got[4].first);
}

TEST(LanguageText, TextEndsAtTheFirstZeroByte) {
  const char bytes[] = "a=1\nb=2\0c=3\n";
  EXPECT_EQ(entries({{"a", "1"}, {"b", "2"}}), parse(bytes, sizeof bytes - 1));
  // The size given is respected when there is no zero byte.
  EXPECT_EQ(entries({{"a", "1"}}), parse("a=1\nb=2", 4));
  EXPECT_EQ(entries({{"a", "1"}, {"b", ""}}), parse("a=1\nb=2", 6));
  EXPECT_TRUE(parse(std::string("\0a=1", 4)).empty());
}

TEST(LanguageText, LargeText) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
  text += std::string(100000, 'x') + "=" + std::string(100000, 'y');
  Entries got = parse(text);
  ASSERT_EQ(20001u, got.size());
  EXPECT_EQ("key0", got[0].first);
  EXPECT_EQ("value 0", got[0].second);
  EXPECT_EQ(100000u, got.back().second.size());
}

TEST(LanguageText, ManyLinesWithoutEquals) {
  // Each line is searched on its own: the "=" of a later line belongs to it.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "line without a key\n";
  text += "k=v=w\nlast line";
  EXPECT_EQ(entries({{"k", "v"}}), parse(text));
  EXPECT_EQ(entries({{"a", "1"}, {"b", "2"}}), parse("a=1\nnone\nb=2\n"));
  EXPECT_EQ(entries({{"a", "1"}}), parse("a=1\nnone"));
}
