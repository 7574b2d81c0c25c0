// A form's command and notification handlers and its keyboard shortcuts.
#include "tarn/core/window_hooks.h"
#include "tarn/forms.h"

namespace tarn {

namespace detail {

void setHandler(HWND window, UINT message, int id, UINT code, std::function<LRESULT(NMHDR*)> run) {
  WindowHooks* h = hooks(window);
  if (h == nullptr) return;
  for (auto it = h->handlers.begin(); it != h->handlers.end(); ++it) {
    if (it->message != message || it->id != id || it->code != code) continue;
    if (run)
      it->run = std::move(run);
    else
      h->handlers.erase(it);
    return;
  }
  if (run) h->handlers.push_back(MessageHandler{message, id, code, std::move(run)});
}

}  // namespace detail

void Form::onCommand(int commandId, std::function<void()> handler) {
  std::function<LRESULT(NMHDR*)> run;
  if (handler) run = [handler](NMHDR*) -> LRESULT { return handler(), 0; };
  detail::setHandler(hwnd, WM_COMMAND, commandId, 0, std::move(run));
}

void Form::onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler) {
  detail::setHandler(hwnd, WM_NOTIFY, controlId, code, std::move(handler));
}

void Form::addShortcut(int modifiers, int key, int command) {
  detail::WindowHooks* h = detail::hooks(hwnd);
  if (h == nullptr) return;
  ACCEL entry;
  entry.fVirt = static_cast<BYTE>(FVIRTKEY | (modifiers & (FCONTROL | FSHIFT | FALT)));
  entry.key = static_cast<WORD>(key);
  entry.cmd = static_cast<WORD>(command);
  h->shortcuts.push_back(entry);
  // The table is built again, once, at the next key the loop sees.
  if (h->shortcutTable != NULL) DestroyAcceleratorTable(h->shortcutTable);
  h->shortcutTable = NULL;
}

}  // namespace tarn
