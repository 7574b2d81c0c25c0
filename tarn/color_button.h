// Tarn colour button: ColorButton, a push button whose face shows a solid
// colour swatch (a Button with an item-less ListView inside).
//
// Classes and functions in this file (sources):
//   ColorButton   forms/color_button.cpp
//   ColorButtonOptions   forms/color_button.cpp
#ifndef TARN_COLOR_BUTTON_H
#define TARN_COLOR_BUTTON_H

#include "controls.h"
#include "views.h"

namespace tarn {

/// The swatch's window procedure: a click on the swatch presses the button and
/// reports to the button's parent as WM_COMMAND with the button's identifier
/// and, as lParam, the release point (y high, x low, swatch coordinates).
LRESULT CALLBACK swatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// The options of a ColorButton, in its constructor's order (see ControlOptions).
struct ColorButtonOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes a push button's usual 75.
  int width = 0;
  /// The height in 96-DPI units; 0 takes a push button's usual 23.
  int height = 0;
  /// The swatch's colour (0x00BBGGRR).
  COLORREF colour = 0;
};

/// A push button showing a colour swatch: a list view inside the button, `margin` units in
/// from its edges, whose background is the colour. Its onClick (Button's) runs for a click on
/// the swatch as for one on the rim.
class ColorButton : public Button {
 public:
  /// An object with no window (hwnd 0).
  ColorButton();
  /// Makes the button with identifier `id` in `parent`, its swatch showing `colour`.
  ColorButton(int id, int x, int y, int width, int height, const Control& parent, COLORREF colour);
  /// Makes the button from named options.
  ColorButton(const Control& parent, const ColorButtonOptions& options);

  /// The swatch's colour; writing repaints it.
  Property<ColorButton, COLORREF> color;
  /// The distance between the button's client edge and the swatch (5 at first).
  Property<ColorButton, int> margin;
  /// The list view that shows the colour.
  ListView swatch;

 private:
  void bindColorButtonProperties();
  COLORREF getColor() const { return swatch.backColor(); }
  void setColor(COLORREF colour) { swatch.setBackColor(colour); }
  int getMargin() const { return marginValue; }
  void setMargin(int m);

  int marginValue;
};

}  // namespace tarn

#endif  // TARN_COLOR_BUTTON_H
