// The toolkit's additions to a form's message handling: handlers that run
// instead of the form's procedure, shortcut tables and anchored children.
#include "tarn/core/window_hooks.h"

#include "tarn/core.h"
#include "tarn/core/dpi.h"

namespace tarn {
namespace detail {

namespace {

// The window property that holds a window's hooks.
constexpr const char* hooksProperty = "TarnWindowHooks";

SIZE clientSize(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Where `child` stands in `parent`'s client area.
RECT placeIn(HWND parent, HWND child) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(child, &r);
  MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// An edge anchored on the right (bottom) moves with the parent's right (bottom)
// edge; the opposite edge moves too unless it is anchored as well, in which
// case the child stretches.
RECT anchoredPlace(RECT r, int anchor, int dw, int dh) {
  if (anchor & anchorRight) {
    r.right += dw;
    if (!(anchor & anchorLeft)) r.left += dw;
  }
  if (anchor & anchorBottom) {
    r.bottom += dh;
    if (!(anchor & anchorTop)) r.top += dh;
  }
  return r;
}

// Moves and stretches the anchored children of `parent` by the change of its
// client area since the last layout. Children that were destroyed or moved to
// another parent are dropped.
void layOutAnchored(HWND parent, WindowHooks& h, int dw, int dh) {
  std::size_t kept = 0;
  for (AnchoredChild child : h.anchored) {
    if (!IsWindow(child.window) || GetParent(child.window) != parent) continue;
    RECT now = placeIn(parent, child.window);
    RECT from = EqualRect(&now, &child.placed) ? child.place : now;
    child.place = anchoredPlace(from, child.anchor, dw, dh);
    RECT to = child.place;
    MoveWindow(child.window, to.left, to.top, to.right > to.left ? to.right - to.left : 0,
               to.bottom > to.top ? to.bottom - to.top : 0, TRUE);
    child.placed = placeIn(parent, child.window);  // a window may refuse a size (a combo box)
    h.anchored[kept++] = child;
  }
  h.anchored.erase(h.anchored.begin() + static_cast<std::ptrdiff_t>(kept), h.anchored.end());
}

// A follower may set followers again while it runs, so each is called from a copy.
void runFollowers(HWND parent, WindowHooks& h) {
  for (std::size_t i = 0; i < h.followers.size();) {
    SizeFollower follower = h.followers[i];
    if (!IsWindow(follower.window) || GetParent(follower.window) != parent) {
      h.followers.erase(h.followers.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    follower.follow(follower.window);
    ++i;
  }
}

// The handler for this WM_COMMAND or WM_NOTIFY, or null.
MessageHandler* handlerFor(WindowHooks& h, UINT message, WPARAM wParam, LPARAM lParam) {
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  if (message == WM_NOTIFY && header == nullptr) return nullptr;
  int id = message == WM_COMMAND ? LOWORD(wParam) : static_cast<int>(header->idFrom);
  UINT code = message == WM_COMMAND ? 0 : header->code;
  for (MessageHandler& handler : h.handlers)
    if (handler.message == message && handler.id == id && handler.code == code) return &handler;
  return nullptr;
}

// The client size is read from the window, not from the message: programs
// send WM_SIZE with 0, 0 to have a window lay itself out, which is no change of
// size. A minimised window keeps the layout it had.
void followClientSize(HWND window, WindowHooks& h) {
  if (IsIconic(window)) return;
  SIZE now = clientSize(window);
  int dw = now.cx - h.lastClient.cx, dh = now.cy - h.lastClient.cy;
  h.lastClient = now;
  if (dw == 0 && dh == 0) return;
  runFollowers(window, h);
  if (WindowHooks* still = findHooks(window)) layOutAnchored(window, *still, dw, dh);
}

// The handler a control's notification is reflected to, if any; a copy runs,
// so a handler may replace itself.
bool runReflected(const WindowHooks& h, NMHDR* header, LRESULT& result) {
  if (h.reflected.empty()) return false;
  auto found = h.reflected.find(header->hwndFrom);
  if (found == h.reflected.end()) return false;
  ReflectedNotification handler = found->second;
  return handler(header, result);
}

// A control going away takes its reflected handler with it.
void dropReflected(HWND control, const WindowHooks& h) {
  if (h.reflectingTo == NULL) return;
  if (WindowHooks* parent = findHooks(h.reflectingTo)) parent->reflected.erase(control);
}

LRESULT CALLBACK hookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowHooks* h = findHooks(window);
  if (h == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  WNDPROC previous = h->previous;
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      if (message == WM_NOTIFY && lParam != 0) {
        LRESULT reflectedResult = 0;
        if (runReflected(*h, reinterpret_cast<NMHDR*>(lParam), reflectedResult))
          return reflectedResult;
      }
      if (MessageHandler* found = handlerFor(*h, message, wParam, lParam)) {
        std::function<LRESULT(NMHDR*)> run = found->run;  // it may replace itself
        return run(message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam) : nullptr);
      }
      break;
    case WM_SIZE:
      followClientSize(window, *h);
      break;  // the form's own procedure still sees the size
    case WM_DPICHANGED:
      applyDpiChange(window, wParam, lParam);
      break;  // then the form's own procedure sees the message
    case WM_NCDESTROY: {
      dropReflected(window, *h);
      if (h->shortcutTable != NULL) DestroyAcceleratorTable(h->shortcutTable);
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      RemovePropA(window, hooksProperty);
      delete h;
      forgetWindowDpi(window);
      return CallWindowProcA(previous, window, message, wParam, lParam);
    }
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace

WindowHooks* findHooks(HWND window) {
  return window == NULL ? nullptr : static_cast<WindowHooks*>(GetPropA(window, hooksProperty));
}

WindowHooks* hooks(HWND window) {
  if (window == NULL || !IsWindow(window)) return nullptr;
  if (WindowHooks* h = findHooks(window)) return h;
  WindowHooks* h = new WindowHooks;
  if (!SetPropA(window, hooksProperty, h)) {
    delete h;
    return nullptr;
  }
  h->lastClient = clientSize(window);
  h->previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hookProcedure)));
  return h;
}

bool translateShortcut(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN &&
      message.message != WM_CHAR && message.message != WM_SYSCHAR)
    return false;
  for (HWND window = message.hwnd; window != NULL; window = GetParent(window)) {
    WindowHooks* h = findHooks(window);
    if (h == nullptr || h->shortcuts.empty()) continue;
    if (h->shortcutTable == NULL)
      h->shortcutTable =
          CreateAcceleratorTableA(h->shortcuts.data(), static_cast<int>(h->shortcuts.size()));
    return h->shortcutTable != NULL && TranslateAcceleratorA(window, h->shortcutTable, &message);
  }
  return false;
}

void reflectNotifications(HWND control, ReflectedNotification handler) {
  HWND parent = control != NULL ? GetParent(control) : NULL;
  if (!handler) {
    if (WindowHooks* p = findHooks(parent)) p->reflected.erase(control);
    return;
  }
  WindowHooks* p = hooks(parent);
  WindowHooks* c = p != nullptr ? hooks(control) : nullptr;  // its WM_NCDESTROY drops the handler
  if (c == nullptr) return;
  c->reflectingTo = parent;
  p->reflected[control] = std::move(handler);
}

void setAnchor(HWND child, int anchor) {
  HWND parent = child != NULL ? GetParent(child) : NULL;
  bool plain = anchor == (anchorLeft | anchorTop);
  WindowHooks* h = plain ? findHooks(parent) : hooks(parent);  // the default needs no hooks
  if (h == nullptr) return;
  for (auto it = h->anchored.begin(); it != h->anchored.end(); ++it) {
    if (it->window != child) continue;
    if (plain)
      h->anchored.erase(it);
    else
      it->anchor = anchor;
    return;
  }
  RECT now = placeIn(parent, child);
  if (!plain) h->anchored.push_back(AnchoredChild{child, anchor, now, now});
}

int anchorOf(HWND child) {
  const WindowHooks* h = child != NULL ? findHooks(GetParent(child)) : nullptr;
  if (h != nullptr)
    for (const AnchoredChild& a : h->anchored)
      if (a.window == child) return a.anchor;
  return anchorLeft | anchorTop;
}

}  // namespace detail
}  // namespace tarn
