// Changes to a window's class shared by the core's composite windows.
#ifndef TARN_CORE_WINDOW_CLASS_H
#define TARN_CORE_WINDOW_CLASS_H

#include "tarn/property.h"

namespace tarn {
namespace detail {

// Adds redraw-on-resize to the window's class. The class is shared by every
// window of it in the process (all forms, all labels), so the bits already
// there (double clicks, saved bits, parent DC) must stay.
inline void addRedrawOnResize(HWND window) {
  if (window == NULL) return;
  DWORD style = static_cast<DWORD>(GetClassLongPtrA(window, GCL_STYLE));
  DWORD wanted = style | CS_HREDRAW | CS_VREDRAW;
  if (wanted != style) SetClassLongPtrA(window, GCL_STYLE, static_cast<LONG_PTR>(wanted));
}

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_CLASS_H
