// Stands in for the product's main program in the splash benchmark: started as
// "Lumo.exe -diag", it needs STAND_IN_READY_MS milliseconds before its message
// loop (the time a real program spends loading), waits for input for a moment
// and ends.
#include <windows.h>

#ifndef STAND_IN_READY_MS
#define STAND_IN_READY_MS 0
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (STAND_IN_READY_MS > 0) Sleep(STAND_IN_READY_MS);
  SetTimer(NULL, 0, 300, NULL);
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0 && msg.message != WM_TIMER) DispatchMessageA(&msg);
  return 0;
}
