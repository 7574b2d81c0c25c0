// The Lumo One splash launcher.
//
// Everything up to the start of the main program happens while this file's
// globals are constructed (after the toolkit's own): the splash form and its
// picture box appear, then "Lumo.exe -diag" is started hidden. WinMain sets the
// picture, installs the splash procedure, starts a one-second timer and runs
// the message loop. The splash ends after the tenth tick, at the first tick
// after Escape was seen held down, or when the form is closed.
#include "tarn.h"

using namespace tarn;

namespace {
constexpr int splashWidth = 640;
constexpr int splashHeight = 480;
constexpr int splashKind = 10;       // frameless pop-up
constexpr int splashExStyle = 8;     // WS_EX_TOPMOST
constexpr int tickLimit = 9;         // ends when the count exceeds this
constexpr int tickInterval = 1000;   // milliseconds
}  // namespace

// Globals, constructed in this order.
int screenWidth = screen.width;
int screenHeight = screen.height;
// The parent object has no window, so the form is top-level and the centred
// flag has no effect: x and y place it in the middle of the screen.
Form splashForm("Lumo One Loading...", screenWidth / 2 - splashWidth / 2,
                screenHeight / 2 - splashHeight / 2, splashWidth, splashHeight, splashKind,
                true, true, false, false, true, Control(), false, splashExStyle);
ImageBox splashImage(++controlIdCounter, 0u, 0, 0, splashWidth, splashHeight, splashForm, 0);
String timerName = "timer_gen";
unsigned int mainProgramResult = WinExec("Lumo.exe -diag", SW_HIDE);  // never examined
int escapeSeen = 0;
int tickCount = 0;

namespace {

void endSplash() {
  splashForm.stopTimer(timerName);
  application.quit();
}

}  // namespace

INT_PTR CALLBACK splashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  if (GetAsyncKeyState(VK_ESCAPE) < 0) escapeSeen = 1;
  switch (message) {
    case WM_CLOSE:
      endSplash();
      return 0;
    case WM_TIMER: {
      // The form that owns the window; a window without one has no splash timer.
      const Control* form = reinterpret_cast<const Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (form == NULL) return 0;
      if (wParam == static_cast<WPARAM>(form->timerId(timerName))) {
        ++tickCount;
        if (tickCount > tickLimit || escapeSeen == 1) endSplash();
      }
      return 0;
    }
    default:
      return 0;
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState) {
  (void)instance;
  (void)previous;
  (void)showState;
  application.setCommandLine(commandLine);
  String folder = application.folder;
  splashImage.setImage((folder + "\\SplashScreen.bmp").str(), true);
  splashForm.procedure = splashProcedure;
  splashForm.startTimer(timerName, tickInterval);

  MSG msg = {};
  // GetMessageA answers -1 on failure; treating that as a message would spin.
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (IsDialogMessageA(GetParent(msg.hwnd), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
