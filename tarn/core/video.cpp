// VideoControl: silent AVI clips through the system animation control.
#include "tarn/tarn.h"

namespace tarn {

VideoControl::VideoControl() = default;

VideoControl::VideoControl(int id_, const Control& parent, const String& file, int x_, int y_,
                           int width_, int height_, bool visible_, bool autoPlay, bool centred,
                           int exStyle) {
  id = id_;
  if (!runtimeCheck(parent.hwnd != NULL, "Parent_Control_Handle != NULL", __FILE__, __LINE__))
    return;
  DWORD style = WS_CHILD | WS_TABSTOP | (visible_ ? WS_VISIBLE : 0) | (centred ? ACS_CENTER : 0) |
                (autoPlay ? ACS_AUTOPLAY : 0);
  hwnd = CreateWindowExA(
      static_cast<DWORD>(exStyle), ANIMATE_CLASSA, "Video Control", style, x_, y_, width_, height_,
      parent.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
  if (!runtimeCheck(hwnd != NULL, "VideWindow_Handle != NULL", __FILE__, __LINE__)) return;
  parentHwnd = parent.hwnd;
  open(file);
}

bool VideoControl::open(const String& file) {
  // An empty name would close the clip: it opens nothing.
  if (file.str().empty()) return false;
  return SendMessageA(hwnd, ACM_OPENA, 0, reinterpret_cast<LPARAM>(file.c_str())) != 0;
}

bool VideoControl::play(int from, bool repeat, int count) {
  // Some versions of the control loop forever on a count of 0; one pass is 1.
  WPARAM times = repeat ? static_cast<WPARAM>(count) : 1;
  return SendMessageA(hwnd, ACM_PLAY, times, MAKELONG(from & 0xFFFF, 0xFFFF)) != 0;
}

bool VideoControl::stop() { return SendMessageA(hwnd, ACM_STOP, 0, 0) != 0; }

}  // namespace tarn
