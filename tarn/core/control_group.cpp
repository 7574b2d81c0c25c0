// The control group: window objects enabled, disabled, shown and hidden together.
#include "tarn/control_group.h"

namespace tarn {

namespace {
template <class Action>
int forEach(const std::vector<Control*>& members, Action action) {
  for (Control* member : members) action(*member);
  return static_cast<int>(members.size());
}
}  // namespace

ControlGroup::ControlGroup() { count.bind(this, &ControlGroup::getCount); }

void ControlGroup::add(Control& control) { members.push_back(&control); }

int ControlGroup::disableAll() {
  return forEach(members, [](Control& c) { c.disable(); });
}
int ControlGroup::enableAll() {
  return forEach(members, [](Control& c) { c.enable(); });
}
int ControlGroup::hideAll() {
  return forEach(members, [](Control& c) { c.hide(); });
}
int ControlGroup::showAll() {
  return forEach(members, [](Control& c) { c.show(); });
}

}  // namespace tarn
