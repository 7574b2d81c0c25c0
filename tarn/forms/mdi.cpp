// MDI forms: the frame with its MDICLIENT, child forms routed through the
// system's MDI child handling, and the frame and child procedures.
#include "tarn/core/sizing.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/window_class.h"
#include "tarn/core/window_events.h"
#include "tarn/mdi.h"

namespace tarn {

namespace {

constexpr ATOM dialogClassAtom = 0x8002;  // "#32770"
constexpr DWORD clientStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES;

// The background brush of the MDICLIENT class that setClientColor made, so it
// can be deleted when replaced (stock brushes never are).
HBRUSH madeClientBrush = NULL;

// Installs `brush` as the class background; true when one was in place before.
bool replaceClientBrush(HWND client, HBRUSH brush, bool made) {
  HBRUSH old = reinterpret_cast<HBRUSH>(
      SetClassLongPtrA(client, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
  if (old != NULL && old == madeClientBrush && old != brush) DeleteObject(old);
  madeClientBrush = made ? brush : NULL;
  return old != NULL;
}

// A dialog-class window never reaches DefMDIChildProcA by itself, and without
// it the client keeps no active child. So the messages the MDI client depends
// on go to the dialog handling and then to DefMDIChildProcA, and the ones only
// the MDI handling understands go to it alone. It passes on what it takes
// itself, so it is the child's last hook.
bool routeThroughMdiHandling(detail::WindowRecord& record, UINT message, WPARAM wParam,
                             LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CHILDACTIVATE:
    case WM_SIZE:
    case WM_MOVE:
    case WM_SETFOCUS:
      detail::callNext(record, message, wParam, lParam);
      result = DefMDIChildProcA(record.window, message, wParam, lParam);
      return true;
    case WM_SYSCOMMAND:
    case WM_GETMINMAXINFO:
    case WM_MENUCHAR:
    case WM_NEXTMENU:
      result = DefMDIChildProcA(record.window, message, wParam, lParam);
      return true;
    default: return false;
  }
}

HWND clientAreaOf(HWND frame) { return FindWindowExA(frame, NULL, "MDICLIENT", NULL); }

}  // namespace

DWORD mdiFrameStyle(int kind) { return formStyle(kind, false); }

DWORD mdiChildStyle(int kind) {
  return (formStyle(kind, true) & ~static_cast<DWORD>(WS_CHILD | WS_CLIPCHILDREN)) | DS_ABSALIGN;
}

// ---------------------------------------------------------------------------

MDIForm::MDIForm() : clientCreate() {
  client.hwnd = NULL;
  client.parentHwnd = NULL;
}

MDIForm::MDIForm(const String& caption, int x_, int y_, int width_, int height_, int kind_,
                 bool enabled_, bool visible_, bool maximised, bool minimised, bool centred,
                 const Control& parent, bool, int exStyle)
    : clientCreate() {
  client.hwnd = NULL;
  client.parentHwnd = NULL;
  kind = kind_;
  exStyleArg = exStyle;
  parentHwnd = parent.hwnd;
  // The desktop as parent keeps the frame top-level whatever `parent` is: a
  // frame, not a child control, so not made by detail::createChild.
  int dpi = detail::dpiOf(GetDesktopWindow());  // units, as for any form
  HWND frame = CreateWindowExA(static_cast<DWORD>(exStyle) | WS_EX_ACCEPTFILES,
                               MAKEINTATOM(dialogClassAtom), "MDIForm", mdiFrameStyle(kind),
                               detail::scale(x_, dpi), detail::scale(y_, dpi),
                               detail::scale(width_, dpi), detail::scale(height_, dpi),
                               GetDesktopWindow(), NULL, GetModuleHandleA(NULL), NULL);
  if (!runtimeCheck(frame != NULL, "MDIForm_window_handle != NULL", __FILE__, __LINE__)) return;
  hwnd = frame;
  detail::hookForm(hwnd);  // handlers, drops, WM_DPICHANGED
  detail::addRedrawOnResize(hwnd);
  attachedSet = false;
  setStandardIcons();
  text = caption;

  HWND area = detail::createChild(client, "MDICLIENT", NULL, clientStyle, WS_EX_CLIENTEDGE, 0, 0, 0,
                                  0, hwnd, 0, &clientCreate);
  if (!runtimeCheck(area != NULL, "MDIForm_container_handle != NULL", __FILE__, __LINE__)) return;
  replaceClientBrush(area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), false);
  client.fitToParent();
  setDialogProcedure(mdiFrameProcedure);

  finishCreation(x_, y_, width_, height_, enabled_, visible_, maximised, minimised, centred);
}

Form MDIForm::addChild(const String& caption, int x_, int y_, int width_, int height_, int kind_,
                       int exStyle) {
  Form child;
  if (!runtimeCheck(client.hwnd != NULL, "container.hwnd != NULL", __FILE__, __LINE__))
    return child;
  child.kind = kind_;
  child.exStyleArg = exStyle;
  // Units, scaled to the client's DPI; CW_USEDEFAULT is left to the system.
  int dpi = detail::dpiOf(client.hwnd);
  auto px = [dpi](int units) {
    return units == static_cast<int>(CW_USEDEFAULT) ? units : detail::scale(units, dpi);
  };
  HWND h =
      CreateMDIWindowA(MAKEINTATOM(dialogClassAtom), caption.c_str(), mdiChildStyle(kind_), px(x_),
                       px(y_), px(width_), px(height_), client.hwnd, GetModuleHandleA(NULL), 0);
  if (!runtimeCheck(h != NULL, "NewMDIChild_Window != NULL", __FILE__, __LINE__)) return child;
  child.hwnd = h;
  child.parentHwnd = client.hwnd;
  child.setStandardIcons();
  child.addExStyle(static_cast<LONG>(exStyle) | WS_EX_ACCEPTFILES);
  detail::addRedrawOnResize(h);
  child.setDialogProcedure(mdiChildProcedure);
  detail::hookForm(h);
  if (detail::WindowRecord* r = detail::findRecord(h)) r->addLastHook(routeThroughMdiHandling);
  child.show();
  detail::send(h, WM_NCACTIVATE, TRUE);
  detail::send(client.hwnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h));
  return child;
}

bool MDIForm::setClientColor(COLORREF colour) {
  if (!runtimeCheck(client.hwnd != NULL, "container.hwnd !=NULL", __FILE__, __LINE__)) return false;
  bool hadBrush = replaceClientBrush(client.hwnd, CreateSolidBrush(colour), true);
  detail::setProgramBack(client.hwnd, colour);  // the program's colour wins over a scheme's
  client.redraw();
  return hadBrush;
}

// ---------------------------------------------------------------------------
// Procedures

INT_PTR CALLBACK mdiFrameProcedure(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
  } else if (message == WM_SIZE) {
    HWND area = clientAreaOf(window);
    RECT r = {0, 0, 0, 0};
    if (area != NULL && GetClientRect(window, &r))
      MoveWindow(area, 0, 0, r.right - r.left, r.bottom - r.top, TRUE);
  }
  return 0;
}

INT_PTR CALLBACK mdiChildProcedure(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) return 0;
  // A hidden child would stay the active one: hand activation on first.
  HWND area = GetParent(window);
  if (reinterpret_cast<HWND>(detail::send(area, WM_MDIGETACTIVE)) == window)
    detail::send(area, WM_MDINEXT, reinterpret_cast<WPARAM>(window));
  ShowWindow(window, SW_HIDE);
  return 0;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

MDIForm::MDIForm(const MDIFormOptions& o)
    : MDIForm(o.caption, o.x, o.y, o.width != 0 ? o.width : detail::defaultFormSize.width,
              o.height != 0 ? o.height : detail::defaultFormSize.height, o.kind, o.enabled,
              o.visible, o.maximised, o.minimised, o.centred, o.parent, o.child, o.exStyle) {}

}  // namespace tarn
