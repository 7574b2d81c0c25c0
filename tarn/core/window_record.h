// Private to the toolkit: the one record per window that the toolkit makes or
// hooks, where every per-window datum lives (the DPI a form was told, the
// handlers, shortcuts and laid-out children, a control's handlers for what it
// tells its parent, tooltips, the objects that stand for the window, and the
// data of features above the core), reached in constant time from the handle
// and ended, with everything it holds, at WM_NCDESTROY.
//
// A record is made at the first need (record()); it hooks the window with one
// subclass (SetWindowSubclass) whose procedure hands each message to the
// record's hooks in the order they were added, then to the window's own
// procedure. A hook or handler may destroy the window it runs for: the record
// ends then, but is deleted only once no procedure of it is running.
#ifndef TARN_CORE_WINDOW_RECORD_H
#define TARN_CORE_WINDOW_RECORD_H

#include <functional>
#include <memory>
#include <vector>

#include "tarn/core.h"

namespace tarn {
namespace detail {

struct WindowRecord;

// A feature's look at a message before the window's own procedure: answers
// true when it took the message, with `result` the window's answer.
using MessageHook = bool (*)(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result);

// A control's handler for a message it sends its parent (WM_COMMAND with its
// handle, WM_NOTIFY from it, WM_HSCROLL / WM_VSCROLL from it), run in the
// parent's procedure before anything else sees the message: answers whether it
// took it, with `result` the parent's answer. `key` tells the features apart.
struct ParentMessageHandler {
  const void* key;
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> run;
};

// A handler that runs instead of the window's procedure: for WM_COMMAND with
// `id` (`code` unused), or for WM_NOTIFY from control `id` with `code`.
struct MessageHandler {
  UINT message;
  int id;
  UINT code;
  std::function<LRESULT(NMHDR*)> run;  // given the NMHDR for WM_NOTIFY, null for WM_COMMAND
};

struct WindowRecord {
  explicit WindowRecord(HWND window) : window(window) {}
  WindowRecord(const WindowRecord&) = delete;
  WindowRecord& operator=(const WindowRecord&) = delete;
  ~WindowRecord();

  HWND window;
  bool ended = false;  // WM_NCDESTROY came: nothing may use the record any more
  int running = 0;     // procedures of the record on the stack

  // The DPI the window was told by its last WM_DPICHANGED; 0 when none.
  int dpi = 0;

  // The hooks, in the order they run: those added with addHook, then those
  // added with addLastHook (which pass what they do not take to the
  // window's procedure themselves, so nothing may come after them).
  std::vector<MessageHook> hooks;
  std::size_t lastHooks = 0;  // how many of `hooks`, at the end, were added last
  // Adds `hook`, before the last hooks, unless it is there already.
  void addHook(MessageHook hook);
  // Adds `hook` after every other, unless it is there already.
  void addLastHook(MessageHook hook);
  // WM_NCDESTROY: the objects stop standing for the window, its tooltips go;
  // the rest goes when the record is deleted.
  void end();

  // WM_COMMAND / WM_NOTIFY handlers of this window (Form::onCommand, onNotify).
  std::vector<MessageHandler> handlers;
  // Keyboard shortcuts of this window, and the table built from them when
  // first needed after a change.
  std::vector<ACCEL> shortcuts;
  HACCEL shortcutTable = NULL;

  // This window's handlers for what it sends its parent.
  std::vector<ParentMessageHandler> toParent;

  // Tooltips describing this window, ended with it, and the length of the
  // longest text any of them was given (they copy texts out without a bound).
  std::vector<HWND> tooltips;
  std::size_t longestTooltipText = 0;

  // The objects standing for this window, by role (ObjectLink::Role), the
  // latest last.
  std::vector<ObjectLink*> links[ObjectLink::roleCount];

  // The data of a feature, one of each type, made at the first need and
  // deleted with the record.
  template <class T>
  T& part() {
    if (T* found = findPart<T>()) return *found;
    parts.push_back(
        Part{partKey<T>(), PartData(new T(), [](void* p) { delete static_cast<T*>(p); })});
    return *static_cast<T*>(parts.back().data.get());
  }
  template <class T>
  T* findPart() const {
    for (const Part& p : parts)
      if (p.key == partKey<T>()) return static_cast<T*>(p.data.get());
    return nullptr;
  }
  // Deletes the part of type T, if there is one.
  template <class T>
  void dropPart() {
    for (std::size_t i = 0; i < parts.size(); ++i)
      if (parts[i].key == partKey<T>()) {
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
  }

 private:
  template <class T>
  static const void* partKey() {
    static const char key = 0;
    return &key;
  }
  using PartData = std::unique_ptr<void, void (*)(void*)>;
  struct Part {
    const void* key;
    PartData data;
  };
  std::vector<Part> parts;
};

// Keeps `record` from being deleted while it is held, though its window may
// end meanwhile (check `ended`): for code that runs a handler that may
// destroy the window whose record it is reading.
class KeepRecord {
 public:
  explicit KeepRecord(WindowRecord& record);
  KeepRecord(const KeepRecord&) = delete;
  KeepRecord& operator=(const KeepRecord&) = delete;
  ~KeepRecord();

 private:
  WindowRecord& kept;
};

// The record of `window`, or null when it has none (or has ended).
WindowRecord* findRecord(HWND window);
// The record of `window`, made at the first need (null for no window, a
// window of another thread, or when the system refuses the subclass).
WindowRecord* record(HWND window);

// Runs the rest of the window's procedure chain below the record (what the
// window would have done without it); only from inside one of its hooks.
LRESULT callNext(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam);

// The object standing for `window` in `role` last registered, null if none.
Control* linkedObject(HWND window, ObjectLink::Role role);

// Moves everything `from`'s record holds to `to`'s (a window made again in
// place of another): its objects, which then stand for `to`, its tooltips,
// handlers, shortcuts, children and parts. The user-data slot of `to` names
// the object `from`'s named.
void moveRecord(HWND from, HWND to);

// Moves the tooltips describing `from`'s window to describe `to`'s
// (core/control_tooltip.cpp).
void moveTooltips(WindowRecord& from, WindowRecord& to);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_WINDOW_RECORD_H
