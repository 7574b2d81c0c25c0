// Push buttons, check boxes, radio buttons and frames: icons, checks, geometry
// and the objects built without windows.
#include "support/control_host.h"
#include "controls/controls_resources.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

HICON imageOf(const Button& b) {
  return reinterpret_cast<HICON>(SendMessageA(b.hwnd, BM_GETIMAGE, IMAGE_ICON, 0));
}

// Counts the BM_SETIMAGE messages this thread's windows receive.
int imagesSent = 0;
LRESULT CALLBACK countImages(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && reinterpret_cast<CWPSTRUCT*>(lParam)->message == BM_SETIMAGE)
    ++imagesSent;
  return CallNextHookEx(NULL, code, wParam, lParam);
}

}  // namespace

TEST(ButtonsWithoutWindows, HaveNoParentAndReadUnchecked) {
  Button button;
  CheckBox check;
  RadioButton radio;
  GroupBox group;
  FrameBox frame;
  const Control* all[] = {&button, &check, &radio, &group, &frame};
  for (const Control* c : all) {
    EXPECT_EQ(HWND(NULL), c->hwnd);
    EXPECT_EQ(HWND(NULL), c->parentHwnd);
  }
  EXPECT_FALSE(bool(check.checked));
  EXPECT_FALSE(bool(radio.checked));
  EXPECT_EQ(HANDLE(NULL), button.setIcon(Icon(LoadIconA(NULL, IDI_APPLICATION))));
}

TEST_F(ControlHost, ButtonIconsAreSentOnlyWhenAskedAndHandBackThePreviousOne) {
  Icon first(LoadIconA(NULL, IDI_APPLICATION));
  Icon second(LoadIconA(NULL, IDI_WARNING));
  imagesSent = 0;
  HHOOK spy = SetWindowsHookExA(WH_CALLWNDPROC, countImages, NULL, GetCurrentThreadId());
  Button plain("Plain", 301, 10, 10, 80, 40, form, true, true, false, false, 0, false, first);
  EXPECT_EQ(0, imagesSent);  // not sent during creation
  EXPECT_EQ(HICON(NULL), imageOf(plain));
  plain.setIcon(second);     // but sent when asked, though the button shows no image
  EXPECT_EQ(1, imagesSent);
  UnhookWindowsHookEx(spy);
  EXPECT_EQ(&plain, reinterpret_cast<Button*>(GetWindowLongPtrA(plain.hwnd, GWLP_USERDATA)));

  Button pictured("Icon", 302, 10, 60, 80, 40, form, true, true, false, false, 0, true, first);
  EXPECT_EQ(first.handle, imageOf(pictured));
  EXPECT_EQ(first.handle, pictured.setIcon(second));
  EXPECT_EQ(second.handle, imageOf(pictured));
  HICON fromResource = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(ID_ICON_TARN));
  ASSERT_NE(HICON(NULL), fromResource);
  // Only the low 16 bits name the resource.
  EXPECT_EQ(second.handle, pictured.setIconResource(0x10000 | ID_ICON_TARN));
  EXPECT_EQ(fromResource, imageOf(pictured));
  EXPECT_EQ(fromResource, pictured.setIconResource(ID_ICON_TARN));
}

TEST_F(ControlHost, CheckStatesReadBackAndIndeterminateReadsUnchecked) {
  CheckBox check("Check", 310, 10, 10, 120, 24, form, true, false, true, false, 0);
  // Disabled before its check is set; both take effect.
  EXPECT_FALSE(bool(check.enabled));
  EXPECT_TRUE(bool(check.checked));
  EXPECT_EQ(BST_CHECKED, SendMessageA(check.hwnd, BM_GETCHECK, 0, 0));
  check.checked = false;
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(check.hwnd, BM_GETCHECK, 0, 0));
  EXPECT_FALSE(bool(check.checked));

  check.setStyle((check.currentStyle() & ~0xF) | BS_AUTO3STATE);
  SendMessageA(check.hwnd, BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(BST_INDETERMINATE, SendMessageA(check.hwnd, BM_GETCHECK, 0, 0));
  EXPECT_FALSE(bool(check.checked));

  RadioButton radio("Radio", 311, 10, 40, 120, 24, form, false, true, false, 0);
  radio.checked = true;  // a disabled radio button still takes its check
  EXPECT_TRUE(bool(radio.checked));
  radio.checked = false;
  EXPECT_FALSE(bool(radio.checked));
  // Copies act on the same window through their own properties.
  CheckBox copy = check;
  copy.checked = true;
  EXPECT_TRUE(bool(check.checked));
}

TEST_F(ControlHost, RadioButtonsKeepTheirGeometryWhileOthersAreClamped) {
  RadioButton radio("R", 320, -5, -5, 4, 4, form, true, true, false, 0);
  CheckBox check("C", 321, -5, -5, 4, 4, form, false, true, true, false, 0);
  Button button("B", 322, -5, -5, 4, 4, form, true, true, false, false, 0, false, Icon());
  Frame frame("F", 323, -5, -5, 4, 4, form, true, true, false, 0);
  struct Row {
    const char* name;
    HWND window;
    RECT expected;
  } rows[] = {
      {"radio", radio.hwnd, {-5, -5, -1, -1}},
      {"check", check.hwnd, {0, 0, 10, 10}},
      {"button", button.hwnd, {0, 0, 10, 10}},
      {"frame", frame.hwnd, {0, 0, 10, 10}},
  };
  for (const Row& row : rows) {
    RECT r = placeOf(row.window);
    EXPECT_EQ(row.expected.left, r.left) << row.name;
    EXPECT_EQ(row.expected.top, r.top) << row.name;
    EXPECT_EQ(row.expected.right, r.right) << row.name;
    EXPECT_EQ(row.expected.bottom, r.bottom) << row.name;
  }
}

TEST_F(ControlHost, CentredButtonsSitInTheMiddleAndCreateFillsAnEmptyObject) {
  Button centred("Mid", 330, 0, 0, 100, 40, form, true, true, true, false, 0, false, Icon());
  RECT r = placeOf(centred.hwnd);
  EXPECT_EQ((hostWidth - 100) / 2, r.left);
  EXPECT_EQ((hostHeight - 40) / 2, r.top);

  CheckBox later;
  later.create("Later", 331, 30, 40, 90, 20, form, true, true, true, false, 0);
  EXPECT_EQ(331, later.id);
  EXPECT_EQ(form.hwnd, later.parentHwnd);
  EXPECT_TRUE(bool(later.checked));
  EXPECT_EQ(30, int(later.x));
  EXPECT_EQ("Later", String(later.text).str());
  later.text = "Changed";
  EXPECT_EQ("Changed", testing_support::windowText(later.hwnd));
}
