// Creation steps shared by the common controls: making the child window and the
// tail every control runs after it (font, centring, enabled state, showing).
#ifndef TARN_COMMCTL_CREATION_H
#define TARN_COMMCTL_CREATION_H

#include "tarn/tarn.h"

namespace tarn {
namespace detail {

// Makes `owner`'s window: records the identifier and the parent's handle, then
// creates a child of `parent` in this module. Answers the new handle (0 when the
// system refused).
inline HWND createChildWindow(Control& owner, DWORD exStyle, const char* className,
                              const char* windowName, DWORD style, int x, int y, int width,
                              int height, const Control& parent, int id) {
  owner.id = id;
  owner.parentHwnd = parent.hwnd;
  owner.hwnd = CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                               parent.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(NULL), NULL);
  return owner.hwnd;
}

// The stock GUI font, centring when asked, disabling when not enabled and
// showing when visible, in that order.
inline void finishCreation(Control& owner, bool centred, bool enabled, bool visible) {
  owner.setDefaultFont();
  if (centred) owner.centre();
  if (!enabled) owner.disable();
  if (visible) owner.show();
}

// Reads a control's text into a zeroed block of `capacity` bytes from
// `GlobalAlloc` and hands back what it holds. List and tree views that cannot fit
// a text fill every byte and leave no terminating zero (Wine does), so the last
// byte is zeroed after the call: texts come back cut at capacity - 1.
template <class Request>
String readControlText(std::size_t capacity, Request request) {
  HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, capacity);
  char* buffer = static_cast<char*>(GlobalLock(block));
  if (buffer == NULL) {
    if (block != NULL) GlobalFree(block);
    return String();
  }
  request(buffer, static_cast<int>(capacity));
  buffer[capacity - 1] = '\0';
  String text(buffer);
  GlobalUnlock(block);
  GlobalFree(block);
  return text;
}

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_CREATION_H
