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
//
// Events (onClick, onChange): each takes a std::function. Setting one again
// replaces it, a null one removes it, and it ends with the window (every copy
// of the object names the same window, so the same events). It runs in the
// parent's procedure when the control reports the event, before the form's
// command handler (Form::onCommand) for the control's identifier and before
// the form's procedure, which both still see the message. A handler may
// destroy its own control or form. An exception leaving a handler is caught
// and reported with the runtime check (it cannot cross the system's window
// procedure); the program goes on.
//
// Classes and functions in this file (sources):
//   Button, CheckBox, RadioButton, GroupBox, Frame   controls/buttons.cpp
//   TextBox, PasswordBox, ReadOnlyBox, spinBox       controls/text_boxes.cpp
//   their events (onClick, onChange)                 controls/control_events.cpp
//   EditBox (their cut, copy, paste, undo)           controls/edit_commands.cpp
//   Label, IconBox, BmpBox, SunkenFrame              controls/statics.cpp
//   StatusBar                                        controls/status_bar.cpp
//   XOptions beside each class X (ButtonOptions ...)  the class's own source
#ifndef TARN_CONTROLS_H
#define TARN_CONTROLS_H

#include <functional>

#include "graphics.h"

namespace tarn {

// ===========================================================================
// Buttons, check boxes, radio buttons and group frames
// ===========================================================================

/// The options of a Button, in its constructor's order, each with a default:
/// `Button ok(form, {.text = "OK", .isDefault = true});`. Sizes of 0 take the
/// natural ones, an `id` of 0 an automatic identifier (see ControlOptions).
struct ButtonOptions {
  /// The button's text.
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether the button is the default push button (Enter presses it).
  bool isDefault = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
  /// Whether the button shows `icon` instead of its text.
  bool hasIcon = false;
  /// The icon shown when `hasIcon` is set (the program keeps it alive).
  Icon icon{};
};

/// A push button, optionally showing an icon. It stores itself in its window's
/// user-data slot when created.
class Button : public Control {
 public:
  /// An object with no window (hwnd 0).
  Button();
  /// Makes the button with `text` and identifier `id` at (x, y) in `parent`'s client area;
  /// `isDefault` makes it the default push button, `hasIcon` shows `icon` instead of the text.
  Button(const String& text, int id, int x, int y, int width, int height, const Control& parent,
         bool enabled, bool visible, bool centred, bool isDefault, int exStyle, bool hasIcon,
         Icon icon);
  /// Makes the button from named options (the same window as the constructor above).
  Button(const Control& parent, const ButtonOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool isDefault,
              int exStyle, bool hasIcon, Icon icon);

  /// Each returns the previous image handle. A button created without an icon
  /// (no BS_ICON) shows no image and may answer 0.
  HANDLE setIcon(Icon icon);
  /// The program's icon resource; the number's low 16 bits name it.
  HANDLE setIconResource(unsigned resourceId);

  /// Runs `handler` when the button is clicked: by the mouse, by Space while it
  /// has the focus, by Enter anywhere in its form when it is the default button
  /// (a button made with `isDefault` is the one Enter clicks, as in a dialog
  /// template), or by BM_CLICK.
  void onClick(std::function<void()> handler);
};

/// The options of a CheckBox, in its constructor's order (see ControlOptions).
struct CheckBoxOptions {
  /// The text beside the box.
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the box starts ticked.
  bool checked = false;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A two-state check box; `checked` reads false in the indeterminate state.
class CheckBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  CheckBox();
  /// Makes the check box with `text` and identifier `id` in `parent`, ticked when `checked`.
  CheckBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool checked, bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the check box from named options.
  CheckBox(const Control& parent, const CheckBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool checked, bool enabled, bool visible, bool centred,
              int exStyle);

  /// Whether the box is ticked; writing ticks or clears it.
  Property<CheckBox, bool> checked;

  /// Runs `handler` when the user clicks the box (or presses Space on it), once
  /// its tick has changed: `checked` reads the new state. Writing `checked`
  /// runs nothing.
  void onClick(std::function<void()> handler);

 private:
  bool getChecked() const;
  void setChecked(bool value);
};

/// The options of a RadioButton: text, identifier, place, states, extended style.
using RadioButtonOptions = ControlOptions;

/// A radio button. It keeps exactly the position and size it was created with
/// (no clamping, no minimum size).
class RadioButton : public Control {
 public:
  /// An object with no window (hwnd 0).
  RadioButton();
  /// Makes the radio button with `text` and identifier `id` in `parent`.
  RadioButton(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the radio button from named options.
  RadioButton(const Control& parent, const RadioButtonOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);

  /// Whether the button is chosen; writing chooses or clears it (the others of its group are
  /// left as they are).
  Property<RadioButton, bool> checked;

  /// Runs `handler` when the user chooses the button (a click, Space, or an
  /// arrow key moving to it in its group); `checked` then reads true. Writing
  /// `checked` runs nothing.
  void onClick(std::function<void()> handler);

 private:
  bool getChecked() const;
  void setChecked(bool value);
};

/// The options of a GroupBox: caption, identifier, place, states, extended style.
using GroupBoxOptions = ControlOptions;

/// A captioned frame that starts a new dialog group (WS_GROUP).
class GroupBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  GroupBox();
  /// Makes the frame with its caption `text` in `parent`.
  GroupBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the frame from named options.
  GroupBox(const Control& parent, const GroupBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
};

/// The options of a Frame: caption, identifier, place, states, extended style.
using FrameOptions = ControlOptions;

/// A captioned frame inside the current dialog group.
class Frame : public Control {
 public:
  /// An object with no window (hwnd 0).
  Frame();
  /// Makes the frame with its caption `text` in `parent`.
  Frame(const String& text, int id, int x, int y, int width, int height, const Control& parent,
        bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the frame from named options.
  Frame(const Control& parent, const FrameOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
};

/// The same class under its other name.
using FrameBox = Frame;
/// The options of a FrameBox (a Frame).
using FrameBoxOptions = FrameOptions;

// ===========================================================================
// Text boxes and the spin box
// ===========================================================================

/// What every text box (TextBox, PasswordBox, ReadOnlyBox, spinBox) shares:
/// the edit commands, which a program's Edit menu calls. Cut, copy and paste
/// go through Clipboard, in the program's code page, and wait for a busy
/// clipboard as it does. Each answers false and changes nothing (neither the
/// box nor the clipboard) when it cannot do its work; a box without a window
/// answers false to all of them.
class EditBox : public Control {
 public:
  /// Puts the selected text on the clipboard and deletes it from the box (the
  /// deletion can be undone). False when nothing is selected, for a read-only
  /// box, for a password box (its text is not to be shown), and when the
  /// clipboard stayed busy.
  bool cut();
  /// Puts the selected text on the clipboard. False when nothing is selected,
  /// for a password box, and when the clipboard stayed busy; a read-only box
  /// copies.
  bool copy() const;
  /// Replaces the selection with the clipboard's text (the replacement can be
  /// undone), as much of it as the box's text limit takes. A single-line box
  /// takes the text up to its first line break, as typing Ctrl+V does; a
  /// numbers-only box (a spinBox) takes only text made of digits 0-9. False
  /// for a read-only box, when the clipboard holds no text (or the empty
  /// text, or nothing before the first line break), for text a numbers-only
  /// box refuses, and when the clipboard stayed busy.
  bool paste();
  /// Selects the whole text.
  void selectAll();
  /// Whether undo() has something to undo (the last typing, cut or paste).
  bool canUndo() const;
  /// Undoes the last change; non-zero when something was undone.
  LRESULT undo();

 protected:
  /// The base of a text box; not made on its own.
  EditBox();
};

/// The options of a TextBox, PasswordBox or ReadOnlyBox, in their
/// constructors' order (see ControlOptions). A single-line box of height 0 is
/// one line high.
struct TextBoxOptions {
  /// The box's first text.
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether the box takes several lines (with scroll bars).
  bool multiLine = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// An editable text field, single-line (scrolling sideways as it is typed into,
/// so it takes text wider than itself) or multi-line with both scroll bars. Its
/// text limit is the system's maximum.
class TextBox : public EditBox {
 public:
  /// An object with no window (hwnd 0).
  TextBox();
  /// Makes the box with `text` and identifier `id` in `parent`; `multiLine` makes it a
  /// multi-line box with scroll bars.
  TextBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
          bool enabled, bool visible, bool centred, bool multiLine, int exStyle);
  /// Makes the box from named options.
  TextBox(const Control& parent, const TextBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool multiLine,
              int exStyle);

  /// Read-only: the number of lines (1 for an empty box).
  Property<TextBox, int> lineCount;  // read-only

  /// Replaces the selection with `text`; the replacement cannot be undone.
  void replaceSelection(const String& text);
  /// The line (0-based) that holds character `charIndex`; -1 asks for the caret's line.
  int lineFromChar(int charIndex) const;
  /// The first character of `line`, or -1 for a line that does not exist.
  int lineIndex(int line) const;
  /// The length of the line that holds character `charIndex`, without its line end.
  int lineLength(int charIndex) const;
  /// Selects the characters from `start` up to `end` (0, -1 selects everything; -1, 0 none).
  void setSelection(int start, int end);

  /// Runs `handler` after the text changed: typed, pasted, cut, undone, or
  /// set by the program (`text`, replaceSelection), once per change.
  void onChange(std::function<void()> handler);

 private:
  int getLineCount() const;
};

/// The options of a PasswordBox: those of a TextBox.
using PasswordBoxOptions = TextBoxOptions;

/// A text field that shows its text masked (single-line boxes only; a
/// multi-line box keeps ES_PASSWORD but shows the text). A single-line box
/// scrolls sideways, so it takes text wider than itself.
class PasswordBox : public EditBox {
 public:
  /// An object with no window (hwnd 0).
  PasswordBox();
  /// Makes the box with `text` and identifier `id` in `parent`.
  PasswordBox(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool multiLine,
              int exStyle);
  /// Makes the box from named options.
  PasswordBox(const Control& parent, const PasswordBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool multiLine,
              int exStyle);

  /// Runs `handler` after the text changed, as TextBox::onChange.
  void onChange(std::function<void()> handler);
};

/// The options of a ReadOnlyBox: those of a TextBox.
using ReadOnlyBoxOptions = TextBoxOptions;

/// A text field the user cannot change; its default text limit is kept. A
/// single-line box scrolls sideways, so all of a text wider than itself can be
/// read by moving the caret.
class ReadOnlyBox : public EditBox {
 public:
  /// An object with no window (hwnd 0).
  ReadOnlyBox();
  /// Makes the box with `text` and identifier `id` in `parent`.
  ReadOnlyBox(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool multiLine,
              int exStyle);
  /// Makes the box from named options.
  ReadOnlyBox(const Control& parent, const ReadOnlyBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool multiLine,
              int exStyle);

  /// Runs `handler` after the program changed the text (the user cannot), as
  /// TextBox::onChange.
  void onChange(std::function<void()> handler);
};

/// The options of a spinBox: text, identifier, place, states, extended style.
using spinBoxOptions = ControlOptions;

/// A numbers-only field with up-down arrows attached at its right edge, inside
/// the width given. The arrows are shown with a field created visible; the base
/// operations (show, hide, move, enable, destroy) act on the field alone.
class spinBox : public EditBox {
 public:
  /// An object with no window (hwnd 0).
  spinBox();
  /// Makes the field with `text` and identifier `id` in `parent`, and its arrows.
  spinBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
          bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the field and its arrows from named options.
  spinBox(const Control& parent, const spinBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);

  /// Hides the up-down arrows (the field stays).
  void hideArrows();

  /// Runs `handler` after the number changed: typed into the field, stepped
  /// by the arrows (or the Up and Down keys), or set by the program.
  void onChange(std::function<void()> handler);

  /// The up-down arrows' window; 0 until created.
  HWND spinHandle;  // the up-down arrows; 0 until created
};

// ===========================================================================
// Labels, icon boxes, bitmap boxes and sunken frames
// ===========================================================================

/// The options of a Label: text, identifier, place, states, extended style.
using LabelOptions = ControlOptions;

/// A piece of left-aligned text, laid out as a multi-line edit control would.
class Label : public Control {
 public:
  /// An object with no window (hwnd 0).
  Label();
  /// Makes the label with `text` in `parent`.
  Label(const String& text, int id, int x, int y, int width, int height, const Control& parent,
        bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the label from named options; sizes of 0 fit its text.
  Label(const Control& parent, const LabelOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, int exStyle);
};

/// The options of an IconBox, in its constructor's order (see ControlOptions).
struct IconBoxOptions {
  /// The window's name (the box shows "IconBox").
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// The icon shown (the program keeps it alive).
  Icon icon{};
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// Shows one icon and reports clicks to its parent. The box takes the icon's
/// size. The system reads a new window text as a resource name, so the text
/// stays "IconBox" (and "BmpBox" below).
class IconBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  IconBox();
  /// Makes the box showing `icon` in `parent`.
  IconBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
          Icon icon, bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the box from named options.
  IconBox(const Control& parent, const IconBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, Icon icon, bool enabled, bool visible, bool centred,
              int exStyle);

  /// Returns the previous icon, which stays the caller's.
  HICON setIcon(Icon icon);
};

/// The options of a BmpBox, in its constructor's order (see ControlOptions).
struct BmpBoxOptions {
  /// The window's name (the box shows "BmpBox").
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// The bitmap shown (the program keeps it alive).
  Bitmap bitmap{};
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// Shows one bitmap at its own size, centred, and reports clicks to its parent.
class BmpBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  BmpBox();
  /// Makes the box showing `bitmap` in `parent`.
  BmpBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
         Bitmap bitmap, bool enabled, bool visible, bool centred, int exStyle);
  /// Makes the box from named options.
  BmpBox(const Control& parent, const BmpBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, Bitmap bitmap, bool enabled, bool visible, bool centred,
              int exStyle);

  /// Returns the previous bitmap, which stays the caller's.
  HANDLE setBitmap(Bitmap bitmap);
};

/// The options of a SunkenFrame: its place and size, exactly as given.
struct SunkenFrameOptions {
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units.
  int width = 0;
  /// The height in 96-DPI units.
  int height = 0;
};

/// An empty sunken rectangle, visible at once, placed and sized exactly as given.
/// Every frame has the child identifier -1.
class SunkenFrame : public Control {
 public:
  /// An object with no window (hwnd 0).
  SunkenFrame();
  /// Makes the frame at (x, y), `width` x `height` units, in `parent`.
  SunkenFrame(int x, int y, int width, int height, const Control& parent);
  /// Makes the frame from named options.
  SunkenFrame(const Control& parent, const SunkenFrameOptions& options);
};

// ===========================================================================
// Status bar
// ===========================================================================

/// The options of a StatusBar, in its constructor's order. The bar places and
/// sizes itself; an `id` of 0 takes an automatic identifier.
struct StatusBarOptions {
  /// The parts' first texts separated by ";".
  String text{};
  /// The control identifier; 0 takes an automatic one.
  int id = 0;
  /// The number of equal parts (1..100).
  int parts = 1;
  /// Whether the bar takes input.
  bool enabled = true;
  /// Whether the bar shows.
  bool visible = true;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A strip along the bottom of its parent, divided into parts of equal width
/// (the last runs to the right edge) or of the widths given, each showing a
/// text. The bar follows its parent's width by itself: when the parent's client
/// area changes size, the bar lays itself out again and its parts are divided
/// again the way they were last set. The bar keeps each
/// part's text and raised-border flag; changing a flag redraws every part from
/// the kept texts. Parts number 1 to 100; texts and flags are kept for parts
/// 0 to 99.
class StatusBar : public Control {
 public:
  /// The most parts a bar has.
  static constexpr int maxParts = 100;

  /// An object with no window (hwnd 0).
  StatusBar();
  /// `text`: the parts' first texts separated by ";". The bar is created
  /// visible directly when `visible`.
  StatusBar(const String& text, int id, const Control& parent, int parts, bool enabled,
            bool visible, int exStyle);
  /// Makes the bar from named options.
  StatusBar(const Control& parent, const StatusBarOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, const Control& parent, int parts, bool enabled,
              bool visible, int exStyle);

  /// The texts the bar keeps for its parts, by part index.
  StringList texts;
  /// The raised-border flags the bar keeps for its parts, by part index.
  std::vector<bool> raised;
  /// The number of parts; writing it calls setParts.
  Property<StatusBar, int> partCount;  // writing it calls setParts

  /// Divides the bar into `n` equal parts of the parent's present width (n is
  /// taken into 1..100) and lays the bar out again; returns what WM_SIZE answers.
  LRESULT setParts(int n);
  /// Divides the bar into parts of these widths in units, left to right; a
  /// part of width -1 (or any negative width) takes the rest of the parent's
  /// width, shared equally when several do, and a last such part runs to the
  /// right edge. An empty list gives one part; parts past 100 are dropped.
  /// The bar keeps the widths and shares the rest again when its parent's width
  /// changes.
  void setPartWidths(std::vector<int> widths);
  /// Shows `text` in part `index` (raised when its flag is set) and keeps it.
  /// Indices outside 0..99 are ignored. The bar reports text lengths in 16
  /// bits, so it is given at most 65,535 characters; `texts` keeps them all.
  void setText(int index, const String& text);
  /// Shows each non-empty piece in its part, up to the part count, then keeps
  /// all the pieces. An empty list or a bar without parts changes nothing.
  void setTexts(const StringList& list);
  /// Splits `text` at ";" and shows the pieces as setTexts(const StringList&) does.
  void setTexts(const String& text);
  /// The text the bar shows in part `index`; empty for a part it does not have.
  String text(int index) const;
  /// Sets part `index`'s raised border (0..99) and redraws every part.
  void setRaised(int index, bool flag);
  /// Lays the bar out again along its parent's bottom edge and repaints it; nonzero on
  /// success.
  BOOL refresh();

 private:
  int getPartCount() const;
  void setPartCount(int n) { setParts(n); }
  static bool keeps(int index) { return index >= 0 && index < maxParts; }
};

}  // namespace tarn

#endif  // TARN_CONTROLS_H
