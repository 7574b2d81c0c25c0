// Commands and notifications routed to handlers, a control's handlers for what
// it tells its parent, the handlers of menu entries, keyboard shortcuts and
// dropped files, kept in the window records; and the guard around the
// program's handlers.
#include "tarn/core/window_events.h"

#include <algorithm>
#include <cstdio>

#include "tarn/core/color_scheme.h"
#include "tarn/core/dpi.h"

namespace tarn {
namespace detail {

namespace {

// The child a message to its parent comes from; null for menus and shortcuts.
HWND senderOf(UINT message, LPARAM lParam) {
  if (message == WM_NOTIFY) return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
  return reinterpret_cast<HWND>(lParam);
}

// The sender's own handlers, in the order they were set; each runs from a
// copy (it may replace or remove itself, or destroy its window).
bool runParentHandlers(WindowRecord& sender, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
  KeepRecord keep(sender);
  for (std::size_t i = 0; i < sender.toParent.size() && !sender.ended; ++i) {
    auto run = sender.toParent[i].run;
    if (run && run(message, wParam, lParam, result)) return true;
  }
  return false;
}

// The part of a form's record holding the handlers of its menu entries.
struct MenuHandlers : CommandHandlers {};

// A command from a menu (high word 0) or a shortcut (1), which name no sender,
// runs its entry's handler first; the command then goes on.
void runMenuHandler(WindowRecord& record, WPARAM wParam) {
  const MenuHandlers* menus = record.findPart<MenuHandlers>();
  if (menus != nullptr && HIWORD(wParam) <= 1) menus->run(LOWORD(wParam));
}

const MessageHandler* handlerOf(const WindowRecord& record, UINT message, int id, UINT code) {
  for (const MessageHandler& handler : record.handlers)
    if (handler.message == message && handler.id == id && handler.code == code) return &handler;
  return nullptr;
}

bool isChild(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0; }

// The handler for this WM_COMMAND or WM_NOTIFY on `window` or, for a child
// window (a child form, a tab page), on the nearest ancestor that has one.
std::function<LRESULT(NMHDR*)> nearestHandler(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  int id = message == WM_COMMAND ? LOWORD(wParam) : static_cast<int>(header->idFrom);
  UINT code = message == WM_COMMAND ? 0 : header->code;
  for (HWND at = window; at != NULL;) {
    if (const WindowRecord* found = findRecord(at))
      if (const MessageHandler* handler = handlerOf(*found, message, id, code)) return handler->run;
    if (!isChild(at)) break;
    at = GetAncestor(at, GA_PARENT);
  }
  return nullptr;
}

bool routeMessages(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) {
  if (message != WM_COMMAND && message != WM_NOTIFY && message != WM_HSCROLL &&
      message != WM_VSCROLL)
    return false;
  if (message == WM_NOTIFY && lParam == 0) return false;
  HWND sender = senderOf(message, lParam);
  // A control's own handlers run once, in its parent: a tab control passes
  // its pages' commands on to its own parent with the same sender.
  if (sender != NULL && sender != record.window && GetParent(sender) == record.window)
    if (WindowRecord* own = findRecord(sender))
      if (runParentHandlers(*own, message, wParam, lParam, result)) return true;
  if (message == WM_COMMAND && sender == NULL) runMenuHandler(record, wParam);
  if (record.ended || (message != WM_COMMAND && message != WM_NOTIFY)) return false;
  std::function<LRESULT(NMHDR*)> run = nearestHandler(record.window, message, wParam, lParam);
  if (!run) return false;
  result = 0;  // the answer when the handler throws
  runHandler(
      [&] { result = run(message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam) : nullptr); });
  return true;
}

}  // namespace

void routeChildMessages(HWND window) {
  if (WindowRecord* r = record(window)) r->addHook(routeMessages);
}

void hookForm(HWND form) {
  WindowRecord* r = record(form);
  if (r == nullptr) return;
  r->addHook(routeMessages);
  receiveDrops(form);
  followDpiChanges(form);
  openMailbox();
  announceWindow(form);
}

void setHandler(HWND window, UINT message, int id, UINT code, std::function<LRESULT(NMHDR*)> run) {
  WindowRecord* r = run ? record(window) : findRecord(window);
  if (r == nullptr) return;
  r->addHook(routeMessages);
  for (auto it = r->handlers.begin(); it != r->handlers.end(); ++it) {
    if (it->message != message || it->id != id || it->code != code) continue;
    if (run)
      it->run = std::move(run);
    else
      r->handlers.erase(it);
    return;
  }
  if (run) r->handlers.push_back(MessageHandler{message, id, code, std::move(run)});
}

void setParentHandler(HWND control, const void* key,
                      std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> run) {
  WindowRecord* own = run ? record(control) : findRecord(control);
  if (own == nullptr) return;
  std::vector<ParentMessageHandler>& list = own->toParent;
  auto found = std::find_if(list.begin(), list.end(),
                            [key](const ParentMessageHandler& h) { return h.key == key; });
  if (!run) {
    if (found != list.end()) list.erase(found);
    return;
  }
  routeChildMessages(GetParent(control));
  if (found != list.end())
    found->run = std::move(run);
  else
    list.push_back(ParentMessageHandler{key, std::move(run)});
}

bool runControlHandlers(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  WindowRecord* own = findRecord(control);
  return own != nullptr && runParentHandlers(*own, message, wParam, lParam, result);
}

void setMenuHandler(HWND form, int command, std::function<void()> run) {
  WindowRecord* r = run ? record(form) : findRecord(form);
  if (r == nullptr) return;
  r->addHook(routeMessages);
  r->part<MenuHandlers>().set(command, std::move(run));
}

void CommandHandlers::set(int command, std::function<void()> run) {
  auto found = std::find_if(handlers.begin(), handlers.end(),
                            [command](const auto& entry) { return entry.first == command; });
  if (!run) {
    if (found != handlers.end()) handlers.erase(found);
  } else if (found != handlers.end()) {
    found->second = std::move(run);
  } else {
    handlers.emplace_back(command, std::move(run));
  }
}

bool CommandHandlers::run(WORD command) const {
  for (const auto& entry : handlers)
    if (static_cast<WORD>(entry.first) == command) {
      std::function<void()> handler = entry.second;
      runHandler(handler);
      return true;
    }
  return false;
}

// The text is cut to the room the runtime check's message has for it.
void reportHandlerException(const char* what) noexcept {
  char text[runtimeCheckBufferSize / 2];
  std::snprintf(text, sizeof text, "a handler threw an exception%s%s",
                what != nullptr && *what != '\0' ? ": " : "", what != nullptr ? what : "");
  runtimeCheckFailed(text, __FILE__, __LINE__);
}

void setControlEvent(HWND control, const void* key,
                     std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> event) {
  if (!event) {
    setParentHandler(control, key, nullptr);
    return;
  }
  setParentHandler(
      control, key,
      [event = std::move(event)](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        event(message, wParam, lParam);
        return false;  // the parent's handlers and procedure still see it
      });
}

void setCommandEvent(HWND control, const void* key, WORD code, std::function<void()> handler) {
  if (!handler) {
    setControlEvent(control, key, nullptr);
    return;
  }
  setControlEvent(control, key,
                  [code, handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM) {
                    if (message == WM_COMMAND && HIWORD(wParam) == code) runHandler(handler);
                  });
}

bool setShortcut(HWND window, int modifiers, int key, int command) {
  constexpr int allowedModifiers = FCONTROL | FSHIFT | FALT;
  if (!runtimeCheck(key >= 1 && key <= 0xFE && (modifiers & ~allowedModifiers) == 0 &&
                        command >= 0 && command <= 0xFFFF,
                    "shortcut key, modifiers and command in range", __FILE__, __LINE__))
    return false;
  WindowRecord* r = command != 0 ? record(window) : findRecord(window);
  if (r == nullptr) return false;
  BYTE flags = static_cast<BYTE>(FVIRTKEY | modifiers);
  std::vector<ACCEL>& list = r->shortcuts;
  auto same = std::find_if(list.begin(), list.end(), [&](const ACCEL& a) {
    return a.fVirt == flags && a.key == static_cast<WORD>(key);
  });
  if (command == 0) {
    if (same != list.end()) list.erase(same);
  } else if (same != list.end()) {
    same->cmd = static_cast<WORD>(command);
  } else {
    list.push_back(ACCEL{flags, static_cast<WORD>(key), static_cast<WORD>(command)});
  }
  // The table is built again, once, at the next key the loop sees.
  if (r->shortcutTable != NULL) DestroyAcceleratorTable(r->shortcutTable);
  r->shortcutTable = NULL;
  return true;
}

bool translateShortcut(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN &&
      message.message != WM_CHAR && message.message != WM_SYSCHAR)
    return false;
  for (HWND window = message.hwnd; window != NULL; window = GetParent(window)) {
    WindowRecord* r = findRecord(window);
    if (r == nullptr || r->shortcuts.empty()) continue;
    if (r->shortcutTable == NULL)
      r->shortcutTable =
          CreateAcceleratorTableA(r->shortcuts.data(), static_cast<int>(r->shortcuts.size()));
    return r->shortcutTable != NULL && TranslateAcceleratorA(window, r->shortcutTable, &message);
  }
  return false;
}

}  // namespace detail
}  // namespace tarn
