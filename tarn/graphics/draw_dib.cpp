// Drawing device-independent pixels held in memory onto a window.
#include <cstdint>
#include <vector>

#include "tarn/core/holders.h"
#include "tarn/graphics.h"
#include "tarn/graphics/dib.h"

namespace tarn {

namespace {

int draw(HWND window, bool wholeWindow, int x, int y, int width, int height, const void* pixels,
         int bitsPerPixel) {
  if (window == NULL || pixels == nullptr || !dib::drawable(width, height, bitsPerPixel)) return 0;
  detail::WindowDC dc(window, wholeWindow);
  if (dc == NULL) return 0;
  // Header plus a colour table as long as the depth needs: the system reads
  // 2, 16 or 256 entries for indexed pixels.
  std::vector<std::uint8_t> info = dib::infoBytes(width, height, bitsPerPixel);
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels,
                    reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  return dc.release();
}

}  // namespace

int drawDib(HWND window, int x, int y, int width, int height, const void* pixels,
            int bitsPerPixel) {
  return draw(window, false, x, y, width, height, pixels, bitsPerPixel);
}

int drawDibWindow(HWND window, int x, int y, int width, int height, const void* pixels,
                  int bitsPerPixel) {
  return draw(window, true, x, y, width, height, pixels, bitsPerPixel);
}

}  // namespace tarn
