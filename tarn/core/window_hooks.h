// Private to the toolkit: what the toolkit adds to a form's own message handling
// (command and notification handlers, keyboard shortcuts, anchored children),
// kept per window and served by one subclass procedure installed on first use.
#ifndef TARN_CORE_WINDOW_HOOKS_H
#define TARN_CORE_WINDOW_HOOKS_H

#include <functional>
#include <map>
#include <vector>

#include "tarn/property.h"

namespace tarn {
namespace detail {

// A child that keeps its distances to the anchored edges of its parent.
// `place` is where the layout wants the child in its parent's client area, kept
// even where the window had to be clamped (a size below 0), so a parent that
// shrinks and grows again gives its children back their places; `placed` is
// where the last layout put it, so a child the program moved itself is taken
// from where it now stands.
struct AnchoredChild {
  HWND window;
  int anchor;  // anchorLeft | anchorTop | anchorRight | anchorBottom
  RECT place;
  RECT placed;
};

// A child that lays itself out again whenever its parent's client area changes
// size (the bars along the parent's edges).
struct SizeFollower {
  HWND window;
  std::function<void(HWND)> follow;  // given the child's window
};

// A handler that runs instead of the form's procedure: for WM_COMMAND with
// `id` (`code` unused), or for WM_NOTIFY from control `id` with `code`.
struct MessageHandler {
  UINT message;
  int id;
  UINT code;
  std::function<LRESULT(NMHDR*)> run;  // given the NMHDR for WM_NOTIFY, null for WM_COMMAND
};

// A handler for the notifications one control sends its parent, run in the
// parent's procedure before anything else sees them. It answers whether it
// took the notification; then `result` is the parent's answer.
using ReflectedNotification = std::function<bool(NMHDR* header, LRESULT& result)>;

struct WindowHooks {
  WNDPROC previous = nullptr;
  std::vector<MessageHandler> handlers;
  std::vector<ACCEL> shortcuts;
  HACCEL shortcutTable = NULL;  // built from `shortcuts` when first needed after a change
  std::vector<AnchoredChild> anchored;
  std::vector<SizeFollower> followers;
  SIZE lastClient = {0, 0};  // the client size the anchored children were laid out for
  std::map<HWND, ReflectedNotification> reflected;  // by the control that notifies
  HWND reflectingTo = NULL;                         // a control's: the parent holding its handler
};

// The hooks of `window`, or null when it has none.
WindowHooks* findHooks(HWND window);
// Sets, replaces or (for a null `run`) removes the handler for `message`
// (WM_COMMAND or WM_NOTIFY) from `id` with `code` on `window`.
void setHandler(HWND window, UINT message, int id, UINT code, std::function<LRESULT(NMHDR*)> run);
// The hooks of `window`, subclassing it on first use (null for no window). The
// record ends with the window (WM_NCDESTROY), with its shortcut table.
WindowHooks* hooks(HWND window);

// Translates a shortcut key of the form `message` is for (the window itself or
// the first of its ancestors that has shortcuts) into that form's WM_COMMAND.
// True when the message was a shortcut and is done.
bool translateShortcut(MSG& message);

// Hands the notifications `control` sends its parent to `handler` (a null
// handler stops that). The handler goes when the control is destroyed.
void reflectNotifications(HWND control, ReflectedNotification handler);

// Anchoring of child windows (the values of Control::anchor).
void setAnchor(HWND child, int anchor);
int anchorOf(HWND child);

// Has `follow(child)` run whenever the client area of `child`'s parent changes
// size, before the parent's own procedure sees WM_SIZE; a second call for the
// same child replaces the first, a null `follow` ends it.
void followParentSize(HWND child, std::function<void(HWND)> follow);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_HOOKS_H
