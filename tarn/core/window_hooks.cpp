// The toolkit's additions to a form's message handling: handlers that run
// instead of the form's procedure, shortcut tables and anchored children.
#include "tarn/core/window_hooks.h"

#include "tarn/core.h"

namespace tarn {
namespace detail {

namespace {

// Never destroyed: windows may still be served while other statics go away.
std::map<HWND, WindowHooks>& allHooks() {
  static std::map<HWND, WindowHooks>* all = new std::map<HWND, WindowHooks>;
  return *all;
}

SIZE clientSize(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Moves and stretches the anchored children of `parent` by the change of its
// client area since the last layout. Children that were destroyed or moved to
// another parent are dropped.
void layOutAnchored(HWND parent, WindowHooks& h, int width, int height) {
  int dw = width - h.lastClient.cx;
  int dh = height - h.lastClient.cy;
  h.lastClient = SIZE{width, height};
  if (dw == 0 && dh == 0) return;
  std::vector<AnchoredChild> kept;
  for (const AnchoredChild& child : h.anchored) {
    if (!IsWindow(child.window) || GetParent(child.window) != parent) continue;
    kept.push_back(child);
    RECT r;
    GetWindowRect(child.window, &r);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
    int x = r.left, y = r.top, w = r.right - r.left, ht = r.bottom - r.top;
    bool left = (child.anchor & anchorLeft) != 0, right = (child.anchor & anchorRight) != 0;
    bool top = (child.anchor & anchorTop) != 0, bottom = (child.anchor & anchorBottom) != 0;
    if (right && left)
      w += dw;
    else if (right)
      x += dw;
    if (bottom && top)
      ht += dh;
    else if (bottom)
      y += dh;
    MoveWindow(child.window, x, y, w < 0 ? 0 : w, ht < 0 ? 0 : ht, TRUE);
  }
  h.anchored.swap(kept);
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
    case WM_COMMAND: {
      auto found = h->commands.find(LOWORD(wParam));
      if (found != h->commands.end()) {
        std::function<void()> handler = found->second;  // it may replace itself
        handler();
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header == nullptr) break;
      LRESULT reflectedResult = 0;
      if (runReflected(*h, reinterpret_cast<NMHDR*>(lParam), reflectedResult))
        return reflectedResult;
      auto found = h->notifications.find({static_cast<int>(header->idFrom), header->code});
      if (found != h->notifications.end()) {
        std::function<LRESULT(NMHDR*)> handler = found->second;
        return handler(reinterpret_cast<NMHDR*>(lParam));
      }
      break;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && !h->anchored.empty())
        layOutAnchored(window, *h, LOWORD(lParam), HIWORD(lParam));
      break;  // the form's own procedure still sees the size
    case WM_NCDESTROY: {
      dropReflected(window, *h);
      if (h->shortcutTable != NULL) DestroyAcceleratorTable(h->shortcutTable);
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      allHooks().erase(window);
      return CallWindowProcA(previous, window, message, wParam, lParam);
    }
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace

WindowHooks* findHooks(HWND window) {
  auto found = allHooks().find(window);
  return found == allHooks().end() ? nullptr : &found->second;
}

WindowHooks* hooks(HWND window) {
  if (window == NULL || !IsWindow(window)) return nullptr;
  if (WindowHooks* h = findHooks(window)) return h;
  WindowHooks& h = allHooks()[window];
  h.lastClient = clientSize(window);
  h.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hookProcedure)));
  return &h;
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
  WindowHooks* h = hooks(parent);
  if (h == nullptr) return;
  bool plain = anchor == (anchorLeft | anchorTop);
  for (auto it = h->anchored.begin(); it != h->anchored.end(); ++it) {
    if (it->window != child) continue;
    if (plain)
      h->anchored.erase(it);
    else
      it->anchor = anchor;
    return;
  }
  if (!plain) h->anchored.push_back(AnchoredChild{child, anchor});
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
