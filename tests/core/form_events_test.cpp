// The program's message loop, a form's shortcuts, its command and notification
// handlers, and children anchored to the edges of their parent.
#include <gtest/gtest.h>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pressKeys;

namespace {

constexpr UINT_PTR watchdogMs = 5000;
VOID CALLBACK endLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(-2); }

// Runs messageLoop() with a watchdog that ends it with -2 if nothing else does.
int loopWithWatchdog() {
  UINT_PTR watchdog = SetTimer(NULL, 0, watchdogMs, endLoop);
  int code = messageLoop();
  KillTimer(NULL, watchdog);
  return code;
}

Form visibleForm() {
  return Form("Events", 40, 40, 320, 240, 0, true, true, false, false, false, Control(), false, 0);
}

}  // namespace

TEST(MessageLoop, AnswersTheQuitCode) {
  PostQuitMessage(42);
  EXPECT_EQ(42, messageLoop());
}

// A shortcut pressed on the keyboard while a control of the form has the focus
// reaches the form as the command; the plain key does not.
TEST(Shortcuts, KeyPressArrivesAsTheFormsCommand) {
  Form form = visibleForm();
  TextBox box("", 801, 10, 10, 200, 24, form, true, true, false, false, 0);
  std::vector<int> seen;
  form.addShortcut(FCONTROL, 'N', 501);
  form.addShortcut(FCONTROL | FSHIFT, 'S', 502);
  form.onCommand(501, [&] { seen.push_back(501); });
  form.onCommand(502, [&] {
    seen.push_back(502);
    PostQuitMessage(7);
  });
  SetForegroundWindow(form.hwnd);
  box.focus();
  pressKeys({'N'});
  pressKeys({VK_CONTROL, 'N'});
  pressKeys({VK_CONTROL, VK_SHIFT, 'S'});
  EXPECT_EQ(7, loopWithWatchdog());
  EXPECT_EQ((std::vector<int>{501, 502}), seen);
  EXPECT_EQ("n", String(box.text).str());  // the plain key was typed, not taken
  form.destroy();
}

// A handler runs instead of the form's procedure for its command or
// notification; everything else still reaches the procedure; a null handler
// gives the command back to the procedure.
std::vector<std::pair<UINT, int>> procedureSaw;
INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) procedureSaw.push_back({message, LOWORD(wParam)});
  if (message == WM_NOTIFY)
    procedureSaw.push_back({message, static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code)});
  return 0;
}

TEST(Handlers, RunInsteadOfTheProcedureForTheirMessagesOnly) {
  procedureSaw.clear();
  Form form = visibleForm();
  form.procedure = recordingProcedure;
  int commands = 0;
  form.onCommand(601, [&] { ++commands; });
  form.onNotify(602, NM_CLICK, [&](NMHDR* header) -> LRESULT {
    EXPECT_EQ(602u, header->idFrom);
    return 99;
  });
  SendMessageA(form.hwnd, WM_COMMAND, 601, 0);
  SendMessageA(form.hwnd, WM_COMMAND, 603, 0);
  NMHDR click = {form.hwnd, 602, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(99, SendMessageA(form.hwnd, WM_NOTIFY, 602, reinterpret_cast<LPARAM>(&click)));
  NMHDR other = {form.hwnd, 602, static_cast<UINT>(NM_DBLCLK)};
  SendMessageA(form.hwnd, WM_NOTIFY, 602, reinterpret_cast<LPARAM>(&other));
  form.onCommand(601, nullptr);
  SendMessageA(form.hwnd, WM_COMMAND, 601, 0);
  EXPECT_EQ(1, commands);
  EXPECT_EQ((std::vector<std::pair<UINT, int>>{
                {WM_COMMAND, 603}, {WM_NOTIFY, static_cast<int>(NM_DBLCLK)}, {WM_COMMAND, 601}}),
            procedureSaw);
  form.destroy();
}
