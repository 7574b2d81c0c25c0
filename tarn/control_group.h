// Tarn control group: window objects enabled, disabled, shown or hidden together.
//
// Classes in this file (sources):
//   ControlGroup   core/control_group.cpp
#ifndef TARN_CONTROL_GROUP_H
#define TARN_CONTROL_GROUP_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Control group
// ===========================================================================

/// Window objects enabled, disabled, shown or hidden together. The group does
/// not own its members: the program keeps them alive while they are members.
/// An object added twice is acted on twice.
class ControlGroup {
 public:
  /// An empty group.
  ControlGroup();

  /// The members, in the order added.
  std::vector<Control*> members;
  /// Read-only: the number of members.
  Property<ControlGroup, int> count;  // read-only

  /// Adds `control` to the group (the group keeps its address).
  void add(Control& control);
  /// Each acts on every member in the order added and returns the member count.
  int disableAll();
  /// Enables every member; the member count.
  int enableAll();
  /// Hides every member; the member count.
  int hideAll();
  /// Shows every member; the member count.
  int showAll();

 private:
  int getCount() const { return static_cast<int>(members.size()); }
};

}  // namespace tarn

#endif  // TARN_CONTROL_GROUP_H
