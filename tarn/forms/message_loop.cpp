// The program's message loop, with the forms' keyboard shortcuts.
#include "tarn/core/window_events.h"
#include "tarn/forms.h"

namespace tarn {

namespace {

// Ctrl+F4, Ctrl+F6 and the other keys of an MDI child's window menu, for the
// MDI client of the top-level window the key is for.
bool translateMdiKey(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  HWND client = FindWindowExA(GetAncestor(message.hwnd, GA_ROOT), NULL, "MDIClient", NULL);
  return client != NULL && TranslateMDISysAccel(client, &message);
}

}  // namespace

int messageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageA(&message, NULL, 0, 0);
    // GetMessageA answers -1 on failure; treating that as a message would spin.
    if (got == -1) return -1;
    if (got == 0) return static_cast<int>(message.wParam);
    if (detail::translateShortcut(message) || translateMdiKey(message)) continue;
    // The parent of the target: keyboard navigation among a form's controls,
    // while messages to top-level windows are dispatched normally.
    if (IsDialogMessageA(GetParent(message.hwnd), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tarn
