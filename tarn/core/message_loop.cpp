// The program's message loop, with the forms' keyboard shortcuts.
#include "tarn/core/window_hooks.h"
#include "tarn/forms.h"

namespace tarn {

int messageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageA(&message, NULL, 0, 0);
    // GetMessageA answers -1 on failure; treating that as a message would spin.
    if (got == -1) return -1;
    if (got == 0) return static_cast<int>(message.wParam);
    if (detail::translateShortcut(message)) continue;
    // The parent of the target: keyboard navigation among a form's controls,
    // while messages to top-level windows are dispatched normally.
    if (IsDialogMessageA(GetParent(message.hwnd), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tarn
