// The splash written directly on Win32, without the toolkit: the reference the
// launcher is measured against. Same window (topmost 640x480 pop-up in the
// middle of the screen, same caption), same order of work (window shown,
// picture loaded and painted, then the main program started hidden with the
// wait for it on a worker thread), same one-second timer from the main
// program being ready, Escape test and close handling.
#include <windows.h>

#ifdef PLAIN_SPLASH_STARTUP_WORK
// The same program with the start-up work every toolkit program does before
// its own code (the rich-edit library loaded, every common-control class
// registered) and the OLE start the image box needs: it tells the cost of that
// work apart from the cost of the toolkit itself.
#include <commctrl.h>
#include <ole2.h>

static HMODULE richEdit = LoadLibraryA("riched32.dll");
static bool controlsReady = [] {
  INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), 0x3FFF};
  InitCommonControlsEx(&icc);
  return true;
}();
#endif

namespace {

const char* const className = "PlainSplash";
HBITMAP picture = NULL;
int escapeSeen = 0;
int tickCount = 0;
const UINT_PTR timerId = 1;
const UINT mainProgramStarted = WM_APP;

struct ReadyWait {
  HANDLE process;
  HWND window;
};

DWORD WINAPI waitUntilReady(LPVOID parameter) {
  ReadyWait* wait = static_cast<ReadyWait*>(parameter);
  WaitForInputIdle(wait->process, 30000);
  CloseHandle(wait->process);
  PostMessageA(wait->window, mainProgramStarted, 33, 0);
  delete wait;
  return 0;
}

// Creates the process here and waits for it to get ready on a worker thread.
void startMainProgram(HWND window) {
  char line[] = "Lumo.exe -diag";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &started)) {
    PostMessageA(window, mainProgramStarted, GetLastError(), 0);
    return;
  }
  CloseHandle(started.hThread);
  ReadyWait* wait = new ReadyWait{started.hProcess, window};
  HANDLE worker = CreateThread(NULL, 0, waitUntilReady, wait, 0, NULL);
  if (worker)
    CloseHandle(worker);
  else
    waitUntilReady(wait);
}

LRESULT CALLBACK splashWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (GetAsyncKeyState(VK_ESCAPE) < 0) escapeSeen = 1;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (picture) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture);
        BITMAP info;
        GetObjectA(picture, sizeof info, &info);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
      }
      EndPaint(window, &ps);
      return 0;
    }
    case mainProgramStarted:
      SetTimer(window, timerId, 1000, NULL);
      return 0;
    case WM_TIMER:
      if (wParam == timerId && (++tickCount > 9 || escapeSeen == 1)) {
        KillTimer(window, timerId);
        PostQuitMessage(0);
      }
      return 0;
    case WM_CLOSE:
      KillTimer(window, timerId);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef PLAIN_SPLASH_STARTUP_WORK
  OleInitialize(NULL);
#endif
  WNDCLASSA wc = {};
  wc.lpfnWndProc = splashWindow;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassA(&wc);

  int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 320;
  int y = GetSystemMetrics(SM_CYSCREEN) / 2 - 240;
  HWND window = CreateWindowExA(WS_EX_TOPMOST, className, "Lumo One Loading...",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x < 0 ? 0 : x,
                                y < 0 ? 0 : y, 640, 480, NULL, NULL, instance, NULL);

  char path[MAX_PATH + 32] = {0};
  DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
  while (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/') --n;
  lstrcpyA(path + n, "SplashScreen.bmp");
  picture = static_cast<HBITMAP>(LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  InvalidateRect(window, NULL, TRUE);
  UpdateWindow(window);
  startMainProgram(window);

  MSG msg = {};
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
