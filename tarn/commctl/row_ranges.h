// Private to the toolkit: a set of rows kept as sorted, disjoint ranges (the
// selection of a virtual table), so that every change and question costs the
// number of ranges, never the number of rows. Pure: no Windows calls.
#ifndef TARN_COMMCTL_ROW_RANGES_H
#define TARN_COMMCTL_ROW_RANGES_H

#include <map>
#include <vector>

namespace tarn {
namespace detail {

// Rows `first` to `last`, both included.
struct RowRange {
  int first;
  int last;
};

inline bool operator==(const RowRange& a, const RowRange& b) {
  return a.first == b.first && a.last == b.last;
}

class RowRanges {
 public:
  // Adds rows `first`..`last` (nothing when last < first); rows below 0 are
  // dropped. Touching or overlapping ranges merge.
  void add(int first, int last);
  // Removes rows `first`..`last` (nothing when last < first).
  void remove(int first, int last);
  void clear();
  // Keeps the rows below `rows` (a table shrunk to `rows` rows).
  void keepBelow(int rows);
  // Removes `row` and moves every row after it up by one (a row deleted).
  void removeRow(int row);

  bool contains(int row) const;
  bool empty() const { return byFirst.empty(); }
  // The first and last rows held; -1 when empty.
  int first() const;
  int last() const;
  // How many rows are held (up to 2^31, so 64 bits).
  long long count() const { return total; }
  // The ranges in order.
  std::vector<RowRange> ranges() const;
  std::size_t rangeCount() const { return byFirst.size(); }

 private:
  std::map<int, int> byFirst;  // first row -> last row, disjoint and not touching
  long long total = 0;
};

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_ROW_RANGES_H
