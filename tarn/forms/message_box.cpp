// Message boxes: the seven kinds, as Control operations and as free functions
// taking an owner window or a window object.
#include <string>

#include "tarn/message_box.h"

namespace tarn {

namespace {

constexpr UINT infoFlags = MB_OK | MB_ICONINFORMATION;                               // 0x40
constexpr UINT warningFlags = MB_OK | MB_ICONWARNING;                                // 0x30
constexpr UINT errorFlags = MB_OK | MB_ICONERROR;                                    // 0x10
constexpr UINT yesNoFlags = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;              // 0x124
constexpr UINT okCancelFlags = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;        // 0x121
constexpr UINT yesNoCancelFlags = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3;  // 0x223

int show(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

// A failed box answers 0 (-1 under Wine): only Yes may read as Yes.
int yesNoCancelAnswer(int answer) {
  if (answer == IDYES) return 0;
  if (answer == IDNO) return 1;
  return 2;
}

std::string textOf(const char* chars) { return chars ? std::string(chars) : std::string(); }

}  // namespace

// ---------------------------------------------------------------------------
// Owner window, standard strings

int msgBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return show(owner, text, caption, type);
}
int infoBox(HWND owner, const std::string& text, const std::string& caption) {
  return show(owner, text, caption, infoFlags);
}
int warningBox(HWND owner, const std::string& text, const std::string& caption) {
  return show(owner, text, caption, warningFlags);
}
int errorBox(HWND owner, const std::string& text, const std::string& caption) {
  return show(owner, text, caption, errorFlags);
}
bool yesNoBox(HWND owner, const std::string& text, const std::string& caption) {
  return show(owner, text, caption, yesNoFlags) == IDYES;
}
bool okCancelBox(HWND owner, const std::string& text, const std::string& caption) {
  return show(owner, text, caption, okCancelFlags) == IDOK;
}
int yesNoCancelBox(HWND owner, const std::string& text, const std::string& caption) {
  return yesNoCancelAnswer(show(owner, text, caption, yesNoCancelFlags));
}

// ---------------------------------------------------------------------------
// Window object, character strings (a null pointer is the empty text)

int msgBox(const Control& owner, const char* text, const char* caption, UINT type) {
  return msgBox(owner.hwnd, textOf(text), textOf(caption), type);
}
int infoBox(const Control& owner, const char* text, const char* caption) {
  return infoBox(owner.hwnd, textOf(text), textOf(caption));
}
int warningBox(const Control& owner, const char* text, const char* caption) {
  return warningBox(owner.hwnd, textOf(text), textOf(caption));
}
int errorBox(const Control& owner, const char* text, const char* caption) {
  return errorBox(owner.hwnd, textOf(text), textOf(caption));
}
bool yesNoBox(const Control& owner, const char* text, const char* caption) {
  return yesNoBox(owner.hwnd, textOf(text), textOf(caption));
}
bool okCancelBox(const Control& owner, const char* text, const char* caption) {
  return okCancelBox(owner.hwnd, textOf(text), textOf(caption));
}
int yesNoCancelBox(const Control& owner, const char* text, const char* caption) {
  return yesNoCancelBox(owner.hwnd, textOf(text), textOf(caption));
}

// ---------------------------------------------------------------------------
// Operations of every window object: the object's window owns the box.

int Control::msgBox(const std::string& text_, const std::string& caption_, UINT type) const {
  return tarn::msgBox(hwnd, text_, caption_, type);
}
int Control::infoBox(const std::string& text_, const std::string& caption_) const {
  return tarn::infoBox(hwnd, text_, caption_);
}
int Control::warningBox(const std::string& text_, const std::string& caption_) const {
  return tarn::warningBox(hwnd, text_, caption_);
}
int Control::errorBox(const std::string& text_, const std::string& caption_) const {
  return tarn::errorBox(hwnd, text_, caption_);
}
bool Control::yesNoBox(const std::string& text_, const std::string& caption_) const {
  return tarn::yesNoBox(hwnd, text_, caption_);
}
bool Control::okCancelBox(const std::string& text_, const std::string& caption_) const {
  return tarn::okCancelBox(hwnd, text_, caption_);
}
int Control::yesNoCancelBox(const std::string& text_, const std::string& caption_) const {
  return tarn::yesNoCancelBox(hwnd, text_, caption_);
}

// ---------------------------------------------------------------------------
// The toolkit's texts and character strings, for every owner

int msgBox(HWND owner, const String& text, const String& caption, UINT type) {
  return tarn::msgBox(owner, text.str(), caption.str(), type);
}
int infoBox(HWND owner, const String& text, const String& caption) {
  return tarn::infoBox(owner, text.str(), caption.str());
}
int warningBox(HWND owner, const String& text, const String& caption) {
  return tarn::warningBox(owner, text.str(), caption.str());
}
int errorBox(HWND owner, const String& text, const String& caption) {
  return tarn::errorBox(owner, text.str(), caption.str());
}
bool yesNoBox(HWND owner, const String& text, const String& caption) {
  return tarn::yesNoBox(owner, text.str(), caption.str());
}
bool okCancelBox(HWND owner, const String& text, const String& caption) {
  return tarn::okCancelBox(owner, text.str(), caption.str());
}
int yesNoCancelBox(HWND owner, const String& text, const String& caption) {
  return tarn::yesNoCancelBox(owner, text.str(), caption.str());
}
int msgBox(HWND owner, const char* text, const char* caption, UINT type) {
  return tarn::msgBox(owner, textOf(text), textOf(caption), type);
}
int infoBox(HWND owner, const char* text, const char* caption) {
  return tarn::infoBox(owner, textOf(text), textOf(caption));
}
int warningBox(HWND owner, const char* text, const char* caption) {
  return tarn::warningBox(owner, textOf(text), textOf(caption));
}
int errorBox(HWND owner, const char* text, const char* caption) {
  return tarn::errorBox(owner, textOf(text), textOf(caption));
}
bool yesNoBox(HWND owner, const char* text, const char* caption) {
  return tarn::yesNoBox(owner, textOf(text), textOf(caption));
}
bool okCancelBox(HWND owner, const char* text, const char* caption) {
  return tarn::okCancelBox(owner, textOf(text), textOf(caption));
}
int yesNoCancelBox(HWND owner, const char* text, const char* caption) {
  return tarn::yesNoCancelBox(owner, textOf(text), textOf(caption));
}
int msgBox(const Control& owner, const String& text, const String& caption, UINT type) {
  return tarn::msgBox(owner.hwnd, text.str(), caption.str(), type);
}
int infoBox(const Control& owner, const String& text, const String& caption) {
  return tarn::infoBox(owner.hwnd, text.str(), caption.str());
}
int warningBox(const Control& owner, const String& text, const String& caption) {
  return tarn::warningBox(owner.hwnd, text.str(), caption.str());
}
int errorBox(const Control& owner, const String& text, const String& caption) {
  return tarn::errorBox(owner.hwnd, text.str(), caption.str());
}
bool yesNoBox(const Control& owner, const String& text, const String& caption) {
  return tarn::yesNoBox(owner.hwnd, text.str(), caption.str());
}
bool okCancelBox(const Control& owner, const String& text, const String& caption) {
  return tarn::okCancelBox(owner.hwnd, text.str(), caption.str());
}
int yesNoCancelBox(const Control& owner, const String& text, const String& caption) {
  return tarn::yesNoCancelBox(owner.hwnd, text.str(), caption.str());
}
int Control::msgBox(const String& text_, const String& caption_, UINT type) const {
  return tarn::msgBox(hwnd, text_.str(), caption_.str(), type);
}
int Control::infoBox(const String& text_, const String& caption_) const {
  return tarn::infoBox(hwnd, text_.str(), caption_.str());
}
int Control::warningBox(const String& text_, const String& caption_) const {
  return tarn::warningBox(hwnd, text_.str(), caption_.str());
}
int Control::errorBox(const String& text_, const String& caption_) const {
  return tarn::errorBox(hwnd, text_.str(), caption_.str());
}
bool Control::yesNoBox(const String& text_, const String& caption_) const {
  return tarn::yesNoBox(hwnd, text_.str(), caption_.str());
}
bool Control::okCancelBox(const String& text_, const String& caption_) const {
  return tarn::okCancelBox(hwnd, text_.str(), caption_.str());
}
int Control::yesNoCancelBox(const String& text_, const String& caption_) const {
  return tarn::yesNoCancelBox(hwnd, text_.str(), caption_.str());
}
int Control::msgBox(const char* text_, const char* caption_, UINT type) const {
  return tarn::msgBox(hwnd, textOf(text_), textOf(caption_), type);
}
int Control::infoBox(const char* text_, const char* caption_) const {
  return tarn::infoBox(hwnd, textOf(text_), textOf(caption_));
}
int Control::warningBox(const char* text_, const char* caption_) const {
  return tarn::warningBox(hwnd, textOf(text_), textOf(caption_));
}
int Control::errorBox(const char* text_, const char* caption_) const {
  return tarn::errorBox(hwnd, textOf(text_), textOf(caption_));
}
bool Control::yesNoBox(const char* text_, const char* caption_) const {
  return tarn::yesNoBox(hwnd, textOf(text_), textOf(caption_));
}
bool Control::okCancelBox(const char* text_, const char* caption_) const {
  return tarn::okCancelBox(hwnd, textOf(text_), textOf(caption_));
}
int Control::yesNoCancelBox(const char* text_, const char* caption_) const {
  return tarn::yesNoCancelBox(hwnd, textOf(text_), textOf(caption_));
}

}  // namespace tarn
