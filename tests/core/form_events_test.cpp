// The program's message loop, a form's shortcuts, its command and notification
// handlers, and children anchored to the edges of their parent.
#include <gtest/gtest.h>

#include "support/dialog_answerer.h"
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

// Binding a key again replaces its command, command 0 removes the binding, and
// a key or modifiers out of range are refused (the runtime check) and bind
// nothing, not even the key their low bits name. Pressed for real through the
// loop: only the commands bound last arrive.
TEST(Shortcuts, RebindingReplacesAndBadKeysBindNothing) {
  Form form = visibleForm();
  TextBox box("", 802, 10, 10, 200, 24, form, true, true, false, false, 0);
  std::vector<int> seen;
  for (int command : {101, 102, 103, 104, 105})
    form.onCommand(command, [&seen, command] { seen.push_back(command); });
  form.onCommand(199, [] { PostQuitMessage(3); });
  EXPECT_TRUE(form.addShortcut(0, VK_F5, 101));
  EXPECT_TRUE(form.addShortcut(0, VK_F5, 102));
  EXPECT_TRUE(form.addShortcut(FCONTROL, 'Q', 103));
  EXPECT_TRUE(form.addShortcut(FCONTROL, 'Q', 0));
  {
    testing_support::BoxAnswerer answerer(IDIGNORE);
    EXPECT_FALSE(form.addShortcut(0, 0x10041, 104));           // 'A' in its low bits
    EXPECT_FALSE(form.addShortcut(FVIRTKEY | 0x80, 'B', 105));  // modifiers of no meaning
    EXPECT_EQ(2u, answerer.boxes().size());
  }
  EXPECT_TRUE(form.addShortcut(FCONTROL, VK_F12, 199));
  SetForegroundWindow(form.hwnd);
  box.focus();
  pressKeys({VK_F5});
  pressKeys({VK_CONTROL, 'Q'});
  pressKeys({'A'});
  pressKeys({'B'});
  pressKeys({VK_CONTROL, VK_F12});
  EXPECT_EQ(3, loopWithWatchdog());
  EXPECT_EQ((std::vector<int>{102}), seen);
  EXPECT_EQ("ab", String(box.text).str());  // the keys of the refused bindings were typed
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
