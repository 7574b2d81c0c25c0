// The control tests' parent: a visible borderless form whose client area is
// 600 x 400, and the classes and styles read back from a window.
#ifndef TARN_TESTS_CONTROLS_HOST_H
#define TARN_TESTS_CONTROLS_HOST_H

#include <gtest/gtest.h>

#include <string>

#include <tarn/tarn.h>

namespace controls_test {

constexpr int hostWidth = 600;
constexpr int hostHeight = 400;
constexpr int iconResource = 301;
constexpr int bitmapResource = 201;

class Host : public ::testing::Test {
 protected:
  void SetUp() override {
    form = tarn::Form("host", 20, 20, hostWidth, hostHeight, 10, true, true, false, false, false,
                      tarn::Control(), false, 0);
  }
  void TearDown() override { form.destroy(); }
  tarn::Form form;
};

inline std::string classOf(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

inline RECT placeOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(window, &r);
  MapWindowPoints(NULL, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace controls_test

#endif
