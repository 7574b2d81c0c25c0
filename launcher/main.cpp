// The Lumo One splash launcher.
//
// The splash form and its picture box appear while this file's globals are
// constructed (after the toolkit's own). WinMain sets the picture, installs the
// splash procedure, paints the splash and only then starts "Lumo.exe -diag"
// hidden, without waiting for it: the splash keeps painting and answering while
// the main program gets ready. When the start is reported, the one-second timer
// starts. The splash ends after the tenth tick, at the first tick after Escape
// was seen held down, or when the form is closed.
#include <tarn/tarn.h>

using namespace tarn;

namespace {
constexpr int splashWidth = 640;
constexpr int splashHeight = 480;
constexpr int splashKind = 10;      // frameless pop-up
constexpr int splashExStyle = 8;    // WS_EX_TOPMOST
constexpr int tickLimit = 9;        // ends when the count exceeds this
constexpr int tickInterval = 1000;  // milliseconds
// Posted to the splash form when the main program is ready for input (or
// could not be started); wParam holds the start's result.
constexpr UINT mainProgramStarted = WM_APP;
}  // namespace

// Globals, constructed in this order.
int screenWidth = screen.width;
int screenHeight = screen.height;
// The parent object has no window, so the form is top-level and the centred
// flag has no effect: x and y place it in the middle of the screen.
Form splashForm("Lumo One Loading...", screenWidth / 2 - splashWidth / 2,
                screenHeight / 2 - splashHeight / 2, splashWidth, splashHeight, splashKind, true,
                true, false, false, true, Control(), false, splashExStyle);
ImageBox splashImage(++controlIdCounter, 0u, 0, 0, splashWidth, splashHeight, splashForm, 0);
String timerName = "timer_gen";
unsigned int mainProgramResult = 0;  // the start's result, stored when reported; never examined
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
    case WM_CLOSE: endSplash(); return 0;
    case mainProgramStarted:
      // The ten ticks count from the main program being ready (or failing to start).
      mainProgramResult = static_cast<unsigned int>(wParam);
      splashForm.startTimer(timerName, tickInterval);
      return 0;
    case WM_TIMER: {
      // The form that owns the window; a window without one has no splash timer.
      const Control* form =
          reinterpret_cast<const Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (form == NULL) return 0;
      if (wParam == static_cast<WPARAM>(form->timerId(timerName))) {
        ++tickCount;
        if (tickCount > tickLimit || escapeSeen == 1) endSplash();
      }
      return 0;
    }
    default: return 0;
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
  // The picture goes on the screen before the main program starts: its start
  // takes the machine's attention, and the splash exists to cover it.
  RedrawWindow(splashForm.hwnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
  startProgram("Lumo.exe -diag", SW_HIDE, splashForm.hwnd, mainProgramStarted);
  return messageLoop();
}
