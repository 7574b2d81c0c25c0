// Creation steps shared by the standard controls.
#include "tarn/controls/creation.h"

namespace tarn {
namespace detail {

HWND createChild(Control& self, const char* windowClass, const char* name, DWORD style, int x,
                 int y, int width, int height, const Control& parent, int id, int exStyle) {
  self.id = id;
  self.parentHwnd = parent.hwnd;
  self.hwnd = CreateWindowExA(
      static_cast<DWORD>(exStyle), windowClass, name, style, x, y, width, height, parent.hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
  return self.hwnd;
}

void placeChild(Control& self, int x, int y, int width, int height) {
  self.moveTo(x, y);
  self.resize(width, height);
  self.setDefaultFont();
}

void settleChild(Control& self, bool centred, bool enabled) {
  if (centred) self.centre();
  if (!enabled) self.disable();
}

}  // namespace detail
}  // namespace tarn
