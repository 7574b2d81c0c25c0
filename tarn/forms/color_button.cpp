// ColorButton: a push button showing a colour swatch that clicks like the button.
#include "tarn/color_button.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/core/window_record.h"

namespace tarn {

namespace {

constexpr int swatchId = 100;
constexpr int firstMargin = 5;
constexpr int usualWidth = 75;  // a push button's, in 96-DPI units
constexpr int usualHeight = 23;

// The part of a swatch's window record: a press on it is in progress.
struct SwatchPress {
  bool pressed = false;
};

bool inside(int v, int extent) { return v >= 0 && v <= extent; }

// The press and release of the swatch, for both ways into it: the hook the
// colour button installs, and swatchProcedure for a program that installs it.
bool handleSwatch(HWND window, UINT message, LPARAM lParam) {
  HWND button = GetParent(window);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // a quick second click is a press too
      detail::WindowRecord* r = detail::record(window);
      detail::send(button, BM_SETSTATE, TRUE);
      SetFocus(button);
      SetCapture(window);
      if (r != nullptr) r->part<SwatchPress>().pressed = true;
      return true;
    }
    case WM_LBUTTONUP: {
      detail::WindowRecord* r = detail::findRecord(window);
      SwatchPress* press = r != nullptr ? r->findPart<SwatchPress>() : nullptr;
      if (press == nullptr || !press->pressed) return true;
      detail::send(button, BM_SETSTATE, FALSE);
      press->pressed = false;  // before ReleaseCapture: its WM_CAPTURECHANGED is ours
      ReleaseCapture();
      RECT rect = {0, 0, 0, 0};
      GetWindowRect(window, &rect);
      int x = static_cast<short>(LOWORD(lParam));
      int y = static_cast<short>(HIWORD(lParam));
      if (!inside(x, rect.right - rect.left) || !inside(y, rect.bottom - rect.top)) return true;
      // The button's own click handler (onClick) runs as for a click on its
      // rim; it may end the button, and the swatch with it.
      int id = GetDlgCtrlID(button);
      LRESULT ignored = 0;
      detail::runControlHandlers(button, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(button), ignored);
      if (IsWindow(button)) detail::send(GetParent(button), WM_COMMAND, MAKEWPARAM(id, 0), lParam);
      return true;
    }
    case WM_CAPTURECHANGED: {
      // Another window took the mouse mid-press: the press is over, unclicked.
      detail::WindowRecord* r = detail::findRecord(window);
      SwatchPress* press = r != nullptr ? r->findPart<SwatchPress>() : nullptr;
      if (press != nullptr && press->pressed) {
        detail::send(button, BM_SETSTATE, FALSE);
        press->pressed = false;
      }
      return false;
    }
    default: return false;
  }
}

bool swatchHook(detail::WindowRecord& record, UINT message, WPARAM, LPARAM lParam,
                LRESULT& result) {
  result = 0;
  return handleSwatch(record.window, message, lParam);
}

}  // namespace

LRESULT CALLBACK swatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (handleSwatch(window, message, lParam)) return 0;
  WNDPROC below = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
  return CallWindowProcA(below, window, message, wParam, lParam);
}

// ---------------------------------------------------------------------------

void ColorButton::bindColorButtonProperties() {
  color.bind(this, &ColorButton::getColor, &ColorButton::setColor);
  margin.bind(this, &ColorButton::getMargin, &ColorButton::setMargin);
}

ColorButton::ColorButton() : marginValue(firstMargin) { bindColorButtonProperties(); }

ColorButton::ColorButton(int id_, int x_, int y_, int width_, int height_, const Control& parent,
                         COLORREF colour)
    : Button("", id_, x_, y_, width_, height_, parent, true, true, false, false, 0, false, Icon()),
      swatch("", swatchId, firstMargin, firstMargin, width_ - 2 * firstMargin,
             height_ - 2 * firstMargin, *this, true, true, false, WS_EX_STATICEDGE),
      marginValue(firstMargin) {
  // Without it the pressed face paints over the swatch, which then stays gone.
  addStyle(WS_CLIPCHILDREN);
  if (detail::WindowRecord* r = detail::record(swatch.hwnd)) {
    r->addHook(swatchHook);
    swatch.registerObject();
  }
  swatch.setBackColor(colour);
  bindColorButtonProperties();
}

void ColorButton::setMargin(int m) {
  marginValue = m;
  swatch.moveTo(m, m);
  swatch.resize(clientWidth - 2 * m, clientHeight - 2 * m);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

// The swatch is laid inside the size given, so a size of 0 is settled first.
ColorButton::ColorButton(const Control& parent, const ColorButtonOptions& o)
    : ColorButton(detail::optionsId(o.id), o.x, o.y, o.width != 0 ? o.width : usualWidth,
                  o.height != 0 ? o.height : usualHeight, parent, o.colour) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
