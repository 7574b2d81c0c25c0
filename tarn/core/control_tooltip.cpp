// A window object's tooltip: made by writing `toolTip`, read back from the
// tooltip itself, kept in the window's record and ended with the window it
// describes.
#include <algorithm>
#include <vector>

#include "tarn/core.h"
#include "tarn/core/detail.h"
#include "tarn/core/record_sizes.h"
#include "tarn/core/window_record.h"

namespace tarn {

namespace {

TOOLINFOA toolOf(HWND window) {
  TOOLINFOA info = {};
  info.cbSize = records::toolInfoSize;
  info.hwnd = GetParent(window);
  info.uId = reinterpret_cast<UINT_PTR>(window);
  return info;
}

// The text `tooltip` shows for `window`. The tooltip copies its text without a
// bound: the buffer holds `longest` characters with room to spare.
String toolText(HWND tooltip, HWND window, std::size_t longest) {
  std::vector<char> buffer(longest + 1024, '\0');
  TOOLINFOA info = toolOf(window);
  info.lpszText = buffer.data();
  detail::send(tooltip, TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
  buffer.back() = '\0';
  return String(buffer.data());
}

void addTool(HWND tooltip, HWND window, const String& text) {
  TOOLINFOA info = toolOf(window);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.lpszText = const_cast<char*>(text.c_str());
  detail::send(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void Control::endTooltip() {
  if (tooltipHwnd == NULL) return;
  if (detail::WindowRecord* r = detail::findRecord(hwnd)) {
    std::vector<HWND>& tips = r->tooltips;
    tips.erase(std::remove(tips.begin(), tips.end(), tooltipHwnd), tips.end());
  }
  if (IsWindow(tooltipHwnd)) DestroyWindow(tooltipHwnd);
  tooltipHwnd = NULL;
}

void Control::setToolTip(String value) {
  endTooltip();
  // Without a live window there is nothing to describe, and a tooltip made
  // anyway would belong to no window and never end.
  HWND topLevel = hwnd != NULL ? GetAncestor(hwnd, GA_ROOT) : NULL;
  detail::WindowRecord* r = topLevel != NULL ? detail::record(hwnd) : nullptr;
  if (r == nullptr) return;
  // A pop-up owned by the top-level window, not a child control: no
  // identifier, and no place in the child creation routine. It is owned by the
  // top-level window, so the system ends it with that window, and listed in
  // the described window's record, which ends it with that one.
  tooltipHwnd =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, topLevel, NULL, GetModuleHandleA(NULL), NULL);
  if (tooltipHwnd == NULL) return;
  r->tooltips.push_back(tooltipHwnd);
  r->longestTooltipText = std::max(r->longestTooltipText, value.str().size());
  addTool(tooltipHwnd, hwnd, value);
  detail::send(tooltipHwnd, TTM_ACTIVATE, TRUE);
  tooltipTextLength = value.str().size();
}

String Control::getToolTip() const {
  if (tooltipHwnd == NULL) return String();
  return toolText(tooltipHwnd, hwnd, tooltipTextLength);
}

namespace detail {

void moveTooltips(WindowRecord& from, WindowRecord& to) {
  for (HWND tooltip : from.tooltips) {
    if (!IsWindow(tooltip)) continue;
    TOOLINFOA old = toolOf(from.window);
    String text = toolText(tooltip, from.window, from.longestTooltipText);
    send(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&old));
    addTool(tooltip, to.window, text);
    to.tooltips.push_back(tooltip);
  }
  to.longestTooltipText = std::max(to.longestTooltipText, from.longestTooltipText);
  from.tooltips.clear();
}

}  // namespace detail
}  // namespace tarn
