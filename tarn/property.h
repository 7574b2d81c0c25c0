// Tarn foundations: the platform headers every part of the toolkit uses, the
// runtime check (TARN_CHECK, the "Tarn runtime check" box) and Property, the
// owner-bound getter/setter member that carries every object's values.
//
// Classes and functions in this file (sources):
//   runtime checks, TARN_CHECK   core/check.cpp
//   Property                     (header only)
#ifndef TARN_PROPERTY_H
#define TARN_PROPERTY_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tarn {

// ===========================================================================
// Runtime checks
// ===========================================================================

/// Caption and flags of the runtime-check message box.
constexpr const char* runtimeCheckCaption = "Tarn runtime check";
/// The runtime-check box's buttons and icon: Abort, Retry, Ignore (the default), error icon.
constexpr unsigned runtimeCheckFlags = MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON3;  // 0x212
/// The room formatRuntimeCheck is given for the box's text, terminator included.
constexpr std::size_t runtimeCheckBufferSize = 1024;

/// Builds the runtime-check message into `out` (capacity `size`, always
/// zero-terminated, cut when the parts are longer) and returns the length written.
std::size_t formatRuntimeCheck(char* out, std::size_t size, const char* program, const char* file,
                               long line, const char* expression, const char* date,
                               const char* time);

/// Shows the runtime-check box for a failed condition. Abort ends the process
/// with exit code 0; Retry and Ignore return to the caller.
void runtimeCheckFailed(const char* conditionText, const char* file, long line,
                        const char* date = __DATE__, const char* time = __TIME__);

/// Returns `condition`; when it is false, shows the runtime-check box first.
inline bool runtimeCheck(bool condition, const char* conditionText, const char* file, long line,
                         const char* date = __DATE__, const char* time = __TIME__) {
  if (!condition) runtimeCheckFailed(conditionText, file, line, date, time);
  return condition;
}

}  // namespace tarn

/// Expands in place: one comparison when the condition holds; otherwise the box
/// names this file, line and compile time. Yields the condition's truth.
#define TARN_CHECK(condition) \
  ((condition)                \
       ? true                 \
       : (::tarn::runtimeCheckFailed(#condition, __FILE__, __LINE__, __DATE__, __TIME__), false))

namespace tarn {

// ===========================================================================
// Properties
// ===========================================================================

/// A data-like member that reads through a getter and writes through a setter of
/// its owner. A property is copied only as part of its owner (the copy
/// operations are the owner's alone), and each copy is rebound to the new owner:
/// the owner pointer moves with the property, so a copied or moved object never
/// calls through the object it came from. Properties are not values of their
/// own: to copy a value between objects, read it: `a.width = b.width.get()`.
template <class Owner, class T>
class Property {
 public:
  /// The owner's member function a write calls with the new value.
  using Setter = void (Owner::*)(T);
  /// The owner's member function a read calls.
  using Getter = T (Owner::*)() const;

  /// An unbound property: reading or writing it fails the runtime check until it is bound.
  Property() = default;

  /// Binds the property to its owner object (done by the owner's constructor).
  void bindOwner(Owner* owner) { m_cObject = owner; }
  /// Sets the owner's function that writes go through.
  void bindSetter(Setter setter) { Set = setter; }
  /// Sets the owner's function that reads go through.
  void bindGetter(Getter getter) { Get = getter; }
  /// Binds owner, getter and setter at once; without a setter the property is read-only.
  void bind(Owner* owner, Getter getter, Setter setter = nullptr) {
    m_cObject = owner;
    Get = getter;
    Set = setter;
  }

  /// Read: after a failed check (Retry or Ignore) the value-initialised T.
  T value() const {
    bool owned = TARN_CHECK(m_cObject != NULL);
    bool readable = TARN_CHECK(Get != NULL);
    if (!owned || !readable) return T();
    return (m_cObject->*Get)();
  }
  /// Reads the value, as value() does, wherever a T is expected.
  operator T() const { return value(); }
  /// The value, where a plain value is wanted: `printf("%d", form.x.get())`,
  /// `auto w = form.width.get()` (a property itself cannot be copied out of its owner).
  T get() const { return value(); }

  /// Write: yields the value given, not a fresh read. After a failed check the
  /// owner is left alone.
  T operator=(const T& newValue) {
    bool owned = TARN_CHECK(m_cObject != NULL);
    bool writable = TARN_CHECK(Set != NULL);
    if (owned && writable) (m_cObject->*Set)(newValue);
    return newValue;
  }

  /// The object the property reads and writes through; null before binding.
  Owner* owner() const { return m_cObject; }
  /// Whether the property has been bound to an owner.
  bool isBound() const { return m_cObject != nullptr; }

 private:
  friend Owner;

  // Copied as part of an owner: bound to the same place in the new owner.
  Property(const Property& other) noexcept
      : m_cObject(relocatedOwner(other)), Set(other.Set), Get(other.Get) {}
  // Assigned as part of an owner: a bound property stays bound to its owner.
  Property& operator=(const Property& other) noexcept {
    if (this != &other && m_cObject == nullptr) {
      m_cObject = relocatedOwner(other);
      Set = other.Set;
      Get = other.Get;
    }
    return *this;
  }

  Owner* relocatedOwner(const Property& other) const noexcept {
    if (other.m_cObject == nullptr) return nullptr;
    const char* from = reinterpret_cast<const char*>(&other);
    const char* owner = reinterpret_cast<const char*>(other.m_cObject);
    return reinterpret_cast<Owner*>(
        const_cast<char*>(reinterpret_cast<const char*>(this) - (from - owner)));
  }

  Owner* m_cObject = nullptr;
  Setter Set = nullptr;
  Getter Get = nullptr;
};

}  // namespace tarn

#endif  // TARN_PROPERTY_H
