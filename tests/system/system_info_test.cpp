// The system object: machine information read from the system at every
// access, environment variables, the session calls (never really made here),
// and the shell, file and sound helpers.
#include <gtest/gtest.h>

#include <string>

#include "support/support.h"
#include "tarn/system/exit_windows.h"
#include "tarn/system/system_text.h"
#include <tarn/tarn.h>

#include <mmsystem.h>

using namespace tarn;
using testing_support::TempFile;

namespace {

// Replaces the session call with a recorder for the life of the object.
class ExitRecorder {
 public:
  explicit ExitRecorder(BOOL answer) : saved(detail::exitWindowsCall) {
    current() = this;
    reply = answer;
    detail::exitWindowsCall = &ExitRecorder::record;
  }
  ~ExitRecorder() {
    detail::exitWindowsCall = saved;
    current() = nullptr;
  }
  ExitRecorder(const ExitRecorder&) = delete;
  ExitRecorder& operator=(const ExitRecorder&) = delete;

  std::vector<UINT> flags;

 private:
  static ExitRecorder*& current() {
    static ExitRecorder* instance = nullptr;
    return instance;
  }
  static BOOL WINAPI record(UINT flags, DWORD reason) {
    EXPECT_EQ(0u, reason);
    current()->flags.push_back(flags);
    return current()->reply;
  }

  detail::ExitWindowsCall saved;
  BOOL reply = TRUE;
};

std::string systemText(UINT (WINAPI* read)(LPSTR, UINT)) {
  char buffer[MAX_PATH + 1] = {0};
  read(buffer, MAX_PATH);
  return buffer;
}

std::string tempFolder() {
  char buffer[MAX_PATH + 1] = {0};
  GetTempPathA(MAX_PATH, buffer);
  std::string path(buffer);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

TEST(SystemObject, GlobalIsBoundAndACopyReadsForItself) {
  EXPECT_TRUE(systemInfo.uptime.isBound());
  EXPECT_TRUE(systemInfo.driveTypes.isBound());
  System copy = systemInfo;
  EXPECT_EQ(&copy, copy.osVersion.owner());
  EXPECT_EQ(&copy, copy.currentDirectory.owner());
  EXPECT_TRUE(String(copy.osVersion) == String(systemInfo.osVersion));
}

TEST(SystemObject, Directories) {
  std::string windows = systemText(GetWindowsDirectoryA);
  std::string system = systemText(GetSystemDirectoryA);
  ASSERT_FALSE(system.empty());
  EXPECT_EQ(windows, String(systemInfo.windowsDirectory).str());
  EXPECT_EQ(system, String(systemInfo.systemDirectory).str());
  // The drive letter alone, without its colon.
  EXPECT_EQ(system.substr(0, system.find(':')), String(systemInfo.systemDrive).str());
  EXPECT_EQ(1, String(systemInfo.systemDrive).length);
}

TEST(SystemObject, CurrentDirectoryFollowsTheSetter) {
  String before = systemInfo.currentDirectory;
  ASSERT_FALSE(before == "");
  std::string temp = tempFolder();

  systemInfo.currentDirectory = String(temp);
  char now[MAX_PATH + 1] = {0};
  GetCurrentDirectoryA(MAX_PATH, now);
  EXPECT_EQ(temp, std::string(now));
  EXPECT_EQ(temp, String(systemInfo.currentDirectory).str());

  // A folder that does not exist is refused and changes nothing.
  EXPECT_FALSE(systemInfo.setCurrentDirectory(String(temp + "\\tarn-no-such-folder")));
  EXPECT_EQ(temp, String(systemInfo.currentDirectory).str());

  EXPECT_TRUE(systemInfo.setCurrentDirectory(before));
  EXPECT_TRUE(String(systemInfo.currentDirectory) == before);
}

TEST(SystemObject, ComputerAndUserNames) {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {0};
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  EXPECT_EQ(std::string(name), String(systemInfo.computerName).str());

  char user[257] = {0};
  DWORD userSize = 256;
  ASSERT_TRUE(GetUserNameA(user, &userSize));
  EXPECT_EQ(std::string(user), String(systemInfo.userName).str());
  EXPECT_FALSE(String(systemInfo.userName) == "");
}

TEST(SystemObject, VersionTextIsReadFromTheSystem) {
  EXPECT_EQ(systemtext::versionText(GetVersion()), String(systemInfo.osVersion).str());
}

TEST(SystemObject, DrivesAndTheirTypesPairUp) {
  StringList letters = systemInfo.drives;
  StringList types = systemInfo.driveTypes;
  ASSERT_GT(letters.size(), 0);
  ASSERT_EQ(letters.size(), types.size());
  for (int i = 0; i < letters.size(); ++i) {
    ASSERT_EQ(1, letters[i].length) << letters[i].str();
    std::string root = letters[i].str() + ":\\";
    EXPECT_STREQ(systemtext::driveTypeName(GetDriveTypeA(root.c_str())), types[i].c_str());
  }
  EXPECT_TRUE(letters.join(",").find(systemInfo.systemDrive) >= 0);
}

TEST(SystemObject, UptimeIsReadAtEveryAccess) {
  unsigned first = systemInfo.uptime;
  EXPECT_LE(GetTickCount() - first, 1000u);
  Sleep(200);
  unsigned second = systemInfo.uptime;
  // The tick count moves in steps of up to about 16 ms.
  EXPECT_GE(second - first, 150u);
}

// ---------------------------------------------------------------------------
// Environment

TEST(SystemEnvironment, MissingAndEmptyVariablesReadAsTheMarker) {
  SetEnvironmentVariableA("TARN_TEST_MISSING", NULL);
  EXPECT_TRUE(systemInfo.getEnv("TARN_TEST_MISSING") == "TRN_ERROR");
  EXPECT_TRUE(systemInfo.setEnv("TARN_TEST_EMPTY", ""));
  EXPECT_TRUE(systemInfo.getEnv("TARN_TEST_EMPTY") == "TRN_ERROR");
  EXPECT_TRUE(systemInfo.getEnv("") == "TRN_ERROR");
}

TEST(SystemEnvironment, RoundTripOfShortAndLongValues) {
  EXPECT_TRUE(systemInfo.setEnv("TARN_TEST_VALUE", " a = b "));
  EXPECT_TRUE(systemInfo.getEnv("TARN_TEST_VALUE") == " a = b ");

  // The longest value the system keeps: 32766 characters.
  std::string longest(32766, 'v');
  longest[0] = 'A';
  longest.back() = 'Z';
  ASSERT_TRUE(systemInfo.setEnv("TARN_TEST_LONG", String(longest)));
  String back = systemInfo.getEnv("TARN_TEST_LONG");
  EXPECT_EQ(32766, back.length);
  EXPECT_TRUE(back.str() == longest);

  // Longer ones are refused and the old value stays.
  EXPECT_FALSE(systemInfo.setEnv("TARN_TEST_LONG", String(std::string(32767, 'w'))));
  EXPECT_FALSE(systemInfo.setEnv("TARN_TEST_LONG", String(std::string(60000, 'w'))));
  EXPECT_TRUE(systemInfo.getEnv("TARN_TEST_LONG").str() == longest);
  EXPECT_FALSE(systemInfo.setEnv(String(std::string(40000, 'N')), "x"));

  // Clearing a variable through an empty value reads as missing.
  EXPECT_TRUE(systemInfo.setEnv("TARN_TEST_LONG", ""));
  EXPECT_TRUE(systemInfo.getEnv("TARN_TEST_LONG") == "TRN_ERROR");
}

// ---------------------------------------------------------------------------
// Shutting down, restarting and logging off: the session call is always
// replaced by a recorder here.

TEST(SystemSession, FlagsForEachRequest) {
  ExitRecorder recorder(TRUE);
  EXPECT_TRUE(systemInfo.logOff(false));
  EXPECT_TRUE(systemInfo.logOff(true));
  EXPECT_TRUE(systemInfo.shutdown(false));
  EXPECT_TRUE(systemInfo.shutdown(true));
  EXPECT_TRUE(systemInfo.restart(false));
  EXPECT_TRUE(systemInfo.restart(true));
  EXPECT_EQ((std::vector<UINT>{0, 4, 1, 5, 2, 6}), recorder.flags);
}

TEST(SystemSession, RefusedRequestReportsFalse) {
  ExitRecorder recorder(FALSE);
  EXPECT_FALSE(systemInfo.shutdown(true));
  EXPECT_EQ((std::vector<UINT>{5}), recorder.flags);
}

TEST(SystemSession, WithoutThePrivilegeNothingIsCalled) {
  std::string child = testing_support::programFolder() + "\\tarn_system_child.exe refuse";
  testing_support::ChildResult result = testing_support::runChild(child, 20000);
  ASSERT_TRUE(result.started);
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(0u, result.exitCode) << result.output;
  EXPECT_NE(std::string::npos, result.output.find("shutdown=0 restart=0 logoff=0 calls=0"))
      << result.output;
}

// ---------------------------------------------------------------------------
// Shell, files and sounds

TEST(SystemRun, StartsAProgramWithItsParameters) {
  TempFile marker(".txt");
  std::string exe = testing_support::programFolder() + "\\tarn_system_child.exe";
  INT_PTR result = run(String(exe), String("write \"" + marker.path() + "\" one two"), NULL);
  EXPECT_GT(result, 32);
  bool written = testing_support::pumpUntil(
      [&] { return marker.read().find("ran:") != std::string::npos; }, 10000);
  EXPECT_TRUE(written);
  Sleep(100);  // let the child close its file
  EXPECT_EQ("ran: one two", marker.read());
}

TEST(SystemRun, MissingFileGivesTheShellsErrorCode) {
  INT_PTR result = run(String(tempFolder() + "\\tarn-no-such-program.exe"), "", NULL);
  EXPECT_LE(result, 32);
  EXPECT_NE(0, result);
}

TEST(SystemFiles, FileExists) {
  TempFile file(".txt");
  EXPECT_FALSE(fileExists(String(file.path())));
  ASSERT_TRUE(file.write("x"));
  EXPECT_TRUE(fileExists(String(file.path())));
  // Empty files exist too.
  ASSERT_TRUE(file.write(""));
  EXPECT_TRUE(fileExists(String(file.path())));

  EXPECT_FALSE(fileExists(String(tempFolder())));
  EXPECT_FALSE(fileExists(String(tempFolder() + "\\")));
  EXPECT_FALSE(fileExists(String(systemInfo.windowsDirectory)));
  EXPECT_FALSE(fileExists(""));
  EXPECT_FALSE(fileExists(String(tempFolder() + "\\tarn-missing\\x.txt")));
}

TEST(SystemSound, MissingResourcePlaysNothing) {
  EXPECT_FALSE(playWaveResource(6199));
  EXPECT_FALSE(playWaveResource(0));
  // Only the low 16 bits name the resource: 0x10000 + 6199 is 6199 again.
  EXPECT_FALSE(playWaveResource(0x10000 + 6199));
}

TEST(SystemSound, ProgramsOwnResource) {
  HRSRC found = FindResourceA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(6101), "WAVE");
  ASSERT_NE(nullptr, found);
  ASSERT_EQ(60u, SizeofResource(GetModuleHandleA(NULL), found));
  // The sound plays when there is a device to play it on.
  bool device = waveOutGetNumDevs() > 0;
  EXPECT_EQ(device, playWaveResource(6101));
  EXPECT_EQ(device, playWaveResource(0x10000 + 6101));
}
