// Layout, the value a program describes its window's arrangement with, and
// its translation into the geometry's tree for the window side (layout_tree.h).
#include "tarn/layout.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <unordered_set>
#include <utility>

#include "layout_tree.h"

namespace tarn {

using detail::LayoutEntry;
using Kind = detail::LayoutEntry::Kind;

namespace {

int clampStretch(int stretch) { return std::min(std::max(stretch, 0), geometry::maximumStretch); }

LayoutOptions cleanOptions(const LayoutOptions& options) {
  LayoutOptions clean = options;
  if (clean.margin < 0) clean.margin = LayoutOptions::automatic;
  clean.gap = std::max(clean.gap, 0);
  return clean;
}

// A control's or nested layout's place settings, clamped for the layout holding it.
LayoutItem cleanItem(const LayoutItem& item, const LayoutEntry& holder) {
  LayoutItem clean = item;
  clean.stretch = clampStretch(item.stretch);
  clean.span = std::max(item.span, 1);
  if (holder.kind == Kind::grid) clean.span = std::min(clean.span, holder.amount);
  return clean;
}

}  // namespace

Layout::Layout() : Layout(Kind::column, 1, LayoutOptions{}) {}

Layout::Layout(Kind kind, int columns, const LayoutOptions& options) {
  LayoutEntry root;
  root.kind = kind;
  root.amount = kind == Kind::grid ? std::max(columns, 1) : 0;
  root.options = cleanOptions(options);
  entries.push_back(root);
}

Layout Layout::row(const LayoutOptions& options) { return Layout(Kind::row, 1, options); }
Layout Layout::column(const LayoutOptions& options) { return Layout(Kind::column, 1, options); }
Layout Layout::grid(int columns, const LayoutOptions& options) {
  return Layout(Kind::grid, columns, options);
}

LayoutEntry& Layout::root() {
  // Only a layout moved from is empty: it goes on as an empty column.
  if (entries.empty()) entries.push_back(LayoutEntry{});
  return entries.front();
}

bool Layout::append(const LayoutEntry& entry) {
  root();
  if (!runtimeCheck(entries.size() < static_cast<std::size_t>(maximumEntries),
                    "Layout_Entries < Layout::maximumEntries", __FILE__, __LINE__))
    return false;
  entries.push_back(entry);
  entries.front().size += 1;
  return true;
}

Layout& Layout::add(const Control& control, const LayoutItem& item) {
  if (!runtimeCheck(control.hwnd != NULL, "Layout_Control_Handle != NULL", __FILE__, __LINE__))
    return *this;
  LayoutEntry entry;
  entry.kind = Kind::control;
  entry.window = control.hwnd;
  entry.item = cleanItem(item, root());
  append(entry);
  return *this;
}

Layout& Layout::add(const Layout& layout, const LayoutItem& item) {
  if (!runtimeCheck(&layout != this, "Layout_Added != this", __FILE__, __LINE__)) return *this;
  if (layout.entries.empty()) return add(Layout(), item);  // moved from: an empty column
  const std::vector<LayoutEntry>& added = layout.entries;
  int depth = added.front().depth + 1;
  if (!runtimeCheck(depth <= maximumDepth, "Layout_Depth <= Layout::maximumDepth", __FILE__,
                    __LINE__))
    return *this;
  root();
  if (!runtimeCheck(added.size() <= static_cast<std::size_t>(maximumEntries) - entries.size(),
                    "Layout_Entries <= Layout::maximumEntries", __FILE__, __LINE__))
    return *this;
  std::size_t at = entries.size();
  entries.insert(entries.end(), added.begin(), added.end());
  entries[at].item = cleanItem(item, entries.front());
  entries.front().size += static_cast<int>(added.size());
  entries.front().depth = std::max(entries.front().depth, depth);
  return *this;
}

Layout& Layout::addSpace(int units) {
  LayoutEntry entry;
  entry.kind = Kind::space;
  entry.amount = std::max(units, 0);
  append(entry);
  return *this;
}

Layout& Layout::addStretch(int stretch) {
  LayoutEntry entry;
  entry.kind = Kind::stretch;
  entry.amount = clampStretch(stretch);
  append(entry);
  return *this;
}

// ---------------------------------------------------------------------------
// The window side's view

namespace detail {

namespace {

geometry::Alignment alignmentOf(Align align) {
  switch (align) {
    case Align::start: return geometry::Alignment::start;
    case Align::centre: return geometry::Alignment::centre;
    case Align::end: return geometry::Alignment::end;
    default: return geometry::Alignment::fill;
  }
}

bool isChildOf(HWND window, HWND parent) {
  return IsWindow(window) && GetAncestor(window, GA_PARENT) == parent;
}

// Builds the geometry's nodes from a layout's entries, depth first.
class TreeBuilder {
 public:
  TreeBuilder(const std::vector<LayoutEntry>& entries, HWND parent, int dpi,
              const std::function<ControlMeasure(HWND)>& measure, std::vector<HWND>& controls)
      : entries(entries), parent(parent), dpi(dpi), measure(measure), controls(controls) {
    // Marks every place of a control but its first: its handle sorted with
    // the places, the first of each run kept.
    std::vector<std::pair<HWND, std::size_t>> places;
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].kind == Kind::control) places.push_back({entries[i].window, i});
    std::sort(places.begin(), places.end());
    repeated.assign(entries.size(), 0);
    for (std::size_t i = 1; i < places.size(); ++i)
      if (places[i].first == places[i - 1].first) repeated[places[i].second] = 1;
  }

  // The layout at entries[index] and everything in it.
  geometry::Node layout(std::size_t index, bool outermost) {
    const LayoutEntry& e = entries[index];
    geometry::Node node;
    node.kind = e.kind == Kind::row    ? geometry::Kind::row
                : e.kind == Kind::grid ? geometry::Kind::grid
                                       : geometry::Kind::column;
    node.columns = std::max(e.amount, 1);
    int margin = e.options.margin >= 0 ? e.options.margin
                 : outermost           ? LayoutOptions::windowMargin
                                       : 0;
    node.margin = layoutPixels(margin, dpi);
    node.gap = layoutPixels(e.options.gap, dpi);
    std::size_t end = std::min(entries.size(), index + static_cast<std::size_t>(e.size));
    auto step = [&](std::size_t at) {
      return static_cast<std::size_t>(std::max(entries[at].size, 1));
    };
    std::size_t count = 0;
    for (std::size_t at = index + 1; at < end; at += step(at)) ++count;
    node.children.reserve(count);
    for (std::size_t at = index + 1; at < end; at += step(at)) {
      const LayoutEntry& c = entries[at];
      geometry::Node child;
      switch (c.kind) {
        case Kind::control: child = control(c.window, repeated[at] != 0); break;
        case Kind::space:
          child.kind = geometry::Kind::space;
          child.length = layoutPixels(c.amount, dpi);
          break;
        case Kind::stretch:
          child.kind = geometry::Kind::stretch;
          child.stretch = c.amount;
          break;
        default: child = layout(at, false); break;
      }
      if (c.kind != Kind::space && c.kind != Kind::stretch) {
        child.stretch = c.item.stretch;
        child.align = alignmentOf(c.item.align);
        child.span = c.item.span;
      }
      node.children.push_back(std::move(child));
    }
    return node;
  }

 private:
  // One control's item: hidden, with no control to move, when it is hidden,
  // placed already or of another parent (a grid keeps its cell all the same).
  geometry::Node control(HWND window, bool placedBefore) {
    geometry::Node node;
    node.kind = geometry::Kind::item;
    node.hidden = true;
    if (!placedBefore && (parent == NULL || isChildOf(window, parent))) {
      ControlMeasure m = measure ? measure(window) : ControlMeasure{};
      node.natural = {layoutPixels(m.width, dpi), layoutPixels(m.height, dpi)};
      node.minimum = {
          m.minimumWidth < 0 ? node.natural.width : layoutPixels(m.minimumWidth, dpi),
          m.minimumHeight < 0 ? node.natural.height : layoutPixels(m.minimumHeight, dpi)};
      node.hidden = m.hidden;
    }
    controls.push_back(node.hidden ? HWND(NULL) : window);
    return node;
  }

  const std::vector<LayoutEntry>& entries;
  HWND parent;
  int dpi;
  const std::function<ControlMeasure(HWND)>& measure;
  std::vector<HWND>& controls;
  std::vector<char> repeated;  // by entry: a control placed before
};

}  // namespace

int layoutPixels(int units, int dpi) {
  if (dpi <= 0) dpi = 96;
  long long pixels = (static_cast<long long>(std::max(units, 0)) * dpi + 48) / 96;
  return static_cast<int>(std::min<long long>(pixels, INT_MAX));
}

LayoutTree layoutTree(const Layout& layout, HWND parent, int dpi,
                      const std::function<ControlMeasure(HWND)>& measure) {
  if (LayoutAccess::entries(layout).empty()) return layoutTree(Layout(), parent, dpi, measure);
  LayoutTree tree;
  const std::vector<LayoutEntry>& entries = LayoutAccess::entries(layout);
  TreeBuilder builder(entries, parent, dpi, measure, tree.controls);
  tree.controls.reserve(entries.size());
  tree.root = builder.layout(0, true);
  return tree;
}

std::vector<HWND> controlsOutside(const Layout& layout, HWND parent) {
  std::vector<HWND> outside;
  std::unordered_set<HWND> seen;
  for (const LayoutEntry& e : LayoutAccess::entries(layout)) {
    if (e.kind != Kind::control || !seen.insert(e.window).second) continue;
    if (!isChildOf(e.window, parent)) outside.push_back(e.window);
  }
  return outside;
}

}  // namespace detail
}  // namespace tarn
