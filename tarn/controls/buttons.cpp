// Buttons on the system BUTTON class: push buttons, check boxes, radio buttons
// and group frames.
#include "tarn/controls.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

constexpr DWORD buttonStyle = WS_CHILD | WS_TABSTOP | BS_MULTILINE;              // 0x40012000
constexpr DWORD checkBoxStyle = buttonStyle | BS_AUTOCHECKBOX;                   // 0x40012003
constexpr DWORD radioButtonStyle = buttonStyle | BS_AUTORADIOBUTTON;             // 0x40012009
constexpr DWORD groupBoxStyle = WS_CHILD | WS_GROUP | WS_TABSTOP | BS_GROUPBOX;  // 0x40030007
constexpr DWORD frameStyle = WS_CHILD | WS_TABSTOP | BS_GROUPBOX;                // 0x40010007
constexpr ATOM dialogClassAtom = 0x8002;                                         // "#32770"

// BM_GETCHECK answers BST_INDETERMINATE for a third-state box: only a plain
// check counts as checked.
bool isChecked(HWND window) { return detail::send(window, BM_GETCHECK) == BST_CHECKED; }

void setCheck(HWND window, bool value) {
  detail::send(window, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
}

// A default button is what a dialog template's DEFPUSHBUTTON is: its form's
// dialog manager is told its identifier, so Enter clicks it (its onClick,
// then its command) rather than sending IDOK. Only a dialog-class parent is
// told: to other windows DM_SETDEFID's number means something else.
void makeDefault(HWND button) {
  HWND parent = GetParent(button);
  if (button != NULL && GetClassLongPtrA(parent, GCW_ATOM) == dialogClassAtom)
    detail::send(parent, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(button)));
}

// The closing steps of every button: centre, disable, then `beforeShow`, then show.
template <class Step>
void finish(Control& self, bool centred, bool enabled, bool visible, Step beforeShow) {
  detail::settleChild(self, centred, enabled);
  beforeShow();
  if (visible) self.show();
}

}  // namespace

// ---------------------------------------------------------------------------
// Button

Button::Button() { parentHwnd = NULL; }

Button::Button(const String& text_, int id_, int x_, int y_, int width_, int height_,
               const Control& parent, bool enabled_, bool visible_, bool centred, bool isDefault,
               int exStyle, bool hasIcon, Icon icon)
    : Button() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, isDefault,
         exStyle, hasIcon, icon);
}

void Button::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                    const Control& parent, bool enabled_, bool visible_, bool centred,
                    bool isDefault, int exStyle, bool hasIcon, Icon icon) {
  DWORD style = buttonStyle | (hasIcon ? BS_ICON : 0) | (isDefault ? BS_DEFPUSHBUTTON : 0);
  detail::createChild(*this, "BUTTON", "Button", style, static_cast<DWORD>(exStyle), x_, y_, width_,
                      height_, parent.hwnd, id_);
  if (isDefault) makeDefault(hwnd);
  text = text_;
  detail::placeChild(*this, x_, y_, width_, height_);
  finish(*this, centred, enabled_, visible_, [&] {
    if (hasIcon) setIcon(icon);
  });
  registerObject();
}

HANDLE Button::setIcon(Icon icon) {
  return reinterpret_cast<HANDLE>(
      detail::send(hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.handle)));
}

HANDLE Button::setIconResource(unsigned resourceId) {
  HICON loaded = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId & 0xFFFF));
  return setIcon(Icon(loaded));
}

// ---------------------------------------------------------------------------
// CheckBox

CheckBox::CheckBox() {
  parentHwnd = NULL;
  checked.bind(this, &CheckBox::getChecked, &CheckBox::setChecked);
}

CheckBox::CheckBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool checked_, bool enabled_, bool visible_, bool centred,
                   int exStyle)
    : CheckBox() {
  create(text_, id_, x_, y_, width_, height_, parent, checked_, enabled_, visible_, centred,
         exStyle);
}

void CheckBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                      const Control& parent, bool checked_, bool enabled_, bool visible_,
                      bool centred, int exStyle) {
  checked.bind(this, &CheckBox::getChecked, &CheckBox::setChecked);
  detail::createChild(*this, "BUTTON", "", checkBoxStyle, static_cast<DWORD>(exStyle), x_, y_,
                      width_, height_, parent.hwnd, id_);
  text = text_;
  detail::placeChild(*this, x_, y_, width_, height_);
  finish(*this, centred, enabled_, visible_, [&] {
    if (checked_) setCheck(hwnd, true);
  });
}

bool CheckBox::getChecked() const { return isChecked(hwnd); }
void CheckBox::setChecked(bool value) { setCheck(hwnd, value); }

// ---------------------------------------------------------------------------
// RadioButton

RadioButton::RadioButton() {
  parentHwnd = NULL;
  checked.bind(this, &RadioButton::getChecked, &RadioButton::setChecked);
}

RadioButton::RadioButton(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         int exStyle)
    : RadioButton() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, exStyle);
}

// The window keeps the geometry it was created with: no moveTo or resize.
void RadioButton::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         int exStyle) {
  checked.bind(this, &RadioButton::getChecked, &RadioButton::setChecked);
  detail::createChild(*this, "BUTTON", text_.c_str(), radioButtonStyle, static_cast<DWORD>(exStyle),
                      x_, y_, width_, height_, parent.hwnd, id_);
  setDefaultFont();
  finish(*this, centred, enabled_, visible_, [] {});
}

bool RadioButton::getChecked() const { return isChecked(hwnd); }
void RadioButton::setChecked(bool value) { setCheck(hwnd, value); }

// ---------------------------------------------------------------------------
// Group frames: the caption is the window name.

namespace {
void createFrame(Control& self, DWORD style, const String& text, int id, int x, int y, int width,
                 int height, const Control& parent, bool enabled, bool visible, bool centred,
                 int exStyle) {
  detail::createChild(self, "BUTTON", text.c_str(), style, static_cast<DWORD>(exStyle), x, y, width,
                      height, parent.hwnd, id);
  detail::placeChild(self, x, y, width, height);
  finish(self, centred, enabled, visible, [] {});
}
}  // namespace

GroupBox::GroupBox() { parentHwnd = NULL; }

GroupBox::GroupBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle)
    : GroupBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, exStyle);
}

void GroupBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                      const Control& parent, bool enabled_, bool visible_, bool centred,
                      int exStyle) {
  createFrame(*this, groupBoxStyle, text_, id_, x_, y_, width_, height_, parent, enabled_, visible_,
              centred, exStyle);
}

Frame::Frame() { parentHwnd = NULL; }

Frame::Frame(const String& text_, int id_, int x_, int y_, int width_, int height_,
             const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle)
    : Frame() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, exStyle);
}

void Frame::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle) {
  createFrame(*this, frameStyle, text_, id_, x_, y_, width_, height_, parent, enabled_, visible_,
              centred, exStyle);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Button::Button(const Control& parent, const ButtonOptions& o)
    : Button(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
             o.visible, o.centred, o.isDefault, o.exStyle, o.hasIcon, o.icon) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

CheckBox::CheckBox(const Control& parent, const CheckBoxOptions& o)
    : CheckBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.checked,
               o.enabled, o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

RadioButton::RadioButton(const Control& parent, const ControlOptions& o)
    : RadioButton(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                  o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

GroupBox::GroupBox(const Control& parent, const ControlOptions& o)
    : GroupBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
               o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

Frame::Frame(const Control& parent, const ControlOptions& o)
    : Frame(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
            o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
