// The standard controls' events: clicks of buttons, check boxes and radio
// buttons; changes of text boxes and the spin box; selections in list and
// combo boxes. Each is a handler for what the control tells its parent, kept
// in the control's window record and ended with it.
#include "tarn/controls.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/lists.h"

namespace tarn {

namespace {

// The keys of the events among the handlers of what a control tells its parent.
const char clickKey = 0;
const char changeKey = 0;
const char selectionKey = 0;
const char activateKey = 0;

// The event that runs `handler` with the control's selected index (`getIndex`
// asks for it) for each WM_COMMAND with notification `code`. `skipNone`: a
// report without a selection runs nothing.
void setIndexEvent(HWND control, const void* key, WORD code, UINT getIndex, bool skipNone,
                   std::function<void(int)> handler) {
  if (!handler) {
    detail::setControlEvent(control, key, nullptr);
    return;
  }
  detail::setControlEvent(
      control, key,
      [code, getIndex, skipNone, handler = std::move(handler)](UINT message, WPARAM wParam,
                                                               LPARAM lParam) {
        if (message != WM_COMMAND || HIWORD(wParam) != code) return;
        int index = static_cast<int>(detail::send(reinterpret_cast<HWND>(lParam), getIndex));
        if (index < 0 && skipNone) return;
        detail::runHandler(handler, index < 0 ? -1 : index);
      });
}

}  // namespace

void Button::onClick(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &clickKey, BN_CLICKED, std::move(handler));
}

void CheckBox::onClick(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &clickKey, BN_CLICKED, std::move(handler));
}

void RadioButton::onClick(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &clickKey, BN_CLICKED, std::move(handler));
}

void TextBox::onChange(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &changeKey, EN_CHANGE, std::move(handler));
}

void PasswordBox::onChange(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &changeKey, EN_CHANGE, std::move(handler));
}

void ReadOnlyBox::onChange(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &changeKey, EN_CHANGE, std::move(handler));
}

// The arrows write the number into the field, which reports the change.
void spinBox::onChange(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setCommandEvent(hwnd, &changeKey, EN_CHANGE, std::move(handler));
}

void ListBox::onSelectionChange(std::function<void(int index)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setIndexEvent(hwnd, &selectionKey, LBN_SELCHANGE, LB_GETCURSEL, false, std::move(handler));
}

// A double-click below the last item reports no item.
void ListBox::onActivate(std::function<void(int index)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setIndexEvent(hwnd, &activateKey, LBN_DBLCLK, LB_GETCURSEL, true, std::move(handler));
}

// The combo box inside the extended one tells it; it tells its own parent,
// naming itself.
void ComboBox::onSelectionChange(std::function<void(int index)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setIndexEvent(hwnd, &selectionKey, CBN_SELCHANGE, CB_GETCURSEL, false, std::move(handler));
}

}  // namespace tarn
