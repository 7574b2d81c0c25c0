// startProgram: the same start and results as WinExec, with the wait for the
// started program moved off the caller's thread.
#include <gtest/gtest.h>

#include <string>

#include "support/folder.h"
#include "support/support.h"

using namespace tarn;
using testing_support::fileExists;
using testing_support::Folder;
using testing_support::readFile;
using testing_support::recordValue;

namespace {

constexpr UINT startedMessage = WM_APP + 7;

// Stand-ins from the launcher's tests: one records its start and ends, the
// other needs 2 s (and longer while "tarn_lumo_probe_hold" is held) before
// its message loop. Both write lumo_probe.txt beside themselves.
void copyProbe(const Folder& folder, const char* probe, const char* as) {
  ASSERT_TRUE(CopyFileA((testing_support::programFolder() + "\\" + probe).c_str(),
                        folder.file(as).c_str(), FALSE));
}

// The posted report for `window` (the thread's own queue when 0), waiting up
// to `timeoutMs`; false when none came.
bool takeReport(HWND window, WPARAM& result, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  MSG msg;
  while (!PeekMessageA(&msg, window ? window : reinterpret_cast<HWND>(-1), startedMessage,
                       startedMessage, PM_REMOVE)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
  result = msg.wParam;
  return true;
}

// The current folder for one scope.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& path) {
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(path.c_str());
  }
  ~CurrentFolder() { SetCurrentDirectoryA(saved); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  char saved[MAX_PATH] = {0};
};

}  // namespace

// For each command line, startProgram gives the result WinExec gives, reports
// that result once, and the started program sees the same command line, show
// state and start-up flags.
TEST(StartProgram, StartsAndAnswersAsWinExecDoes) {
  Folder folder;
  copyProbe(folder, "tarn_lumo_probe.exe", "start_probe.exe");
  if (HasFatalFailure()) return;
  CurrentFolder current(folder.path);  // where relative names are found
  struct Row {
    std::string line;
    int showState;
  };
  const Row rows[] = {
      {"\"" + folder.file("start_probe.exe") + "\" -diag", SW_HIDE},
      {"start_probe.exe  two\targuments", SW_SHOWMINNOACTIVE},
      {"tarn_no_such_program.exe -diag", SW_HIDE},
      {"C:\\tarn_no_such_folder\\start_probe.exe", SW_HIDE},
      {"", SW_HIDE},
      {"start_probe.exe " + std::string(40000, 'x'), SW_HIDE},
  };
  const std::string record = folder.file("lumo_probe.txt");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line.substr(0, 60));
    DeleteFileA(record.c_str());
    UINT expected = WinExec(row.line.c_str(), static_cast<UINT>(row.showState));
    std::string expectedRecord = readFile(record);  // WinExec waited for the probe's end
    DeleteFileA(record.c_str());

    unsigned result = startProgram(row.line, row.showState, NULL, startedMessage);
    EXPECT_EQ(expected, result);
    WPARAM reported = 0;
    ASSERT_TRUE(takeReport(NULL, reported, 30000)) << "no report";
    EXPECT_EQ(result, reported);
    WPARAM again = 0;
    EXPECT_FALSE(takeReport(NULL, again, 0)) << "a second report";
    if (result > 31) {
      ASSERT_TRUE(testing_support::waitForFile(record, 15000));
      std::string got = readFile(record);
      for (const char* key : {"command", "show", "flags"})
        EXPECT_EQ(recordValue(expectedRecord, key), recordValue(got, key)) << key;
    } else {
      EXPECT_FALSE(fileExists(record));
    }
  }
}

// A program slow to get ready: startProgram returns while it is still held
// before its message loop, and the report reaches the window only once the
// program is ready.
TEST(StartProgram, ReportsToTheWindowWhenTheProgramIsReady) {
  Folder folder;
  copyProbe(folder, "tarn_lumo_slow_probe.exe", "slow_probe.exe");
  if (HasFatalFailure()) return;
  HANDLE hold = CreateEventA(NULL, TRUE, FALSE, "tarn_lumo_probe_hold");
  ASSERT_NE(nullptr, hold);
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, window);

  EXPECT_EQ(33u, startProgram("\"" + folder.file("slow_probe.exe") + "\"", SW_HIDE, window,
                              startedMessage));
  const std::string ready = folder.file("lumo_probe_ready.txt");
  WPARAM reported = 0;
  EXPECT_FALSE(takeReport(window, reported, 0)) << "reported before the program was ready";
  EXPECT_FALSE(fileExists(ready));
  ASSERT_TRUE(testing_support::waitForFile(folder.file("lumo_probe.txt"), 15000));

  SetEvent(hold);
  ASSERT_TRUE(takeReport(window, reported, 30000)) << "no report after the program was ready";
  EXPECT_EQ(33u, reported);
  EXPECT_TRUE(fileExists(ready)) << "reported before the program was ready";

  // Let the probe end before its folder goes.
  testing_support::waitForProcess(std::strtoul(
      recordValue(readFile(folder.file("lumo_probe.txt")), "pid").c_str(), nullptr, 10));
  DestroyWindow(window);
  CloseHandle(hold);
}
