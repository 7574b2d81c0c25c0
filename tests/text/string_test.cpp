// String, StringList and toString.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include <tarn/tarn.h>

using namespace tarn;

namespace {
std::string s(const String& v) { return v.str(); }

template <class F>
std::string outOfRangeMessage(F f) {
  try {
    f();
  } catch (const std::out_of_range& e) {
    return e.what();
  }
  return "no error";
}
}  // namespace

TEST(String, ConstructionAndIndependentCopies) {
  String a("hello");
  String b = a;
  b[0] = 'j';
  EXPECT_EQ("hello", s(a));
  EXPECT_EQ("jello", s(b));
  EXPECT_EQ(5, int(b.length));
  String fromNull(static_cast<const char*>(nullptr));
  EXPECT_EQ(0, int(fromNull.length));
  std::string withZero("a\0b", 3);
  EXPECT_EQ(3, int(String(withZero).length));
}

TEST(String, LengthStaysBoundInCopiesThatOutliveTheOriginal) {
  String* original = new String("abc");
  String copy(*original);
  String assigned;
  assigned = *original;
  delete original;
  EXPECT_EQ(3, int(copy.length));
  EXPECT_EQ(3, int(assigned.length));
}

TEST(String, AssignFromEachSource) {
  String t;
  String r = (t = "xy");
  EXPECT_EQ("xy", s(r));
  t = std::string("std");
  EXPECT_EQ("std", s(t));
  t = 'q';
  EXPECT_EQ("q", s(t));
  EXPECT_EQ(1, int(t.length));
  t.clear();
  EXPECT_EQ("", s(t));
}

TEST(String, ConcatenationLeavesOperands) {
  String a("ab"), b("cd");
  String c = a + b;
  EXPECT_EQ("abcd", s(c));
  EXPECT_EQ("ab", s(a));
  EXPECT_EQ("cd", s(b));
}

TEST(String, InsertRemoveSubstrAndTheirRangeErrors) {
  String t("abcdef");
  t.insert(6, "X");
  EXPECT_EQ("abcdefX", s(t));
  t.insert(0, "<");
  EXPECT_EQ("<abcdefX", s(t));
  t.remove(1, 2);
  EXPECT_EQ("<cdefX", s(t));
  t.remove(3, 1000);
  EXPECT_EQ("<cd", s(t));
  EXPECT_EQ("cd", s(t.substr(1, 100)));
  EXPECT_EQ("", s(t.substr(3, 2)));
  EXPECT_EQ("basic_string::insert", outOfRangeMessage([&] { t.insert(4, "z"); }));
  EXPECT_EQ("basic_string::erase", outOfRangeMessage([&] { t.remove(4, 1); }));
  EXPECT_EQ("basic_string::substr", outOfRangeMessage([&] { t.substr(4, 1); }));
  EXPECT_EQ("basic_string::substr", outOfRangeMessage([&] { t.substr(-1, 1); }));
  EXPECT_EQ("<cd", s(t));
}

TEST(String, FindCharacterAndText) {
  String t("banana");
  EXPECT_EQ(1, t.find('a', 0));
  EXPECT_EQ(3, t.find('a', 2));
  EXPECT_EQ(-1, t.find('a', 6));  // start at length: not looked at
  EXPECT_EQ(-1, t.find('z', 0));
  EXPECT_EQ(-1, t.find('b', -3));
  EXPECT_EQ(2, t.find(String("na"), 0));
  EXPECT_EQ(4, t.find(String("na"), 3));
  EXPECT_EQ(-1, t.find(String("nab"), 0));
  EXPECT_EQ(6, t.find(String(""), 6));
  EXPECT_EQ(-1, t.find(String(""), 7));
}

TEST(String, ReplaceAllNeverRescansInsertedText) {
  String t("aaa");
  t.replaceAll('a', String("aa"), 0);
  EXPECT_EQ("aaaaaa", s(t));
  String path("a\\b\\c");
  path.replaceAll('\\', String("\\\\"), 0);
  EXPECT_EQ("a\\\\b\\\\c", s(path));
  String braces("{x}");
  braces.replaceAll('{', String("\\{"), 0);
  EXPECT_EQ("\\{x}", s(braces));
}

TEST(String, ReplaceAllFromAStartAndWithEmptyTexts) {
  String t("x-x-x");
  t.replaceAll('x', 'y', 1);
  EXPECT_EQ("x-y-y", s(t));
  String del("a,b,,c");
  del.replaceAll(String(","), String(""), 0);
  EXPECT_EQ("abc", s(del));
  String same("unchanged");
  same.replaceAll(String(""), String("zz"), 0);  // an empty search text ends at once
  EXPECT_EQ("unchanged", s(same));
  String beyond("ab");
  beyond.replaceAll('a', 'z', 10);
  EXPECT_EQ("ab", s(beyond));
  String multi("one--two--three");
  multi.replaceAll(String("--"), String("+"), 0);
  EXPECT_EQ("one+two+three", s(multi));
}

TEST(String, ReplaceAllIsLinearOnLargeTexts) {
  std::string big(2000000, '\\');
  String t(big);
  t.replaceAll('\\', String("\\\\"), 0);
  EXPECT_EQ(4000000, int(t.length));
}

TEST(String, SplitCases) {
  StringList a = String("a,b,").split(",");
  ASSERT_EQ(3, int(a.count));
  EXPECT_EQ("a", s(a[0]));
  EXPECT_EQ("b", s(a[1]));
  EXPECT_EQ("", s(a[2]));
  EXPECT_EQ(1, int(String("").split(",").count));
  EXPECT_EQ(1, int(String("whole").split(",").count));
  StringList dash = String("a--b").split("--");
  ASSERT_EQ(2, int(dash.count));
  EXPECT_EQ("b", s(dash[1]));
  StringList chars = String("xyz").split("");
  ASSERT_EQ(3, int(chars.count));
  EXPECT_EQ("y", s(chars[1]));
  EXPECT_EQ(0, int(String("").split("").count));
  StringList adjacent = String("a\t\tb").split("\t");
  ASSERT_EQ(3, int(adjacent.count));
  EXPECT_EQ("", s(adjacent[1]));
}

TEST(String, NumberConversionsFollowTheRuntimeLibrary) {
  EXPECT_EQ(42, String("  42abc").toInt());
  EXPECT_EQ(-7, String("-7").toInteger());
  EXPECT_EQ(0, String("abc").toInt());
  EXPECT_EQ(0, String("").toInt());
  EXPECT_DOUBLE_EQ(2.5, String("2.5e0x").toFloat());
  EXPECT_DOUBLE_EQ(0.0, String("x1").toFloat());
}

TEST(String, EqualityComparesWholeTexts) {
  EXPECT_TRUE(String("ab") == "ab");
  EXPECT_TRUE(String("ab") != "abc");
  EXPECT_TRUE(String("ab") == String("ab"));
  EXPECT_FALSE(String(std::string("a\0b", 3)) == String("a"));
  EXPECT_TRUE(String("") == static_cast<const char*>(nullptr));
}

TEST(StringList, AddRemoveAndIndex) {
  StringList l;
  EXPECT_EQ(0, int(l.count));
  l.add("a");
  l.append(String("b"));
  l.add("c");
  l.add("d");
  l.removeAt(1);
  EXPECT_EQ("a,c,d", s(l.join(",")));
  l.removeFirst();
  l.removeLast();
  EXPECT_EQ("c", s(l.join(",")));
  l[0] = "changed";
  EXPECT_EQ("changed", s(l[0]));
  l.clear();
  EXPECT_EQ(0, int(l.count));
}

TEST(StringList, AssignAppendAndJoin) {
  StringList a, b;
  a.add("1");
  b.add("x");
  b.add("y");
  a.append(b);
  EXPECT_EQ("1|x|y", s(a.join("|")));
  a.append(a);  // appending itself doubles it
  EXPECT_EQ(6, int(a.count));
  a.assign(b);
  EXPECT_EQ("x, y", s(a.implode(", ")));
  a.assign(a);
  EXPECT_EQ(2, int(a.count));
  StringList one;
  one.add("only");
  EXPECT_EQ("only", s(one.join("--")));
  EXPECT_EQ("", s(StringList().join(",")));
}

TEST(StringList, CopiesAreIndependentAndBound) {
  StringList* a = new StringList;
  a->add("k");
  StringList b(*a);
  delete a;
  b.add("m");
  EXPECT_EQ(2, int(b.count));
}

TEST(ToString, IntegralValues) {
  EXPECT_EQ("101", s(toString(101)));
  EXPECT_EQ("-3", s(toString(-3)));
  EXPECT_EQ("100000", s(toString(100000.0)));
  EXPECT_EQ("0", s(toString(-0.0)));
  EXPECT_EQ("2147483647", s(toString(2147483647.0)));
  EXPECT_EQ("-2147483648", s(toString(-2147483648.0)));
}

TEST(ToString, FractionalHugeAndNotANumber) {
  EXPECT_EQ("1.50", s(toString(1.5)));
  EXPECT_EQ("3.00", s(toString(2.999)));
  EXPECT_EQ("-0.25", s(toString(-0.25)));
  EXPECT_EQ("3000000000.00", s(toString(3000000000.0)));
  EXPECT_EQ("2147483648.00", s(toString(2147483648.0)));
  EXPECT_EQ("-2147483649.00", s(toString(-2147483649.0)));
  String huge = toString(1e300);
  EXPECT_EQ(304, int(huge.length));  // "1" + 300 digits + ".00"
  std::string nan = s(toString(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_NE(std::string::npos, nan.find("nan")) << nan;
  std::string inf = s(toString(std::numeric_limits<double>::infinity()));
  EXPECT_NE(std::string::npos, inf.find("inf")) << inf;
}
