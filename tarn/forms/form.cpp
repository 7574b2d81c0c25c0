// Forms: top-level windows of the system dialog class, with their frame kinds,
// icons, tray icon, file dialog and choosers.
#include <algorithm>
#include <cstring>

#include "tarn/choosers.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/record_sizes.h"
#include "tarn/core/shell_dlls.h"
#include "tarn/core/sizing.h"
#include "tarn/core/window_events.h"
#include "tarn/core/window_layout.h"
#include "tarn/forms.h"

namespace tarn {

namespace {
constexpr ATOM dialogClassAtom = 0x8002;  // "#32770"
}  // namespace

DWORD formStyle(int kind, bool child) {
  DWORD style;
  switch (static_cast<unsigned>(kind)) {
    case 1: style = 0x80C00000; break;
    case 2: style = 0x00CE0000; break;
    case 3: style = 0x00CA0080; break;
    case 4: style = 0x00CD0000; break;
    case 5: style = 0x00C90080; break;
    case 6: style = 0x00CC0000; break;
    case 7: style = 0x00C80080; break;
    case 10: style = child ? 0 : 0x80000000; break;
    case 11: style = child ? 0x00800000 : 0x80800000; break;
    default: style = WS_OVERLAPPEDWINDOW; break;  // kinds 0, 8, 9 and any other
  }
  style |= WS_CLIPCHILDREN;
  if (child) style |= WS_CHILD;
  return style;
}

DWORD formExStyle(int kind, DWORD exStyle) {
  return exStyle | WS_EX_ACCEPTFILES | (kind == 8 ? WS_EX_TOOLWINDOW : 0);
}

// ---------------------------------------------------------------------------

void Form::setUp() {
  fileDialog.addFilter("All Files (*.*)", "*.*");
  notifyId = 3024 + formCounter;
  ++formCounter;
  trayIconShown = false;
  std::memset(&trayIcon, 0, sizeof trayIcon);
  trayIcon.cbSize = records::trayIconSize;
  trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  exStyleArg = 0;
  fileDialog.owner = hwnd;
  color.bind(this, &Form::getColor);
  colorValue = 0xFFFFFF;
  attachedSet = false;
  procedure.bind(this, nullptr, &Form::setProcedure);
  icon.bind(this, &Form::getIcon, &Form::setIconValue);
}

Form::Form()
    : attachedSet(false),
      colorValue(0xFFFFFF),
      iconHandle(NULL),
      trayIconShown(false),
      kind(0),
      exStyleArg(0) {
  setUp();
  hwnd = NULL;
  parentHwnd = NULL;
}

Form::Form(const String& caption, int x_, int y_, int width_, int height_, int kind_, bool enabled_,
           bool visible_, bool maximised, bool minimised, bool centred, const Control& parent,
           bool child, int exStyle)
    : attachedSet(false),
      colorValue(0xFFFFFF),
      iconHandle(NULL),
      trayIconShown(false),
      kind(kind_),
      exStyleArg(0) {
  setUp();
  exStyleArg = exStyle;
  parentHwnd = parent.hwnd;
  // A form's window has no control identifier and is top-level unless `child`
  // asks otherwise, so it is made here rather than by detail::createChild.
  // Laid out in 96-DPI units for the DPI of the screen or parent it opens on.
  int dpiAtCreation = detail::dpiOf(parentHwnd);
  hwnd = CreateWindowExA(
      formExStyle(kind, static_cast<DWORD>(exStyle)), MAKEINTATOM(dialogClassAtom), "Form",
      formStyle(kind, child), detail::scale(x_, dpiAtCreation), detail::scale(y_, dpiAtCreation),
      detail::scale(width_, dpiAtCreation), detail::scale(height_, dpiAtCreation), parentHwnd, NULL,
      GetModuleHandleA(NULL), NULL);
  detail::hookForm(hwnd);  // handlers, drops, WM_DPICHANGED
  attachedSet = false;
  setDialogProcedure(defaultFormProcedure);
  setStandardIcons();
  text = caption;
  finishCreation(x_, y_, width_, height_, enabled_, visible_, maximised, minimised, centred);
}

void Form::setStandardIcons() {
  HICON standard = LoadIconA(NULL, IDI_APPLICATION);
  detail::send(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(standard));
  detail::send(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(standard));
}

void Form::finishCreation(int x_, int y_, int width_, int height_, bool enabled_, bool visible_,
                          bool maximised, bool minimised, bool centred) {
  if (!enabled_) disable();
  resize(width_, height_);
  moveTo(x_, y_);
  if (centred) centre();
  if (maximised) maximise();
  if (minimised) minimise();
  if (visible_) show();
}

Form Form::wrapForm(const Control& other) {
  Form f;
  f.hwnd = other.hwnd;
  f.parentHwnd = other.parentHwnd;
  return f;
}

bool Form::showAs(int command) {
  bool done = ShowWindow(hwnd, command) != 0;
  if (attachedSet) attached.redraw();
  return done;
}

bool Form::minimise() { return showAs(SW_MINIMIZE); }
bool Form::maximise() { return showAs(SW_SHOWMAXIMIZED); }
bool Form::restore() { return showAs(SW_RESTORE); }
bool Form::isMinimised() const { return IsIconic(hwnd) != 0; }
bool Form::isMaximised() const { return IsZoomed(hwnd) != 0; }

void Form::attach(const Control& control) {
  attached.parentHwnd = hwnd;
  attached.hwnd = control.hwnd;
  attachedSet = true;
}

void Form::setIcon(HICON h) {
  detail::send(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(h));
  detail::send(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(h));
  iconHandle = h;
}

void Form::setIconResource(unsigned number) {
  setIcon(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(number & 0xFFFF)));
}

void Form::setCursorResource(unsigned number) {
  SetCursor(LoadCursorA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(number & 0xFFFF)));
  ShowCursor(TRUE);
}

HCURSOR Form::setCursor(HCURSOR c) { return SetCursor(c); }

Icon Form::getIcon() const {
  HICON big = reinterpret_cast<HICON>(detail::send(hwnd, WM_GETICON, ICON_BIG));
  if (big == NULL) big = LoadIconA(NULL, IDI_APPLICATION);
  return Icon(big);
}

void Form::setIconValue(Icon value) { setIcon(value.handle); }

bool Form::openFileDialog(const String& initialName) {
  fileDialog.owner = hwnd;
  bool chosen = fileDialog.open(initialName);
  if (chosen) fileName = fileDialog.path;
  return chosen;
}

bool Form::saveFileDialog(const String& initialName) {
  bool chosen = fileDialog.save(initialName);
  if (chosen) fileName = fileDialog.path;
  return chosen;
}

bool Form::chooseFolder(String& path) { return tarn::chooseFolder(hwnd, path); }

bool Form::chooseColor(COLORREF& colour) {
  bool chosen = tarn::chooseColor(hwnd, colour);
  if (chosen) colorValue = colour;
  return chosen;
}

void Form::copyTip(const String& tip) {
  std::size_t n = std::min(tip.str().size(), records::trayTipCapacity - 1);
  std::memset(trayIcon.szTip, 0, records::trayTipCapacity);
  std::memcpy(trayIcon.szTip, tip.c_str(), n);
}

bool Form::addTrayIcon(HICON h, int, int, const String& tip) {
  if (trayIconShown) return false;
  trayIcon.uID = static_cast<UINT>(notifyId);
  trayIcon.uCallbackMessage = static_cast<UINT>(notifyId);
  trayIcon.hIcon = h;
  trayIcon.hWnd = hwnd;
  copyTip(tip);
  shell::notifyIcon(NIM_ADD, &trayIcon);
  trayIconShown = true;
  return true;
}

bool Form::updateTrayIcon(HICON h, int, int, const String& tip) {
  trayIcon.hWnd = hwnd;
  trayIcon.hIcon = h;
  copyTip(tip);
  if (!shell::notifyIcon(trayIconShown ? NIM_MODIFY : NIM_ADD, &trayIcon)) return false;
  trayIconShown = true;
  return true;
}

bool Form::removeTrayIcon() {
  if (!trayIconShown) return false;
  shell::notifyIcon(NIM_DELETE, &trayIcon);
  trayIconShown = false;
  return true;
}

// ---------------------------------------------------------------------------
// Procedures

INT_PTR CALLBACK defaultFormProcedure(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) PostQuitMessage(0);
  return 0;
}

INT_PTR CALLBACK commandForwardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) detail::send(GetParent(window), WM_COMMAND, wParam, lParam);
  return 0;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Form::Form(const FormOptions& o)
    : Form(o.caption, o.x, o.y, o.width != 0 ? o.width : detail::defaultFormSize.width,
           o.height != 0 ? o.height : detail::defaultFormSize.height, o.kind, o.enabled, o.visible,
           o.maximised, o.minimised, o.centred, o.parent, o.child, o.exStyle) {
  detail::fitFirstLayout(hwnd, o.width == 0, o.height == 0);
}

}  // namespace tarn
