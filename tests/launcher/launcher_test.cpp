// The splash launcher, end to end: launcher.exe runs from a folder of its own
// with a picture of four coloured quadrants and a stand-in Lumo.exe, and is
// watched from outside (its window, the screen's pixels, what the stand-in
// recorded, its exit code and when it ended).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/folder.h"
#include "support/support.h"
#include "tools/bmp24.h"

namespace {

const char* const splashCaption = "Lumo One Loading...";

// Quadrant colours of the test picture (0x00BBGGRR), none a system colour.
const COLORREF topLeft = RGB(200, 30, 40);
const COLORREF topRight = RGB(30, 160, 60);
const COLORREF bottomLeft = RGB(40, 60, 200);
const COLORREF bottomRight = RGB(230, 200, 20);

std::string binFolder() { return testing_support::programFolder(); }

using testing_support::fileExists;
using testing_support::Folder;
using testing_support::readFile;
using testing_support::recordValue;
using testing_support::waitForFile;
using testing_support::waitForProcess;
using testing_support::writeFile;

// The four-quadrant picture, 640 by 480.
std::string quadrantPicture() {
  bmp24::Image image(640, 480);
  image.fill(0, 0, 320, 240, topLeft);
  image.fill(320, 0, 640, 240, topRight);
  image.fill(0, 240, 320, 480, bottomLeft);
  image.fill(320, 240, 640, 480, bottomRight);
  return bmp24::encode(image);
}

// Which stand-in, if any, lies beside the launcher as Lumo.exe.
enum class MainProgram {
  none,
  atOnce,  // records its start and ends
  slow,    // records its start, then needs 2 s (longer while held) before its message loop
};

// A folder laid out as shipped: launcher.exe, and optionally the picture and
// a stand-in main program.
void layOut(const Folder& folder, bool withPicture, MainProgram mainProgram) {
  ASSERT_TRUE(fileExists(binFolder() + "\\launcher.exe"))
      << "launcher.exe is not built beside the tests in " << binFolder();
  ASSERT_TRUE(CopyFileA((binFolder() + "\\launcher.exe").c_str(),
                        folder.file("launcher.exe").c_str(), FALSE));
  if (withPicture) {
    ASSERT_TRUE(writeFile(folder.file("SplashScreen.bmp"), quadrantPicture()));
  }
  if (mainProgram != MainProgram::none) {
    const char* standIn =
        mainProgram == MainProgram::slow ? "tarn_lumo_slow_probe.exe" : "tarn_lumo_probe.exe";
    ASSERT_TRUE(CopyFileA((binFolder() + "\\" + standIn).c_str(),
                          folder.file("Lumo.exe").c_str(), FALSE));
  }
}

struct FindSplash {
  DWORD processId;
  HWND splash;
  HWND otherDialog;  // any other visible dialog-class window of the process
};

BOOL CALLBACK findSplashWindow(HWND window, LPARAM param) {
  FindSplash* f = reinterpret_cast<FindSplash*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != f->processId) return TRUE;
  char cls[32] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (testing_support::windowText(window) == splashCaption)
    f->splash = window;
  else if (std::string(cls) == "#32770" && IsWindowVisible(window))
    f->otherDialog = window;
  return TRUE;
}

// One launcher process, started from `folder` with the current folder
// elsewhere; terminated at the end of the test if it is still running.
class LauncherProcess {
 public:
  LauncherProcess(const Folder& folder, const std::string& arguments = "") {
    std::string line = "\"" + folder.file("launcher.exe") + "\"";
    if (!arguments.empty()) line += " " + arguments;
    std::vector<char> chars(line.begin(), line.end());
    chars.push_back('\0');
    char temp[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, temp);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    started = GetTickCount();
    ok = CreateProcessA(NULL, chars.data(), NULL, NULL, FALSE, 0, NULL, temp, &si, &info) != 0;
  }
  ~LauncherProcess() {
    if (!ok) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info.hProcess, 999);
      WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  LauncherProcess(const LauncherProcess&) = delete;
  LauncherProcess& operator=(const LauncherProcess&) = delete;

  // The visible splash window, or 0 after `timeoutMs`.
  HWND waitForSplash(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
      FindSplash f = {info.dwProcessId, NULL, NULL};
      EnumWindows(findSplashWindow, reinterpret_cast<LPARAM>(&f));
      if (f.splash && IsWindowVisible(f.splash)) {
        shownAt = GetTickCount();
        return f.splash;
      }
      if (GetTickCount() - start > timeoutMs || hasEnded()) return NULL;
      Sleep(20);
    }
  }

  bool hasEnded() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }

  // Waits for the end; while waiting, notes any other dialog window shown
  // (a runtime check or an error box). True when the process ended in time.
  bool waitForEnd(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (WaitForSingleObject(info.hProcess, 50) == WAIT_TIMEOUT) {
      FindSplash f = {info.dwProcessId, NULL, NULL};
      EnumWindows(findSplashWindow, reinterpret_cast<LPARAM>(&f));
      if (f.otherDialog && otherDialogText.empty())
        otherDialogText = testing_support::windowText(f.otherDialog) + ": " +
                          testing_support::boxText(f.otherDialog);
      if (GetTickCount() - start > timeoutMs) return false;
    }
    endedAt = GetTickCount();
    return true;
  }

  DWORD exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }

  bool ok = false;
  PROCESS_INFORMATION info = {};
  DWORD started = 0;
  DWORD shownAt = 0;
  DWORD endedAt = 0;
  std::string otherDialogText;
};

// Where the splash must stand: the middle of the screen, never left of or
// above its top-left corner.
POINT expectedOrigin() {
  int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 320;
  int y = GetSystemMetrics(SM_CYSCREEN) / 2 - 240;
  POINT p = {x < 0 ? 0 : x, y < 0 ? 0 : y};
  return p;
}

struct Sample {
  int x, y;  // in the picture
  COLORREF colour;
};

// Points near every corner and every inner edge of each quadrant, so a
// shifted, scaled or clipped picture fails somewhere.
std::vector<Sample> quadrantSamples() {
  std::vector<Sample> s;
  const int xs[2][2] = {{3, 316}, {323, 636}};
  const int ys[2][2] = {{3, 236}, {243, 476}};
  const COLORREF colours[2][2] = {{topLeft, topRight}, {bottomLeft, bottomRight}};
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col) {
      for (int x : xs[col])
        for (int y : ys[row]) s.push_back({x, y, colours[row][col]});
      s.push_back({col * 320 + 160, row * 240 + 120, colours[row][col]});
    }
  return s;
}

// Screen pixels at the samples; true when every one has its colour.
bool screenShows(const std::vector<Sample>& samples, POINT origin, std::string* mismatches) {
  HDC screen = GetDC(NULL);
  bool all = true;
  for (const Sample& s : samples) {
    COLORREF got = GetPixel(screen, origin.x + s.x, origin.y + s.y);
    if (got != s.colour) {
      all = false;
      if (mismatches) {
        char line[96];
        wsprintfA(line, "(%d,%d): 0x%06lX, want 0x%06lX\n", s.x, s.y, got, s.colour);
        *mismatches += line;
      }
    }
  }
  ReleaseDC(NULL, screen);
  return all;
}

// Waits until the screen shows the picture at `origin`; the mismatches of the
// last look when it does not within `timeoutMs`.
bool waitForPicture(POINT origin, DWORD timeoutMs, std::string* mismatches) {
  std::vector<Sample> samples = quadrantSamples();
  DWORD start = GetTickCount();
  while (!screenShows(samples, origin, nullptr)) {
    if (GetTickCount() - start > timeoutMs) return screenShows(samples, origin, mismatches);
    Sleep(20);
  }
  return true;
}

// The stand-in's record: started hidden with exactly "Lumo.exe -diag", while
// the splash and its picture box were on the screen.
void expectStartedAsMainProgram(const std::string& record) {
  EXPECT_EQ("Lumo.exe -diag", recordValue(record, "command"));
  DWORD flags = std::strtoul(recordValue(record, "flags").c_str(), nullptr, 10);
  EXPECT_TRUE(flags & STARTF_USESHOWWINDOW) << record;
  EXPECT_EQ("0", recordValue(record, "show"));
  EXPECT_EQ("1", recordValue(record, "splash_visible"));
  EXPECT_EQ("1", recordValue(record, "picture_box"));
}

// The launcher's picture box (the first control: identifier 151), once shown.
HWND waitForPictureBox(HWND splash) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND box = GetDlgItem(splash, 151);
    if (box && IsWindowVisible(box)) return box;
    if (GetTickCount() - start > 5000 || !IsWindow(splash)) return box;
    Sleep(20);
  }
}


}  // namespace

// The full course with everything in place: a centred, frameless, topmost
// window showing the picture; the main program started hidden with "-diag";
// the end after ten one-second ticks with exit code 0. Arguments given to the
// launcher change nothing.
TEST(Launcher, FullRunShowsThePictureStartsTheMainProgramAndEndsAfterTenTicks) {
  Folder folder;
  layOut(folder, true, MainProgram::atOnce);
  if (HasFatalFailure()) return;
  LauncherProcess launcher(folder, "-x\t\"quoted arg\"");
  ASSERT_TRUE(launcher.ok);

  HWND splash = launcher.waitForSplash(15000);
  ASSERT_NE(nullptr, splash) << "no visible window captioned " << splashCaption;

  // Position and frame.
  POINT origin = expectedOrigin();
  RECT r;
  GetWindowRect(splash, &r);
  EXPECT_EQ(origin.x, r.left);
  EXPECT_EQ(origin.y, r.top);
  EXPECT_EQ(640, r.right - r.left);
  EXPECT_EQ(480, r.bottom - r.top);
  if (GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768) {
    EXPECT_EQ(192, r.left);
    EXPECT_EQ(144, r.top);
  }
  // WS_POPUP | WS_CLIPCHILDREN, shown; the system adds WS_CLIPSIBLINGS to
  // every top-level window.
  EXPECT_EQ(0x82000000UL | WS_VISIBLE,
            static_cast<DWORD>(GetWindowLongA(splash, GWL_STYLE)) & ~static_cast<DWORD>(WS_CLIPSIBLINGS));
  DWORD exStyle = static_cast<DWORD>(GetWindowLongA(splash, GWL_EXSTYLE));
  EXPECT_EQ(static_cast<DWORD>(WS_EX_TOPMOST), exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(static_cast<DWORD>(WS_EX_ACCEPTFILES), exStyle & WS_EX_ACCEPTFILES);
  EXPECT_EQ(0UL, exStyle & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
  char cls[32] = {0};
  GetClassNameA(splash, cls, sizeof cls);
  EXPECT_STREQ("#32770", cls);

  // The picture box: the first control (identifier 151), covering the form.
  // The form is shown before the box is made, so it may take a moment.
  HWND box = waitForPictureBox(splash);
  ASSERT_NE(nullptr, box);
  GetClassNameA(box, cls, sizeof cls);
  EXPECT_STREQ("SysListView32", cls);
  EXPECT_TRUE(IsWindowVisible(box));
  RECT boxRect;
  GetWindowRect(box, &boxRect);
  EXPECT_EQ(r.left, boxRect.left);
  EXPECT_EQ(r.top, boxRect.top);
  EXPECT_EQ(640, boxRect.right - boxRect.left);
  EXPECT_EQ(480, boxRect.bottom - boxRect.top);

  // The picture on the screen, unscaled at the form's top-left corner.
  std::string mismatches;
  EXPECT_TRUE(waitForPicture(origin, 5000, &mismatches)) << mismatches;

  // The main program: started hidden, with exactly "Lumo.exe -diag", found in
  // the launcher's folder although the current folder is elsewhere.
  ASSERT_TRUE(waitForFile(folder.file("lumo_probe.txt"), 10000)) << "Lumo.exe left no record";
  expectStartedAsMainProgram(
      testing_support::waitForRecord(folder.file("lumo_probe.txt"), "started_tick=", 10000));

  EXPECT_FALSE(launcher.hasEnded()) << "ended before its ten ticks";

  ASSERT_TRUE(launcher.waitForEnd(30000)) << "still running 30 s after the splash appeared";
  DWORD shownFor = launcher.endedAt - launcher.shownAt;
  EXPECT_GE(shownFor, 8000UL);
  EXPECT_LE(shownFor, 20000UL);
  EXPECT_EQ(0UL, launcher.exitCode());
  EXPECT_EQ("", launcher.otherDialogText);
  std::printf("[ launcher ] full run: splash shown after %lu ms, ended %lu ms later\n",
              launcher.shownAt - launcher.started, shownFor);
}

// Without its picture and without the main program the launcher still shows
// the splash (an empty picture box), reports nothing and runs its full course.
TEST(Launcher, MissingPictureAndMainProgramStillGiveAFullCleanRun) {
  Folder folder;
  layOut(folder, false, MainProgram::none);
  if (HasFatalFailure()) return;
  LauncherProcess launcher(folder);
  ASSERT_TRUE(launcher.ok);
  HWND splash = launcher.waitForSplash(15000);
  ASSERT_NE(nullptr, splash);
  HWND box = waitForPictureBox(splash);
  ASSERT_NE(nullptr, box);
  EXPECT_TRUE(IsWindowVisible(box));

  ASSERT_TRUE(launcher.waitForEnd(30000));
  DWORD shownFor = launcher.endedAt - launcher.shownAt;
  EXPECT_GE(shownFor, 8000UL);
  EXPECT_LE(shownFor, 20000UL);
  EXPECT_EQ(0UL, launcher.exitCode());
  EXPECT_EQ("", launcher.otherDialogText);
  EXPECT_FALSE(fileExists(folder.file("lumo_probe.txt")));
  std::printf("[ launcher ] run without files: ended %lu ms after the splash appeared\n",
              shownFor);
}

namespace {
// Holds Escape down through the system's input queue until destroyed.
class EscapeHeld {
 public:
  EscapeHeld() { send(0); }
  ~EscapeHeld() { send(KEYEVENTF_KEYUP); }
  EscapeHeld(const EscapeHeld&) = delete;
  EscapeHeld& operator=(const EscapeHeld&) = delete;

 private:
  static void send(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_ESCAPE;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_ESCAPE, 0));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
  }
};
}  // namespace

// Escape held down is seen by the splash procedure and ends the splash at the
// next tick: at most about a second later, long before the tenth tick.
TEST(Launcher, EscapeHeldEndsTheSplashAtTheNextTick) {
  Folder folder;
  layOut(folder, true, MainProgram::none);
  if (HasFatalFailure()) return;
  LauncherProcess launcher(folder);
  ASSERT_TRUE(launcher.ok);
  ASSERT_NE(nullptr, launcher.waitForSplash(15000));
  Sleep(1500);  // a tick or so without the key: nothing ends
  ASSERT_FALSE(launcher.hasEnded());

  DWORD pressed = GetTickCount();
  bool ended;
  {
    EscapeHeld key;
    ended = launcher.waitForEnd(5000);
  }
  ASSERT_TRUE(ended) << "still running 5 s after Escape went down";
  DWORD after = launcher.endedAt - pressed;
  EXPECT_LE(after, 2500UL);
  EXPECT_LT(launcher.endedAt - launcher.shownAt, 7000UL);
  EXPECT_EQ(0UL, launcher.exitCode());
  std::printf("[ launcher ] Escape: ended %lu ms after the key went down\n", after);
}

// WM_CLOSE from outside ends the splash at once, whatever the tick count.
TEST(Launcher, CloseEndsTheSplashAtOnce) {
  Folder folder;
  layOut(folder, true, MainProgram::none);
  if (HasFatalFailure()) return;
  LauncherProcess launcher(folder);
  ASSERT_TRUE(launcher.ok);
  HWND splash = launcher.waitForSplash(15000);
  ASSERT_NE(nullptr, splash);
  Sleep(1200);
  ASSERT_FALSE(launcher.hasEnded());

  DWORD posted = GetTickCount();
  ASSERT_TRUE(PostMessageA(splash, WM_CLOSE, 0, 0));
  ASSERT_TRUE(launcher.waitForEnd(5000)) << "still running 5 s after WM_CLOSE";
  DWORD after = launcher.endedAt - posted;
  EXPECT_LE(after, 1500UL);
  EXPECT_EQ(0UL, launcher.exitCode());
  std::printf("[ launcher ] WM_CLOSE: ended %lu ms after it was posted\n", after);
}

namespace {

// Keeps the slow stand-in before its message loop until released.
class MainProgramHold {
 public:
  MainProgramHold() : event(CreateEventA(NULL, TRUE, FALSE, "tarn_lumo_probe_hold")) {}
  ~MainProgramHold() {
    release();
    if (event) CloseHandle(event);
  }
  MainProgramHold(const MainProgramHold&) = delete;
  MainProgramHold& operator=(const MainProgramHold&) = delete;
  void release() {
    if (event) SetEvent(event);
  }
  HANDLE event;
};


enum class DuringStart { nothing, escape, close };

}  // namespace

// With a main program that needs 2 s (held longer by the test) before its
// message loop: the picture is on the screen while the main program is still
// getting ready, and the splash answers meanwhile. Escape seen during the start
// ends the splash at the first tick, WM_CLOSE ends it at once; otherwise the
// ten ticks count from the main program being ready. The main program is
// started hidden with "-diag" in every case and runs on after the launcher.
TEST(Launcher, SplashShowsAndAnswersWhileTheMainProgramGetsReady) {
  struct Row {
    const char* name;
    DuringStart action;
  };
  const Row rows[] = {{"nothing", DuringStart::nothing},
                      {"Escape", DuringStart::escape},
                      {"WM_CLOSE", DuringStart::close}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Folder folder;
    layOut(folder, true, MainProgram::slow);
    if (HasFatalFailure()) return;
    MainProgramHold hold;
    ASSERT_NE(nullptr, hold.event);
    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.ok);
    HWND splash = launcher.waitForSplash(15000);
    ASSERT_NE(nullptr, splash) << "no visible window captioned " << splashCaption;

    std::string mismatches;
    ASSERT_TRUE(waitForPicture(expectedOrigin(), 15000, &mismatches)) << mismatches;
    DWORD pictureAfter = GetTickCount() - launcher.started;

    ASSERT_TRUE(waitForFile(folder.file("lumo_probe.txt"), 15000)) << "Lumo.exe was not started";
    std::string record =
        testing_support::waitForRecord(folder.file("lumo_probe.txt"), "started_tick=", 10000);
    expectStartedAsMainProgram(record);
    DWORD mainProgramId = std::strtoul(recordValue(record, "pid").c_str(), nullptr, 10);

    // Still held: the picture came before the main program was ready.
    std::string ready = folder.file("lumo_probe_ready.txt");
    ASSERT_FALSE(fileExists(ready));
    ASSERT_FALSE(launcher.hasEnded());
    DWORD_PTR answer = 0;
    EXPECT_NE(0, SendMessageTimeoutA(splash, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer))
        << "the splash does not answer while the main program starts";

    // Escape goes down during the start and stays down to the end.
    std::unique_ptr<EscapeHeld> key;
    if (row.action == DuringStart::escape) {
      key.reset(new EscapeHeld);
    } else if (row.action == DuringStart::close) {
      ASSERT_TRUE(PostMessageA(splash, WM_CLOSE, 0, 0));
      ASSERT_TRUE(launcher.waitForEnd(5000)) << "still running 5 s after WM_CLOSE";
    }
    hold.release();
    ASSERT_TRUE(waitForFile(ready, 15000)) << "the main program never got ready";
    DWORD readyTick = std::strtoul(recordValue(readFile(ready), "ready_tick").c_str(), nullptr, 10);
    if (row.action != DuringStart::close) {
      ASSERT_TRUE(launcher.waitForEnd(30000)) << "still running 30 s after the main program was ready";
    }
    key.reset();
    LONG endAfterReady = static_cast<LONG>(launcher.endedAt - readyTick);
    switch (row.action) {
      case DuringStart::nothing:
        EXPECT_GE(endAfterReady, 9000L) << "the ticks did not count from the main program being ready";
        EXPECT_LE(endAfterReady, 20000L);
        break;
      case DuringStart::escape:
        EXPECT_GE(endAfterReady, 0L) << "ended before the main program was ready";
        EXPECT_LT(endAfterReady, 7000L) << "Escape was not seen before the first tick";
        break;
      case DuringStart::close:
        EXPECT_LT(endAfterReady, 0L) << "waited for the main program";
        break;
    }
    EXPECT_EQ(0UL, launcher.exitCode());
    EXPECT_EQ("", launcher.otherDialogText);
    waitForProcess(mainProgramId);
    std::printf("[ launcher ] slow main program, %s: picture after %lu ms, ended %ld ms after "
                "the main program was ready\n",
                row.name, pictureAfter, endAfterReady);
  }
}
