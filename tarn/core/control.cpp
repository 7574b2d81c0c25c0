// The window object base: position, size, text, state, styles, tooltip, fitting
// and the link between a window and its object.
#include <algorithm>
#include <vector>

#include "tarn/core/record_sizes.h"
#include "tarn/tarn.h"

namespace tarn {

namespace {
constexpr int minimumSize = 10;
}  // namespace

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
  link.place(this);
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
}

// ---------------------------------------------------------------------------
// The object link in the window's user-data slot
//
// Every registration still standing is kept, oldest first. When a registered
// object goes away (destroyed, or moved into another object, or assigned
// another window), the slot of its window passes to the most recent object
// still registered with that window, or is cleared. So the slot only ever names
// a live object.

namespace {

struct Registration {
  HWND window;
  Control* object;
};

// Never destroyed: objects with static storage may outlive any other static.
std::vector<Registration>& registrations() {
  static std::vector<Registration>* all = new std::vector<Registration>;
  return *all;
}

Control* slotOf(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void setSlot(HWND window, Control* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

// Drops the registrations of `object` (all of them, or only those with windows
// other than `keep`) and hands each slot that named it to its successor.
void forget(Control* object, HWND keep, bool keepWindow) {
  std::vector<Registration>& all = registrations();
  for (std::size_t i = 0; i < all.size();) {
    if (all[i].object != object || (keepWindow && all[i].window == keep)) {
      ++i;
      continue;
    }
    HWND window = all[i].window;
    all.erase(all.begin() + static_cast<std::ptrdiff_t>(i));
    if (slotOf(window) != object) continue;
    Control* successor = nullptr;
    for (const Registration& r : all)
      if (r.window == window) successor = r.object;
    setSlot(window, successor);
  }
}

}  // namespace

void Control::ObjectLink::place(const Control* owner) {
  offset = reinterpret_cast<const char*>(this) - reinterpret_cast<const char*>(owner);
}

Control* Control::ObjectLink::owner() const {
  return reinterpret_cast<Control*>(const_cast<char*>(reinterpret_cast<const char*>(this)) -
                                    offset);
}

void Control::ObjectLink::takeOver(const ObjectLink& other) {
  Control* from = other.owner();
  Control* to = owner();
  forget(to, to->hwnd, true);  // windows this object no longer stands for
  for (Registration& r : registrations()) {
    if (r.object != from) continue;
    r.object = to;
    if (slotOf(r.window) == from) setSlot(r.window, to);
  }
}

Control::ObjectLink::ObjectLink(ObjectLink&& other) noexcept : offset(other.offset) {
  takeOver(other);
}

Control::ObjectLink& Control::ObjectLink::operator=(const ObjectLink&) {
  Control* self = owner();
  forget(self, self->hwnd, true);
  return *this;
}

Control::ObjectLink& Control::ObjectLink::operator=(ObjectLink&& other) noexcept {
  if (this != &other) takeOver(other);
  return *this;
}

Control::ObjectLink::~ObjectLink() { forget(owner(), NULL, false); }

void Control::registerObject() {
  setSlot(hwnd, this);
  if (hwnd == NULL) return;
  std::vector<Registration>& all = registrations();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].window == hwnd && all[i].object == this) {
      all.erase(all.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  all.push_back({hwnd, this});
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

// A tooltip goes with the window it describes. It is owned by the tool's
// top-level window, so the system ends it with that window, and it watches the
// tool window itself, so a child control destroyed on its own takes its
// tooltip along; destroy() ends it first of all.
namespace {

LRESULT CALLBACK endTooltipWithTool(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR tooltip, DWORD_PTR) {
  if (message == WM_DESTROY) {
    RemoveWindowSubclass(window, endTooltipWithTool, tooltip);
    // An owned tooltip may have gone already, with the top-level window.
    HWND tip = reinterpret_cast<HWND>(tooltip);
    if (IsWindow(tip)) DestroyWindow(tip);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void Control::endTooltip() {
  if (tooltipHwnd == NULL) return;
  RemoveWindowSubclass(hwnd, endTooltipWithTool, reinterpret_cast<UINT_PTR>(tooltipHwnd));
  DestroyWindow(tooltipHwnd);
  tooltipHwnd = NULL;
}

void Control::setToolTip(String value) {
  endTooltip();
  // Without a live window there is nothing to describe, and a tooltip made
  // anyway would belong to no window and never end.
  HWND topLevel = hwnd != NULL ? GetAncestor(hwnd, GA_ROOT) : NULL;
  if (topLevel == NULL) return;
  tooltipHwnd =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, topLevel, NULL, GetModuleHandleA(NULL), NULL);
  if (tooltipHwnd == NULL) return;
  SetWindowSubclass(hwnd, endTooltipWithTool, reinterpret_cast<UINT_PTR>(tooltipHwnd), 0);
  TOOLINFOA info = {};
  info.cbSize = records::toolInfoSize;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = parentHwnd;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = const_cast<char*>(value.c_str());
  SendMessageA(tooltipHwnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageA(tooltipHwnd, TTM_ACTIVATE, TRUE, 0);
  tooltipTextLength = value.str().size();
}

String Control::getToolTip() const {
  if (tooltipHwnd == NULL) return String();
  // The tooltip copies its text without a bound: the buffer holds the longest
  // text this object gave it, with room to spare.
  std::vector<char> buffer(tooltipTextLength + 1024, '\0');
  TOOLINFOA info = {};
  info.cbSize = records::toolInfoSize;
  info.hwnd = parentHwnd;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = buffer.data();
  SendMessageA(tooltipHwnd, TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
  buffer.back() = '\0';
  return String(buffer.data());
}

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

bool Control::getVisible() const { return IsWindowVisible(hwnd) != 0; }
void Control::setVisible(bool value) { value ? show() : hide(); }
bool Control::getEnabled() const { return IsWindowEnabled(hwnd) != 0; }
void Control::setEnabled(bool value) { value ? enable() : disable(); }
int Control::getTextLength() const { return GetWindowTextLengthA(hwnd); }
HDC Control::getDc() const { return GetDC(hwnd); }
int Control::getX() const { return position().x; }
int Control::getY() const { return position().y; }
void Control::setX(int value) { moveTo(value, getY()); }
void Control::setY(int value) { moveTo(getX(), value); }

int Control::getClientWidth() const {
  RECT r = {0, 0, 0, 0};
  GetClientRect(hwnd, &r);
  return r.right - r.left;
}

int Control::getClientHeight() const {
  RECT r = {0, 0, 0, 0};
  GetClientRect(hwnd, &r);
  return r.bottom - r.top;
}

void Control::setClipChildren(bool value) {
  value ? addStyle(WS_CLIPCHILDREN) : removeStyle(WS_CLIPCHILDREN);
}

// ---------------------------------------------------------------------------
// Operations

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

BOOL Control::show() { return ShowWindow(hwnd, SW_SHOW); }
BOOL Control::hide() { return ShowWindow(hwnd, SW_HIDE); }
BOOL Control::enable() { return EnableWindow(hwnd, TRUE); }
BOOL Control::disable() { return EnableWindow(hwnd, FALSE); }
bool Control::destroy() {
  endTooltip();
  return DestroyWindow(hwnd) != 0;
}
HWND Control::focus() { return SetFocus(hwnd); }
LRESULT Control::killFocus() { return SendMessageA(hwnd, WM_KILLFOCUS, 0, 0); }

void Control::setDefaultFont() {
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

HFONT Control::font() const {
  return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

void Control::setFont(HFONT newFont) {
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), 1);
}

LRESULT Control::setTextLimit(int limit) {
  return SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

namespace {
RECT clientRectOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return r;
}
}  // namespace

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

bool Control::redraw() {
  InvalidateRect(hwnd, NULL, TRUE);
  return true;
}

bool Control::refreshLayout() {
  SendMessageA(hwnd, WM_SIZE, 0, 0);
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

int Control::dialogId() const { return GetDlgCtrlID(hwnd); }

int Control::drawText(const String& line) {
  HDC context = getDc();
  TextOutA(context, 0, drawLine, line.c_str(), static_cast<int>(line.str().size()));
  // The toolkit releases the context it took for itself; `dc` readers own theirs.
  ReleaseDC(hwnd, context);
  drawLine += 20;
  return drawLine;
}

// ---------------------------------------------------------------------------
// Named timers

int Control::timerIndex(const String& name) const {
  for (std::size_t i = 0; i < timers.size(); ++i)
    if (timers[i].name == name) return static_cast<int>(i);
  return -1;
}

int Control::timerId(const String& name) const {
  int index = timerIndex(name);
  return index < 0 ? 0 : timers[static_cast<std::size_t>(index)].id;
}

bool Control::startTimer(const String& name, int interval) {
  // Without a window the system would start a thread timer under an identifier
  // of its own choosing, which no tick could be matched to and nothing could stop.
  if (hwnd == NULL) return false;
  if (timerId(name) != 0) return false;
  TimerEntry entry;
  entry.name = name;
  entry.id = timerCounter++;
  entry.interval = interval;
  timers.push_back(entry);
  SetTimer(hwnd, static_cast<UINT_PTR>(entry.id), static_cast<UINT>(interval), NULL);
  return true;
}

bool Control::stopTimer(const String& name) {
  int id_ = timerId(name);
  if (id_ == 0) return false;
  timers.erase(timers.begin() + timerIndex(name));
  return KillTimer(hwnd, static_cast<UINT_PTR>(id_)) != 0;
}

}  // namespace tarn
