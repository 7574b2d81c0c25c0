// Tarn composite windows: MDIForm (a frame with a multiple-document area and
// its child forms), Splitter (a draggable bar between two groups of controls)
// and VideoControl (silent AVI clips through the system animation control).
#ifndef TARN_MDI_H
#define TARN_MDI_H

#include "forms.h"

namespace tarn {

// ===========================================================================
// MDI forms
// ===========================================================================

// Procedures of the MDI windows. They act on the window they are called for,
// never through an object: the frame's fits its MDICLIENT to the frame on
// WM_SIZE and ends the program on WM_CLOSE; the child's hides the child on
// WM_CLOSE, handing activation to the next child first.
INT_PTR CALLBACK mdiFrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK mdiChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A form holding an MDICLIENT window that fills its client area. Tiling,
// cascading and activation are the client's messages: send WM_MDITILE,
// WM_MDICASCADE, WM_MDIACTIVATE, WM_MDINEXT or WM_MDIGETACTIVE to client.hwnd.
class MDIForm : public Form {
 public:
  MDIForm();
  // The frame is always top-level: `parent` is kept as parentHwnd only, and
  // `child` is ignored.
  MDIForm(const String& caption, int x, int y, int width, int height, int kind, bool enabled,
          bool visible, bool maximised, bool minimised, bool centred, const Control& parent,
          bool child, int exStyle);

  Control client;
  CLIENTCREATESTRUCT clientCreate;

  // Opens a child form in the client area and makes it the active child. The
  // child keeps the system's MDI handling whatever procedure the program
  // installs on it. Without a client: the runtime check, then a Form().
  Form addChild(const String& caption, int x, int y, int width, int height, int kind, int exStyle);

  // Paints the client area in a solid colour. The brush belongs to the MDICLIENT
  // class, so every frame of the program shows the last colour set; a new frame
  // resets it to white. True when a brush was in place before.
  bool setClientColor(COLORREF colour);
};

// The frame style of an MDI frame of this kind (top-level, clipping children).
DWORD mdiFrameStyle(int kind);
// The style of an MDI child of this kind.
DWORD mdiChildStyle(int kind);

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

  // Names the splitter that drives its window to splitterProcedure: follows
  // moves, is not taken by copies, and is cleared when the splitter goes.
  class Link {
   public:
    Link() = default;
    Link(const Link& other) : offset(other.offset) {}
    Link(Link&& other) noexcept;
    Link& operator=(const Link& other);
    Link& operator=(Link&& other) noexcept;
    ~Link();
    void place(const Splitter* owner);

   private:
    Splitter* owner() const;
    std::ptrdiff_t offset = 0;
  };

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

  int thicknessValue;
  int requested;
  HDC dragDc;
  bool parentClipped;
  Link link;
};

LRESULT CALLBACK splitterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ===========================================================================
// Video control
// ===========================================================================

// Plays silent AVI clips (uncompressed or RLE) through the system animation
// control. Start and stop come to the parent as WM_COMMAND with ACN_START and
// ACN_STOP in the high word.
class VideoControl : public Control {
 public:
  VideoControl();
  VideoControl(int id, const Control& parent, const String& file, int x, int y, int width,
               int height, bool visible, bool autoPlay, bool centred, int exStyle);

  // False for an empty name (nothing is sent) or a clip the control refuses.
  bool open(const String& file);
  // Plays from frame `from` to the end: once, or `count` times when `repeat`
  // (-1: until stop).
  bool play(int from, bool repeat, int count);
  bool stop();
};

}  // namespace tarn

#endif  // TARN_MDI_H
