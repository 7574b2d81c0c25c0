// Tarn colour button: ColorButton, a push button whose face shows a solid
// colour swatch (a Button with an item-less ListView inside).
#ifndef TARN_COLOR_BUTTON_H
#define TARN_COLOR_BUTTON_H

#include "controls.h"
#include "views.h"

namespace tarn {

// The swatch's window procedure: a click on the swatch presses the button and
// reports to the button's parent as WM_COMMAND with the button's identifier
// and, as lParam, the release point (y high, x low, swatch coordinates).
LRESULT CALLBACK swatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class ColorButton : public Button {
 public:
  ColorButton();
  ColorButton(int id, int x, int y, int width, int height, const Control& parent, COLORREF colour);

  Property<ColorButton, COLORREF> color;
  // The distance between the button's client edge and the swatch (5 at first).
  Property<ColorButton, int> margin;
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
