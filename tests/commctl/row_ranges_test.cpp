// The set of rows a virtual table keeps as its selection: ranges that merge,
// split, shrink with the table and move up under a deleted row, at the ends
// of the int range too.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tarn/commctl/row_ranges.h"

using tarn::detail::RowRange;
using tarn::detail::RowRanges;

namespace {

std::string shown(const RowRanges& rows) {
  std::string out;
  for (const RowRange& r : rows.ranges())
    out += (out.empty() ? "" : " ") + std::to_string(r.first) + "-" + std::to_string(r.last);
  return out;
}

long long counted(const RowRanges& rows) {
  long long n = 0;
  for (const RowRange& r : rows.ranges()) n += static_cast<long long>(r.last) - r.first + 1;
  return n;
}

}  // namespace

TEST(RowRanges, AddAndRemoveMergeAndSplitByTable) {
  struct Step {
    char op;  // '+' add, '-' remove, 'k' keepBelow(first), 'd' removeRow(first)
    int first, last;
    const char* expected;
  };
  const Step steps[] = {
      {'+', 5, 5, "5-5"},
      {'+', 7, 9, "5-5 7-9"},
      {'+', 6, 6, "5-9"},  // touching ranges join
      {'+', 20, 10, "5-9"},  // backwards: nothing
      {'+', -4, 1, "0-1 5-9"},  // below 0: dropped
      {'+', 2, 4, "0-9"},
      {'-', 3, 4, "0-2 5-9"},
      {'-', 9, 12, "0-2 5-8"},
      {'-', 6, 6, "0-2 5-5 7-8"},
      {'+', 100, 200, "0-2 5-5 7-8 100-200"},
      {'-', 1, 150, "0-0 151-200"},
      {'d', 0, 0, "150-199"},  // the rows after a deleted row move up
      {'d', 160, 0, "150-198"},
      {'d', 300, 0, "150-198"},
      {'+', 151, 151, "150-198"},
      {'k', 170, 0, "150-169"},
      {'+', 171, 180, "150-169 171-180"},
      {'d', 170, 0, "150-179"},  // moving up, the ranges touch and join
      {'k', 0, 0, ""},
  };
  RowRanges rows;
  for (const Step& s : steps) {
    if (s.op == '+') rows.add(s.first, s.last);
    if (s.op == '-') rows.remove(s.first, s.last);
    if (s.op == 'k') rows.keepBelow(s.first);
    if (s.op == 'd') rows.removeRow(s.first);
    EXPECT_EQ(s.expected, shown(rows)) << s.op << s.first << "," << s.last;
    EXPECT_EQ(counted(rows), rows.count()) << s.op << s.first << "," << s.last;
  }
}

TEST(RowRanges, FirstLastAndContainsAnswerWithoutAWalk) {
  RowRanges rows;
  EXPECT_EQ(-1, rows.first());
  EXPECT_EQ(-1, rows.last());
  EXPECT_FALSE(rows.contains(0));
  EXPECT_TRUE(rows.empty());
  rows.add(10, 19);
  rows.add(40, 40);
  EXPECT_EQ(10, rows.first());
  EXPECT_EQ(40, rows.last());
  for (int row : {10, 15, 19, 40}) EXPECT_TRUE(rows.contains(row)) << row;
  for (int row : {-1, 9, 20, 39, 41, INT_MAX}) EXPECT_FALSE(rows.contains(row)) << row;
  EXPECT_EQ(2u, rows.rangeCount());
  EXPECT_EQ(11, rows.count());
}

TEST(RowRanges, TheWholeIntRangeCountsInSixtyFourBits) {
  RowRanges rows;
  rows.add(0, INT_MAX);
  EXPECT_EQ(2147483648LL, rows.count());
  EXPECT_EQ("0-2147483647", shown(rows));
  rows.remove(INT_MAX, INT_MAX);
  rows.remove(0, 0);
  EXPECT_EQ("1-2147483646", shown(rows));
  rows.add(INT_MAX, INT_MAX);  // touches the range before: joins without overflow
  EXPECT_EQ("1-2147483647", shown(rows));
  rows.removeRow(INT_MAX - 1);
  EXPECT_EQ("1-2147483646", shown(rows));
  rows.keepBelow(INT_MAX);
  EXPECT_EQ(2147483646LL, rows.count());
  rows.keepBelow(-5);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(0, rows.count());
}

TEST(RowRanges, ManyScatteredRowsStayInOrder) {
  RowRanges rows;
  for (int row = 999; row >= 1; row -= 2) rows.add(row, row);  // every odd row, backwards
  EXPECT_EQ(500u, rows.rangeCount());
  EXPECT_EQ(500, rows.count());
  for (int row = 0; row <= 1000; row += 2) rows.add(row, row);  // the gaps filled
  EXPECT_EQ("0-1000", shown(rows));
  rows.remove(250, 749);
  EXPECT_EQ("0-249 750-1000", shown(rows));
  EXPECT_EQ(counted(rows), rows.count());
}
