// Commands and notifications routed to handlers, a control's handlers for what
// it tells its parent, keyboard shortcuts and dropped files, kept in the
// window records.
#include "tarn/core/window_events.h"

#include <algorithm>

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
  if (sender != NULL && sender != record.window)
    if (WindowRecord* own = findRecord(sender))
      if (runParentHandlers(*own, message, wParam, lParam, result)) return true;
  if (record.ended || (message != WM_COMMAND && message != WM_NOTIFY)) return false;
  std::function<LRESULT(NMHDR*)> run = nearestHandler(record.window, message, wParam, lParam);
  if (!run) return false;
  result = run(message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam) : nullptr);
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
