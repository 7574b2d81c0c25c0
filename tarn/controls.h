// Tarn standard controls: buttons, check and radio boxes and group frames;
// text boxes and the spin box; labels, picture boxes and sunken frames; the
// status bar; and ControlGroup, which enables, disables, shows and hides
// window objects together. List and combo boxes are in lists.h.
//
// Every control is a Control (core.h) with three ways in: a constructor
// without arguments (no window), a creation constructor, and create(...) with
// the same arguments for an object built without them. Creation makes the
// window without WS_VISIBLE, places and sizes it (negative positions become 0,
// sizes below 10 become 10), gives it the default GUI font, centres it when
// asked, disables it when not enabled and shows it when visible. Pictures are
// passed by value and never freed by the controls.
#ifndef TARN_CONTROLS_H
#define TARN_CONTROLS_H

#include "graphics.h"

namespace tarn {

// ===========================================================================
// Buttons, check boxes, radio buttons and group frames
// ===========================================================================

// A push button, optionally showing an icon. It stores itself in its window's
// user-data slot when created.
class Button : public Control {
 public:
  Button();
  Button(const String& text, int id, int x, int y, int width, int height, const Control& parent,
         bool enabled, bool visible, bool centred, bool isDefault, int exStyle, bool hasIcon,
         Icon icon);
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool isDefault,
              int exStyle, bool hasIcon, Icon icon);

  // Each returns the previous image handle. A button created without an icon
  // (no BS_ICON) shows no image and may answer 0.
  HANDLE setIcon(Icon icon);
  // The program's icon resource; the number's low 16 bits name it.
  HANDLE setIconResource(unsigned resourceId);
};

// A two-state check box; `checked` reads false in the indeterminate state.
class CheckBox : public Control {
 public:
  CheckBox();
  CheckBox(const String& text, int id, int x, int y, int width, int height,
           const Control& parent, bool checked, bool enabled, bool visible, bool centred,
           int exStyle);
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool checked, bool enabled, bool visible, bool centred,
              int exStyle);

  Property<CheckBox, bool> checked;

 private:
  bool getChecked() const;
  void setChecked(bool value);
};

// A radio button. It keeps exactly the position and size it was created with
// (no clamping, no minimum size).
class RadioButton : public Control {
 public:
  RadioButton();
  RadioButton(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);

  Property<RadioButton, bool> checked;

 private:
  bool getChecked() const;
  void setChecked(bool value);
};

// A captioned frame that starts a new dialog group (WS_GROUP).
class GroupBox : public Control {
 public:
  GroupBox();
  GroupBox(const String& text, int id, int x, int y, int width, int height,
           const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
};

// A captioned frame inside the current dialog group.
class Frame : public Control {
 public:
  Frame();
  Frame(const String& text, int id, int x, int y, int width, int height, const Control& parent,
        bool enabled, bool visible, bool centred, int exStyle);
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
};

using FrameBox = Frame;

}  // namespace tarn

#endif  // TARN_CONTROLS_H
