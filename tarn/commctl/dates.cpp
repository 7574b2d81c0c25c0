// Dates: MonthCalendar and DatePicker.
#include "tarn/commctl.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

constexpr DWORD dateStyle = WS_CHILD | WS_TABSTOP;  // 0x40010000

// Window (no name), position, size and font, then centring, enabling and showing.
void createDateWindow(Control& owner, const char* className, int id, int x, int y, int width,
                      int height, const Control& parent, bool enabled, bool visible, bool centred,
                      int exStyle) {
  detail::createChild(owner, className, NULL, dateStyle, static_cast<DWORD>(exStyle), x, y, width,
                      height, parent.hwnd, id);
  detail::placeChild(owner, x, y, width, height);
  detail::settleChild(owner, centred, enabled);
  if (visible) owner.show();
}

}  // namespace

MonthCalendar::MonthCalendar() { bindProperties(); }

MonthCalendar::MonthCalendar(const String&, int id_, int x_, int y_, int width_, int height_,
                             const Control& parent, bool enabled_, bool visible_, bool centred,
                             int exStyle) {
  bindProperties();
  createDateWindow(*this, MONTHCAL_CLASSA, id_, x_, y_, width_, height_, parent, enabled_, visible_,
                   centred, exStyle);
}

void MonthCalendar::bindProperties() {
  titleBackColor.bind(this, nullptr, &MonthCalendar::setTitleBackColor);
  titleTextColor.bind(this, nullptr, &MonthCalendar::setTitleTextColor);
  monthBackColor.bind(this, nullptr, &MonthCalendar::setMonthBackColor);
}

void MonthCalendar::setTitleBackColor(COLORREF colour) {
  detail::send(hwnd, MCM_SETCOLOR, MCSC_TITLEBK, static_cast<LPARAM>(colour));
}

void MonthCalendar::setTitleTextColor(COLORREF colour) {
  detail::send(hwnd, MCM_SETCOLOR, MCSC_TITLETEXT, static_cast<LPARAM>(colour));
}

void MonthCalendar::setMonthBackColor(COLORREF colour) {
  detail::send(hwnd, MCM_SETCOLOR, MCSC_MONTHBK, static_cast<LPARAM>(colour));
  detail::send(hwnd, MCM_SETCOLOR, MCSC_TRAILINGTEXT, static_cast<LPARAM>(colour));
}

DatePicker::DatePicker() = default;

DatePicker::DatePicker(const String&, int id_, int x_, int y_, int width_, int height_,
                       const Control& parent, bool enabled_, bool visible_, bool centred,
                       int exStyle) {
  createDateWindow(*this, DATETIMEPICK_CLASSA, id_, x_, y_, width_, height_, parent, enabled_,
                   visible_, centred, exStyle);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

MonthCalendar::MonthCalendar(const Control& parent, const ControlOptions& o)
    : MonthCalendar(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                    o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

DatePicker::DatePicker(const Control& parent, const ControlOptions& o)
    : DatePicker(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                 o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
