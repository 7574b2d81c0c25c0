// The program's message loop, a form's shortcuts, its command and notification
// handlers, its close and resize events, and Enter clicking its default button.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::bringToFront;
using testing_support::loopWithWatchdog;
using testing_support::pressKeys;

namespace {

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
  ASSERT_TRUE(bringToFront(form.hwnd));
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
  ASSERT_TRUE(bringToFront(form.hwnd));
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

// ---------------------------------------------------------------------------
// The form's own events, and Enter clicking its default button.

// Enter in a form clicks its default button: the button's onClick, then the
// form's command for it, as a click would; IDOK does not come.
TEST(DefaultButton, EnterRunsItsOnClickThenItsCommand) {
  Form form = visibleForm();
  TextBox box("", 803, 10, 10, 200, 24, form, true, true, false, false, 0);
  Button ok("OK", 804, 10, 50, 80, 24, form, true, true, false, true, 0, false, Icon());
  std::vector<std::string> seen;
  ok.onClick([&] { seen.push_back("onClick"); });
  form.onCommand(804, [&] {
    seen.push_back("command");
    PostQuitMessage(5);
  });
  form.onCommand(IDOK, [&] {
    seen.push_back("IDOK");
    PostQuitMessage(6);
  });
  ASSERT_TRUE(bringToFront(form.hwnd));
  box.focus();
  pressKeys({VK_RETURN});
  EXPECT_EQ(5, loopWithWatchdog());
  EXPECT_EQ((std::vector<std::string>{"onClick", "command"}), seen);

  // A form without a default button still gets IDOK.
  Form plain = visibleForm();
  TextBox other("", 805, 10, 10, 200, 24, plain, true, true, false, false, 0);
  plain.onCommand(IDOK, [] { PostQuitMessage(7); });
  ASSERT_TRUE(bringToFront(plain.hwnd));
  other.focus();
  pressKeys({VK_RETURN});
  EXPECT_EQ(7, loopWithWatchdog());
  plain.destroy();
  form.destroy();
}

// Alt+F4 asks the close handler: false keeps the form, with its procedure
// told nothing; true lets the default procedure end the loop (quit code 0); a
// handler that throws keeps the form, and the runtime check says why.
TEST(FormEvents, TheCloseHandlerDecidesWhetherTheFormCloses) {
  struct Row {
    const char* what;
    std::function<bool()> handler;
    int quitCode;
    std::size_t boxes;
  } rows[] = {
      {"keeps", [] { return PostQuitMessage(9), false; }, 9, 0},
      {"closes", [] { return PostQuitMessage(9), true; }, 0, 0},
      {"throws",
       []() -> bool {
         PostQuitMessage(9);
         throw std::runtime_error("unsaved");
       },
       9, 1},
  };
  for (const Row& row : rows) {
    Form form = visibleForm();
    form.onClose(row.handler);
    testing_support::BoxAnswerer answerer(IDIGNORE);
    ASSERT_TRUE(bringToFront(form.hwnd));
    pressKeys({VK_MENU, VK_F4});
    EXPECT_EQ(row.quitCode, loopWithWatchdog()) << row.what;
    EXPECT_TRUE(IsWindowVisible(form.hwnd)) << row.what;  // the default procedure hides nothing
    EXPECT_EQ(row.boxes, answerer.boxes().size()) << row.what;
    form.destroy();
  }
}

// A close handler may destroy its form; a null one gives WM_CLOSE back to the
// procedure.
TEST(FormEvents, ACloseHandlerMayDestroyItsFormAndNullRemovesIt) {
  Form form = visibleForm();
  form.onClose([&] { return form.destroy(), false; });
  SendMessageA(form.hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(form.hwnd));

  Form other = visibleForm();
  other.onClose([] { return false; });
  other.onClose(nullptr);
  PostMessageA(other.hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, loopWithWatchdog());  // the default procedure's quit
  other.destroy();
}

// The resize handler hears the client size in units, after the anchored
// children have moved, and not while the form is minimised.
TEST(FormEvents, TheResizeHandlerSeesTheClientSizeWithTheChildrenInPlace) {
  Form form = visibleForm();
  Button corner("x", 806, 200, 150, 40, 20, form, true, true, false, false, 0, false, Icon());
  corner.anchor = anchorRight | anchorBottom;
  struct Seen {
    int width, height, cornerX;
  };
  std::vector<Seen> seen;
  form.onResize([&](int width, int height) { seen.push_back({width, height, corner.x}); });
  int startWidth = form.clientWidth, startX = corner.x;
  form.resize(420, 300);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ(int(form.clientWidth), seen[0].width);
  EXPECT_EQ(int(form.clientHeight), seen[0].height);
  EXPECT_EQ(startX + seen[0].width - startWidth, seen[0].cornerX);

  form.minimise();
  EXPECT_EQ(1u, seen.size());
  form.restore();
  EXPECT_EQ(2u, seen.size());
  EXPECT_EQ(seen[0].width, seen[1].width);

  form.onResize(nullptr);
  form.resize(300, 200);
  EXPECT_EQ(2u, seen.size());
  form.onResize([&](int, int) { form.destroy(); });
  form.resize(350, 250);
  EXPECT_FALSE(IsWindow(form.hwnd));
}
