// Stands in for "Lumo.exe" in the launcher's tests: writes how it was started
// (command line, start-up flags, show state) and what of the splash was on the
// screen at that moment (its window visible, its picture box made) to
// lumo_probe.txt beside itself, then ends at once.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH + 1] = {0};
  DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder(path, n);
  std::size_t cut = folder.find_last_of("\\/");
  folder = cut == std::string::npos ? std::string(".") : folder.substr(0, cut);

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  HWND splash = FindWindowA(NULL, "Lumo One Loading...");
  char numbers[128];
  wsprintfA(numbers, "flags=%lu\nshow=%u\nsplash_visible=%d\npicture_box=%d\n",
            static_cast<unsigned long>(si.dwFlags), static_cast<unsigned>(si.wShowWindow),
            splash != NULL && IsWindowVisible(splash) ? 1 : 0,
            splash != NULL && GetDlgItem(splash, 151) != NULL ? 1 : 0);
  std::string record = std::string("command=") + GetCommandLineA() + "\n" + numbers;

  // Written under another name first, so a reader never sees half a record.
  std::string part = folder + "\\lumo_probe.part", done = folder + "\\lumo_probe.txt";
  HANDLE file = CreateFileA(part.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, NULL);
  CloseHandle(file);
  if (!ok || written != record.size()) return 1;
  return MoveFileExA(part.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
