// A set of rows as sorted, disjoint ranges: what a virtual table keeps of its
// selection. Bounds are inclusive, so sums and neighbours are taken in 64 bits
// (a range may end at INT_MAX).
#include "tarn/commctl/row_ranges.h"

#include <climits>
#include <iterator>

namespace tarn {
namespace detail {

namespace {

long long size(long long first, long long last) { return last - first + 1; }

}  // namespace

void RowRanges::add(int first, int last) {
  if (first < 0) first = 0;
  if (last < first) return;
  long long from = first, to = last;
  auto at = byFirst.upper_bound(first);
  if (at != byFirst.begin() && static_cast<long long>(std::prev(at)->second) + 1 >= from)
    at = std::prev(at);
  // Every range that overlaps or touches the new one joins it.
  while (at != byFirst.end() && static_cast<long long>(at->first) <= to + 1) {
    if (at->first < from) from = at->first;
    if (at->second > to) to = at->second;
    total -= size(at->first, at->second);
    at = byFirst.erase(at);
  }
  byFirst[static_cast<int>(from)] = static_cast<int>(to);
  total += size(from, to);
}

void RowRanges::remove(int first, int last) {
  if (last < first || byFirst.empty()) return;
  auto at = byFirst.upper_bound(first);
  if (at != byFirst.begin() && std::prev(at)->second >= first) at = std::prev(at);
  while (at != byFirst.end() && at->first <= last) {
    int from = at->first, to = at->second;
    total -= size(from, to);
    at = byFirst.erase(at);
    if (from < first) {  // the part before the removed rows stays
      byFirst[from] = first - 1;
      total += size(from, first - 1);
    }
    if (to > last) {  // so does the part after; no later range can overlap
      byFirst[last + 1] = to;
      total += size(last + 1, to);
      break;
    }
  }
}

void RowRanges::clear() {
  byFirst.clear();
  total = 0;
}

void RowRanges::keepBelow(int rows) {
  if (rows <= 0)
    clear();
  else
    remove(rows, INT_MAX);
}

void RowRanges::removeRow(int row) {
  if (row < 0) return;
  remove(row, row);
  std::vector<RowRange> after;
  for (auto at = byFirst.upper_bound(row); at != byFirst.end();) {
    after.push_back(RowRange{at->first, at->second});
    total -= size(at->first, at->second);
    at = byFirst.erase(at);
  }
  for (const RowRange& range : after) add(range.first - 1, range.last - 1);
}

bool RowRanges::contains(int row) const {
  auto at = byFirst.upper_bound(row);
  return at != byFirst.begin() && std::prev(at)->second >= row;
}

int RowRanges::first() const { return byFirst.empty() ? -1 : byFirst.begin()->first; }

int RowRanges::last() const { return byFirst.empty() ? -1 : byFirst.rbegin()->second; }

std::vector<RowRange> RowRanges::ranges() const {
  std::vector<RowRange> out;
  out.reserve(byFirst.size());
  for (const auto& range : byFirst) out.push_back(RowRange{range.first, range.second});
  return out;
}

}  // namespace detail
}  // namespace tarn
