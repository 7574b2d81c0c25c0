// Tarn splitter: a draggable bar between two groups of controls.
//
// Classes and functions in this file (sources):
//   Splitter, splitterProcedure, splitterClamp   core/splitter.cpp
#ifndef TARN_SPLITTER_H
#define TARN_SPLITTER_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Splitter
// ===========================================================================

// Where a splitter may stand for position `p`: at least minPos (a negative
// minPos counts as 0), at most maxPos - thickness, and minPos when those cross.
int splitterClamp(int p, int minPos, int maxPos, int thickness);

// A thin bar the user drags to divide the parent between the controls before
// it (above or left) and after it (below or right). While dragging it inverts
// a hatched bar on the parent; on release it moves there and sends the parent
// WM_COMMAND with its identifier as wParam and its new position as lParam.
class Splitter : public Control {
 public:
  Splitter();
  // horizontal: the bar lies across the parent and moves up and down.
  Splitter(int id, const Control& parent, bool horizontal, int thickness, bool visible,
           int exStyle);
  ~Splitter();
  Splitter(const Splitter& other) = default;
  Splitter(Splitter&& other) = default;
  Splitter& operator=(const Splitter& other) = default;
  Splitter& operator=(Splitter&& other) = default;

  Property<Splitter, int> thickness;  // read-only
  // Write: setPosition. Read: the bar's y (horizontal) or x (vertical).
  Property<Splitter, int> position;
  int minPos;
  int maxPos;
  WNDPROC previousProc;
  bool dragging;
  bool horizontal;
  Control parentControl;
  int dragPos;
  std::vector<Control*> before;
  std::vector<Control*> after;

  // Moves the bar to `p` clamped by the limits (a negative p goes to the far
  // end) and reports the place to the parent.
  void setPosition(int p);
  void setLimits(int min, int max);
  void addBefore(Control* control) { before.push_back(control); }
  void addAfter(Control* control) { after.push_back(control); }
  // Adds controls to `after` (true) or `before` (false), up to the first null.
  template <class... Controls>
  void addControls(bool toAfter, Controls... controls) {
    Control* list[] = {static_cast<Control*>(controls)..., nullptr};
    for (Control* c : list) {
      if (c == nullptr) break;
      (toAfter ? after : before).push_back(c);
    }
  }
  // Fits the controls of both lists to the bar, keeping their far edges.
  void layoutPanes();

  // The position last requested through setPosition.
  int requestedPosition() const { return requested; }

 private:
  friend LRESULT CALLBACK splitterProcedure(HWND, UINT, WPARAM, LPARAM);

  void bindSplitterProperties();
  int getThickness() const { return thicknessValue; }
  int getPosition() const;
  void setPositionValue(int p) { setPosition(p); }
  int coordinate() const;
  void setCoordinate(int value);
  void drawDragBar(int at) const;
  bool linked() const;
  void beginDrag();
  void moveDrag(LPARAM point);
  void endDrag();
  void cancelDrag();
  void restoreParentClip();
  void releaseDragDc();

  int thicknessValue;
  int requested;
  HDC dragDc;  // the parent's, from beginDrag to releaseDragDc
  bool parentClipped;
  // Names the splitter that drives its window to splitterProcedure: follows
  // moves, is not taken by copies, and is cleared when the splitter goes.
  detail::ObjectLink link;
};

LRESULT CALLBACK splitterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarn

#endif  // TARN_SPLITTER_H
