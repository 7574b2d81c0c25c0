// Where a test's controls live: a fixture whose form (a visible top-level form
// without a frame, so its client area is its whole size) is made before each
// test and destroyed after it; and what a control's window says of itself.
#ifndef TARN_TESTS_SUPPORT_CONTROL_HOST_H
#define TARN_TESTS_SUPPORT_CONTROL_HOST_H

#include <gtest/gtest.h>

#include <string>

#include <tarn/tarn.h>

namespace testing_support {

struct HostPlace {
  int x, y, width, height;
};

// TEST_F(ControlHost, ...) puts the form at 20, 20, 600 x 400; a suite that
// needs another place derives and passes its own.
class ControlHost : public ::testing::Test {
 protected:
  static constexpr HostPlace standardPlace = {20, 20, 600, 400};
  static constexpr int hostWidth = standardPlace.width;
  static constexpr int hostHeight = standardPlace.height;

  explicit ControlHost(HostPlace place = standardPlace)
      : form("host", place.x, place.y, place.width, place.height, 10, true, true, false, false,
             false, tarn::Control(), false, 0) {}
  ~ControlHost() override { form.destroy(); }

  tarn::Form form;
};

inline std::string classOf(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// Where the window sits in its parent's client area.
inline RECT placeOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(window, &r);
  MapWindowPoints(NULL, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace testing_support

#endif
