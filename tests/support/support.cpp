#include "support/support.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace testing_support {

std::string programFolder() {
  char path[MAX_PATH + 1] = {0};
  GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string p(path);
  std::size_t cut = p.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : p.substr(0, cut);
}

std::string windowText(HWND window) {
  int n = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  int got = GetWindowTextA(window, &text[0], n + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::string boxText(HWND box) {
  HWND label = GetDlgItem(box, 0xFFFF);
  return label ? windowText(label) : std::string();
}

namespace {

struct FindBox {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findProcessBox(HWND window, LPARAM param) {
  FindBox* f = reinterpret_cast<FindBox*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[32] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (pid == f->processId && std::string(cls) == "#32770" && IsWindowVisible(window)) {
    f->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ChildResult runChild(const std::string& commandLine, DWORD timeoutMs, int answer,
                     std::vector<std::string>* boxes, const std::string& folder) {
  ChildResult result;
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
  char outName[MAX_PATH], tempDir[MAX_PATH];
  GetTempPathA(MAX_PATH, tempDir);
  GetTempFileNameA(tempDir, "tch", 0, outName);
  HANDLE out = CreateFileA(outName, GENERIC_WRITE | GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &sa, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, NULL);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = out;
  si.hStdError = out;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  DWORD start = GetTickCount();
  if (!CreateProcessA(NULL, line.data(), NULL, NULL, TRUE, 0, NULL,
                      folder.empty() ? NULL : folder.c_str(), &si, &pi)) {
    CloseHandle(out);
    DeleteFileA(outName);
    return result;
  }
  result.started = true;
  for (;;) {
    DWORD wait = WaitForSingleObject(pi.hProcess, 50);
    if (wait == WAIT_OBJECT_0) {
      result.finished = true;
      break;
    }
    if (GetTickCount() - start > timeoutMs) {
      TerminateProcess(pi.hProcess, 999);
      WaitForSingleObject(pi.hProcess, 5000);
      break;
    }
    if (answer != 0) {
      FindBox f = {pi.dwProcessId, NULL};
      EnumWindows(findProcessBox, reinterpret_cast<LPARAM>(&f));
      if (f.found) {
        if (boxes) boxes->push_back(windowText(f.found) + "\n" + boxText(f.found));
        SendMessageA(f.found, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        Sleep(50);
      }
    }
  }
  result.milliseconds = GetTickCount() - start;
  GetExitCodeProcess(pi.hProcess, &result.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  SetFilePointer(out, 0, NULL, FILE_BEGIN);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(out, buffer, sizeof buffer, &got, NULL) && got > 0) result.output.append(buffer, got);
  CloseHandle(out);
  DeleteFileA(outName);
  return result;
}

// ---------------------------------------------------------------------------

void pump(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(1);
  } while (GetTickCount() - start < ms);
}

// ---------------------------------------------------------------------------

TempFile::TempFile(const std::string& suffix) {
  static unsigned serial = 0;
  char dir[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, dir);
  char name_[MAX_PATH + 64];
  std::snprintf(name_, sizeof name_, "%starn_%lu_%u%s", dir, GetCurrentProcessId(), ++serial,
                suffix.c_str());
  name = name_;
  DeleteFileA(name.c_str());
}

TempFile::~TempFile() { DeleteFileA(name.c_str()); }

bool TempFile::write(const std::string& bytes) const {
  FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::string TempFile::read() const {
  std::string bytes;
  FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return bytes;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
  std::fclose(f);
  return bytes;
}

namespace {
VOID CALLBACK endLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(-2); }
}  // namespace

bool bringToFront(HWND window) {
  return pumpUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);  // asked again: a busy system may refuse once
        return false;
      },
      5000);
}

int loopWithWatchdog(UINT ms) {
  UINT_PTR watchdog = SetTimer(NULL, 0, ms, endLoop);
  int code = tarn::messageLoop();
  KillTimer(NULL, watchdog);
  return code;
}

namespace {
bool markerArrived = false;
LRESULT CALLBACK markerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) markerArrived = true;
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

// Posted messages come back in the order they were posted, whatever window of
// the thread they are for.
bool settle() {
  static HWND marker = NULL;
  if (!IsWindow(marker)) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = markerProcedure;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "TarnTestMarker";
    RegisterClassA(&wc);  // fails harmlessly once the class exists
    marker = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                             wc.hInstance, NULL);
  }
  markerArrived = false;
  PostMessageA(marker, WM_APP, 0, 0);
  return pumpUntil([] { return markerArrived; }, 5000);
}

void clickMouse(HWND window, POINT at, int clicks) {
  ClientToScreen(window, &at);
  // Absolute positions run 0..65535 across the primary screen.
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs;
  INPUT move = {};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(at.x, 65535, width - 1);
  move.mi.dy = MulDiv(at.y, 65535, height - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs.push_back(move);
  for (int i = 0; i < clicks; ++i)
    for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
      INPUT press = move;
      press.mi.dwFlags = button | MOUSEEVENTF_ABSOLUTE;
      inputs.push_back(press);
    }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (int up = 0; up < 2; ++up)
    for (std::size_t i = 0; i < keys.size(); ++i) {
      INPUT in = {};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = up ? keys.begin()[keys.size() - 1 - i] : keys.begin()[i];
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(in);
    }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace testing_support

namespace testing_support {
COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

CHARFORMATA charFormatAt(HWND richEdit, int position) {
  SendMessageA(richEdit, EM_SETSEL, static_cast<WPARAM>(position), position + 1);
  CHARFORMATA format;
  ZeroMemory(&format, sizeof format);
  format.cbSize = sizeof format;
  SendMessageA(richEdit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}
HGLOBAL makeDrop(const std::vector<std::wstring>& names, POINT at, bool wide) {
  std::string bytes;
  for (const std::wstring& name : names) {
    if (wide) {
      bytes.append(reinterpret_cast<const char*>(name.c_str()), (name.size() + 1) * sizeof(wchar_t));
    } else {
      int n = WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, NULL, 0, NULL, NULL);
      std::string narrow(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
      if (n > 0) WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, &narrow[0], n, NULL, NULL);
      bytes += narrow;  // with its zero
    }
  }
  bytes.append(wide ? sizeof(wchar_t) : 1, '\0');
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes.size());
  if (block == NULL) return NULL;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fWide = wide;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

}  // namespace testing_support
