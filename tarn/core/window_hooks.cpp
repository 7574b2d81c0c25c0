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
  std::vector<AnchoredChild> kept;
  for (AnchoredChild child : h.anchored) {
    if (!IsWindow(child.window) || GetParent(child.window) != parent) continue;
    RECT now = placeIn(parent, child.window);
    RECT from = EqualRect(&now, &child.placed) ? child.place : now;
    child.place = anchoredPlace(from, child.anchor, dw, dh);
    RECT to = child.place;
    MoveWindow(child.window, to.left, to.top, to.right > to.left ? to.right - to.left : 0,
               to.bottom > to.top ? to.bottom - to.top : 0, TRUE);
    child.placed = placeIn(parent, child.window);  // a window may refuse a size (a combo box)
    kept.push_back(child);
  }
  h.anchored.swap(kept);
}

void runFollowers(HWND parent, WindowHooks& h) {
  std::vector<SizeFollower> kept;
  for (const SizeFollower& follower : h.followers)
    if (IsWindow(follower.window) && GetParent(follower.window) == parent) kept.push_back(follower);
  h.followers = kept;
  for (const SizeFollower& follower : kept) follower.follow(follower.window);
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
      auto found = h->notifications.find({static_cast<int>(header->idFrom), header->code});
      if (found != h->notifications.end()) {
        std::function<LRESULT(NMHDR*)> handler = found->second;
        return handler(reinterpret_cast<NMHDR*>(lParam));
      }
      break;
    }
    case WM_SIZE:
      followClientSize(window, *h);
      break;  // the form's own procedure still sees the size
    case WM_NCDESTROY: {
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

void followParentSize(HWND child, std::function<void(HWND)> follow) {
  WindowHooks* h = hooks(child != NULL ? GetParent(child) : NULL);
  if (h == nullptr) return;
  for (auto it = h->followers.begin(); it != h->followers.end(); ++it) {
    if (it->window != child) continue;
    if (follow)
      it->follow = std::move(follow);
    else
      h->followers.erase(it);
    return;
  }
  if (follow) h->followers.push_back(SizeFollower{child, std::move(follow)});
}

}  // namespace detail
}  // namespace tarn
