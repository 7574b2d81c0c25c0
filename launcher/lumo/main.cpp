// A small stand-in for the product's main program, "Lumo.exe".
//
// It notes each start in Lumo.log beside itself (arguments and show state),
// then keeps a form of its own for a short session: hidden when it was started
// hidden (as the splash launcher starts it with "-diag"), otherwise a small
// window whose caption says whether it runs in diagnostics mode. The session ends after
// `sessionSeconds` or when the form is closed.
#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr int sessionSeconds = 20;

const char* showStateName(int state) {
  switch (state) {
    case SW_HIDE: return "hidden";
    case SW_SHOWNORMAL: return "normal";
    case SW_SHOWMINIMIZED: return "minimised";
    case SW_SHOWMAXIMIZED: return "maximised";
    case SW_SHOWNOACTIVATE: return "not activated";
    case SW_SHOW: return "shown";
    case SW_MINIMIZE: return "minimise";
    case SW_SHOWMINNOACTIVE: return "minimised, not activated";
    case SW_SHOWNA: return "shown, not activated";
    case SW_RESTORE: return "restore";
    case SW_SHOWDEFAULT: return "default";
    default: return "other";
  }
}

// Appends one line to the log beside the program; false when it cannot.
bool appendLog(const String& line) {
  String path = String(application.folder) + "\\Lumo.log";
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return false;
  String text = line + "\r\n";
  DWORD written = 0;
  bool ok = WriteFile(file, text.c_str(), static_cast<DWORD>(text.str().size()), &written, NULL) &&
            written == text.str().size();
  CloseHandle(file);
  return ok;
}

String sessionTimer = "session";

INT_PTR CALLBACK lumoProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  const Control* form = reinterpret_cast<const Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_CLOSE || (message == WM_TIMER && form != NULL &&
                              wParam == static_cast<WPARAM>(form->timerId(sessionTimer)))) {
    PostQuitMessage(0);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showState) {
  application.setCommandLine(commandLine);
  String arguments = commandLine ? commandLine : "";
  bool diagnostics = arguments.find(String("-diag")) >= 0;
  char state[16];
  wsprintfA(state, "%d", showState);
  appendLog("Lumo.exe started: arguments \"" + arguments + "\", show state " + state + " (" +
            showStateName(showState) + ")" + (diagnostics ? ", diagnostics mode" : ""));

  bool hidden = showState == SW_HIDE;
  Form main(diagnostics ? "Lumo One - diagnostics" : "Lumo One", 0, 0, 360, 120, 7, true, !hidden,
            false, false, false, Control(), false, 0);
  if (!hidden) main.moveTo(int(screen.width) / 2 - 180, int(screen.height) / 2 - 60);
  main.procedure = lumoProcedure;
  main.startTimer(sessionTimer, sessionSeconds * 1000);

  MSG msg = {};
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (IsDialogMessageA(GetParent(msg.hwnd), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  appendLog("Lumo.exe ended");
  return static_cast<int>(msg.wParam);
}
