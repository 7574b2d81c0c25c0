// Private to the toolkit: what the toolkit adds to the messages a window gets
// from its children and the keyboard, kept in the window records: command and
// notification handlers (found on the window or, for a child form or tab page,
// on the nearest ancestor that has one), a control's own handlers for what it
// tells its parent (the controls' events), the handlers of menu entries,
// keyboard shortcuts, and dropped files a form's procedure leaves alone; and
// the guard every program handler runs behind.
#ifndef TARN_CORE_WINDOW_EVENTS_H
#define TARN_CORE_WINDOW_EVENTS_H

#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

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

// The program's handler as the toolkit keeps it: the toolkit copies a handler
// before running it (so it outlives a window destroyed during the call), and
// these copies share one function object, so a `mutable` lambda keeps its
// state from one call to the next as a stored std::function does.
template <class Result, class... Arguments>
std::function<Result(Arguments...)> sharedHandler(std::function<Result(Arguments...)> handler) {
  if (!handler) return handler;
  auto held = std::make_shared<std::function<Result(Arguments...)>>(std::move(handler));
  return [held](Arguments... arguments) -> Result {
    return (*held)(std::forward<Arguments>(arguments)...);
  };
}

// Reports an exception that left a handler of the program: the runtime check,
// whose expression line names the exception's text (`what`, null for none).
void reportHandlerException(const char* what) noexcept;

// Runs a program's handler with `arguments`. An exception it throws does not
// cross the window procedure (the system cannot pass it on): it is reported
// with the runtime check and the program goes on. True when the handler
// returned normally.
template <class Run, class... Arguments>
bool runHandler(Run&& run, Arguments&&... arguments) noexcept {
  try {
    run(std::forward<Arguments>(arguments)...);
    return true;
  } catch (const std::exception& error) {
    reportHandlerException(error.what());
  } catch (...) {
    reportHandlerException(nullptr);
  }
  return false;
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

// Runs `control`'s handlers for a message it sends its parent, as the parent's
// procedure would (for a control that reports a click some other way: the
// colour button's swatch). Answers whether one took the message.
bool runControlHandlers(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Handlers by command identifier: a form's menu entries, a toolbar's buttons.
struct CommandHandlers {
  std::vector<std::pair<int, std::function<void()>>> handlers;
  // Sets, replaces or (for a null `run`) removes the handler of `command`.
  void set(int command, std::function<void()> run);
  // Runs the handler of `command` (WM_COMMAND's low word), from a copy: it
  // may replace itself or end its window. False when there is none.
  bool run(WORD command) const;
};

// Runs `run` whenever a menu entry of `form` or a shortcut sends it WM_COMMAND
// `command` (no sender window), before the form's command handlers and its
// procedure, which still see the command; a second call for the same command
// replaces the first, a null `run` removes it. Handlers go with the form.
void setMenuHandler(HWND form, int command, std::function<void()> run);

// Sets, replaces or (for a null `event`) removes `control`'s event `key`:
// `event` sees every message the control sends its parent (WM_COMMAND,
// WM_NOTIFY, WM_HSCROLL, WM_VSCROLL) and runs the program's handler when it is
// its event. The message then goes on as before: the parent's command and
// notification handlers and its procedure still see it. The event goes with
// the control's window.
void setControlEvent(HWND control, const void* key,
                     std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> event);

// The event `key` that runs `handler` (guarded) for each WM_COMMAND with
// notification `code` from `control`; a null handler removes it.
void setCommandEvent(HWND control, const void* key, WORD code, std::function<void()> handler);

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
