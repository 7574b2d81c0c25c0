// Labels, icon and bitmap boxes and sunken frames: pictures shown and handed
// back, sizes kept or taken from the picture, and the frame's fixed geometry.
#include "support/control_host.h"
#include "controls/controls_resources.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

TEST_F(ControlHost, PictureBoxesShowTheirPictureAndHandBackThePreviousOne) {
  Icon first(LoadIconA(NULL, IDI_APPLICATION));
  Icon second(LoadIconA(NULL, IDI_WARNING));
  IconBox icons("ignored", 501, 10, 10, 100, 100, form, first, true, true, false, 0);
  EXPECT_EQ(first.handle, reinterpret_cast<HICON>(SendMessageA(icons.hwnd, STM_GETICON, 0, 0)));
  EXPECT_EQ(first.handle, icons.setIcon(second));
  EXPECT_EQ(second.handle, reinterpret_cast<HICON>(SendMessageA(icons.hwnd, STM_GETICON, 0, 0)));
  // The box takes the icon's size.
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), int(icons.width));
  EXPECT_EQ(GetSystemMetrics(SM_CYICON), int(icons.height));

  Bitmap bars(static_cast<unsigned>(ID_BITMAP_BARS));
  Bitmap other(static_cast<unsigned>(ID_BITMAP_BARS));
  ASSERT_FALSE(bars.isNull());
  BmpBox pictures("ignored", 502, 150, 10, 120, 90, form, bars, true, true, false, 0);
  EXPECT_EQ(bars.bmp, reinterpret_cast<HBITMAP>(
                          SendMessageA(pictures.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0)));
  // Centred at its own size: the box keeps the size it was given.
  EXPECT_EQ(120, int(pictures.width));
  EXPECT_EQ(90, int(pictures.height));
  EXPECT_EQ(HANDLE(bars.bmp), pictures.setBitmap(other));
  EXPECT_EQ(other.bmp, reinterpret_cast<HBITMAP>(
                           SendMessageA(pictures.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0)));
  // The previous pictures still belong to the caller and are alive.
  BITMAP info = {};
  EXPECT_NE(0, GetObjectA(bars.bmp, sizeof info, &info));
  EXPECT_EQ(HANDLE(other.bmp), pictures.setBitmap(Bitmap()));
}

TEST_F(ControlHost, LabelsShowTheirTextAndPlaceLikeOtherControls) {
  Label label("First line", 510, -10, 20, 5, 5, form, true, true, false, 0);
  EXPECT_EQ("First line", String(label.text).str());
  RECT r = placeOf(label.hwnd);
  EXPECT_EQ(0, r.left);
  EXPECT_EQ(20, r.top);
  EXPECT_EQ(10, r.right - r.left);
  Label centred("Mid", 511, 0, 0, 200, 20, form, false, true, true, 0);
  r = placeOf(centred.hwnd);
  EXPECT_EQ((hostWidth - 200) / 2, r.left);
  EXPECT_FALSE(bool(centred.enabled));
}

TEST_F(ControlHost, SunkenFramesKeepTheirGeometryAndAreVisibleAtOnce) {
  SunkenFrame frame(-3, -4, 5, 6, form);
  ASSERT_NE(HWND(NULL), frame.hwnd);
  EXPECT_EQ(form.hwnd, frame.parentHwnd);
  EXPECT_EQ("Static", classOf(frame.hwnd));
  EXPECT_EQ(0x50001107, styleOf(frame.hwnd));
  EXPECT_EQ(-1, GetDlgCtrlID(frame.hwnd));
  EXPECT_TRUE(IsWindowVisible(frame.hwnd));
  EXPECT_EQ("", String(frame.text).str());
  RECT r = placeOf(frame.hwnd);
  EXPECT_EQ(-3, r.left);
  EXPECT_EQ(-4, r.top);
  EXPECT_EQ(5, r.right - r.left);
  EXPECT_EQ(6, r.bottom - r.top);
  SunkenFrame none;
  EXPECT_EQ(HWND(NULL), none.hwnd);
  EXPECT_EQ(HWND(NULL), none.parentHwnd);
}
