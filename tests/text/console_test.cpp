// Console: opening, title, writing, typed lines read back, limits and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <tarn/tarn.h>

using namespace tarn;

namespace {

// A process has one console, and this test program may start attached to one
// of its own: each test starts detached and leaves the standard handles as
// they were.
class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) saved[i] = GetStdHandle(kinds[i]);
    FreeConsole();
  }
  void TearDown() override {
    FreeConsole();
    for (int i = 0; i < 3; ++i) SetStdHandle(kinds[i], saved[i]);
  }

  // Types `keys` into the console as key presses ('\r' is Enter); true when
  // every event was queued.
  static bool type(HANDLE input, const std::string& keys) {
    std::vector<INPUT_RECORD> records;
    for (char c : keys) {
      INPUT_RECORD r;
      ZeroMemory(&r, sizeof r);
      r.EventType = KEY_EVENT;
      r.Event.KeyEvent.wRepeatCount = 1;
      r.Event.KeyEvent.wVirtualKeyCode =
          c == '\r' ? VK_RETURN : static_cast<WORD>(VkKeyScanA(c) & 0xFF);
      r.Event.KeyEvent.uChar.AsciiChar = c;
      r.Event.KeyEvent.bKeyDown = TRUE;
      records.push_back(r);
      r.Event.KeyEvent.bKeyDown = FALSE;
      records.push_back(r);
    }
    DWORD written = 0;
    return WriteConsoleInputA(input, records.data(), static_cast<DWORD>(records.size()),
                              &written) &&
           written == records.size();
  }

  const DWORD kinds[3] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  HANDLE saved[3] = {NULL, NULL, NULL};
};

}  // namespace

TEST_F(ConsoleTest, BeforeOpeningNothingIsWrittenOrRead) {
  Console console;
  EXPECT_EQ(static_cast<HANDLE>(NULL), console.input);
  EXPECT_EQ(static_cast<HANDLE>(NULL), console.output);
  EXPECT_FALSE(console.write("text"));
  EXPECT_FALSE(console.writeText("text"));
  EXPECT_EQ("", console.read().str());
  String into = "old";
  console.read(into);
  EXPECT_EQ("", into.str());
}

TEST_F(ConsoleTest, OpenWriteReadTitleAndClose) {
  Console console(true);
  ASSERT_NE(static_cast<HANDLE>(NULL), console.output);
  ASSERT_NE(static_cast<HANDLE>(NULL), console.input);
  EXPECT_NE(static_cast<HWND>(NULL), GetConsoleWindow());
  EXPECT_EQ(Console::defaultTitle, String(console.title).str());

  console.title = "Console under test";
  EXPECT_EQ("Console under test", String(console.title).str());

  EXPECT_TRUE(console.write("hello, console\r\n"));
  EXPECT_TRUE(console.write(""));
  EXPECT_TRUE(console.writeText("by value\r\n"));
  console.print("printed\r\n");

  // A typed line comes back with its CR LF.
  ASSERT_TRUE(type(console.input, "hi there\r"));
  EXPECT_EQ("hi there\r\n", console.read().str());

  // A long line comes back in pieces of at most 1023 characters.
  const std::string longLine(1501, 'q');
  ASSERT_TRUE(type(console.input, longLine + "\r"));
  EXPECT_EQ(std::string(1023, 'q'), console.read().str());
  String rest;
  console.read(rest);
  EXPECT_EQ(std::string(478, 'q') + "\r\n", rest.str());

  // A title longer than the buffer is read cut to what fits.
  console.title = std::string(2000, 'T');
  EXPECT_EQ(std::string(1023, 'T'), String(console.title).str());

  // A second console cannot be opened: nothing changes, not even the title.
  Console second;
  EXPECT_EQ(0, second.openConsole("second"));
  EXPECT_EQ(static_cast<HANDLE>(NULL), second.output);
  EXPECT_EQ(static_cast<HANDLE>(NULL), second.input);
  EXPECT_EQ(std::string(2000, 'T').substr(0, 1023), String(console.title).str());
  Console third(true);
  EXPECT_EQ(static_cast<HANDLE>(NULL), third.output);
  EXPECT_FALSE(third.write("nowhere"));

  // Closing keeps the handles, which no longer work.
  HANDLE output = console.output;
  EXPECT_TRUE(console.closeConsole());
  EXPECT_EQ(output, console.output);
  EXPECT_FALSE(console.write("after close"));
  EXPECT_EQ("", console.read().str());

  // And a console can be opened again.
  EXPECT_EQ(0, second.openConsole("second"));
  EXPECT_NE(static_cast<HANDLE>(NULL), second.output);
  EXPECT_EQ("second", String(second.title).str());
  EXPECT_TRUE(second.write("again\r\n"));
  EXPECT_TRUE(second.closeConsole());
}
