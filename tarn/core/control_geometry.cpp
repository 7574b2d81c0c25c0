// Where a window object stands and how its frame looks: position, size, client
// size, fitting to the parent, and the window's styles.
#include <algorithm>

#include "tarn/core.h"

namespace tarn {

namespace {

constexpr int minimumSize = 10;

RECT clientRectOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return r;
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

int Control::getWidth() const {
  if (hwnd == NULL) return -1;
  RECT r = windowRect();
  return r.right - r.left;
}

int Control::getHeight() const {
  if (hwnd == NULL) return -1;
  RECT r = windowRect();
  return r.bottom - r.top;
}

void Control::setWidth(int value) {
  POINT p = position();
  MoveWindow(hwnd, p.x, p.y, std::max(value, minimumSize), getHeight(), TRUE);
}

void Control::setHeight(int value) {
  POINT p = position();
  MoveWindow(hwnd, p.x, p.y, getWidth(), std::max(value, minimumSize), TRUE);
}

int Control::getX() const { return position().x; }
int Control::getY() const { return position().y; }
void Control::setX(int value) { moveTo(value, getY()); }
void Control::setY(int value) { moveTo(getX(), value); }

int Control::getClientWidth() const {
  RECT r = clientRectOf(hwnd);
  return r.right - r.left;
}

int Control::getClientHeight() const {
  RECT r = clientRectOf(hwnd);
  return r.bottom - r.top;
}

BOOL Control::moveTo(int newX, int newY) {
  BOOL done = MoveWindow(hwnd, std::max(newX, 0), std::max(newY, 0), getWidth(), getHeight(), TRUE);
  UpdateWindow(parentHwnd);
  return done;
}

BOOL Control::resize(int newWidth, int newHeight) {
  POINT p = position();
  BOOL done = MoveWindow(hwnd, p.x, p.y, std::max(newWidth, minimumSize),
                         std::max(newHeight, minimumSize), TRUE);
  UpdateWindow(parentHwnd);
  return done;
}

// ---------------------------------------------------------------------------
// Fitting to the parent

void Control::fitWidthToParent() {
  if (parentHwnd == NULL) return;
  setWidth(clientRectOf(parentHwnd).right);
  moveTo(parentClientOrigin().x, getY());
}

void Control::fitHeightToParent() {
  if (parentHwnd == NULL) return;
  setHeight(clientRectOf(parentHwnd).bottom);
  moveTo(getX(), parentClientOrigin().y);
}

void Control::fitToParent() {
  if (parentHwnd == NULL) return;
  RECT r = clientRectOf(parentHwnd);
  setWidth(r.right);
  setHeight(r.bottom);
  POINT origin = parentClientOrigin();
  moveTo(origin.x, origin.y);
}

void Control::centre() {
  if (parentHwnd == NULL) return;
  RECT r = clientRectOf(parentHwnd);
  int left = std::max(static_cast<int>(r.right - getWidth()) / 2, 0);
  int top = std::max(static_cast<int>(r.bottom - getHeight()) / 2, 0);
  POINT origin = parentClientOrigin();
  moveTo(origin.x + left, origin.y + top);
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
