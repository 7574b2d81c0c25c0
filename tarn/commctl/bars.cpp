// Progress and track bars: Guage and Track.
#include "tarn/commctl.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

constexpr DWORD trackStyle = WS_CHILD | WS_TABSTOP | TBS_AUTOTICKS;  // 0x40010001
constexpr int packedRangeLimit = 32767;  // TBM_SETRANGE holds each end in a signed 16-bit half

// Range 0..maximum. TBM_SETRANGE packs both ends into 16-bit halves, so
// larger (or negative) ends go through TBM_SETRANGEMIN and TBM_SETRANGEMAX.
void setTrackRange(HWND track, int maximum) {
  if (maximum >= 0 && maximum <= packedRangeLimit) {
    detail::send(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, maximum));
    return;
  }
  detail::send(track, TBM_SETRANGEMIN, FALSE);
  detail::send(track, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(maximum));
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
  detail::createChild(*this, PROGRESS_CLASSA, "Guage", style, static_cast<DWORD>(exStyle), x_, y_,
                      width_, height_, parent.hwnd, id_);
  detail::finishCreation(*this, centred, enabled_, visible_);
}

void Guage::bindProperties() { value.bind(this, &Guage::getValue, &Guage::setValue); }

void Guage::setValue(int newValue) {
  percent = newValue > 100 ? 100 : newValue < 0 ? 0 : newValue;
  detail::send(hwnd, PBM_SETPOS, static_cast<WPARAM>(percent));
}

// ---------------------------------------------------------------------------
// Track

Track::Track() : position(0), maximum(0) { bindProperties(); }

Track::Track(int id_, int x_, int y_, int width_, int height_, const Control& parent, int maximum_,
             bool enabled_, bool visible_, bool centred, bool vertical, int exStyle)
    : position(0), maximum(maximum_) {
  bindProperties();
  DWORD style = trackStyle | (visible_ ? WS_VISIBLE : 0) | (vertical ? TBS_VERT : 0);
  detail::createChild(*this, TRACKBAR_CLASSA, "Track", style, static_cast<DWORD>(exStyle), x_, y_,
                      width_, height_, parent.hwnd, id_);
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

int Track::getValue() const { return static_cast<int>(detail::send(hwnd, TBM_GETPOS)); }

// The parent hears of the change as of a drag of the thumb: WM_HSCROLL or, for
// a vertical track, WM_VSCROLL (as the control itself sends), TB_THUMBTRACK
// with the position in the high word.
void Track::setValue(int newValue) {
  position = newValue < 0 ? 0 : newValue;
  // An object without a window has the desktop as its parent: tell nobody.
  if (hwnd == NULL) return;
  detail::send(hwnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(position));
  UINT message = hasStyle(TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  detail::send(parentHwnd, message, MAKEWPARAM(TB_THUMBTRACK, position),
               reinterpret_cast<LPARAM>(hwnd));
}

int Track::getRange() const { return static_cast<int>(detail::send(hwnd, TBM_GETNUMTICS, 1)); }

void Track::setRange(int newMaximum) { setTrackRange(hwnd, newMaximum); }

int Track::getMin() const { return static_cast<int>(detail::send(hwnd, TBM_GETRANGEMIN)); }

void Track::setMin(int newMin) {
  detail::send(hwnd, TBM_SETRANGEMIN, TRUE, static_cast<LPARAM>(newMin));
}

int Track::getMax() const { return static_cast<int>(detail::send(hwnd, TBM_GETRANGEMAX)); }

void Track::setMax(int newMax) {
  detail::send(hwnd, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(newMax));
}

void Track::clearTicks() { detail::send(hwnd, TBM_CLEARTICS, TRUE); }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Guage::Guage(const Control& parent, const GuageOptions& o)
    : Guage(detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.horizontal, o.enabled,
            o.visible, o.centred, o.smooth, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

Track::Track(const Control& parent, const TrackOptions& o)
    : Track(detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.maximum, o.enabled,
            o.visible, o.centred, o.vertical, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
