// Forms: frame kinds, identifiers, placement, states, icons, tray icon and the
// default and user procedures.
#include <gtest/gtest.h>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pumpUntil;

namespace {

Form makeForm(int kind, bool child = false, int exStyle = 0, const Control& parent = Control(),
              bool visible = false) {
  return Form("Test form", 30, 40, 300, 200, kind, true, visible, false, false, false, parent,
              child, exStyle);
}

// Ends a message loop; returns the quit code, or -1 when none came in time.
int runLoopUntilQuit(DWORD timeoutMs) {
  DWORD start = GetTickCount();
  MSG msg;
  for (;;) {
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
      if (!IsDialogMessageA(GetParent(msg.hwnd), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    if (GetTickCount() - start > timeoutMs) return -1;
    Sleep(5);
  }
}

}  // namespace

struct KindCase {
  int kind;
  bool child;
  int exStyle;
  DWORD style;
  DWORD exStyleExpected;
};

class FormKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(FormKinds, StyleAndExtendedStyle) {
  const KindCase& c = GetParam();
  EXPECT_EQ(c.style, formStyle(c.kind, c.child));
  EXPECT_EQ(c.exStyleExpected, formExStyle(c.kind, static_cast<DWORD>(c.exStyle)));
  if (c.child) return;  // child forms are checked on a real parent below
  Form f = makeForm(c.kind, false, c.exStyle);
  ASSERT_TRUE(f.isCreated());
  // WS_CAPTION forms may gain WS_SYSMENU bits etc. from the system; the frame
  // bits the toolkit asked for must all be there.
  DWORD actual = static_cast<DWORD>(f.currentStyle());
  EXPECT_EQ(c.style, actual & c.style) << std::hex << actual;
  EXPECT_EQ(c.exStyleExpected & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES),
            static_cast<DWORD>(f.currentExStyle()) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW |
                                                      WS_EX_ACCEPTFILES));
  EXPECT_EQ(c.kind, f.kind);
  EXPECT_EQ(c.exStyle, f.exStyleArg);
  f.destroy();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, FormKinds,
    ::testing::Values(KindCase{0, false, 0, 0x02CF0000, 0x10}, KindCase{1, false, 0, 0x82C00000, 0x10},
                      KindCase{2, false, 0, 0x02CE0000, 0x10}, KindCase{3, false, 0, 0x02CA0080, 0x10},
                      KindCase{4, false, 0, 0x02CD0000, 0x10}, KindCase{5, false, 0, 0x02C90080, 0x10},
                      KindCase{6, false, 0, 0x02CC0000, 0x10}, KindCase{7, false, 0, 0x02C80080, 0x10},
                      KindCase{8, false, 0, 0x02CF0000, 0x90}, KindCase{9, false, 0, 0x02CF0000, 0x10},
                      KindCase{10, false, 8, 0x82000000, 0x18}, KindCase{11, false, 0, 0x82800000, 0x10},
                      KindCase{12, false, 0, 0x02CF0000, 0x10}, KindCase{100, false, 0, 0x02CF0000, 0x10},
                      KindCase{-1, false, 0, 0x02CF0000, 0x10}, KindCase{10, true, 0, 0x42000000, 0x10},
                      KindCase{11, true, 0, 0x42800000, 0x10}, KindCase{0, true, 4, 0x42CF0000, 0x14}));

TEST(Form, ChildFormsLiveInTheirParent) {
  Form parent = makeForm(0);
  Form child = makeForm(11, true, 0, parent, true);
  EXPECT_EQ(parent.hwnd, GetParent(child.hwnd));
  EXPECT_EQ(parent.hwnd, child.parentHwnd);
  EXPECT_TRUE(child.hasStyle(WS_CHILD));
  EXPECT_TRUE(child.hasStyle(WS_BORDER));
  parent.destroy();
}

TEST(Form, IdentifiersFollowTheFormCounter) {
  int next = formCounter;
  Form a;
  Form b = makeForm(0);
  EXPECT_EQ(3024 + next, a.notifyId);
  EXPECT_EQ(3024 + next + 1, b.notifyId);
  EXPECT_EQ(next + 2, formCounter);
  b.destroy();
}

TEST(Form, WithoutWindow) {
  Form f;
  EXPECT_EQ(nullptr, f.hwnd);
  EXPECT_EQ(nullptr, f.parentHwnd);
  EXPECT_EQ(0xFFFFFF, int(f.color));
  ASSERT_EQ(1u, f.fileDialog.filters.size());
  EXPECT_TRUE(f.fileDialog.filters[0].description == "All Files (*.*)");
  EXPECT_TRUE(f.fileDialog.filters[0].pattern == "*.*");
  EXPECT_FALSE(f.removeTrayIcon());
}

TEST(Form, CreationPlacesSizesCaptionsAndShows) {
  // Frameless, so that the system's minimum tracking size of captioned windows
  // does not hide the toolkit's own minimum.
  Form f("Hello", -30, 25, 5, 260, 10, false, true, false, false, false, Control(), false, 0);
  EXPECT_TRUE(String(f.caption) == "Hello");
  EXPECT_EQ(0, int(f.x));
  EXPECT_EQ(25, int(f.y));
  EXPECT_EQ(10, int(f.width));
  EXPECT_EQ(260, int(f.height));
  EXPECT_TRUE(bool(f.visible));
  EXPECT_FALSE(bool(f.enabled));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&f), GetWindowLongPtrA(f.hwnd, GWLP_USERDATA));
  EXPECT_EQ(reinterpret_cast<DLGPROC>(defaultFormProcedure), f.dialogProcedure());
  char cls[16] = {0};
  GetClassNameA(f.hwnd, cls, sizeof cls);
  EXPECT_STREQ("#32770", cls);
  f.destroy();
}

TEST(Form, CentringNeedsAParentWindow) {
  Form top("top", 33, 44, 200, 100, 10, true, false, false, false, true, Form(), false, 0);
  EXPECT_EQ(33, int(top.x));
  EXPECT_EQ(44, int(top.y));
  Form parent("parent", 0, 0, 500, 400, 10, true, true, false, false, false, Form(), false, 0);
  Form inner("inner", 5, 5, 100, 100, 10, true, true, false, false, true, parent, true, 0);
  EXPECT_EQ(200, int(inner.x));
  EXPECT_EQ(150, int(inner.y));
  top.destroy();
  parent.destroy();
}

TEST(Form, OwnedPopUpsStayWhereTheyArePutAndCentreOverTheirOwner) {
  Form owner("owner", 300, 200, 400, 300, 10, true, true, false, false, false, Control(), false, 0);
  Form popup("popup", 50, 60, 100, 80, 10, true, true, false, false, false, owner, false, 0);
  ASSERT_EQ(owner.hwnd, GetParent(popup.hwnd));  // a pop-up's parent is its owner
  EXPECT_EQ(50, int(popup.x));  // top-level: screen coordinates
  EXPECT_EQ(60, int(popup.y));
  popup.width = 120;
  popup.resize(130, 90);
  EXPECT_EQ(50, int(popup.x));
  EXPECT_EQ(60, int(popup.y));
  popup.centre();
  EXPECT_EQ(300 + (400 - 130) / 2, int(popup.x));
  EXPECT_EQ(200 + (300 - 90) / 2, int(popup.y));
  popup.fitToParent();
  EXPECT_EQ(300, int(popup.x));
  EXPECT_EQ(200, int(popup.y));
  EXPECT_EQ(400, int(popup.width));
  owner.destroy();
}

TEST(Form, MaximisedThenMinimisedEndsMinimised) {
  Form f("both", 10, 10, 200, 150, 0, true, true, true, true, false, Form(), false, 0);
  EXPECT_TRUE(f.isMinimised());
  EXPECT_TRUE(f.restore());
  EXPECT_FALSE(f.isMinimised());
  f.maximise();
  EXPECT_TRUE(f.isMaximised());
  f.destroy();
}

TEST(Form, IconsAndTheDefaultIcon) {
  Form f = makeForm(0);
  EXPECT_EQ(LoadIconA(NULL, IDI_APPLICATION), Icon(f.icon).handle);
  EXPECT_EQ(nullptr, f.iconHandle);
  HICON warning = LoadIconA(NULL, IDI_WARNING);
  f.icon = Icon(warning);
  EXPECT_EQ(warning, f.iconHandle);
  EXPECT_EQ(warning, Icon(f.icon).handle);
  EXPECT_EQ(reinterpret_cast<LRESULT>(warning), SendMessageA(f.hwnd, WM_GETICON, ICON_SMALL, 0));
  f.destroy();
}

TEST(Form, TrayIconAddUpdateRemove) {
  Form f = makeForm(0);
  HICON icon = LoadIconA(NULL, IDI_APPLICATION);
  EXPECT_TRUE(f.addTrayIcon(icon, 0, 0, "tip"));
  EXPECT_EQ(static_cast<UINT>(f.notifyId), f.trayIcon.uID);
  EXPECT_EQ(static_cast<UINT>(f.notifyId), f.trayIcon.uCallbackMessage);
  EXPECT_EQ(sizeof(void*) == 4 ? 88u : 104u, f.trayIcon.cbSize);  // the first layout
  EXPECT_EQ(7u, f.trayIcon.uFlags);
  EXPECT_FALSE(f.addTrayIcon(icon, 0, 0, "again"));
  EXPECT_STREQ("tip", f.trayIcon.szTip);
  EXPECT_TRUE(f.updateTrayIcon(icon, 0, 0, std::string(200, 'x')));
  EXPECT_EQ(63u, std::string(f.trayIcon.szTip).size());  // cut, terminated
  EXPECT_TRUE(f.removeTrayIcon());
  EXPECT_FALSE(f.removeTrayIcon());
  EXPECT_TRUE(f.updateTrayIcon(icon, 0, 0, "re-added by update"));
  EXPECT_TRUE(f.trayIconShown);
  EXPECT_TRUE(f.removeTrayIcon());
  f.destroy();
}

TEST(Form, AttachedWindowIsNamedForRedraws) {
  Form f = makeForm(0, false, 0, Form(), true);
  HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, f.hwnd, NULL, NULL, NULL);
  f.attach(Control(other));
  EXPECT_TRUE(f.attachedSet);
  EXPECT_EQ(other, f.attached.hwnd);
  EXPECT_EQ(f.hwnd, f.attached.parentHwnd);
  EXPECT_TRUE(f.minimise());
  f.destroy();
}

TEST(FormProcedure, TheDefaultProcedureEndsTheLoopOnClose) {
  Form f = makeForm(0, false, 0, Form(), true);
  PostMessageA(f.hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, runLoopUntilQuit(5000));
  EXPECT_TRUE(IsWindow(f.hwnd));  // closed, not destroyed
  f.destroy();
}

namespace {
int closesSeen = 0;
INT_PTR CALLBACK ignoreClose(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) ++closesSeen;
  return 0;
}
}  // namespace

TEST(FormProcedure, AUserProcedureReturningZeroForCloseKeepsTheLoop) {
  Form f = makeForm(0, false, 0, Form(), true);
  f.procedure = ignoreClose;
  EXPECT_EQ(reinterpret_cast<DLGPROC>(ignoreClose), f.dialogProcedure());
  closesSeen = 0;
  PostMessageA(f.hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(-1, runLoopUntilQuit(500));
  EXPECT_EQ(1, closesSeen);
  EXPECT_TRUE(IsWindow(f.hwnd));
  f.destroy();
}

namespace {
std::vector<std::pair<WPARAM, LPARAM>> commands;
INT_PTR CALLBACK recordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    commands.push_back({wParam, lParam});
    // The object that owns the window is found through the user-data slot.
    Form* self = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->hwnd != window) commands.push_back({0, 0});
  }
  return 0;
}
}  // namespace

TEST(FormProcedure, ControlNotificationsReachTheUserProcedure) {
  Form f = makeForm(0, false, 0, Form(), true);
  f.procedure = recordCommands;
  HWND button = CreateWindowExA(0, "BUTTON", "press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                                10, 80, 25, f.hwnd, reinterpret_cast<HMENU>(151), NULL, NULL);
  commands.clear();
  SendMessageA(button, BM_CLICK, 0, 0);
  testing_support::pump(50);
  ASSERT_EQ(1u, commands.size());
  EXPECT_EQ(MAKEWPARAM(151, BN_CLICKED), commands[0].first);
  EXPECT_EQ(reinterpret_cast<LPARAM>(button), commands[0].second);
  f.destroy();
}

TEST(FormProcedure, CommandsOfANestedFormReachItsParent) {
  Form outer = makeForm(0, false, 0, Form(), true);
  outer.procedure = recordCommands;
  Form inner("inner", 0, 0, 100, 100, 10, true, true, false, false, false, outer, true, 0);
  inner.procedure = commandForwardProcedure;
  HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, inner.hwnd,
                                reinterpret_cast<HMENU>(42), NULL, NULL);
  commands.clear();
  SendMessageA(button, BM_CLICK, 0, 0);
  ASSERT_EQ(1u, commands.size());
  EXPECT_EQ(MAKEWPARAM(42, BN_CLICKED), commands[0].first);
  EXPECT_EQ(reinterpret_cast<LPARAM>(button), commands[0].second);
  outer.destroy();
}

TEST(Form, AssignedFromATemporaryTheWindowNamesTheLiveForm) {
  Form f;
  f = makeForm(0);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&f), GetWindowLongPtrA(f.hwnd, GWLP_USERDATA));
  EXPECT_EQ(&f, f.color.owner());
  EXPECT_EQ(&f, f.procedure.owner());
  f.procedure = ignoreClose;
  EXPECT_EQ(reinterpret_cast<DLGPROC>(ignoreClose), f.dialogProcedure());
  f.destroy();
}
