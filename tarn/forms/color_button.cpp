// ColorButton: a push button showing a colour swatch that clicks like the button.
#include "tarn/color_button.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

constexpr int swatchId = 100;
constexpr int firstMargin = 5;
constexpr int usualWidth = 75;  // a push button's, in 96-DPI units
constexpr int usualHeight = 23;
// The window property that keeps each swatch's previous window procedure.
constexpr const char* previousProcedureProperty = "tarn.swatch.previous";

// A press on a swatch is in progress (one mouse, one press at a time).
bool swatchPressed = false;

WNDPROC previousProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetPropA(window, previousProcedureProperty));
}

bool inside(int v, int extent) { return v >= 0 && v <= extent; }

}  // namespace

LRESULT CALLBACK swatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND button = GetParent(window);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second click is a press too
      detail::send(button, BM_SETSTATE, TRUE);
      SetFocus(button);
      SetCapture(window);
      swatchPressed = true;
      return 0;
    case WM_LBUTTONUP: {
      if (!swatchPressed) return 0;
      detail::send(button, BM_SETSTATE, FALSE);
      swatchPressed = false;  // before ReleaseCapture: its WM_CAPTURECHANGED is ours
      ReleaseCapture();
      RECT r = {0, 0, 0, 0};
      GetWindowRect(window, &r);
      int x = static_cast<short>(LOWORD(lParam));
      int y = static_cast<short>(HIWORD(lParam));
      if (inside(x, r.right - r.left) && inside(y, r.bottom - r.top))
        detail::send(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), 0), lParam);
      return 0;
    }
    case WM_CAPTURECHANGED:
      // Another window took the mouse mid-press: the press is over, unclicked.
      if (swatchPressed) {
        detail::send(button, BM_SETSTATE, FALSE);
        swatchPressed = false;
      }
      break;
    default: break;
  }
  WNDPROC previous = previousProcedureOf(window);
  if (previous == NULL)
    previous = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
  LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropA(window, previousProcedureProperty);
  return result;
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
  if (swatch.hwnd != NULL) {
    WNDPROC previous = swatch.subclass(swatchProcedure);
    SetPropA(swatch.hwnd, previousProcedureProperty, reinterpret_cast<HANDLE>(previous));
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
