// The stand-alone scroll bar: ScrollBar.
#include "tarn/commctl.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {
constexpr DWORD scrollBarStyle = WS_CHILD | WS_TABSTOP;  // 0x40010000
constexpr int firstMin = 1;
constexpr int firstMax = 100;
}  // namespace

ScrollBar::ScrollBar() : vertical(false) { bindProperties(); }

ScrollBar::ScrollBar(int id_, int x_, int y_, int width_, int height_, const Control& parent,
                     int horizontal, bool enabled_, bool visible_, bool centred, int exStyle)
    : vertical(horizontal != 1) {
  bindProperties();
  DWORD style = scrollBarStyle | (visible_ ? WS_VISIBLE : 0) | (vertical ? SBS_VERT : SBS_HORZ);
  detail::createChild(*this, "SCROLLBAR", NULL, style, static_cast<DWORD>(exStyle), x_, y_, width_,
                      height_, parent.hwnd, id_);
  // Visibility is in the style: no separate show.
  detail::finishCreation(*this, centred, enabled_, false);
  SetScrollRange(hwnd, SB_CTL, firstMin, firstMax, TRUE);
}

void ScrollBar::bindProperties() {
  position.bind(this, &ScrollBar::getPosition, &ScrollBar::setPosition);
  min.bind(this, &ScrollBar::getMin, &ScrollBar::setMin);
  max.bind(this, &ScrollBar::getMax, &ScrollBar::setMax);
}

// Takes the thumb's track position as the position, so a parent reading it in
// its scroll handler leaves the thumb where the user dropped it.
int ScrollBar::getPosition() const {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!detail::send(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info))) return 0;
  SetScrollPos(hwnd, SB_CTL, info.nTrackPos, TRUE);
  return info.nTrackPos;
}

void ScrollBar::setPosition(int value) { SetScrollPos(hwnd, SB_CTL, value, TRUE); }

int ScrollBar::getMin() const {
  int low = 0, high = 0;
  GetScrollRange(hwnd, SB_CTL, &low, &high);
  return low;
}

int ScrollBar::getMax() const {
  int low = 0, high = 0;
  GetScrollRange(hwnd, SB_CTL, &low, &high);
  return high;
}

void ScrollBar::setMin(int value) { SetScrollRange(hwnd, SB_CTL, value, getMax(), TRUE); }
void ScrollBar::setMax(int value) { SetScrollRange(hwnd, SB_CTL, getMin(), value, TRUE); }

bool ScrollBar::setRange(int low, int high) {
  return SetScrollRange(hwnd, SB_CTL, low, high, TRUE) != 0;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

ScrollBar::ScrollBar(const Control& parent, const ScrollBarOptions& o)
    : ScrollBar(detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.horizontal,
                o.enabled, o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
