// Programs built with tarn_use_modern_look(): the system reads the manifest's
// settings for this program (and the launcher has none), and the process runs
// with UTF-8 as its ANSI code page, the version 6 common controls and
// per-monitor DPI awareness.
#include <gtest/gtest.h>

#include <string>

#include "samples.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace testing_support;

namespace {

// A setting of the process's activation context (its manifest); "<none>" when
// the manifest does not set it or the system cannot say.
std::string manifestSetting(const wchar_t* space, const wchar_t* name) {
  using Query = BOOL(WINAPI*)(DWORD, HANDLE, const wchar_t*, const wchar_t*, wchar_t*, SIZE_T,
                              SIZE_T*);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
  wchar_t value[128] = {0};
  SIZE_T written = 0;
  if (query == nullptr || !query(0, NULL, space, name, value, 127, &written)) return "<none>";
  char narrow[256] = {0};
  WideCharToMultiByte(CP_UTF8, 0, value, -1, narrow, sizeof narrow - 1, NULL, NULL);
  return narrow;
}

}  // namespace

TEST(ModernLook, TheSystemReadsTheManifestSettings) {
  struct Row {
    const wchar_t* space;
    const wchar_t* name;
    const char* value;
  } rows[] = {
      {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", "true/pm"},
      {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness",
       "PerMonitorV2, PerMonitor"},
      {L"http://schemas.microsoft.com/SMI/2019/WindowsSettings", L"activeCodePage", "UTF-8"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.value, manifestSetting(row.space, row.name)) << row.value;
}

TEST(ModernLook, TheLauncherDoesNotOptIn) {
  std::string launcher = programFolder() + "\\launcher.exe";
  HMODULE module = LoadLibraryExA(launcher.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, module) << launcher;
  // 1 = the manifest a process is created with, 24 = RT_MANIFEST.
  EXPECT_EQ(nullptr, FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)));
  FreeLibrary(module);
}

TEST(ModernLook, TheProcessRunsWithUtf8AndTheCurrentControls) {
  EXPECT_EQ(65001u, GetACP());  // CP_UTF8

  // The toolkit's globals registered the common controls; the library loaded
  // for them is version 6 from the side-by-side store. (Wine's copy there
  // still answers 5.81 to DllGetVersion, so the test looks at what it is.)
  HMODULE controls = GetModuleHandleA("comctl32.dll");
  ASSERT_NE(nullptr, controls);
  char path[MAX_PATH] = {0};
  GetModuleFileNameA(controls, path, MAX_PATH);
  std::string loaded = modern_samples::lowerAscii(path);
  EXPECT_NE(std::string::npos, loaded.find("microsoft.windows.common-controls_6595b64144ccf1df_6."))
      << path;
  // Only the version 6 buttons know BCM_GETIDEALSIZE.
  HWND button = CreateWindowExA(0, "Button", "Ideal", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  SIZE ideal = {0, 0};
  EXPECT_TRUE(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
  EXPECT_GT(ideal.cx, 0);
  DestroyWindow(button);

  // Per-monitor awareness (2). Wine reports it for every process, with or
  // without a manifest; Windows only for programs that ask.
  using ThreadContext = HANDLE(WINAPI*)();
  using Awareness = int(WINAPI*)(HANDLE);
  HMODULE user = GetModuleHandleA("user32.dll");
  auto context = reinterpret_cast<ThreadContext>(
      reinterpret_cast<void*>(GetProcAddress(user, "GetThreadDpiAwarenessContext")));
  auto awareness = reinterpret_cast<Awareness>(
      reinterpret_cast<void*>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(context != nullptr && awareness != nullptr);
  EXPECT_EQ(2, awareness(context()));
}
