// The pool of automatic control identifiers (see automatic_ids.h).
#include "tarn/core/automatic_ids.h"

#include "tarn/core.h"

namespace tarn {
namespace detail {

AutomaticIds::AutomaticIds(int first_, int count)
    : first(first_), used(count > 0 ? static_cast<std::size_t>(count) : 0, false) {}

int AutomaticIds::take() {
  int size = static_cast<int>(used.size());
  if (taken >= size) return 0;
  for (int step = 0; step < size; ++step) {
    int at = (next + step) % size;
    if (!used[static_cast<std::size_t>(at)]) {
      used[static_cast<std::size_t>(at)] = true;
      ++taken;
      next = (at + 1) % size;
      return first + at;
    }
  }
  return 0;
}

void AutomaticIds::release(int id) {
  if (!isTaken(id)) return;
  used[static_cast<std::size_t>(id - first)] = false;
  --taken;
}

bool AutomaticIds::isTaken(int id) const {
  long at = static_cast<long>(id) - first;
  return at >= 0 && at < static_cast<long>(used.size()) && used[static_cast<std::size_t>(at)];
}

namespace {

// Windows are made and ended on the GUI thread, so the pool is that thread's
// alone and takes no lock.
AutomaticIds& pool() {
  static AutomaticIds ids(firstAutomaticId, lastAutomaticId - firstAutomaticId + 1);
  return ids;
}

}  // namespace

int takeAutomaticId() { return pool().take(); }

void releaseAutomaticId(int id) { pool().release(id); }

int automaticIdsInUse() { return pool().inUse(); }

}  // namespace detail
}  // namespace tarn
