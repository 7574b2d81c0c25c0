// Automatic identifiers: the pool's rules on a small range, and the toolkit's
// range handing 10,000 live controls identifiers of their own.
#include <set>
#include <vector>

#include "support/control_host.h"
#include "tarn/core/automatic_ids.h"

using namespace tarn;
using testing_support::ControlHost;

TEST(AutomaticIds, TakesEachOnceGivesZeroWhenUsedUpAndReusesWhatIsGivenBack) {
  detail::AutomaticIds ids(500, 3);
  int a = ids.take(), b = ids.take(), c = ids.take();
  EXPECT_EQ((std::set<int>{500, 501, 502}), (std::set<int>{a, b, c}));
  EXPECT_EQ(0, ids.take()) << "a used-up range answers 0";
  EXPECT_EQ(3, ids.inUse());

  ids.release(b);
  ids.release(b);    // twice: the second is ignored
  ids.release(499);  // outside the range
  ids.release(0);
  EXPECT_EQ(2, ids.inUse());
  EXPECT_EQ(b, ids.take()) << "the one given back is the only one free";
  EXPECT_TRUE(ids.isTaken(b));
  EXPECT_FALSE(ids.isTaken(503));
}

TEST(AutomaticIds, AGivenBackIdentifierWaitsBehindTheFreeOnes) {
  detail::AutomaticIds ids(10, 4);
  int first = ids.take();
  ids.release(first);
  EXPECT_NE(first, ids.take());  // the next free one after the last taken
  EXPECT_NE(first, ids.take());
  EXPECT_NE(first, ids.take());
  EXPECT_EQ(first, ids.take());  // only then the old one again
  detail::AutomaticIds empty(10, 0);
  EXPECT_EQ(0, empty.take());
}

// Programs' own numbers stay their own: a positional 0 stays 0, an options
// identifier other than 0 is kept, and 0 in options takes one from the range.
TEST_F(ControlHost, OnlyAnOptionsIdentifierOfZeroIsAutomatic) {
  Label positional("", 0, 0, 0, 50, 20, form, true, true, false, 0);
  Label own(form, {.id = 321});
  Label automatic(form, {});
  EXPECT_EQ(0, positional.id);
  EXPECT_EQ(321, own.id);
  EXPECT_GE(automatic.id, firstAutomaticId);
  EXPECT_LE(automatic.id, lastAutomaticId);
  EXPECT_EQ(automatic.id, GetDlgCtrlID(automatic.hwnd));
  EXPECT_EQ(automatic.id, automatic.dialogId());
  // A control whose window cannot be made gives its identifier back.
  int inUse = detail::automaticIdsInUse();
  Label orphan(Control(), {});
  EXPECT_EQ(HWND(NULL), orphan.hwnd);
  EXPECT_EQ(0, orphan.id);
  EXPECT_EQ(inUse, detail::automaticIdsInUse());
}

TEST_F(ControlHost, TenThousandLiveControlsHaveTenThousandIdentifiers) {
  constexpr int count = 10000;
  int before = detail::automaticIdsInUse();
  form.hide();  // no painting while they are made
  std::vector<Label> labels;
  labels.reserve(count);
  std::set<int> seen;
  for (int i = 0; i < count; ++i) {
    labels.emplace_back(form, LabelOptions{.x = i % 500, .y = i % 300, .width = 20, .height = 12});
    const Label& label = labels.back();
    ASSERT_NE(HWND(NULL), label.hwnd) << "label " << i;
    ASSERT_GE(label.id, firstAutomaticId);
    ASSERT_LE(label.id, lastAutomaticId);
    ASSERT_EQ(label.id, GetDlgCtrlID(label.hwnd));
    seen.insert(label.id);
  }
  EXPECT_EQ(static_cast<std::size_t>(count), seen.size());
  EXPECT_GE(detail::automaticIdsInUse(), count);
  // Ending the windows gives their identifiers back.
  for (Label& label : labels) label.destroy();
  EXPECT_EQ(before, detail::automaticIdsInUse());
}
