// Splitter: a draggable bar that divides its parent between two groups of
// controls, with the inverted drag bar it draws on the parent.
#include <algorithm>
#include <climits>

#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_record.h"
#include "tarn/core/window_class.h"
#include "tarn/splitter.h"

namespace tarn {

namespace {

// A 50 % checkerboard: rows 0xAA, 0x55, ..., each stored as a 16-bit word.
const WORD dragPattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};

// Inverts the hatched bar; drawing it twice at the same place restores the pixels.
void invertBar(HDC dc, int x, int y, int w, int h) {
  detail::GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, dragPattern));
  detail::GdiObject<HBRUSH> brush(CreatePatternBrush(pattern));
  SetBrushOrgEx(dc, x, y, NULL);
  detail::Selection selected(dc, brush);
  PatBlt(dc, x, y, w, h, PATINVERT);
}

HCURSOR sizeCursor(bool horizontal) {
  static HCURSOR upDown = NULL;
  static HCURSOR leftRight = NULL;
  HCURSOR& c = horizontal ? upDown : leftRight;
  if (c == NULL) c = LoadCursorA(NULL, horizontal ? IDC_SIZENS : IDC_SIZEWE);
  return c;
}

}  // namespace

// The hook through which a splitter drives its bar (below).
bool driveSplitter(detail::WindowRecord& record, UINT message, WPARAM, LPARAM lParam,
                   LRESULT& result);

int splitterClamp(int p, int minPos, int maxPos, int thickness) {
  long long lowest = std::max(minPos, 0);
  long long highest = static_cast<long long>(maxPos) - thickness;
  long long q = std::min(static_cast<long long>(p), highest);
  return static_cast<int>(std::max(q, lowest));
}

bool Splitter::linked() const { return link.window() != NULL; }

// ---------------------------------------------------------------------------
// Construction

void Splitter::bindSplitterProperties() {
  thickness.bind(this, &Splitter::getThickness);
  position.bind(this, &Splitter::getPosition, &Splitter::setPositionValue);
  link.place(this, detail::ObjectLink::driver);
}

Splitter::Splitter()
    : minPos(0),
      maxPos(0),
      previousProc(NULL),
      dragging(false),
      horizontal(true),
      dragPos(0),
      thicknessValue(5),
      requested(0),
      dragDc(NULL),
      parentClipped(false) {
  bindSplitterProperties();
}

Splitter::Splitter(int id_, const Control& parent, bool horizontal_, int thickness_, bool visible_,
                   int exStyle)
    : Splitter() {
  thicknessValue = thickness_;
  id = id_;
  horizontal = horizontal_;
  parentControl.hwnd = parent.hwnd;
  parentControl.parentHwnd = parent.parentHwnd;
  int w = horizontal ? parentControl.clientWidth : thicknessValue;
  int h = horizontal ? thicknessValue : parentControl.clientHeight;
  DWORD style = WS_CHILD | SS_NOTIFY | (visible_ ? WS_VISIBLE : 0);
  detail::createChild(*this, "STATIC", "", style, static_cast<DWORD>(exStyle), 0, 0, w, h,
                      parent.hwnd, id);
  if (!runtimeCheck(hwnd != NULL, "Slitter_Window_Handle != NULL", __FILE__, __LINE__)) return;
  detail::addRedrawOnResize(hwnd);
  setDefaultFont();
  minPos = 0;
  maxPos = horizontal ? parentControl.clientHeight : parentControl.clientWidth;
  // The bar's own procedure stays below the toolkit's hook, which drives the
  // drag for the splitter registered with the bar, while there is one.
  previousProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC));
  registerObject();
  link.link(hwnd);
  if (detail::WindowRecord* r = detail::findRecord(hwnd)) r->addHook(driveSplitter);
}

Splitter::~Splitter() {
  if (dragging && linked()) cancelDrag();
}

// ---------------------------------------------------------------------------
// Position

int Splitter::coordinate() const { return horizontal ? y.value() : x.value(); }

void Splitter::setCoordinate(int value) {
  if (horizontal)
    y = value;
  else
    x = value;
}

int Splitter::getPosition() const { return coordinate(); }

void Splitter::setPosition(int p) {
  requested = p;
  // A negative request stands for "as far as it goes".
  int q = splitterClamp(p < 0 ? INT_MAX : p, minPos, maxPos, thicknessValue);
  setCoordinate(q);
  detail::send(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, 0), q);
}

void Splitter::setLimits(int min, int max) {
  minPos = min;
  maxPos = max;
  if (coordinate() < minPos) setPosition(minPos);
  long long size = horizontal ? height.value() : width.value();
  if (maxPos - size < coordinate()) setPosition(maxPos);
}

void Splitter::layoutPanes() {
  int barX = x, barY = y, barWidth = width, barHeight = height;
  for (Control* c : before) {
    if (horizontal)
      c->height = barY - c->y;
    else
      c->width = barX - c->x;
  }
  for (Control* c : after) {
    if (horizontal) {
      int bottom = c->y + c->height;
      c->height = bottom - barY - barHeight;
      c->y = barY + barHeight;
    } else {
      int right = c->x + c->width;
      c->width = right - barX - barWidth;
      c->x = barX + barWidth;
    }
  }
}

// ---------------------------------------------------------------------------
// Dragging

// The bar at `at` along the moving axis, across the splitter's own extent.
// Positions are units; the parent's context draws in device pixels.
void Splitter::drawDragBar(int at) const {
  if (dragDc == NULL) return;
  if (horizontal)
    invertBar(dragDc, scaled(x), scaled(at), scaled(width), scaled(thicknessValue));
  else
    invertBar(dragDc, scaled(at), scaled(y), scaled(thicknessValue), scaled(height));
}

void Splitter::restoreParentClip() {
  if (parentClipped) parentControl.clipChildren = true;
  parentClipped = false;
}

// The drag draws on the parent's context from beginDrag to the end of the
// drag, across messages; this is where it is given back.
void Splitter::releaseDragDc() {
  ReleaseDC(parentControl.hwnd, dragDc);
  dragDc = NULL;
}

void Splitter::beginDrag() {
  // Drawn over the parent's children too, which WS_CLIPCHILDREN would hide.
  parentClipped = (GetWindowLongA(parentControl.hwnd, GWL_STYLE) & WS_CLIPCHILDREN) != 0;
  if (parentClipped) parentControl.clipChildren = false;
  dragging = true;
  requested = coordinate();
  dragPos = requested;
  dragDc = GetDC(parentControl.hwnd);
  SetCapture(hwnd);
  drawDragBar(dragPos);
  SetCursor(sizeCursor(horizontal));
  ShowCursor(TRUE);
}

void Splitter::moveDrag(LPARAM point) {
  drawDragBar(dragPos);
  int mouse = horizontal ? static_cast<short>(HIWORD(point)) : static_cast<short>(LOWORD(point));
  int v = coordinate() + detail::unscale(mouse, dpi.get());  // the mouse is in device pixels
  int extent = horizontal ? parentControl.clientHeight : parentControl.clientWidth;
  v = std::min(v, extent - thicknessValue);
  v = std::max(static_cast<int>(static_cast<short>(v)), 0);
  dragPos = splitterClamp(v, minPos, maxPos, thicknessValue);
  drawDragBar(dragPos);
}

void Splitter::endDrag() {
  drawDragBar(dragPos);
  restoreParentClip();
  caption = "";
  dragging = false;  // before ReleaseCapture, whose WM_CAPTURECHANGED must not cancel
  ReleaseCapture();
  releaseDragDc();
  hide();
  setCoordinate(dragPos);
  show();
  detail::send(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, 0), dragPos);
}

// Ends a drag without moving or reporting: the capture went elsewhere, or the
// splitter is going.
void Splitter::cancelDrag() {
  drawDragBar(dragPos);
  dragging = false;
  releaseDragDc();
  restoreParentClip();
  if (GetCapture() == hwnd) ReleaseCapture();
}

namespace {

// The splitter driving `window`, null once none does (the bar then works as a
// plain static).
Splitter* driverOf(HWND window) {
  return static_cast<Splitter*>(detail::linkedObject(window, detail::ObjectLink::driver));
}

}  // namespace

// The drag, for both ways into a bar: the hook the splitter installs, and
// splitterProcedure for a program that installs it itself.
bool Splitter::handleMessage(HWND window, UINT message, LPARAM lParam, LRESULT& result) {
  Splitter* s = driverOf(window);
  if (s == nullptr) return false;
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(sizeCursor(s->horizontal));
      result = 1;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second press: the class has CS_DBLCLKS
      if (!s->dragging) s->beginDrag();
      result = 0;
      return true;
    case WM_LBUTTONUP:
      if (s->dragging) s->endDrag();
      break;
    case WM_MOUSEMOVE:
      if (s->dragging) s->moveDrag(lParam);
      break;
    case WM_CAPTURECHANGED:
      if (s->dragging) s->cancelDrag();
      break;
    case WM_NCDESTROY:
      if (s->dragging) s->cancelDrag();
      break;
    default: break;
  }
  return false;
}

bool driveSplitter(detail::WindowRecord& record, UINT message, WPARAM, LPARAM lParam,
                   LRESULT& result) {
  return Splitter::handleMessage(record.window, message, lParam, result);
}

LRESULT CALLBACK splitterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Splitter::handleMessage(window, message, lParam, result)) return result;
  WNDPROC below = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
  return CallWindowProcA(below, window, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Splitter::Splitter(const Control& parent, const SplitterOptions& o)
    : Splitter(detail::optionsId(o.id), parent, o.horizontal, o.thickness, o.visible, o.exStyle) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
