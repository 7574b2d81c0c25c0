// Private to the core: which window object stands for which window. The
// ObjectLink inside every object keeps the entries true as objects are copied,
// moved, given other windows and destroyed.
#ifndef TARN_CORE_REGISTRY_H
#define TARN_CORE_REGISTRY_H

#include <vector>

#include "tarn/core.h"

namespace tarn {
namespace detail {

class Registry {
 public:
  // What an object's going away leaves behind.
  enum class Kind {
    // The window's user-data slot names the object registered with it last.
    // An entry goes with its object, and the slot passes to the object
    // registered with that window before it, or is cleared, so the slot only
    // ever names a live object.
    userDataSlot,
    // An entry stays, without its object, until its window goes (drop): a
    // subclassed window still needs the procedure it had before.
    untilWindowGoes,
  };

  struct Entry {
    HWND window;
    Control* object;   // null once the object has gone (untilWindowGoes)
    WNDPROC previous;  // the window's procedure before the object subclassed it
  };

  explicit Registry(Kind kind) : kind(kind) {}

  // Registers `object` for `window` as the latest; an earlier entry of the
  // same pair goes. A userDataSlot registry also stores the object in the
  // slot (tried even for a null window, which the system refuses).
  void add(HWND window, Control* object, WNDPROC previous = NULL);
  // The first entry for `window`, null when there is none. Good until the
  // registry next changes.
  const Entry* find(HWND window) const;
  // Whether an entry names `object`.
  bool names(const Control* object) const;
  // Drops the first entry for `window`, which is going.
  void drop(HWND window);

 private:
  friend class ObjectLink;

  // `object` no longer stands for its windows: all of them, or with
  // `keepWindow` all but `keep`.
  void forget(Control* object, HWND keep, bool keepWindow);
  // `to` takes over every entry of `from`, and in a userDataSlot registry
  // every slot that named `from`.
  void moveOver(Control* from, Control* to);

  Kind kind;
  std::vector<Entry> entries;
};

// The registry behind every window's user-data slot.
Registry& objectSlots();

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_REGISTRY_H
