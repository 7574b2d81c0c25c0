// Stands in for "Lumo.exe" in the launcher's tests: writes how it was started
// (command line, process id, start-up flags, show state, tick count) and what of the splash
// was on the screen at that moment (its window visible, its picture box made)
// to lumo_probe.txt beside itself. Built as it is, it then ends at once. Built
// with LUMO_PROBE_READY_DELAY_MS, it is a main program slow to get ready: it
// waits that long, and further while a test holds the event
// "tarn_lumo_probe_hold" unsignalled, then notes the tick count in
// lumo_probe_ready.txt and runs a message loop for half a second.
#include <windows.h>

#include <string>

namespace {

std::string ownFolder() {
  char path[MAX_PATH + 1] = {0};
  DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder(path, n);
  std::size_t cut = folder.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : folder.substr(0, cut);
}

// Written under another name first, so a reader never sees half a record.
bool writeRecord(const std::string& name, const std::string& record) {
  std::string part = ownFolder() + "\\" + name + ".part", done = ownFolder() + "\\" + name;
  HANDLE file = CreateFileA(part.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, NULL);
  CloseHandle(file);
  if (!ok || written != record.size()) return false;
  return MoveFileExA(part.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string tickLine(const char* key) {
  char line[48];
  wsprintfA(line, "%s=%lu\n", key, GetTickCount());
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  HWND splash = FindWindowA(NULL, "Lumo One Loading...");
  char numbers[160];
  wsprintfA(numbers, "pid=%lu\nflags=%lu\nshow=%u\nsplash_visible=%d\npicture_box=%d\n",
            GetCurrentProcessId(), static_cast<unsigned long>(si.dwFlags),
            static_cast<unsigned>(si.wShowWindow),
            splash != NULL && IsWindowVisible(splash) ? 1 : 0,
            splash != NULL && GetDlgItem(splash, 151) != NULL ? 1 : 0);
  std::string record =
      std::string("command=") + GetCommandLineA() + "\n" + numbers + tickLine("started_tick");
  if (!writeRecord("lumo_probe.txt", record)) return 1;

#ifdef LUMO_PROBE_READY_DELAY_MS
  Sleep(LUMO_PROBE_READY_DELAY_MS);
  // A test that needs the program unready for longer holds this event; the
  // cap keeps a forgotten hold from leaving the program behind.
  if (HANDLE hold = OpenEventA(SYNCHRONIZE, FALSE, "tarn_lumo_probe_hold")) {
    WaitForSingleObject(hold, 60000);
    CloseHandle(hold);
  }
  if (!writeRecord("lumo_probe_ready.txt", tickLine("ready_tick"))) return 1;
  // The first wait for input: whoever waits for this program to be ready
  // (WinExec, WaitForInputIdle) goes on from here.
  SetTimer(NULL, 0, 500, NULL);
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0 && msg.message != WM_TIMER) DispatchMessageA(&msg);
#endif
  return 0;
}
