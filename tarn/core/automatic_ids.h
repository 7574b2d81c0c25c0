// Private to the toolkit: the pool of automatic control identifiers, the ones a
// control made from an options struct with `id` 0 takes (firstAutomaticId ..
// lastAutomaticId, core.h). Pure bookkeeping, no system call.
#ifndef TARN_CORE_AUTOMATIC_IDS_H
#define TARN_CORE_AUTOMATIC_IDS_H

#include <vector>

namespace tarn {
namespace detail {

// A range of identifiers handed out one at a time and given back. Each take
// starts looking after the identifier taken last, so one given back is not
// handed out again at once (a message still queued for the old window cannot
// reach the new one by its number).
class AutomaticIds {
 public:
  AutomaticIds(int first, int count);

  // A free identifier of the range, now taken; 0 when every one is taken.
  int take();
  // Gives `id` back; an identifier outside the range or not taken is ignored.
  void release(int id);
  // Whether `id` is in the range and taken.
  bool isTaken(int id) const;
  // How many are taken.
  int inUse() const { return taken; }

 private:
  int first;
  std::vector<bool> used;
  int next = 0;  // where the next take starts looking, from 0
  int taken = 0;
};

// The toolkit's pool (firstAutomaticId .. lastAutomaticId).
int takeAutomaticId();
// Gives an automatic identifier back when its window ends; any other number is ignored.
void releaseAutomaticId(int id);
// How many automatic identifiers are taken now.
int automaticIdsInUse();

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_AUTOMATIC_IDS_H
