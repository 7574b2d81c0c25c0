// Start-up: the toolkit's globals are ready, in their order, before a
// program's own globals are constructed; the application, screen and cursor.
#include <gtest/gtest.h>

#include <cctype>
#include <thread>

#include "support/support.h"
#include <tarn/tarn.h>

#include <ole2.h>

using namespace tarn;

namespace {

// A program global that uses the toolkit in its constructor.
struct EarlyUser {
  EarlyUser()
      : folder(application.folder),
        width(screen.width),
        richEditLoaded(GetModuleHandleA("riched32.dll") != NULL),
        richEditGlobal(richEditLibrary),
        controlsFlag(commonControlsReady),
        treeRootHandle(treeRoot.handle),
        cursorX(cursor.x) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    listViewRegistered = GetClassInfoExA(NULL, "SysListView32", &wc) != 0;
    monthCalRegistered = GetClassInfoExA(NULL, "SysMonthCal32", &wc) != 0;
  }
  String folder;
  int width;
  bool richEditLoaded;
  HMODULE richEditGlobal;
  bool controlsFlag;
  HTREEITEM treeRootHandle;
  int cursorX;
  bool listViewRegistered = false;
  bool monthCalRegistered = false;
};

EarlyUser earlyUser;

}  // namespace

TEST(Startup, ToolkitGlobalsAreReadyBeforeTheProgramsGlobals) {
  EXPECT_FALSE(earlyUser.folder == "");
  EXPECT_TRUE(earlyUser.folder == application.folder);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), earlyUser.width);
  EXPECT_TRUE(earlyUser.richEditLoaded);
  EXPECT_NE(nullptr, earlyUser.richEditGlobal);
  EXPECT_TRUE(earlyUser.controlsFlag);
  EXPECT_EQ(TVI_ROOT, earlyUser.treeRootHandle);
  EXPECT_TRUE(earlyUser.listViewRegistered);
  EXPECT_TRUE(earlyUser.monthCalRegistered);
  EXPECT_GE(earlyUser.cursorX, 0);
}

TEST(Application, ExePathAndFolder) {
  char exe[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, exe, MAX_PATH);
  EXPECT_TRUE(String(application.exePath) == exe);
  String folder = application.folder;
  EXPECT_TRUE(folder + "\\" + String("tarn_core_tests.exe") == exe);
  EXPECT_TRUE(Application::folderOf("C:\\Apps\\Run.exe") == "C:\\Apps");
  EXPECT_TRUE(Application::folderOf("C:/x/y.exe") == "C:/x");
  EXPECT_TRUE(Application::folderOf("C:\\a/b\\c.exe") == "C:\\a/b");
  EXPECT_TRUE(Application::folderOf("plain.exe") == "plain.exe");
  EXPECT_TRUE(Application::folderOf("\\top.exe") == "");
}

TEST(Application, CommandLineSplitsAtTabsAndDropsQuotes) {
  Application app;
  EXPECT_EQ(0, int(app.arguments().count));
  app.setCommandLine("a\tb");
  StringList args = app.arguments();
  ASSERT_EQ(2, int(args.count));
  EXPECT_TRUE(args[0] == "a");
  EXPECT_TRUE(args[1] == "b");
  app.setCommandLine("\"x y\"");
  args = app.arguments();
  ASSERT_EQ(1, int(args.count));
  EXPECT_TRUE(args[0] == "x y");
  app.setCommandLine("");
  args = app.arguments();
  ASSERT_EQ(1, int(args.count));
  EXPECT_TRUE(args[0] == "");
  app.setCommandLine("one two  three");
  args = app.arguments();
  ASSERT_EQ(1, int(args.count));
  EXPECT_TRUE(args[0] == "one two  three");
  app.setCommandLine("\"p\"\t\t\"q\"\"");
  args = app.arguments();
  ASSERT_EQ(3, int(args.count));
  EXPECT_TRUE(args[0] == "p");
  EXPECT_TRUE(args[1] == "");
  EXPECT_TRUE(args[2] == "q");
  app.setCommandLine(nullptr);
  EXPECT_EQ(1, int(app.arguments().count));
}

TEST(Application, ElapsedStartsSmallAndGrows) {
  Application app;
  unsigned first = app.elapsed;
  DWORD after = GetTickCount();  // no earlier than the tick `first` was read at
  EXPECT_LT(first, 1000u);
  while (GetTickCount() - after < 60) Sleep(5);  // the clock, not the sleep, says when
  unsigned second = app.elapsed;
  EXPECT_GE(second, first + 60);
  EXPECT_GE(unsigned(application.elapsed), second);
}

TEST(Application, CompileDateAndTimeShapes) {
  std::string date = String(application.compileDate).str();
  ASSERT_EQ(11u, date.size()) << date;
  static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  bool monthOk = false;
  for (const char* m : months) monthOk = monthOk || date.compare(0, 3, m) == 0;
  EXPECT_TRUE(monthOk) << date;
  EXPECT_EQ(' ', date[3]);
  EXPECT_TRUE(date[4] == ' ' || std::isdigit(static_cast<unsigned char>(date[4])));
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[5])));
  EXPECT_EQ(' ', date[6]);
  for (int i = 7; i < 11; ++i) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[i])));
  std::string time = String(application.compileTime).str();
  ASSERT_EQ(8u, time.size());
  EXPECT_EQ(':', time[2]);
  EXPECT_EQ(':', time[5]);
  for (int i : {0, 1, 3, 4, 6, 7}) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(time[i])));
}

TEST(Application, CopiesReadTheirOwnFields) {
  Application* original = new Application;
  original->setCommandLine("k");
  Application copy(*original);
  delete original;
  EXPECT_TRUE(String(copy.folder) == application.folder);
  EXPECT_EQ(1, int(copy.arguments().count));
}

TEST(Application, OnlyTheGlobalApplicationUninitialisesOle) {
  // On a thread of its own, where OLE starts uninitialised: a local
  // application and a copy of the global one come and go, and OLE stays
  // initialised (a further initialisation is counted: S_FALSE).
  HRESULT first = E_FAIL, again = E_FAIL;
  std::thread([&] {
    first = OleInitialize(NULL);
    { Application local; }
    { Application copy(application); }
    again = OleInitialize(NULL);
    if (SUCCEEDED(again)) OleUninitialize();
    if (SUCCEEDED(first)) OleUninitialize();
  }).join();
  ASSERT_EQ(S_OK, first);
  EXPECT_EQ(S_FALSE, again);
}

TEST(Application, QuitPostsTheQuitMessage) {
  application.quit();
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(0u, msg.wParam);
  quit();
  ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Counters, FirstFormAndFirstControlIdentifiersInAFreshProgram) {
  testing_support::ChildResult r = testing_support::runChild(
      "\"" + testing_support::programFolder() + "\\tarn_counter_probe.exe\"", 30000);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(0u, r.exitCode);
  EXPECT_NE(std::string::npos, r.output.find("first form 3024, second form 3025, first control 151"))
      << r.output;
}

TEST(Startup, ToolkitGlobalsOutliveTheProgramsGlobals) {
  testing_support::ChildResult r = testing_support::runChild(
      "\"" + testing_support::programFolder() + "\\tarn_counter_probe.exe\"", 30000);
  ASSERT_TRUE(r.finished);
  std::string folder = testing_support::programFolder();
  EXPECT_NE(std::string::npos, r.output.find("\nfolder " + folder)) << r.output;
  EXPECT_NE(std::string::npos,
            r.output.find("at exit: folder " + folder + ", screen width " +
                          std::to_string(GetSystemMetrics(SM_CXSCREEN))))
      << r.output;
}

TEST(Screen, SizeFollowsTheSystemMetrics) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), int(screen.width));
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), int(screen.height));
  EXPECT_GT(int(screen.width), 0);
  EXPECT_EQ(GetDesktopWindow(), screen.desktop);
}

TEST(Cursor, MovesAndReadsBack) {
  EXPECT_TRUE(cursor.moveTo(100, 120));
  EXPECT_EQ(100, int(cursor.x));
  EXPECT_EQ(120, int(cursor.y));
  cursor.x = 300;
  EXPECT_EQ(300, int(cursor.x));
  EXPECT_EQ(120, int(cursor.y));
  cursor.y = 50;
  EXPECT_EQ(300, int(cursor.x));
  EXPECT_EQ(50, int(cursor.y));
  int shown = cursor.show();
  EXPECT_EQ(shown - 1, cursor.hide());
  cursor.visible = true;  // write-only: balances the count again
}
