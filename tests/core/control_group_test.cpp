// The control group: its four operations on real windows, the empty group, and
// members added twice or given their window after joining.
#include "support/control_host.h"

using namespace tarn;
using namespace testing_support;

namespace {

struct Operation {
  const char* name;
  int (ControlGroup::*run)();
  bool visibility;  // true: acts on visibility, false: on enabling
  bool after;       // the state every member has afterwards
};

const Operation operations[] = {
    {"showAll", &ControlGroup::showAll, true, true},
    {"hideAll", &ControlGroup::hideAll, true, false},
    {"enableAll", &ControlGroup::enableAll, false, true},
    {"disableAll", &ControlGroup::disableAll, false, false},
};

bool stateOf(const Control& c, bool visibility) {
  return visibility ? bool(c.visible) : bool(c.enabled);
}

void setState(Control& c, bool visibility, bool value) {
  if (visibility)
    c.visible = value;
  else
    c.enabled = value;
}

}  // namespace

TEST_F(ControlHost, GroupOperationsActOnEveryMemberAndCountThem) {
  Button a("a", 801, 10, 10, 50, 20, form, true, true, false, false, 0, false, Icon());
  Label b("b", 802, 10, 40, 50, 20, form, true, true, false, 0);
  CheckBox c("c", 803, 10, 70, 50, 20, form, false, true, true, false, 0);
  Control late;  // given its window after joining: the group holds the object
  ControlGroup group;
  group.add(a);
  group.add(b);
  group.add(c);
  group.add(late);
  late.hwnd = CreateWindowExA(0, "STATIC", "late", WS_CHILD, 10, 100, 50, 20, form.hwnd, NULL,
                              NULL, NULL);
  Control* members[] = {&a, &b, &c, &late};
  EXPECT_EQ(4, int(group.count));
  for (const Operation& op : operations) {
    SCOPED_TRACE(op.name);
    for (Control* m : members) setState(*m, op.visibility, !op.after);
    EXPECT_EQ(4, (group.*op.run)());
    for (Control* m : members) EXPECT_EQ(op.after, stateOf(*m, op.visibility)) << m->id;
  }
}

TEST_F(ControlHost, EmptyGroupsAnswerZeroAndTwiceAddedMembersCountTwice) {
  ControlGroup empty;
  EXPECT_EQ(0, int(empty.count));
  for (const Operation& op : operations) EXPECT_EQ(0, (empty.*op.run)()) << op.name;

  Label once("x", 810, 10, 10, 50, 20, form, true, false, false, 0);
  ControlGroup twice;
  twice.add(once);
  twice.add(once);
  EXPECT_EQ(2, int(twice.count));
  EXPECT_EQ(2, twice.showAll());
  EXPECT_TRUE(bool(once.visible));
  EXPECT_EQ(2, twice.disableAll());
  EXPECT_FALSE(bool(once.enabled));
  ControlGroup copy = twice;
  EXPECT_EQ(2, int(copy.count));
  copy.add(once);
  EXPECT_EQ(3, int(copy.count));
  EXPECT_EQ(2, int(twice.count));
}
