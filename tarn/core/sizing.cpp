// The padding rules of natural sizes (see sizing.h). Every constant is in
// 96-DPI units, the measures of the standard controls at 100 %.
#include "tarn/core/sizing.h"

#include <algorithm>

namespace tarn {
namespace detail {

namespace {

constexpr Extent standardButton = {75, 23};  // the usual push button
constexpr int buttonPadding = 8;             // each side of the text: border, focus rectangle, air
constexpr int buttonRim = 4;                 // above and below the text
constexpr int checkMark = 13;                // the check or radio box
constexpr int checkGap = 6;                  // between the box and the text
constexpr int checkRoom = 3;                 // the focus rectangle around the text
constexpr int checkHeight = 17;              // a check box row
constexpr int fieldRim = 4;                  // a text box's sunken edge and margin, each side
constexpr int scrollBar = 17;                // a scroll bar's thickness, or a drop arrow's width
constexpr int fieldWidth = 120;              // a text box or combo box without much text
constexpr int multiLineWidth = 240;
constexpr int multiLineRows = 6;
constexpr Extent listSize = {120, 96};
constexpr Extent viewSize = {200, 150};
constexpr Extent tabSize = {300, 200};
constexpr Extent richTextSize = {300, 200};
constexpr int barLength = 200;
constexpr int barThickness = 24;  // a slider's thumb and ticks; progress and scroll bars fit inside
constexpr int groupInset = 8;     // the caption's distance from the frame's ends
constexpr Extent groupSize = {160, 96};

}  // namespace

int unitsCovering(int pixels, int dpi) {
  if (dpi < 1) dpi = 96;
  if (pixels <= 0) return 0;
  long long units = (static_cast<long long>(pixels) * 96 + dpi - 1) / dpi;
  return static_cast<int>(std::min<long long>(units, 1 << 30));
}

Extent naturalExtent(SizingKind kind, const TextMeasure& text, int dpi, Extent present) {
  int width = unitsCovering(text.width, dpi);
  int height = unitsCovering(std::max(text.height, text.lineHeight), dpi);
  int line = unitsCovering(text.lineHeight, dpi);
  switch (kind) {
    case SizingKind::pushButton:
      return {std::max(standardButton.width, width + 2 * buttonPadding),
              std::max(standardButton.height, height + 2 * buttonRim)};
    case SizingKind::checkBox:
      return {checkMark + checkGap + width + checkRoom,
              std::max(checkHeight, std::max(height, checkMark) + 4)};
    case SizingKind::groupBox:
      return {std::max(groupSize.width, width + 2 * groupInset),
              std::max(groupSize.height, height + 2 * line)};
    case SizingKind::label: return {std::max(width, 1), height};
    case SizingKind::singleLine:
      return {std::max(fieldWidth, width + 2 * fieldRim + 2), line + 2 * fieldRim};
    case SizingKind::multiLine:
      return {std::max(multiLineWidth, width + 2 * fieldRim + scrollBar),
              std::max(multiLineRows * line, height) + 2 * fieldRim + scrollBar};
    case SizingKind::list: return listSize;
    case SizingKind::comboBox:
      return {std::max(fieldWidth, width + 2 * fieldRim + scrollBar), line + 2 * fieldRim + 2};
    case SizingKind::view: return viewSize;
    case SizingKind::tab: return tabSize;
    case SizingKind::richText: return richTextSize;
    case SizingKind::horizontalBar: return {barLength, barThickness};
    case SizingKind::verticalBar: return {barThickness, barLength};
    case SizingKind::form: return defaultFormSize;
    case SizingKind::asItIs: return present;
  }
  return present;
}

}  // namespace detail
}  // namespace tarn
