// The object registry: the entries of window and object, the user-data slot
// they keep naming a live object, and the link inside each object.
#include "tarn/core/registry.h"

namespace tarn {
namespace detail {

namespace {

Control* slotOf(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void setSlot(HWND window, Control* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

}  // namespace

// Never destroyed: objects with static storage may outlive any other static.
Registry& objectSlots() {
  static Registry* slots = new Registry(Registry::Kind::userDataSlot);
  return *slots;
}

void Registry::add(HWND window, Control* object, WNDPROC previous) {
  if (kind == Kind::userDataSlot) setSlot(window, object);
  if (window == NULL) return;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].window == window && entries[i].object == object) {
      entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  entries.push_back({window, object, previous});
}

const Registry::Entry* Registry::find(HWND window) const {
  for (const Entry& e : entries)
    if (e.window == window) return &e;
  return nullptr;
}

bool Registry::names(const Control* object) const {
  for (const Entry& e : entries)
    if (e.object == object) return true;
  return false;
}

void Registry::drop(HWND window) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].window == window) {
      entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
}

void Registry::forget(Control* object, HWND keep, bool keepWindow) {
  for (std::size_t i = 0; i < entries.size();) {
    if (entries[i].object != object || (keepWindow && entries[i].window == keep)) {
      ++i;
      continue;
    }
    if (kind == Kind::untilWindowGoes) {
      entries[i++].object = nullptr;
      continue;
    }
    HWND window = entries[i].window;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    if (slotOf(window) != object) continue;
    Control* successor = nullptr;
    for (const Entry& e : entries)
      if (e.window == window) successor = e.object;
    setSlot(window, successor);
  }
}

void Registry::moveOver(Control* from, Control* to) {
  for (Entry& e : entries) {
    if (e.object != from) continue;
    e.object = to;
    if (kind == Kind::userDataSlot && slotOf(e.window) == from) setSlot(e.window, to);
  }
}

// ---------------------------------------------------------------------------
// The link inside each object. It finds its object at a fixed distance from
// itself, so a moved object's link knows both the old and the new object.

void ObjectLink::place(const Control* owner, Registry& in) {
  registry = &in;
  offset = reinterpret_cast<const char*>(this) - reinterpret_cast<const char*>(owner);
}

Control* ObjectLink::owner() const {
  return reinterpret_cast<Control*>(const_cast<char*>(reinterpret_cast<const char*>(this)) -
                                    offset);
}

void ObjectLink::takeOver(const ObjectLink& other) {
  if (registry == nullptr) return;
  Control* to = owner();
  registry->forget(to, to->hwnd, true);  // windows this object no longer stands for
  registry->moveOver(other.owner(), to);
}

ObjectLink::ObjectLink(ObjectLink&& other) noexcept
    : registry(other.registry), offset(other.offset) {
  takeOver(other);
}

// An object that now stands for another window gives up its old one.
ObjectLink& ObjectLink::operator=(const ObjectLink&) {
  if (registry != nullptr) registry->forget(owner(), owner()->hwnd, true);
  return *this;
}

ObjectLink& ObjectLink::operator=(ObjectLink&& other) noexcept {
  if (this != &other) takeOver(other);
  return *this;
}

ObjectLink::~ObjectLink() {
  if (registry != nullptr) registry->forget(owner(), NULL, false);
}

}  // namespace detail

void Control::registerObject() { detail::objectSlots().add(hwnd, this); }

}  // namespace tarn
