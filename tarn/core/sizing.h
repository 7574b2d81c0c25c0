// Private to the toolkit: the natural size of a control from the measures of
// its text, as pure arithmetic (no system call), so the padding rules can be
// checked by tables. The window side (natural_size.cpp) measures and asks.
#ifndef TARN_CORE_SIZING_H
#define TARN_CORE_SIZING_H

namespace tarn {
namespace detail {

// What a control shows, as far as its natural size goes.
enum class SizingKind {
  pushButton,     // text with the button's padding
  checkBox,       // a check or radio box and its text
  groupBox,       // a captioned frame around other controls
  label,          // lines of text, nothing around them
  singleLine,     // a text box or date picker one line high
  multiLine,      // a text box of several lines with scroll bars
  list,           // a list box
  comboBox,       // a combo box's closed field and its arrow
  view,           // list, table and tree views, picture boxes
  tab,            // a tab control
  richText,       // a rich text box
  horizontalBar,  // a progress bar, slider or scroll bar lying down
  verticalBar,    // the same standing up
  form,           // a top-level or child form
  asItIs,         // sizes itself (status bar, toolbar, pictures): its present size
};

// Measures in device pixels of the window's DPI.
struct TextMeasure {
  int width = 0;         // the widest line of the text
  int height = 0;        // all its lines
  int lineHeight = 0;    // one line of the font
  int averageWidth = 0;  // the font's average character width
};

// A width and a height in 96-DPI units.
struct Extent {
  int width = 0;
  int height = 0;
};

// The size a form made with width or height 0 takes, and a form's natural size.
constexpr Extent defaultFormSize = {480, 360};

// Device pixels at `dpi` as 96-DPI units, rounded up, so the units scaled back
// (rounded to nearest) cover at least the pixels. A DPI below 1 counts as 96.
int unitsCovering(int pixels, int dpi);

// The natural size, in 96-DPI units, of a control of `kind` showing text of
// `text` at `dpi`. `present` is the window's size now (answered for asItIs).
Extent naturalExtent(SizingKind kind, const TextMeasure& text, int dpi, Extent present);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_SIZING_H
