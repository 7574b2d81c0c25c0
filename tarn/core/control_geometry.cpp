// Where a window object stands and how its frame looks: position, size, client
// size, fitting to the parent, and the window's styles.
#include <algorithm>

#include "tarn/core.h"
#include "tarn/core/dpi.h"
#include "tarn/core/child_layout.h"

namespace tarn {

namespace {

constexpr int minimumSize = 10;

RECT clientRectOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return r;
}

// Moves and sizes the window in device pixels; negative positions become 0.
BOOL placeInPixels(HWND window, HWND parent, int x, int y, int width, int height) {
  BOOL done = MoveWindow(window, std::max(x, 0), std::max(y, 0), width, height, TRUE);
  UpdateWindow(parent);
  return done;
}

}  // namespace

RECT Control::windowRect() const {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(hwnd, &r);
  return r;
}

// Child windows are placed in their parent's client area, top-level windows on
// the screen. GetParent also answers a pop-up's owner, whose client
// coordinates MoveWindow would not use for the pop-up, so only child windows
// are converted.
POINT Control::position() const {
  RECT r = windowRect();
  POINT p = {r.left, r.top};
  if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(hwnd), &p);
  return p;
}

// Where the parent's client area begins in this window's coordinates: (0, 0)
// for a child window, the client area's screen position for a top-level one.
POINT Control::parentClientOrigin() const {
  POINT origin = {0, 0};
  if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) ClientToScreen(parentHwnd, &origin);
  return origin;
}

// ---------------------------------------------------------------------------
// Position and size
//
// The program's values are 96-DPI units; the window's are device pixels. Each
// value is converted once, with the window's DPI, where it crosses: the
// smallest size (10) and the clamp of negative positions apply in units.

int Control::getDpi() const { return detail::dpiOf(hwnd != NULL ? hwnd : parentHwnd); }
int Control::scaled(int units) const { return detail::scale(units, getDpi()); }

int Control::getWidth() const {
  if (hwnd == NULL) return -1;
  RECT r = windowRect();
  return detail::unscale(r.right - r.left, getDpi());
}

int Control::getHeight() const {
  if (hwnd == NULL) return -1;
  RECT r = windowRect();
  return detail::unscale(r.bottom - r.top, getDpi());
}

void Control::setWidth(int value) {
  POINT p = position();
  RECT r = windowRect();
  MoveWindow(hwnd, p.x, p.y, scaled(std::max(value, minimumSize)), r.bottom - r.top, TRUE);
}

void Control::setHeight(int value) {
  POINT p = position();
  RECT r = windowRect();
  MoveWindow(hwnd, p.x, p.y, r.right - r.left, scaled(std::max(value, minimumSize)), TRUE);
}

int Control::getX() const { return detail::unscale(position().x, getDpi()); }
int Control::getY() const { return detail::unscale(position().y, getDpi()); }

void Control::setX(int value) {
  RECT r = windowRect();
  placeInPixels(hwnd, parentHwnd, scaled(std::max(value, 0)), position().y, r.right - r.left,
                r.bottom - r.top);
}

void Control::setY(int value) {
  RECT r = windowRect();
  placeInPixels(hwnd, parentHwnd, position().x, scaled(std::max(value, 0)), r.right - r.left,
                r.bottom - r.top);
}

int Control::getClientWidth() const {
  RECT r = clientRectOf(hwnd);
  return detail::unscale(r.right - r.left, getDpi());
}

int Control::getClientHeight() const {
  RECT r = clientRectOf(hwnd);
  return detail::unscale(r.bottom - r.top, getDpi());
}

BOOL Control::moveTo(int newX, int newY) {
  RECT r = windowRect();
  return placeInPixels(hwnd, parentHwnd, scaled(std::max(newX, 0)), scaled(std::max(newY, 0)),
                       r.right - r.left, r.bottom - r.top);
}

BOOL Control::resize(int newWidth, int newHeight) {
  POINT p = position();
  BOOL done = MoveWindow(hwnd, p.x, p.y, scaled(std::max(newWidth, minimumSize)),
                         scaled(std::max(newHeight, minimumSize)), TRUE);
  UpdateWindow(parentHwnd);
  return done;
}

// ---------------------------------------------------------------------------
// Fitting to the parent, in device pixels: the parent's client area is already
// at the window's DPI.

void Control::fitWidthToParent() {
  if (parentHwnd == NULL) return;
  RECT r = windowRect();
  POINT origin = parentClientOrigin();
  placeInPixels(hwnd, parentHwnd, origin.x, position().y,
                std::max<int>(clientRectOf(parentHwnd).right, scaled(minimumSize)),
                r.bottom - r.top);
}

void Control::fitHeightToParent() {
  if (parentHwnd == NULL) return;
  RECT r = windowRect();
  POINT origin = parentClientOrigin();
  placeInPixels(hwnd, parentHwnd, position().x, origin.y, r.right - r.left,
                std::max<int>(clientRectOf(parentHwnd).bottom, scaled(minimumSize)));
}

void Control::fitToParent() {
  if (parentHwnd == NULL) return;
  RECT r = clientRectOf(parentHwnd);
  POINT origin = parentClientOrigin();
  placeInPixels(hwnd, parentHwnd, origin.x, origin.y, std::max<int>(r.right, scaled(minimumSize)),
                std::max<int>(r.bottom, scaled(minimumSize)));
}

void Control::centre() {
  if (parentHwnd == NULL) return;
  RECT r = clientRectOf(parentHwnd);
  RECT own = windowRect();
  int width = own.right - own.left, height = own.bottom - own.top;
  int left = std::max(static_cast<int>(r.right - width) / 2, 0);
  int top = std::max(static_cast<int>(r.bottom - height) / 2, 0);
  POINT origin = parentClientOrigin();
  placeInPixels(hwnd, parentHwnd, origin.x + left, origin.y + top, width, height);
}

void Control::centreOnScreen() {
  if (hwnd == NULL) return;
  MONITORINFO screen = {};
  screen.cbSize = sizeof screen;
  if (!GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &screen)) return;
  const RECT& work = screen.rcWork;
  RECT r = windowRect();
  POINT at = {work.left + std::max((work.right - work.left - (r.right - r.left)) / 2, 0L),
              work.top + std::max((work.bottom - work.top - (r.bottom - r.top)) / 2, 0L)};
  // Not moveTo: a screen left of or above the primary one has negative coordinates.
  if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(hwnd), &at);
  SetWindowPos(hwnd, NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------------------
// Anchors

int Control::getAnchor() const { return detail::anchorOf(hwnd); }

void Control::setAnchor(int value) {
  detail::setAnchor(hwnd, value & (anchorLeft | anchorTop | anchorRight | anchorBottom));
}

// ---------------------------------------------------------------------------
// Styles

void Control::setClipChildren(bool value) {
  value ? addStyle(WS_CLIPCHILDREN) : removeStyle(WS_CLIPCHILDREN);
}

LONG Control::currentStyle() const { return GetWindowLongA(hwnd, GWL_STYLE); }
LONG Control::currentExStyle() const { return GetWindowLongA(hwnd, GWL_EXSTYLE); }
bool Control::hasStyle(LONG bits) const { return (currentStyle() & bits) != 0; }
bool Control::hasExStyle(LONG bits) const { return (currentExStyle() & bits) != 0; }

LONG Control::changeStyle(int index, LONG style) {
  LONG old = GetWindowLongA(hwnd, index);
  SetWindowLongA(hwnd, index, style);
  SetWindowPos(hwnd, NULL, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  return old;
}

LONG Control::setStyle(LONG style) { return changeStyle(GWL_STYLE, style); }
LONG Control::addStyle(LONG bits) { return changeStyle(GWL_STYLE, currentStyle() | bits); }
LONG Control::removeStyle(LONG bits) { return changeStyle(GWL_STYLE, currentStyle() & ~bits); }
LONG Control::setExStyle(LONG style) { return changeStyle(GWL_EXSTYLE, style); }
LONG Control::addExStyle(LONG bits) { return changeStyle(GWL_EXSTYLE, currentExStyle() | bits); }
LONG Control::removeExStyle(LONG bits) {
  return changeStyle(GWL_EXSTYLE, currentExStyle() & ~bits);
}

}  // namespace tarn
