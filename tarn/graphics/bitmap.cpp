// Bitmaps: one system bitmap handle with its BITMAP record, and drawing a
// bitmap onto a window.
#include <cstring>

#include "tarn/core/holders.h"
#include "tarn/graphics.h"

namespace tarn {

Bitmap::Bitmap() : bmp(NULL) {
  bindProperties();
  std::memset(&info, 0, sizeof info);
}

Bitmap::Bitmap(HBITMAP handle) : bmp(NULL) {
  bindProperties();
  std::memset(&info, 0, sizeof info);
  bmp = handle;
  // The check shows the expression as written.
  // clang-format off
  TARN_CHECK(this->bmp!=NULL);
  // clang-format on
  readInfo();
}

Bitmap::Bitmap(unsigned resource) : bmp(NULL) {
  bindProperties();
  std::memset(&info, 0, sizeof info);
  bmp = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resource & 0xFFFF));
  // The check shows the expression as written.
  // clang-format off
  TARN_CHECK(this->bmp!=NULL);
  // clang-format on
  readInfo();
}

Bitmap::Bitmap(const char* resourceName) : bmp(NULL) {
  bindProperties();
  std::memset(&info, 0, sizeof info);
  bmp = resourceName ? LoadBitmapA(GetModuleHandleA(NULL), resourceName) : NULL;
  // The check shows the expression as written.
  // clang-format off
  TARN_CHECK(this->bmp!=NULL);
  // clang-format on
  readInfo();
}

void Bitmap::bindProperties() {
  width.bind(this, &Bitmap::getWidth);
  height.bind(this, &Bitmap::getHeight);
}

// A missing bitmap leaves `info` cleared, so its size reads as 0 x 0.
void Bitmap::readInfo() {
  if (bmp != NULL) GetObjectA(bmp, sizeof info, &info);
}

int Bitmap::getWidth() const {
  // The check shows the expression as written.
  // clang-format off
  TARN_CHECK(bmp!=NULL);
  // clang-format on
  return info.bmWidth;
}

int Bitmap::getHeight() const {
  // The check shows the expression as written.
  // clang-format off
  TARN_CHECK(bmp!=NULL);
  // clang-format on
  return info.bmHeight;
}

BOOL drawBitmap(const Control& window, Bitmap bmp, int x, int y) {
  if (!TARN_CHECK(bmp.bmp != NULL)) return FALSE;
  // A window object without a window has nothing to draw on (GetDC(NULL) would
  // hand out the whole screen).
  if (window.hwnd == NULL) return FALSE;
  detail::WindowDC target(window.hwnd);
  detail::MemoryDC memory(target);
  {
    // The bitmap is given back before the context goes, so it can be selected again.
    detail::Selection chosen(memory, bmp.bmp);
    BitBlt(target, x, y, bmp.width, bmp.height, memory, 0, 0, SRCCOPY);
  }
  target.release();
  return memory.release();
}

}  // namespace tarn
