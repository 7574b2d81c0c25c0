// Control::setLayout, relayout and fitToLayout: a window's layout kept in its
// record with the tree built from it, applied in one batch of moves at every
// change of the window's size, and the minimum track size it gives a form.
#include "tarn/core/window_layout.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>

#include "tarn/core.h"
#include "tarn/core/child_layout.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/layout_tree.h"
#include "tarn/core/window_record.h"
#include "tarn/layout.h"

namespace tarn {
namespace detail {

namespace {

// One control of the layout as it was when the tree was built: whether it was
// then a shown child of the window. A change of either builds the tree again.
struct Member {
  HWND window;
  bool shown;
};

// The part of a laid-out window's record.
struct WindowLayout {
  bool active = false;  // false once the program removed its layout
  Layout layout;
  LayoutTree tree;
  geometry::Sizes sizes;  // the tree's, in pixels
  bool built = false;
  int dpi = 0;  // the DPI the tree was built at
  std::vector<Member> members;
  // The size each control had, in units, when it first joined a layout of this
  // window: the size the program gave it, which it never gets less of.
  // Kept when the layout is removed, so a layout set again later does not take
  // the sizes the first one gave as the program's.
  std::unordered_map<HWND, Size> given;
  bool applying = false;  // a pass is running: a pass asked meanwhile runs after it
  bool again = false;
};

// The layout part of `record`, null when it has no layout.
WindowLayout* layoutOf(WindowRecord* record) {
  WindowLayout* part = record != nullptr ? record->findPart<WindowLayout>() : nullptr;
  return part != nullptr && part->active ? part : nullptr;
}

// The part of a form made with width or height 0: its first layout sizes it.
struct FitFirstLayout {
  bool width = false;
  bool height = false;
};

LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool shownChild(HWND window, HWND parent) {
  return IsWindow(window) && GetAncestor(window, GA_PARENT) == parent &&
         (styleOf(window) & WS_VISIBLE) != 0;
}

bool classIs(HWND window, const char* name) {
  char found[32] = {0};
  GetClassNameA(window, found, sizeof found);
  return lstrcmpiA(found, name) == 0;
}

bool isGroupBox(HWND window) {
  return classIs(window, "Button") && (styleOf(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The height of a group box's caption band: one line of its font.
int captionHeight(HWND box) {
  HDC dc = GetDC(box);
  if (dc == NULL) return 0;
  HFONT font = reinterpret_cast<HFONT>(send(box, WM_GETFONT));
  HGDIOBJ old = SelectObject(
      dc, font != NULL ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  return metrics.tmHeight;
}

// Every shown bar of `window`, with its rectangle in the window's client area.
struct Bars {
  int top = 0;     // the height the top bars take
  int bottom = 0;  // the height the bottom bars take
};

BOOL CALLBACK collectBar(HWND child, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(data);
  if (GetAncestor(child, GA_PARENT) == found->first && isEdgeBar(child) &&
      (styleOf(child) & WS_VISIBLE) != 0)
    found->second->push_back(child);
  return TRUE;
}

std::vector<HWND> barsOf(HWND window) {
  std::vector<HWND> bars;
  std::pair<HWND, std::vector<HWND>*> data(window, &bars);
  EnumChildWindows(window, collectBar, reinterpret_cast<LPARAM>(&data));
  return bars;
}

bool atBottom(HWND bar) {
  return classIs(bar, "msctls_statusbar32") || (styleOf(bar) & CCS_TOP) == CCS_BOTTOM;
}

Bars barsAlongEdges(HWND window) {
  Bars bars;
  for (HWND bar : barsOf(window)) {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(bar, &r);
    int height = std::max(0, static_cast<int>(r.bottom - r.top));
    (atBottom(bar) ? bars.bottom : bars.top) += height;
  }
  return bars;
}

// What layoutArea leaves off the client area, besides the bars.
int topInset(HWND window) { return isGroupBox(window) ? captionHeight(window) : 0; }

int dpiForLayout(HWND window) { return dpiOf(window); }

// The tree of `part.layout` for `window` at its DPI now, and the members it was built from.
void build(HWND window, WindowLayout& part) {
  int dpi = dpiForLayout(window);
  part.members.clear();
  auto measure = [&part, dpi](HWND control) {
    Control c(control);
    Size natural = c.naturalSize();
    auto found = part.given.find(control);
    if (found == part.given.end()) {
      RECT r = {0, 0, 0, 0};
      GetWindowRect(control, &r);
      Size now{unscale(r.right - r.left, dpi), unscale(r.bottom - r.top, dpi)};
      found = part.given.emplace(control, now).first;
    }
    ControlMeasure m;
    m.width = std::max(natural.width, found->second.width);
    m.height = std::max(natural.height, found->second.height);
    m.hidden = (styleOf(control) & WS_VISIBLE) == 0;
    part.members.push_back(Member{control, !m.hidden});
    return m;
  };
  part.tree = layoutTree(part.layout, window, dpi, measure);
  part.sizes = geometry::measure(part.tree.root);
  part.dpi = dpi;
  part.built = true;
}

// Whether the controls shown, the controls that are still children, or the DPI
// changed since the tree was built.
bool stale(HWND window, const WindowLayout& part) {
  if (!part.built || part.dpi != dpiForLayout(window)) return true;
  for (const Member& m : part.members)
    if (shownChild(m.window, window) != m.shown) return true;
  // A control of the layout that was left out (of another parent, or hidden
  // before its first measure) may have become a shown child since: the
  // members only list the controls measured.
  return false;
}

RECT placeIn(HWND parent, HWND child) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(child, &r);
  MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct Move {
  HWND window;
  RECT from;
  RECT to;
};

constexpr UINT moveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOCOPYBITS;

// Moves every control in one batch, or one by one when the system refuses the
// batch (a window ended meanwhile ends the batch too).
void moveAll(const std::vector<Move>& moves) {
  if (moves.empty()) return;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
  for (const Move& m : moves) {
    if (batch == NULL) break;
    batch = DeferWindowPos(batch, m.window, NULL, m.to.left, m.to.top, m.to.right - m.to.left,
                           m.to.bottom - m.to.top, moveFlags);
  }
  if (batch != NULL && EndDeferWindowPos(batch)) return;
  for (const Move& m : moves)
    if (IsWindow(m.window))
      SetWindowPos(m.window, NULL, m.to.left, m.to.top, m.to.right - m.to.left,
                   m.to.bottom - m.to.top, moveFlags);
}

// One pass of `record`'s layout: the tree built again if it went stale, laid
// out in the layout's area, and every control whose place changed moved.
void applyOnce(WindowRecord& record) {
  WindowLayout* part = layoutOf(&record);
  if (part == nullptr) return;
  HWND window = record.window;
  if (stale(window, *part)) build(window, *part);
  RECT area = layoutArea(window);
  geometry::Rect room{area.left, area.top, std::max(0, static_cast<int>(area.right - area.left)),
                      std::max(0, static_cast<int>(area.bottom - area.top))};
  geometry::Arrangement placed = geometry::arrange(part->tree.root, room);
  std::vector<Move> moves;
  std::size_t count = std::min(placed.items.size(), part->tree.controls.size());
  for (std::size_t i = 0; i < count; ++i) {
    HWND control = part->tree.controls[i];
    // A control ended since the tree was built (its handle perhaps made over
    // for another window) is never moved: only children of this window are.
    if (control == NULL || !IsWindow(control) || GetAncestor(control, GA_PARENT) != window)
      continue;
    const geometry::Rect& r = placed.items[i];
    RECT to = {r.x, r.y, r.x + r.width, r.y + r.height};
    RECT from = placeIn(window, control);
    if (!EqualRect(&from, &to)) moves.push_back(Move{control, from, to});
  }
  if (moves.empty()) return;
  // The moves send messages that may run the program's handlers: nothing of
  // the part is used past this point.
  moveAll(moves);
  std::vector<RECT> touched;
  touched.reserve(moves.size() * 2);
  for (const Move& m : moves) {
    touched.push_back(m.from);
    touched.push_back(m.to);
  }
  repaintMoved(window, touched);
}

// Runs passes until none is asked again (a pass may be asked from a handler
// the moves run); at most a few, so handlers that keep asking cannot loop.
void apply(WindowRecord& record) {
  WindowLayout* part = layoutOf(&record);
  if (part == nullptr) return;
  if (part->applying) {
    part->again = true;
    return;
  }
  KeepRecord keep(record);
  for (int pass = 0; pass < 4; ++pass) {
    part = record.ended ? nullptr : layoutOf(&record);
    if (part == nullptr) return;
    part->applying = true;
    part->again = false;
    applyOnce(record);
    // The part stays while the record lives, even when a handler removed the
    // layout meanwhile.
    WindowLayout* still = record.ended ? nullptr : record.findPart<WindowLayout>();
    if (still == nullptr) return;
    still->applying = false;
    if (!still->again || !still->active) return;
  }
}

// The size of `window` whose layout area is `width` by `height` pixels.
SIZE outerSizeFor(HWND window, int width, int height) {
  RECT outer = {0, 0, 0, 0}, client = {0, 0, 0, 0};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  Bars bars = barsAlongEdges(window);
  int frameX = (outer.right - outer.left) - (client.right - client.left);
  int frameY = (outer.bottom - outer.top) - (client.bottom - client.top);
  long long w = static_cast<long long>(width) + frameX;
  long long h = static_cast<long long>(height) + frameY + bars.top + bars.bottom + topInset(window);
  return SIZE{static_cast<LONG>(std::min<long long>(w, INT_MAX / 2)),
              static_cast<LONG>(std::min<long long>(h, INT_MAX / 2))};
}

// A form's minimum track size: its layout's minimum with the frame, menu bar
// and bars around it, never less than the system's own minimum.
bool layoutHook(WindowRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
  if (message == WM_SIZE) {
    if (!IsIconic(record.window)) apply(record);
    return false;
  }
  if (message == WM_GETMINMAXINFO && lParam != 0) {
    WindowLayout* part = layoutOf(&record);
    if (part == nullptr || !part->built) return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    SIZE least = outerSizeFor(record.window, part->sizes.minimum.width, part->sizes.minimum.height);
    info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, least.cx);
    info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, least.cy);
    return false;  // the window's own procedure may narrow it further
  }
  return false;
}

// Sizes `window` so its layout area is the layout's natural size in the
// dimensions asked; the window's top left corner stays.
void fit(HWND window, bool width, bool height) {
  WindowRecord* r = findRecord(window);
  WindowLayout* part = layoutOf(r);
  if (part == nullptr || !(width || height)) return;
  if (stale(window, *part)) build(window, *part);
  SIZE natural = outerSizeFor(window, part->sizes.natural.width, part->sizes.natural.height);
  RECT now = {0, 0, 0, 0};
  GetWindowRect(window, &now);
  int w = width ? natural.cx : now.right - now.left;
  int h = height ? natural.cy : now.bottom - now.top;
  SetWindowPos(window, NULL, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void reportOutside(const Layout& layout, HWND window) {
  std::vector<HWND> outside = controlsOutside(layout, window);
  runtimeCheck(outside.empty(), "Layout_Controls_Are_Children_Of_The_Window", __FILE__, __LINE__);
}

}  // namespace

bool isEdgeBar(HWND window) {
  return classIs(window, "msctls_statusbar32") || classIs(window, "ToolbarWindow32") ||
         classIs(window, "ReBarWindow32");
}

RECT layoutArea(HWND window) {
  RECT area = {0, 0, 0, 0};
  GetClientRect(window, &area);
  Bars bars = barsAlongEdges(window);
  area.top += bars.top + topInset(window);
  area.bottom -= bars.bottom;
  if (area.bottom < area.top) area.bottom = area.top;
  return area;
}

void childChanged(HWND child) {
  HWND parent = child != NULL ? GetAncestor(child, GA_PARENT) : NULL;
  WindowRecord* r = findRecord(parent);
  if (layoutOf(r) != nullptr && !IsIconic(parent)) apply(*r);
}

void fitFirstLayout(HWND form, bool width, bool height) {
  if (!(width || height)) return;
  if (WindowRecord* r = record(form)) r->part<FitFirstLayout>() = FitFirstLayout{width, height};
}

void layoutAfterDpiChange(HWND window, const std::vector<HWND>& inside) {
  // Built again even where a WM_SIZE met the new DPI already: the children's
  // fonts may have changed after that.
  auto relayOut = [](HWND w) {
    WindowRecord* r = findRecord(w);
    WindowLayout* part = layoutOf(r);
    if (part == nullptr) return;
    part->built = false;
    apply(*r);
  };
  relayOut(window);
  for (HWND w : inside) relayOut(w);
}

void repaintMoved(HWND parent, const std::vector<RECT>& rectangles) {
  if (rectangles.empty() || !IsWindow(parent)) return;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (region == NULL) {
    RedrawWindow(parent, NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return;
  }
  for (const RECT& r : rectangles) {
    HRGN piece = CreateRectRgnIndirect(&r);
    if (piece == NULL) continue;
    CombineRgn(region, region, piece, RGN_OR);
    DeleteObject(piece);
  }
  RedrawWindow(parent, NULL, region, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  DeleteObject(region);
}

}  // namespace detail

void Control::setLayout(const Layout& layout) {
  if (hwnd == NULL || !IsWindow(hwnd)) return;
  detail::WindowRecord* r = detail::record(hwnd);
  if (r == nullptr) return;
  bool holdsControl = false;
  for (const detail::LayoutEntry& e : detail::LayoutAccess::entries(layout))
    if (e.kind == detail::LayoutEntry::Kind::control) holdsControl = true;
  if (!holdsControl) {
    if (detail::WindowLayout* part = r->findPart<detail::WindowLayout>()) {
      part->active = false;
      part->layout = Layout();
      part->tree = detail::LayoutTree();
      part->members.clear();
      part->built = false;
    }
    return;
  }
  detail::reportOutside(layout, hwnd);
  // The bars follow the window's size before the layout takes the room they leave.
  detail::layOutChildrenFirst(hwnd);
  detail::WindowLayout& part = r->part<detail::WindowLayout>();
  part.active = true;
  part.layout = layout;
  part.built = false;
  r->addHook(detail::layoutHook);
  if (detail::FitFirstLayout* first = r->findPart<detail::FitFirstLayout>()) {
    detail::FitFirstLayout sized = *first;
    r->dropPart<detail::FitFirstLayout>();
    detail::build(hwnd, part);
    detail::fit(hwnd, sized.width, sized.height);
  }
  detail::apply(*r);
}

void Control::relayout() {
  detail::WindowRecord* r = hwnd != NULL ? detail::findRecord(hwnd) : nullptr;
  detail::WindowLayout* part = detail::layoutOf(r);
  if (part == nullptr) return;
  part->built = false;
  detail::apply(*r);
}

void Control::fitToLayout() {
  if (hwnd == NULL) return;
  detail::fit(hwnd, true, true);
  if (detail::WindowRecord* r = detail::findRecord(hwnd)) detail::apply(*r);
}

}  // namespace tarn
