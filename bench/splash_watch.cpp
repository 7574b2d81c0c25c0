// Measures how long a splash program takes from its start to its picture on
// the screen.
//
//   splash_watch PROGRAM.exe PICTURE.bmp [timeout-ms]
//
// Reads the picture, picks sample points in it, starts the program (in its own
// folder) and polls the screen's pixels where the splash stands (the middle of
// the screen) until every sample shows the picture's colour. Then it closes
// the splash with WM_CLOSE and waits for its end, and for the end of the
// programs the splash started (so none of them runs into the next
// measurement). Prints one line:
//   window_ms=W pixels_ms=P exit=C polls=N
// (W: the window is visible; P: the pixels are on the screen; -1 when not seen;
// N: screen polls made, so P / N is the time resolution).
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/bmp24.h"

namespace {

const char* const splashCaption = "Lumo One Loading...";

struct Sample {
  int x, y;
  COLORREF colour;
};

struct Find {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK findWindow(HWND window, LPARAM param) {
  Find* f = reinterpret_cast<Find*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char text[64] = {0};
  if (pid == f->processId && GetWindowTextA(window, text, sizeof text) > 0 &&
      lstrcmpA(text, splashCaption) == 0) {
    f->window = window;
    return FALSE;
  }
  return TRUE;
}

bool readFile(const char* path, std::string& bytes) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (f == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, NULL) && got > 0) bytes.append(buffer, got);
  CloseHandle(f);
  return true;
}

// Waits, at most `timeoutMs` each, for the processes that `parent` started.
void waitForChildren(DWORD parent, DWORD timeoutMs) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  std::vector<HANDLE> children;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parent) continue;
    if (HANDLE child = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)) children.push_back(child);
  }
  CloseHandle(snapshot);
  for (HANDLE child : children) {
    WaitForSingleObject(child, timeoutMs);
    CloseHandle(child);
  }
}

bool screenShows(HDC screen, const std::vector<Sample>& samples, int ox, int oy) {
  for (const Sample& s : samples)
    if (GetPixel(screen, ox + s.x, oy + s.y) != s.colour) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: splash_watch PROGRAM.exe PICTURE.bmp [timeout-ms]\n");
    return 2;
  }
  const DWORD timeout = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 15000;
  std::string bytes;
  bmp24::Image picture;
  if (!readFile(argv[2], bytes) || !bmp24::decode(bytes, picture)) {
    std::fprintf(stderr, "splash_watch: cannot read the picture %s\n", argv[2]);
    return 2;
  }

  // A 4x4 grid of interior points and the four corners, clipped to 640x480.
  const int w = picture.width < 640 ? picture.width : 640;
  const int h = picture.height < 480 ? picture.height : 480;
  std::vector<Sample> samples;
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) {
      int x = w * i / 5, y = h * j / 5;
      samples.push_back({x, y, picture.at(x, y)});
    }
  for (int x : {2, w - 3})
    for (int y : {2, h - 3}) samples.push_back({x, y, picture.at(x, y)});

  int ox = GetSystemMetrics(SM_CXSCREEN) / 2 - 320, oy = GetSystemMetrics(SM_CYSCREEN) / 2 - 240;
  if (ox < 0) ox = 0;
  if (oy < 0) oy = 0;
  HDC screen = GetDC(NULL);

  // The screen must not show the picture already (a previous splash).
  DWORD stale = GetTickCount();
  while (screenShows(screen, samples, ox, oy)) {
    if (GetTickCount() - stale > 3000) {
      std::fprintf(stderr, "splash_watch: the picture is already on the screen\n");
      return 3;
    }
    Sleep(20);
  }

  std::string program = argv[1];
  std::string folder = program.substr(0, program.find_last_of("\\/") == std::string::npos
                                             ? 0
                                             : program.find_last_of("\\/"));
  std::string line = "\"" + program + "\"";
  std::vector<char> chars(line.begin(), line.end());
  chars.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};

  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  auto elapsedMs = [&]() {
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
  };
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(NULL, chars.data(), NULL, NULL, FALSE, 0, NULL,
                      folder.empty() ? NULL : folder.c_str(), &si, &pi)) {
    std::fprintf(stderr, "splash_watch: cannot start %s (error %lu)\n", program.c_str(),
                 GetLastError());
    return 2;
  }

  double windowMs = -1, pixelsMs = -1;
  HWND window = NULL;
  unsigned polls = 0;
  for (;;) {
    ++polls;
    double t = elapsedMs();
    if (!window) {
      Find f = {pi.dwProcessId, NULL};
      EnumWindows(findWindow, reinterpret_cast<LPARAM>(&f));
      if (f.window && IsWindowVisible(f.window)) {
        window = f.window;
        windowMs = t;
      }
    }
    if (screenShows(screen, samples, ox, oy)) {
      pixelsMs = elapsedMs();
      break;
    }
    if (t > timeout || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  ReleaseDC(NULL, screen);

  // The pixels may come in the same poll as the window; it is closed all the same.
  Find last = {pi.dwProcessId, window};
  if (!window) EnumWindows(findWindow, reinterpret_cast<LPARAM>(&last));
  if (last.window) PostMessageA(last.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 999);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  waitForChildren(pi.dwProcessId, 15000);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::printf("window_ms=%.1f pixels_ms=%.1f exit=%lu polls=%u\n", windowMs, pixelsMs, code, polls);
  std::fflush(stdout);
  return pixelsMs < 0 ? 1 : 0;
}
