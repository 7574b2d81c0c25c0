// A window object's tooltip: made by writing `toolTip`, read back from the
// tooltip itself, and ended with the window it describes.
#include <vector>

#include "tarn/core.h"
#include "tarn/core/detail.h"
#include "tarn/core/record_sizes.h"

namespace tarn {

// A tooltip goes with the window it describes. It is owned by the tool's
// top-level window, so the system ends it with that window, and it watches the
// tool window itself, so a child control destroyed on its own takes its
// tooltip along; destroy() ends it first of all.
namespace {

LRESULT CALLBACK endTooltipWithTool(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR tooltip, DWORD_PTR) {
  if (message == WM_DESTROY) {
    RemoveWindowSubclass(window, endTooltipWithTool, tooltip);
    // An owned tooltip may have gone already, with the top-level window.
    HWND tip = reinterpret_cast<HWND>(tooltip);
    if (IsWindow(tip)) DestroyWindow(tip);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void Control::endTooltip() {
  if (tooltipHwnd == NULL) return;
  RemoveWindowSubclass(hwnd, endTooltipWithTool, reinterpret_cast<UINT_PTR>(tooltipHwnd));
  DestroyWindow(tooltipHwnd);
  tooltipHwnd = NULL;
}

void Control::setToolTip(String value) {
  endTooltip();
  // Without a live window there is nothing to describe, and a tooltip made
  // anyway would belong to no window and never end.
  HWND topLevel = hwnd != NULL ? GetAncestor(hwnd, GA_ROOT) : NULL;
  if (topLevel == NULL) return;
  // A pop-up owned by the top-level window, not a child control: no
  // identifier, and no place in the child creation routine.
  tooltipHwnd =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, topLevel, NULL, GetModuleHandleA(NULL), NULL);
  if (tooltipHwnd == NULL) return;
  SetWindowSubclass(hwnd, endTooltipWithTool, reinterpret_cast<UINT_PTR>(tooltipHwnd), 0);
  TOOLINFOA info = {};
  info.cbSize = records::toolInfoSize;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = parentHwnd;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = const_cast<char*>(value.c_str());
  detail::send(tooltipHwnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  detail::send(tooltipHwnd, TTM_ACTIVATE, TRUE);
  tooltipTextLength = value.str().size();
}

String Control::getToolTip() const {
  if (tooltipHwnd == NULL) return String();
  // The tooltip copies its text without a bound: the buffer holds the longest
  // text this object gave it, with room to spare.
  std::vector<char> buffer(tooltipTextLength + 1024, '\0');
  TOOLINFOA info = {};
  info.cbSize = records::toolInfoSize;
  info.hwnd = parentHwnd;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = buffer.data();
  detail::send(tooltipHwnd, TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
  buffer.back() = '\0';
  return String(buffer.data());
}

}  // namespace tarn
