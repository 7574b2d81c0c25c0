// The window object base: construction, text, state, fonts, procedures and
// drawing. Geometry and styles, tooltips, timers and the registry are beside it.
#include <vector>

#include "tarn/core.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_layout.h"

namespace tarn {

// ---------------------------------------------------------------------------
// Construction

Control::Control()
    : timerCounter(1),
      tooltipHwnd(NULL),
      backColorValue(0),
      backColorSet(false),
      id(0),
      drawLine(0),
      parentHwnd(GetDesktopWindow()),
      hwnd(NULL),
      notifyId(0) {
  bindControlProperties();
  link.place(this, detail::ObjectLink::userData);
}

Control::Control(HWND window) : Control() {
  hwnd = window;
  parentHwnd = GetParent(window);
}

Control Control::wrap(const Control& other) {
  Control c;
  c.hwnd = other.hwnd;
  c.parentHwnd = other.parentHwnd;
  return c;
}

void Control::bindControlProperties() {
  backColor.bind(this, nullptr, &Control::setBackColor);
  text.bind(this, &Control::getText, &Control::setText);
  caption.bind(this, &Control::getText, &Control::setText);
  toolTip.bind(this, &Control::getToolTip, &Control::setToolTip);
  width.bind(this, &Control::getWidth, &Control::setWidth);
  height.bind(this, &Control::getHeight, &Control::setHeight);
  visible.bind(this, &Control::getVisible, &Control::setVisible);
  enabled.bind(this, &Control::getEnabled, &Control::setEnabled);
  textLength.bind(this, &Control::getTextLength);
  dc.bind(this, &Control::getDc);
  x.bind(this, &Control::getX, &Control::setX);
  y.bind(this, &Control::getY, &Control::setY);
  clientWidth.bind(this, &Control::getClientWidth);
  clientHeight.bind(this, &Control::getClientHeight);
  clipChildren.bind(this, nullptr, &Control::setClipChildren);
  anchor.bind(this, &Control::getAnchor, &Control::setAnchor);
  dpi.bind(this, &Control::getDpi);
}

// ---------------------------------------------------------------------------
// Properties

void Control::setBackColor(COLORREF colour) {
  backColorValue = colour;
  backColorSet = true;
  registerObject();
  InvalidateRect(hwnd, NULL, TRUE);
}

String Control::getText() const {
  int n = GetWindowTextLengthA(hwnd);
  if (n <= 0) return String();
  std::vector<char> buffer(static_cast<std::size_t>(n) + 1, '\0');
  int got = GetWindowTextA(hwnd, buffer.data(), n + 1);
  return String(std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0));
}

void Control::setText(String value) { SetWindowTextA(hwnd, value.c_str()); }

bool Control::getVisible() const { return IsWindowVisible(hwnd) != 0; }
void Control::setVisible(bool value) { value ? show() : hide(); }
bool Control::getEnabled() const { return IsWindowEnabled(hwnd) != 0; }
void Control::setEnabled(bool value) { value ? enable() : disable(); }
int Control::getTextLength() const { return GetWindowTextLengthA(hwnd); }
HDC Control::getDc() const { return GetDC(hwnd); }

// ---------------------------------------------------------------------------
// Operations

// A control shown or hidden takes or leaves its room in its parent's layout.
BOOL Control::show() {
  BOOL was = ShowWindow(hwnd, SW_SHOW);
  detail::childChanged(hwnd);
  return was;
}
BOOL Control::hide() {
  BOOL was = ShowWindow(hwnd, SW_HIDE);
  detail::childChanged(hwnd);
  return was;
}
BOOL Control::enable() { return EnableWindow(hwnd, TRUE); }
BOOL Control::disable() { return EnableWindow(hwnd, FALSE); }
bool Control::destroy() {
  endTooltip();
  return DestroyWindow(hwnd) != 0;
}
HWND Control::focus() { return SetFocus(hwnd); }
LRESULT Control::killFocus() { return detail::send(hwnd, WM_KILLFOCUS); }

void Control::setDefaultFont() {
  detail::send(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(detail::defaultFont(getDpi())));
}

HFONT Control::font() const { return reinterpret_cast<HFONT>(detail::send(hwnd, WM_GETFONT)); }

void Control::setFont(HFONT newFont) {
  detail::send(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), 1);
}

LRESULT Control::setTextLimit(int limit) {
  return detail::send(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(limit));
}

bool Control::redraw() {
  InvalidateRect(hwnd, NULL, TRUE);
  return true;
}

bool Control::refreshLayout() {
  detail::send(hwnd, WM_SIZE);
  InvalidateRect(hwnd, NULL, TRUE);
  return true;
}

DLGPROC Control::setDialogProcedure(DLGPROC procedure) {
  registerObject();
  return reinterpret_cast<DLGPROC>(
      SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

WNDPROC Control::subclass(WNDPROC procedure) {
  registerObject();
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

DLGPROC Control::dialogProcedure() const {
  return reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
}

int Control::dialogId() const { return GetDlgCtrlID(hwnd); }

int Control::drawText(const String& line) {
  // The toolkit releases the context it took for itself; `dc` readers own theirs.
  detail::WindowDC context(hwnd);
  TextOutA(context, 0, drawLine, line.c_str(), static_cast<int>(line.str().size()));
  drawLine += 20;
  return drawLine;
}

}  // namespace tarn
