// Dates: MonthCalendar and DatePicker.
#include "creation.h"
#include "tarn/tarn.h"

namespace tarn {

namespace {

constexpr DWORD dateStyle = WS_CHILD | WS_TABSTOP;  // 0x40010000

// Window (no name), position, size and the shared creation tail.
void createDateWindow(Control& owner, const char* className, int id, int x, int y, int width,
                      int height, const Control& parent, bool enabled, bool visible, bool centred,
                      int exStyle) {
  detail::createChildWindow(owner, static_cast<DWORD>(exStyle), className, NULL, dateStyle, x, y,
                            width, height, parent, id);
  owner.moveTo(x, y);
  owner.resize(width, height);
  detail::finishCreation(owner, centred, enabled, visible);
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
  SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TITLEBK, static_cast<LPARAM>(colour));
}

void MonthCalendar::setTitleTextColor(COLORREF colour) {
  SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TITLETEXT, static_cast<LPARAM>(colour));
}

void MonthCalendar::setMonthBackColor(COLORREF colour) {
  SendMessageA(hwnd, MCM_SETCOLOR, MCSC_MONTHBK, static_cast<LPARAM>(colour));
  SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TRAILINGTEXT, static_cast<LPARAM>(colour));
}

DatePicker::DatePicker() = default;

DatePicker::DatePicker(const String&, int id_, int x_, int y_, int width_, int height_,
                       const Control& parent, bool enabled_, bool visible_, bool centred,
                       int exStyle) {
  createDateWindow(*this, DATETIMEPICK_CLASSA, id_, x_, y_, width_, height_, parent, enabled_,
                   visible_, centred, exStyle);
}

}  // namespace tarn
