// The one routine that makes a control's child window.
#include "tarn/core/detail.h"

namespace tarn {
namespace detail {

HWND createChild(Control& owner, const char* className, const char* windowName, DWORD style,
                 DWORD exStyle, int x, int y, int width, int height, HWND parent, int id,
                 void* createParam) {
  owner.id = id;
  owner.parentHwnd = parent;
  owner.hwnd = CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(NULL), createParam);
  return owner.hwnd;
}

}  // namespace detail
}  // namespace tarn
