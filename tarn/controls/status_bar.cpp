// The status bar: equal parts along the bottom of the parent, with texts and
// raised borders kept on the toolkit's side.
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>
#include <string>
#include <utility>

#include "tarn/controls.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/child_layout.h"

namespace tarn {

namespace {
constexpr DWORD barStyle = WS_CHILD | SBARS_SIZEGRIP;  // 0x40000100, plus WS_VISIBLE when visible
constexpr WPARAM allParts = 255;
// The bar reports a part's text length in 16 bits: longer texts are cut to
// this so a read-back buffer sized from that length always holds them.
constexpr std::size_t longestPartText = 0xFFFF;
// No screen is this wide; a larger width is taken as this, so sums stay in range.
constexpr int widestPart = 100000;

int parentWidth(HWND bar) {
  RECT client = {0, 0, 0, 0};
  GetClientRect(GetParent(bar), &client);
  return client.right;
}

// `n` parts sharing `total` pixels: every part `total / n` wide, the last
// running to the right edge.
std::vector<int> equalWidths(int total, int n) {
  std::vector<int> widths(static_cast<std::size_t>(n), total / n);
  widths.back() = -1;
  return widths;
}

// The right edges SB_SETPARTS takes for parts of these widths on a bar `total`
// pixels wide; -1 for a last part that runs to the right edge.
std::vector<int> partEdges(const std::vector<int>& widths, int total) {
  int fixed = 0, rest = 0;
  for (int w : widths) w < 0 ? ++rest : fixed += std::min(w, widestPart);
  int share = rest > 0 ? std::max(total - fixed, 0) / rest : 0;
  std::vector<int> edges;
  int edge = 0;
  for (int w : widths) edges.push_back(edge += w < 0 ? share : std::min(w, widestPart));
  if (widths.back() < 0) edges.back() = -1;
  return edges;
}

void setEdges(HWND bar, const std::vector<int>& edges) {
  detail::send(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

// When the parent's width changes the bar places itself again (WM_SIZE) and
// its parts are divided by `widthsFor(new width)`.
void followParent(HWND bar, std::function<std::vector<int>(int)> widthsFor) {
  detail::followParentSize(bar, [widthsFor](HWND window) {
    detail::send(window, WM_SIZE);
    setEdges(window, partEdges(widthsFor(parentWidth(window)), parentWidth(window)));
  });
}

}  // namespace

StatusBar::StatusBar() {
  parentHwnd = NULL;
  partCount.bind(this, &StatusBar::getPartCount, &StatusBar::setPartCount);
}

StatusBar::StatusBar(const String& text_, int id_, const Control& parent, int parts, bool enabled_,
                     bool visible_, int exStyle)
    : StatusBar() {
  create(text_, id_, parent, parts, enabled_, visible_, exStyle);
}

void StatusBar::create(const String& text_, int id_, const Control& parent, int parts,
                       bool enabled_, bool visible_, int exStyle) {
  partCount.bind(this, &StatusBar::getPartCount, &StatusBar::setPartCount);
  texts = text_.split(";");
  detail::createChild(*this, STATUSCLASSNAMEA, NULL, barStyle | (visible_ ? WS_VISIBLE : 0),
                      static_cast<DWORD>(exStyle), 0, 0, 0, 0, parent.hwnd, id_);
  setDefaultFont();
  setParts(parts);
  setTexts(text_);
  if (!enabled_) disable();
}

int StatusBar::getPartCount() const {
  return static_cast<int>(detail::send(hwnd, SB_GETPARTS, allParts));
}

LRESULT StatusBar::setParts(int n) {
  n = std::min(std::max(n, 1), maxParts);
  std::size_t parts = static_cast<std::size_t>(n);
  if (raised.size() < parts) raised.resize(parts, false);
  setEdges(hwnd, partEdges(equalWidths(parentWidth(hwnd), n), parentWidth(hwnd)));
  followParent(hwnd, [n](int total) { return equalWidths(total, n); });
  return detail::send(hwnd, WM_SIZE);
}

void StatusBar::setPartWidths(std::vector<int> widths) {
  if (widths.empty()) widths.push_back(-1);
  if (widths.size() > static_cast<std::size_t>(maxParts)) widths.resize(maxParts);
  if (raised.size() < widths.size()) raised.resize(widths.size(), false);
  // Widths are units: each layout turns them into the bar's pixels at its DPI.
  auto pixels = [bar = hwnd, widths](int) {
    std::vector<int> scaled = widths;
    int dpi = detail::dpiOf(bar);
    for (int& w : scaled)
      if (w > 0) w = detail::scale(w, dpi);
    return scaled;
  };
  setEdges(hwnd, partEdges(pixels(0), parentWidth(hwnd)));
  followParent(hwnd, pixels);
  detail::send(hwnd, WM_SIZE);
}

// Indices from 256 on would reach the bar as drawing flags (512 is SBT_POPOUT
// on part 0), and 255 is the bar's simple-mode text: only the parts a bar can
// have are passed on.
void StatusBar::setText(int index, const String& value) {
  if (!keeps(index)) return;
  std::size_t at = static_cast<std::size_t>(index);
  if (raised.size() <= at) raised.resize(at + 1, false);
  while (texts.size() <= index) texts.add(String());
  WPARAM part = static_cast<WPARAM>(index) | (raised[at] ? SBT_POPOUT : 0);
  const std::string& chars = value.str();
  if (chars.size() > longestPartText) {
    std::string cut = chars.substr(0, longestPartText);
    detail::send(hwnd, SB_SETTEXTA, part, detail::textArgument(cut));
  } else {
    detail::send(hwnd, SB_SETTEXTA, part, detail::textArgument(chars));
  }
  texts[index] = value;
}

void StatusBar::setTexts(const StringList& list) {
  int parts = getPartCount();
  if (parts <= 0 || list.size() == 0) return;
  StringList pieces(list);  // `list` may be `texts` itself, which setText changes
  for (int i = 0; i < std::min(pieces.size(), parts); ++i)
    if (!pieces[i].str().empty()) setText(i, pieces[i]);
  texts = pieces;
}

void StatusBar::setTexts(const String& text_) { setTexts(text_.split(";")); }

String StatusBar::text(int index) const {
  if (index < 0 || index > static_cast<int>(allParts)) return String();
  LRESULT answer = detail::send(hwnd, SB_GETTEXTLENGTHA, static_cast<WPARAM>(index));
  // Zeroed: for a part it does not have, the bar leaves the room untouched.
  std::string chars(static_cast<std::size_t>(LOWORD(answer)) + 1, '\0');
  detail::send(hwnd, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&chars[0]));
  chars.resize(std::strlen(chars.c_str()));
  return String(std::move(chars));
}

void StatusBar::setRaised(int index, bool flag) {
  if (!keeps(index)) return;
  std::size_t at = static_cast<std::size_t>(index);
  if (raised.size() <= at) raised.resize(at + 1, false);
  raised[at] = flag;
  setTexts(texts);
}

BOOL StatusBar::refresh() {
  detail::send(hwnd, WM_SIZE);
  return InvalidateRect(hwnd, NULL, TRUE);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

StatusBar::StatusBar(const Control& parent, const StatusBarOptions& o)
    : StatusBar(o.text, detail::optionsId(o.id), parent, o.parts, o.enabled, o.visible, o.exStyle) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
