// Tarn splitter: a draggable bar between two groups of controls.
//
// Classes and functions in this file (sources):
//   Splitter, splitterProcedure, splitterClamp   forms/splitter.cpp
//   SplitterOptions                              forms/splitter.cpp
#ifndef TARN_SPLITTER_H
#define TARN_SPLITTER_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Splitter
// ===========================================================================

/// Where a splitter may stand for position `p`: at least minPos (a negative
/// minPos counts as 0), at most maxPos - thickness, and minPos when those cross.
int splitterClamp(int p, int minPos, int maxPos, int thickness);

/// The options of a Splitter, in its constructor's order.
struct SplitterOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// Whether the bar lies across the parent and moves up and down (false: it stands and moves
  /// sideways).
  bool horizontal = false;
  /// The bar's thickness in 96-DPI units.
  int thickness = 5;
  /// Whether the bar shows.
  bool visible = true;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A thin bar the user drags to divide the parent between the controls before
/// it (above or left) and after it (below or right). While dragging it inverts
/// a hatched bar on the parent; on release it moves there and sends the parent
/// WM_COMMAND with its identifier as wParam and its new position as lParam.
class Splitter : public Control {
 public:
  /// An object with no bar.
  Splitter();
  /// Makes the bar with identifier `id` across (`horizontal`) or down `parent`'s client area,
  /// `thickness` units thick, and drives the bar.
  /// horizontal: the bar lies across the parent and moves up and down.
  Splitter(int id, const Control& parent, bool horizontal, int thickness, bool visible,
           int exStyle);
  /// Makes the bar from named options.
  Splitter(const Control& parent, const SplitterOptions& options);
  /// Ends a drag under way and stops driving the bar; the window stays.
  ~Splitter();
  /// A copy that does not drive the bar (see the notes above).
  Splitter(const Splitter& other) = default;
  /// Takes over driving the bar from `other`.
  Splitter(Splitter&& other) = default;
  /// Copies the fields of `other`; the copy does not drive the bar.
  Splitter& operator=(const Splitter& other) = default;
  /// Takes over driving the bar from `other`.
  Splitter& operator=(Splitter&& other) = default;

  /// Read-only: the bar's thickness in units.
  Property<Splitter, int> thickness;  // read-only
  /// Write: setPosition. Read: the bar's y (horizontal) or x (vertical).
  Property<Splitter, int> position;
  /// The smallest position the bar takes.
  int minPos;
  /// The largest position of the bar's far edge.
  int maxPos;
  /// The bar's own window procedure, which the splitter's handling passes on to.
  WNDPROC previousProc;
  /// Whether a drag is under way.
  bool dragging;
  /// Whether the bar lies across the parent and moves up and down.
  bool horizontal;
  /// A plain object for the parent window.
  Control parentControl;
  /// Where the bar stands during a drag.
  int dragPos;
  /// The controls above or left of the bar, resized by layoutPanes.
  std::vector<Control*> before;
  /// The controls below or right of the bar, resized by layoutPanes.
  std::vector<Control*> after;

  /// Moves the bar to `p` clamped by the limits (a negative p goes to the far
  /// end) and reports the place to the parent.
  void setPosition(int p);
  /// Sets the limits and moves the bar inside them when it stands outside.
  void setLimits(int min, int max);
  /// Adds a control above or left of the bar; it must outlive the splitter's use of it.
  void addBefore(Control* control) { before.push_back(control); }
  /// Adds a control below or right of the bar; it must outlive the splitter's use of it.
  void addAfter(Control* control) { after.push_back(control); }
  /// Adds controls to `after` (true) or `before` (false), up to the first null.
  template <class... Controls>
  void addControls(bool toAfter, Controls... controls) {
    Control* list[] = {static_cast<Control*>(controls)..., nullptr};
    for (Control* c : list) {
      if (c == nullptr) break;
      (toAfter ? after : before).push_back(c);
    }
  }
  /// Fits the controls of both lists to the bar, keeping their far edges.
  void layoutPanes();

  /// The position last requested through setPosition.
  int requestedPosition() const { return requested; }

 private:
  friend LRESULT CALLBACK splitterProcedure(HWND, UINT, WPARAM, LPARAM);
  friend bool driveSplitter(detail::WindowRecord&, UINT, WPARAM, LPARAM, LRESULT&);
  // The drag's messages for the bar `window`; true when one was taken.
  static bool handleMessage(HWND window, UINT message, LPARAM lParam, LRESULT& result);

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
  // Names the splitter that drives its window in the window's record: follows
  // moves, is not taken by copies, and is cleared when the splitter goes.
  detail::ObjectLink link;
};

/// The splitter's window procedure, for a program that installs it on a bar
/// itself (a splitter drives its own bar without it): drives the drag for the
/// splitter registered with the bar and reports the new position; other
/// messages go to the bar's class procedure.
LRESULT CALLBACK splitterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarn

#endif  // TARN_SPLITTER_H
