// A form's command and notification handlers and its keyboard shortcuts.
#include "tarn/core/window_hooks.h"
#include "tarn/forms.h"

namespace tarn {

void Form::onCommand(int commandId, std::function<void()> handler) {
  detail::WindowHooks* h = detail::hooks(hwnd);
  if (h == nullptr) return;
  if (handler)
    h->commands[commandId] = std::move(handler);
  else
    h->commands.erase(commandId);
}

void Form::onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler) {
  detail::WindowHooks* h = detail::hooks(hwnd);
  if (h == nullptr) return;
  if (handler)
    h->notifications[{controlId, code}] = std::move(handler);
  else
    h->notifications.erase({controlId, code});
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
