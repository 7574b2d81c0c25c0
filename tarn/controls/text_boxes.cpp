// Text fields on the system EDIT class: plain, password and read-only boxes,
// and the spin box with its up-down arrows.
#include "tarn/controls.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

constexpr DWORD singleLine = WS_CHILD | WS_TABSTOP;  // 0x40010000
constexpr DWORD multiLineStyle = WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_AUTOHSCROLL |
                                 ES_AUTOVSCROLL | ES_MULTILINE;                        // 0x403100C4
constexpr DWORD spinFieldStyle = WS_CHILD | WS_TABSTOP | ES_NUMBER;                    // 0x40012000
constexpr DWORD arrowsStyle = WS_CHILD | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT;  // 0x40000007
constexpr int arrowsWidth = 20;

DWORD editStyle(bool multiLine, DWORD extra) {
  return (multiLine ? multiLineStyle : singleLine) | extra;
}

// Text, place, size and font; `beforeSettle` runs after the font (TextBox
// sets its limit there).
template <class Step>
void finishEdit(Control& self, const String& text, int x, int y, int width, int height,
                bool centred, bool enabled, bool visible, Step beforeSettle) {
  self.text = text;
  detail::placeChild(self, x, y, width, height);
  beforeSettle();
  detail::settleChild(self, centred, enabled);
  if (visible) self.show();
}

}  // namespace

// ---------------------------------------------------------------------------
// TextBox

TextBox::TextBox() {
  parentHwnd = NULL;
  lineCount.bind(this, &TextBox::getLineCount);
}

TextBox::TextBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                 const Control& parent, bool enabled_, bool visible_, bool centred, bool multiLine,
                 int exStyle)
    : TextBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, multiLine,
         exStyle);
}

void TextBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, bool enabled_, bool visible_, bool centred,
                     bool multiLine, int exStyle) {
  lineCount.bind(this, &TextBox::getLineCount);
  // Single-line boxes scroll sideways, so typing past the width loses nothing
  // (0x40010080); the multi-line style has the bit already.
  detail::createChild(*this, "EDIT", "TextBox", editStyle(multiLine, ES_AUTOHSCROLL),
                      static_cast<DWORD>(exStyle), x_, y_, width_, height_, parent.hwnd, id_);
  finishEdit(*this, text_, x_, y_, width_, height_, centred, enabled_, visible_,
             [this] { setTextLimit(0); });
}

int TextBox::getLineCount() const { return static_cast<int>(detail::send(hwnd, EM_GETLINECOUNT)); }

void TextBox::replaceSelection(const String& text_) {
  detail::send(hwnd, EM_REPLACESEL, FALSE, detail::textArgument(text_));
}

int TextBox::lineFromChar(int charIndex) const {
  return static_cast<int>(detail::send(hwnd, EM_LINEFROMCHAR, static_cast<WPARAM>(charIndex)));
}

int TextBox::lineIndex(int line) const {
  return static_cast<int>(detail::send(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int TextBox::lineLength(int charIndex) const {
  return static_cast<int>(detail::send(hwnd, EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
}

void TextBox::setSelection(int start, int end) {
  detail::send(hwnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

// ---------------------------------------------------------------------------
// PasswordBox and ReadOnlyBox: the text is also the window name. Single-line
// boxes scroll sideways as TextBox does (0x400100A0, 0x40010880), so text wider
// than the box is neither cut while typed nor hidden past the right edge.

PasswordBox::PasswordBox() { parentHwnd = NULL; }

PasswordBox::PasswordBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         bool multiLine, int exStyle)
    : PasswordBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, multiLine,
         exStyle);
}

void PasswordBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         bool multiLine, int exStyle) {
  detail::createChild(*this, "EDIT", text_.c_str(),
                      editStyle(multiLine, ES_PASSWORD | ES_AUTOHSCROLL),
                      static_cast<DWORD>(exStyle), x_, y_, width_, height_, parent.hwnd, id_);
  setTextLimit(0);
  finishEdit(*this, text_, x_, y_, width_, height_, centred, enabled_, visible_, [] {});
}

ReadOnlyBox::ReadOnlyBox() { parentHwnd = NULL; }

ReadOnlyBox::ReadOnlyBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         bool multiLine, int exStyle)
    : ReadOnlyBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, multiLine,
         exStyle);
}

void ReadOnlyBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         bool multiLine, int exStyle) {
  detail::createChild(*this, "EDIT", text_.c_str(),
                      editStyle(multiLine, ES_READONLY | ES_AUTOHSCROLL),
                      static_cast<DWORD>(exStyle), x_, y_, width_, height_, parent.hwnd, id_);
  finishEdit(*this, text_, x_, y_, width_, height_, centred, enabled_, visible_, [] {});
}

// ---------------------------------------------------------------------------
// spinBox

spinBox::spinBox() : spinHandle(NULL) { parentHwnd = NULL; }

spinBox::spinBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                 const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle)
    : spinBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, exStyle);
}

void spinBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, bool enabled_, bool visible_, bool centred,
                     int exStyle) {
  detail::createChild(*this, "EDIT", text_.c_str(), spinFieldStyle, static_cast<DWORD>(exStyle), x_,
                      y_, width_, height_, parent.hwnd, id_);
  spinHandle = detail::createChildWindow(UPDOWN_CLASSA, "spinBox", arrowsStyle, 0, 0, 0,
                                         arrowsWidth, height_, parent.hwnd, 0);
  detail::send(spinHandle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd));
  setTextLimit(0);
  text = text_;
  detail::placeChild(*this, x_, y_, width_, height_);
  if (centred) centre();
  // The arrows place themselves (and narrow the field) when attached: attach
  // them again now that the field has its final place and size, so they sit
  // at its right edge inside the width given.
  detail::send(spinHandle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd));
  if (!enabled_) disable();
  if (visible_) {
    show();
    ShowWindow(spinHandle, SW_SHOW);
  }
}

void spinBox::hideArrows() { ShowWindow(spinHandle, SW_HIDE); }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

TextBox::TextBox(const Control& parent, const TextBoxOptions& o)
    : TextBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
              o.visible, o.centred, o.multiLine, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

PasswordBox::PasswordBox(const Control& parent, const TextBoxOptions& o)
    : PasswordBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                  o.visible, o.centred, o.multiLine, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

ReadOnlyBox::ReadOnlyBox(const Control& parent, const TextBoxOptions& o)
    : ReadOnlyBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                  o.visible, o.centred, o.multiLine, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

spinBox::spinBox(const Control& parent, const ControlOptions& o)
    : spinBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
              o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
