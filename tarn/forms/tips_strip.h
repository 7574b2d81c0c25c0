// The tips dialog's picture strip: a 64 x 210 picture made by code (a green
// gradient with a light bulb), in the record the dialog draws from. No Windows
// calls.
#ifndef TARN_FORMS_TIPS_STRIP_H
#define TARN_FORMS_TIPS_STRIP_H

#include <cstdint>

namespace tarn {
namespace tipsstrip {

constexpr int width = 64;
constexpr int height = 210;
constexpr int bytesPerPixel = 4;

// Three 32-bit numbers, then the pixels: rows bottom-up, each pixel blue,
// green, red and an unused byte.
struct Picture {
  std::int32_t width;
  std::int32_t height;
  std::int32_t bytesPerPixel;
  std::uint8_t pixels[tipsstrip::width * tipsstrip::height * tipsstrip::bytesPerPixel];
};

// The strip, drawn on the first call.
const Picture& picture();

// The colour at (x, y) counted from the top left, as 0x00BBGGRR.
std::uint32_t colourAt(const Picture& picture, int x, int y);

}  // namespace tipsstrip
}  // namespace tarn

#endif
