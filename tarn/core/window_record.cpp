// The window record: made at the first need, reached through the window's one
// toolkit subclass, ended at WM_NCDESTROY; and the links through which the
// objects standing for a window are kept in its record.
#include "tarn/core/window_record.h"

#include <algorithm>

namespace tarn {
namespace detail {

namespace {

// The identifier of the toolkit's subclass among a window's subclasses.
constexpr UINT_PTR recordSubclassId = 0x5441524E;  // "TARN"

using GetSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// GetWindowSubclass, from comctl32 itself: the 64-bit MinGW import library
// lacks it. Older comctl32 versions export it by its number alone (411).
GetSubclass getWindowSubclass() {
  static const GetSubclass found = [] {
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    if (controls == NULL) controls = LoadLibraryA("comctl32.dll");
    FARPROC address = controls != NULL ? GetProcAddress(controls, "GetWindowSubclass") : nullptr;
    if (address == nullptr && controls != NULL)
      address = GetProcAddress(controls, MAKEINTRESOURCEA(411));
    return reinterpret_cast<GetSubclass>(reinterpret_cast<void*>(address));
  }();
  return found;
}

Control* slotOf(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void setSlot(HWND window, Control* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

LRESULT CALLBACK recordProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  KeepRecord running(record);
  if (message == WM_NCDESTROY) {
    // The hooks see the end first (a drag in progress is cancelled, say),
    // then the window's own procedure, then everything the record holds goes.
    for (std::size_t i = 0; i < record.hooks.size(); ++i) {
      LRESULT ignored = 0;
      record.hooks[i](record, message, wParam, lParam, ignored);
    }
    RemoveWindowSubclass(window, recordProcedure, recordSubclassId);
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    record.end();
    return result;
  }
  // A hook may add hooks while it runs: each is read again by its index.
  for (std::size_t i = 0; i < record.hooks.size(); ++i) {
    MessageHook hook = record.hooks[i];
    LRESULT result = 0;
    if (hook(record, message, wParam, lParam, result)) return result;
    if (record.ended) return 0;  // the hook destroyed the window
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

WindowRecord::~WindowRecord() {
  if (shortcutTable != NULL) DestroyAcceleratorTable(shortcutTable);
}

void WindowRecord::end() {
  ended = true;
  for (auto& objects : links) {
    for (ObjectLink* link : objects) link->linkedTo = NULL;
    objects.clear();
  }
  // An owned tooltip may have gone already, with its top-level window.
  for (HWND tooltip : tooltips)
    if (IsWindow(tooltip)) DestroyWindow(tooltip);
  tooltips.clear();
}

void WindowRecord::addHook(MessageHook hook) {
  if (std::find(hooks.begin(), hooks.end(), hook) != hooks.end()) return;
  hooks.insert(hooks.end() - static_cast<std::ptrdiff_t>(lastHooks), hook);
}

void WindowRecord::addLastHook(MessageHook hook) {
  if (std::find(hooks.begin(), hooks.end(), hook) != hooks.end()) return;
  hooks.push_back(hook);
  ++lastHooks;
}

// A hook or handler may destroy the window whose record runs it: the record
// goes only once nothing holds it.
KeepRecord::KeepRecord(WindowRecord& record) : kept(record) { ++kept.running; }

KeepRecord::~KeepRecord() {
  if (--kept.running == 0 && kept.ended) delete &kept;
}

WindowRecord* findRecord(HWND window) {
  DWORD_PTR data = 0;
  GetSubclass query = getWindowSubclass();
  if (window == NULL || query == nullptr ||
      !query(window, recordProcedure, recordSubclassId, &data))
    return nullptr;
  WindowRecord* found = reinterpret_cast<WindowRecord*>(data);
  return found != nullptr && !found->ended ? found : nullptr;
}

WindowRecord* record(HWND window) {
  if (WindowRecord* found = findRecord(window)) return found;
  // A window of another thread cannot be subclassed from this one.
  if (window == NULL || GetWindowThreadProcessId(window, NULL) != GetCurrentThreadId())
    return nullptr;
  WindowRecord* made = new WindowRecord(window);
  if (!SetWindowSubclass(window, recordProcedure, recordSubclassId,
                         reinterpret_cast<DWORD_PTR>(made))) {
    delete made;
    return nullptr;
  }
  return made;
}

LRESULT callNext(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(record.window, message, wParam, lParam);
}

Control* linkedObject(HWND window, ObjectLink::Role role) {
  const WindowRecord* found = findRecord(window);
  if (found == nullptr || found->links[role].empty()) return nullptr;
  return found->links[role].back()->owner();
}

void moveRecord(HWND from, HWND to) {
  WindowRecord* old = findRecord(from);
  WindowRecord* fresh = record(to);
  if (old == nullptr || fresh == nullptr || old == fresh) return;
  for (int role = 0; role < ObjectLink::roleCount; ++role) {
    for (ObjectLink* link : old->links[role]) {
      link->linkedTo = to;
      link->owner()->hwnd = to;
      fresh->links[role].push_back(link);
    }
    old->links[role].clear();
  }
  const auto& named = fresh->links[ObjectLink::userData];
  setSlot(to, named.empty() ? nullptr : named.back()->owner());
  for (std::size_t i = 0; i < old->hooks.size(); ++i) {
    if (i < old->hooks.size() - old->lastHooks)
      fresh->addHook(old->hooks[i]);
    else
      fresh->addLastHook(old->hooks[i]);
  }
  for (ParentMessageHandler& handler : old->toParent) fresh->toParent.push_back(std::move(handler));
  old->toParent.clear();
  for (MessageHandler& handler : old->handlers) fresh->handlers.push_back(std::move(handler));
  old->handlers.clear();
  fresh->shortcuts.insert(fresh->shortcuts.end(), old->shortcuts.begin(), old->shortcuts.end());
  old->shortcuts.clear();
  moveTooltips(*old, *fresh);
}

// ---------------------------------------------------------------------------
// The link inside each object. It finds its object at a fixed distance from
// itself, so a moved object's link knows both the old and the new object.

void ObjectLink::place(const Control* owner, Role linkRole) {
  offset = reinterpret_cast<const char*>(this) - reinterpret_cast<const char*>(owner);
  role = linkRole;
  placed = true;
  if (role == instance) link(owner->hwnd);
}

Control* ObjectLink::owner() const {
  return reinterpret_cast<Control*>(const_cast<char*>(reinterpret_cast<const char*>(this)) -
                                    offset);
}

void ObjectLink::link(HWND window) {
  if (!placed) return;
  if (window == NULL) {
    unlink();
    return;
  }
  WindowRecord* to = record(window);
  if (linkedTo != window) unlink();
  if (to != nullptr) {
    std::vector<ObjectLink*>& links = to->links[role];
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
    links.push_back(this);
    linkedTo = window;
  }
  // Without a record (another thread's window) the slot is written all the same.
  if (role == userData) setSlot(window, owner());
}

void ObjectLink::unlink() {
  if (linkedTo == NULL) return;
  HWND window = linkedTo;
  linkedTo = NULL;
  WindowRecord* in = findRecord(window);
  if (in == nullptr) return;
  std::vector<ObjectLink*>& links = in->links[role];
  links.erase(std::remove(links.begin(), links.end(), this), links.end());
  if (role == userData && slotOf(window) == owner())
    setSlot(window, links.empty() ? nullptr : links.back()->owner());
}

void ObjectLink::takeOver(ObjectLink& other) {
  HWND window = other.linkedTo;
  if (window == NULL) return;
  WindowRecord* in = findRecord(window);
  other.linkedTo = NULL;
  if (in == nullptr) return;
  std::vector<ObjectLink*>& links = in->links[role];
  links.erase(std::remove(links.begin(), links.end(), this), links.end());
  std::replace(links.begin(), links.end(), &other, this);
  linkedTo = window;
  if (role == userData && slotOf(window) == other.owner()) setSlot(window, owner());
}

ObjectLink::ObjectLink(const ObjectLink& other)
    : offset(other.offset), role(other.role), placed(other.placed) {
  // A copy stands for its window only where every object does (instance).
  if (placed && role == instance) link(owner()->hwnd);
}

ObjectLink::ObjectLink(ObjectLink&& other) noexcept
    : offset(other.offset), role(other.role), placed(other.placed) {
  takeOver(other);
}

// An object that now stands for another window gives up its old one.
ObjectLink& ObjectLink::operator=(const ObjectLink&) {
  if (!placed) return *this;
  HWND now = owner()->hwnd;
  if (linkedTo != now) unlink();
  if (role == instance) link(now);
  return *this;
}

ObjectLink& ObjectLink::operator=(ObjectLink&& other) noexcept {
  if (this == &other || !placed) return *this;
  if (linkedTo != other.linkedTo) unlink();
  takeOver(other);
  return *this;
}

ObjectLink::~ObjectLink() { unlink(); }

}  // namespace detail

void Control::registerObject() { link.link(hwnd); }

}  // namespace tarn
