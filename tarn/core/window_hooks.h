// Private to the toolkit: what the toolkit adds to a form's own message handling
// (command and notification handlers, keyboard shortcuts, anchored children),
// kept per window and served by one subclass procedure installed on first use.
#ifndef TARN_CORE_WINDOW_HOOKS_H
#define TARN_CORE_WINDOW_HOOKS_H

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "tarn/property.h"

namespace tarn {
namespace detail {

// A child that keeps its distances to the anchored edges of its parent.
struct AnchoredChild {
  HWND window;
  int anchor;  // anchorLeft | anchorTop | anchorRight | anchorBottom
};

// A handler for the notifications one control sends its parent, run in the
// parent's procedure before anything else sees them. It answers whether it
// took the notification; then `result` is the parent's answer.
using ReflectedNotification = std::function<bool(NMHDR* header, LRESULT& result)>;

struct WindowHooks {
  WNDPROC previous = nullptr;
  std::map<int, std::function<void()>> commands;
  std::map<std::pair<int, UINT>, std::function<LRESULT(NMHDR*)>> notifications;
  std::vector<ACCEL> shortcuts;
  HACCEL shortcutTable = NULL;  // built from `shortcuts` when first needed after a change
  std::vector<AnchoredChild> anchored;
  SIZE lastClient = {0, 0};  // the client size the anchored children were laid out for
  std::map<HWND, ReflectedNotification> reflected;  // by the control that notifies
  HWND reflectingTo = NULL;                         // a control's: the parent holding its handler
};

// The hooks of `window`, or null when it has none.
WindowHooks* findHooks(HWND window);
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

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_HOOKS_H
