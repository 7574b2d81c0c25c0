// Private to the toolkit: what the toolkit adds to the messages a window gets
// from its children and the keyboard, kept in the window records: command and
// notification handlers (found on the window or, for a child form or tab page,
// on the nearest ancestor that has one), a control's own handlers for what it
// tells its parent, keyboard shortcuts, and dropped files a form's procedure
// leaves alone.
#ifndef TARN_CORE_WINDOW_EVENTS_H
#define TARN_CORE_WINDOW_EVENTS_H

#include <functional>

#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

// What every form carries: the routing of commands and notifications, the
// finishing of drops and the following of DPI changes; its thread takes posted
// work from then on (openMailbox); and, once a program chose a colour scheme,
// it takes the scheme's colours.
void hookForm(HWND form);

// Makes this thread take work posted to its windows (post.h), once: a hidden
// message-only window whose queue the work waits in (core/post.cpp).
void openMailbox();

// Has `window` take WM_DROPFILES: its drop handler (Control::onDropFiles)
// gets the drop; without one a dialog-class window's procedure is asked, and
// the drop is finished unless the procedure took it (answered nonzero).
void receiveDrops(HWND window);

// Runs a program's handler. An exception it throws does not cross the window
// procedure: it is reported with the runtime check and the program goes on.
// True when the handler returned normally.
template <class Run>
bool runHandler(Run&& run) noexcept {
  try {
    run();
    return true;
  } catch (...) {
    runtimeCheckFailed("a handler threw an exception", __FILE__, __LINE__);
    return false;
  }
}

// Routes the commands and notifications `window` gets (its children's own
// handlers first, then handlers on it or its nearest ancestor) before its
// procedure sees them.
void routeChildMessages(HWND window);

// Sets, replaces or (for a null `run`) removes the handler for `message`
// (WM_COMMAND or WM_NOTIFY) from `id` with `code` on `window`.
void setHandler(HWND window, UINT message, int id, UINT code, std::function<LRESULT(NMHDR*)> run);

// Runs `run` for the messages `control` sends its parent (WM_COMMAND,
// WM_NOTIFY, WM_HSCROLL, WM_VSCROLL), in the parent's procedure before anything
// else; a second call with the same `key` replaces the first, a null `run`
// removes it. The handler goes with the control's window.
void setParentHandler(HWND control, const void* key,
                      std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> run);

// Binds the key `key` with `modifiers` (FCONTROL | FSHIFT | FALT) on `window` to
// `command`, replacing what the same key and modifiers sent before; command 0
// removes the binding. A key outside 1..254 or other modifier bits are
// refused with the runtime check, and bind nothing. Answers whether it bound.
bool setShortcut(HWND window, int modifiers, int key, int command);

// Translates a shortcut key of the form `message` is for (the window itself or
// the first of its ancestors that has shortcuts) into that form's WM_COMMAND.
// True when the message was a shortcut and is done.
bool translateShortcut(MSG& message);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_EVENTS_H
