// Progress and track bars: Guage and Track.
#include "creation.h"
#include "tarn/tarn.h"

namespace tarn {

namespace {

constexpr DWORD trackStyle = WS_CHILD | WS_TABSTOP | TBS_AUTOTICKS;  // 0x40010001
constexpr int packedRangeLimit = 32767;  // TBM_SETRANGE holds each end in a signed 16-bit half

// Range 0..maximum. TBM_SETRANGE packs both ends into 16-bit halves, so
// larger (or negative) ends go through TBM_SETRANGEMIN and TBM_SETRANGEMAX.
void setTrackRange(HWND track, int maximum) {
  if (maximum >= 0 && maximum <= packedRangeLimit) {
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, maximum));
    return;
  }
  SendMessageA(track, TBM_SETRANGEMIN, FALSE, 0);
  SendMessageA(track, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(maximum));
}

}  // namespace

// ---------------------------------------------------------------------------
// Guage

Guage::Guage() : percent(0) { bindProperties(); }

Guage::Guage(int id_, int x_, int y_, int width_, int height_, const Control& parent,
             bool horizontal, bool enabled_, bool visible_, bool centred, bool smooth, int exStyle)
    : percent(0) {
  bindProperties();
  DWORD style = WS_CHILD | (horizontal ? 0 : PBS_VERTICAL) | (smooth ? PBS_SMOOTH : 0);
  detail::createChildWindow(*this, static_cast<DWORD>(exStyle), PROGRESS_CLASSA, "Guage", style, x_,
                            y_, width_, height_, parent, id_);
  detail::finishCreation(*this, centred, enabled_, visible_);
}

void Guage::bindProperties() { value.bind(this, &Guage::getValue, &Guage::setValue); }

void Guage::setValue(int newValue) {
  percent = newValue > 100 ? 100 : newValue < 0 ? 0 : newValue;
  SendMessageA(hwnd, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

// ---------------------------------------------------------------------------
// Track

Track::Track() : position(0), maximum(0) { bindProperties(); }

Track::Track(int id_, int x_, int y_, int width_, int height_, const Control& parent, int maximum_,
             bool enabled_, bool visible_, bool centred, bool vertical, int exStyle)
    : position(0), maximum(maximum_) {
  bindProperties();
  DWORD style = trackStyle | (visible_ ? WS_VISIBLE : 0) | (vertical ? TBS_VERT : 0);
  detail::createChildWindow(*this, static_cast<DWORD>(exStyle), TRACKBAR_CLASSA, "Track", style, x_,
                            y_, width_, height_, parent, id_);
  // Visibility is in the style: no separate show.
  detail::finishCreation(*this, centred, enabled_, false);
  setTrackRange(hwnd, maximum);
}

void Track::bindProperties() {
  value.bind(this, &Track::getValue, &Track::setValue);
  range.bind(this, &Track::getRange, &Track::setRange);
  min.bind(this, &Track::getMin, &Track::setMin);
  max.bind(this, &Track::getMax, &Track::setMax);
}

int Track::getValue() const { return static_cast<int>(SendMessageA(hwnd, TBM_GETPOS, 0, 0)); }

// The parent hears of the change as of a drag of the thumb: WM_HSCROLL or, for
// a vertical track, WM_VSCROLL (as the control itself sends), TB_THUMBTRACK
// with the position in the high word.
void Track::setValue(int newValue) {
  position = newValue < 0 ? 0 : newValue;
  // An object without a window has the desktop as its parent: tell nobody.
  if (hwnd == NULL) return;
  SendMessageA(hwnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(position));
  UINT message = hasStyle(TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  SendMessageA(parentHwnd, message, MAKEWPARAM(TB_THUMBTRACK, position),
               reinterpret_cast<LPARAM>(hwnd));
}

int Track::getRange() const { return static_cast<int>(SendMessageA(hwnd, TBM_GETNUMTICS, 1, 0)); }

void Track::setRange(int newMaximum) { setTrackRange(hwnd, newMaximum); }

int Track::getMin() const { return static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMIN, 0, 0)); }

void Track::setMin(int newMin) {
  SendMessageA(hwnd, TBM_SETRANGEMIN, TRUE, static_cast<LPARAM>(newMin));
}

int Track::getMax() const { return static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0)); }

void Track::setMax(int newMax) {
  SendMessageA(hwnd, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(newMax));
}

void Track::clearTicks() { SendMessageA(hwnd, TBM_CLEARTICS, TRUE, 0); }

}  // namespace tarn
