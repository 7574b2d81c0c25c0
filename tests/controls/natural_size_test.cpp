// Natural sizes: the rounding that lets scaled units cover measured pixels, and
// sizes that follow the window's own font and text (the DPI suite checks them
// against the text at 96, 144 and 192 DPI).
#include "support/control_host.h"
#include "tarn/core/dpi.h"
#include "tarn/core/sizing.h"

using namespace tarn;
using testing_support::ControlHost;

TEST(NaturalSize, UnitsScaledBackCoverThePixelsMeasured) {
  for (int dpi : {96, 120, 144, 168, 192, 288}) {
    for (int pixels = 0; pixels <= 600; ++pixels) {
      int units = detail::unitsCovering(pixels, dpi);
      ASSERT_GE(detail::scale(units, dpi), pixels) << pixels << " px at " << dpi;
      ASSERT_LT(detail::scale(units - 1, dpi), pixels + 2) << "no more than needed";
    }
  }
  EXPECT_EQ(0, detail::unitsCovering(-5, 96));
  EXPECT_EQ(10, detail::unitsCovering(10, 0)) << "an unknown DPI counts as 96";
}

TEST(NaturalSize, AWindowlessObjectHasNone) {
  Size none = Button().naturalSize();
  EXPECT_EQ(0, none.width);
  EXPECT_EQ(0, none.height);
}

// A larger font or a longer text gives a larger size; a size the program gave
// stays until it asks.
TEST_F(ControlHost, FollowsTheWindowsOwnFontAndText) {
  Button button(form, {.text = "A rather long caption", .x = 5, .y = 5});
  CheckBox check(form, {.text = "Keep", .x = 5, .y = 40, .width = 300});
  Size before = button.naturalSize();
  EXPECT_NEAR(before.width, button.width.get(), 1);
  EXPECT_NEAR(300, check.width.get(), 1) << "a width given is kept";
  HFONT big = CreateFontA(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  button.setFont(big);
  Size larger = button.naturalSize();
  EXPECT_GT(larger.width, before.width);
  EXPECT_GT(larger.height, before.height);
  Size narrow = check.naturalSize();
  check.text = "Keep the window in front of the others";
  EXPECT_GT(check.naturalSize().width, narrow.width);
  button.destroy();
  DeleteObject(big);
}
