// Anchored children and the bars that follow their parent's size, kept in the
// parent's window record and dropped when the child ends.
#include "tarn/core/child_layout.h"

#include <algorithm>
#include <vector>

#include "tarn/core.h"
#include "tarn/core/window_layout.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

namespace {

// A child that keeps its distances to the anchored edges of its parent.
// `place` is where the layout wants the child in its parent's client area, kept
// even where the window had to be clamped (a size below 0), so a parent that
// shrinks and grows again gives its children back their places; `placed` is
// where the last layout put it, so a child the program moved itself is taken
// from where it now stands.
struct AnchoredChild {
  HWND window;
  int anchor;  // anchorLeft | anchorTop | anchorRight | anchorBottom
  RECT place;
  RECT placed;
};

// A child that lays itself out again whenever its parent's client area changes size.
struct SizeFollower {
  HWND window;
  std::function<void(HWND)> follow;  // given the child's window
};

SIZE clientSize(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// The part of a parent's record: its anchored children and followers.
struct ChildLayout {
  std::vector<AnchoredChild> anchored;
  std::vector<SizeFollower> followers;
  SIZE lastClient = {0, 0};  // the client size the anchored children were laid out for
  bool measured = false;
};

void forget(HWND parent, HWND child);

// The part of a laid-out child's record: takes the child out of its parent's
// lists when the child ends, so nothing waits for the parent's next change of
// size to notice.
struct LaidOutChild {
  HWND parent = NULL;
  HWND self = NULL;
  LaidOutChild() = default;
  LaidOutChild(const LaidOutChild&) = delete;
  LaidOutChild& operator=(const LaidOutChild&) = delete;
  ~LaidOutChild() { forget(parent, self); }
};

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
// client area since the last layout. A child moved to another parent is dropped.
// Every child moved has its old and new places repainted, children included:
// a control moved over what another left shows no ghost of it.
void layOutAnchored(HWND parent, ChildLayout& layout, int dw, int dh) {
  std::size_t kept = 0;
  std::vector<RECT> touched;
  for (AnchoredChild child : layout.anchored) {
    if (!IsWindow(child.window) || GetParent(child.window) != parent) continue;
    RECT now = placeIn(parent, child.window);
    RECT from = EqualRect(&now, &child.placed) ? child.place : now;
    child.place = anchoredPlace(from, child.anchor, dw, dh);
    RECT to = child.place;
    SetWindowPos(child.window, NULL, to.left, to.top, to.right > to.left ? to.right - to.left : 0,
                 to.bottom > to.top ? to.bottom - to.top : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOCOPYBITS);
    child.placed = placeIn(parent, child.window);  // a window may refuse a size (a combo box)
    if (!EqualRect(&now, &child.placed)) {
      touched.push_back(now);
      touched.push_back(child.placed);
    }
    layout.anchored[kept++] = child;
  }
  layout.anchored.erase(layout.anchored.begin() + static_cast<std::ptrdiff_t>(kept),
                        layout.anchored.end());
  repaintMoved(parent, touched);
}

// A follower may set followers again, or end, while it runs: each is called
// from a copy, found again by its window.
void runFollowers(HWND parent, WindowRecord& record) {
  std::vector<HWND> windows;
  if (ChildLayout* layout = record.findPart<ChildLayout>())
    for (const SizeFollower& f : layout->followers) windows.push_back(f.window);
  for (HWND window : windows) {
    ChildLayout* layout = record.ended ? nullptr : record.findPart<ChildLayout>();
    if (layout == nullptr) return;
    auto found = std::find_if(layout->followers.begin(), layout->followers.end(),
                              [window](const SizeFollower& f) { return f.window == window; });
    if (found == layout->followers.end() || GetParent(window) != parent) continue;
    std::function<void(HWND)> follow = found->follow;
    follow(window);
  }
}

// The client size is read from the window, not from the message: programs
// send WM_SIZE with 0, 0 to have a window lay itself out, which is no change of
// size. A minimised window keeps the layout it had.
bool followSize(WindowRecord& record, UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message != WM_SIZE || IsIconic(record.window)) return false;
  ChildLayout* layout = record.findPart<ChildLayout>();
  if (layout == nullptr) return false;
  SIZE now = clientSize(record.window);
  int dw = now.cx - layout->lastClient.cx, dh = now.cy - layout->lastClient.cy;
  layout->lastClient = now;
  if (dw == 0 && dh == 0) return false;
  KeepRecord keep(record);
  // A bar that follows draws itself for its new width, but what it covered
  // and left (its size grip, its old parts) is the parent's to repaint.
  std::vector<std::pair<HWND, RECT>> before;
  for (const SizeFollower& f : layout->followers)
    before.emplace_back(f.window, placeIn(record.window, f.window));
  runFollowers(record.window, record);
  if (record.ended) return false;
  std::vector<RECT> touched;
  for (const auto& b : before) {
    if (!IsWindow(b.first) || GetParent(b.first) != record.window) continue;
    RECT after = placeIn(record.window, b.first);
    if (EqualRect(&after, &b.second)) continue;
    touched.push_back(b.second);
    touched.push_back(after);
  }
  repaintMoved(record.window, touched);
  if (ChildLayout* still = record.ended ? nullptr : record.findPart<ChildLayout>())
    layOutAnchored(record.window, *still, dw, dh);
  return false;  // the window's own procedure still sees the size
}

// The layout of `parent`, made (and hooked) at the first need.
ChildLayout* layoutOf(HWND parent) {
  WindowRecord* r = record(parent);
  if (r == nullptr) return nullptr;
  ChildLayout& layout = r->part<ChildLayout>();
  if (!layout.measured) {
    layout.lastClient = clientSize(parent);
    layout.measured = true;
  }
  r->addHook(followSize);
  return &layout;
}

// Marks `child` as laid out by `parent`, so its end takes it out of the lists.
void markLaidOut(HWND parent, HWND child) {
  if (WindowRecord* r = record(child)) {
    LaidOutChild& mark = r->part<LaidOutChild>();
    mark.parent = parent;
    mark.self = child;
  }
}

void forget(HWND parent, HWND child) {
  WindowRecord* r = findRecord(parent);
  ChildLayout* layout = r != nullptr ? r->findPart<ChildLayout>() : nullptr;
  if (layout == nullptr) return;
  auto& anchored = layout->anchored;
  anchored.erase(std::remove_if(anchored.begin(), anchored.end(),
                                [child](const AnchoredChild& a) { return a.window == child; }),
                 anchored.end());
  auto& followers = layout->followers;
  followers.erase(std::remove_if(followers.begin(), followers.end(),
                                 [child](const SizeFollower& f) { return f.window == child; }),
                  followers.end());
}

// A follower (a bar) that changes its size or is shown or hidden changes the
// room its parent's layout has.
bool followerMoved(WindowRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
  if (message != WM_WINDOWPOSCHANGED || lParam == 0) return false;
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if ((pos->flags & SWP_NOSIZE) == 0 || (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0)
    childChanged(record.window);
  return false;
}

}  // namespace

void setAnchor(HWND child, int anchor) {
  HWND parent = child != NULL ? GetParent(child) : NULL;
  bool plain = anchor == (anchorLeft | anchorTop);
  // The default needs nothing: a child never anchored leaves its parent unhooked.
  WindowRecord* found = findRecord(parent);
  ChildLayout* layout =
      plain ? (found ? found->findPart<ChildLayout>() : nullptr) : layoutOf(parent);
  if (layout == nullptr) return;
  for (auto it = layout->anchored.begin(); it != layout->anchored.end(); ++it) {
    if (it->window != child) continue;
    if (plain)
      layout->anchored.erase(it);
    else
      it->anchor = anchor;
    return;
  }
  if (plain) return;
  RECT now = placeIn(parent, child);
  layout->anchored.push_back(AnchoredChild{child, anchor, now, now});
  markLaidOut(parent, child);
}

int anchorOf(HWND child) {
  const WindowRecord* r = child != NULL ? findRecord(GetParent(child)) : nullptr;
  const ChildLayout* layout = r != nullptr ? r->findPart<ChildLayout>() : nullptr;
  if (layout != nullptr)
    for (const AnchoredChild& a : layout->anchored)
      if (a.window == child) return a.anchor;
  return anchorLeft | anchorTop;
}

void followParentSize(HWND child, std::function<void(HWND)> follow) {
  HWND parent = child != NULL ? GetParent(child) : NULL;
  ChildLayout* layout = follow ? layoutOf(parent) : nullptr;
  if (!follow) {
    WindowRecord* r = findRecord(parent);
    layout = r != nullptr ? r->findPart<ChildLayout>() : nullptr;
  }
  if (layout == nullptr) return;
  for (auto it = layout->followers.begin(); it != layout->followers.end(); ++it) {
    if (it->window != child) continue;
    if (follow)
      it->follow = std::move(follow);
    else
      layout->followers.erase(it);
    return;
  }
  if (!follow) return;
  layout->followers.push_back(SizeFollower{child, std::move(follow)});
  markLaidOut(parent, child);
  if (WindowRecord* own = record(child)) own->addHook(followerMoved);
  childChanged(child);
}

void layOutChildrenFirst(HWND parent) { layoutOf(parent); }

std::size_t laidOutChildren(HWND parent) {
  const WindowRecord* r = findRecord(parent);
  const ChildLayout* layout = r != nullptr ? r->findPart<ChildLayout>() : nullptr;
  return layout != nullptr ? layout->anchored.size() + layout->followers.size() : 0;
}

void rescaleChildLayout(HWND parent, int from, int to) {
  WindowRecord* r = findRecord(parent);
  ChildLayout* layout = r != nullptr ? r->findPart<ChildLayout>() : nullptr;
  if (layout == nullptr || from <= 0) return;
  layout->lastClient =
      SIZE{MulDiv(layout->lastClient.cx, to, from), MulDiv(layout->lastClient.cy, to, from)};
}

}  // namespace detail
}  // namespace tarn
