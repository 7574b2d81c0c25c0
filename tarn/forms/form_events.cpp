// A form's command and notification handlers and its keyboard shortcuts.
#include "tarn/core/window_events.h"
#include "tarn/forms.h"

namespace tarn {

void Form::onCommand(int commandId, std::function<void()> handler) {
  std::function<LRESULT(NMHDR*)> run;
  if (handler) run = [handler](NMHDR*) -> LRESULT { return handler(), 0; };
  detail::setHandler(hwnd, WM_COMMAND, commandId, 0, std::move(run));
}

void Form::onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler) {
  detail::setHandler(hwnd, WM_NOTIFY, controlId, code, std::move(handler));
}

bool Form::addShortcut(int modifiers, int key, int command) {
  return detail::setShortcut(hwnd, modifiers, key, command);
}

}  // namespace tarn
