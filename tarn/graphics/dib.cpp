#include "tarn/graphics/dib.h"

#include <climits>

namespace tarn {
namespace dib {

namespace {

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  put16(out, at, value & 0xFFFF);
  put16(out, at + 2, value >> 16);
}

}  // namespace

bool supportedDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: return true;
    default: return false;
  }
}

int colourEntries(int bitsPerPixel) {
  return (bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8) ? (1 << bitsPerPixel) : 0;
}

std::uint64_t rowBytes(int width, int bitsPerPixel) {
  if (width <= 0 || bitsPerPixel <= 0) return 0;
  std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
  return ((bits + 31) / 32) * 4;
}

std::uint64_t imageBytes(int width, int height, int bitsPerPixel) {
  if (height <= 0) return 0;
  return rowBytes(width, bitsPerPixel) * static_cast<std::uint64_t>(height);
}

std::uint32_t statedImageSize(int width, int height, int bitsPerPixel) {
  if (width <= 0 || height <= 0 || bitsPerPixel <= 0) return 0;
  std::uint64_t size = static_cast<std::uint64_t>(bitsPerPixel) *
                       static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) / 8;
  return size > 0xFFFFFFFFull ? 0 : static_cast<std::uint32_t>(size);
}

std::vector<std::uint8_t> infoBytes(int width, int height, int bitsPerPixel) {
  int entries = colourEntries(bitsPerPixel);
  std::size_t tableEntries = entries > 0 ? static_cast<std::size_t>(entries) : 1;
  std::vector<std::uint8_t> out(headerSize + 4 * tableEntries, 0);
  put32(out, 0, headerSize);
  put32(out, 4, static_cast<std::uint32_t>(width));
  put32(out, 8, static_cast<std::uint32_t>(height));
  put16(out, 12, 1);
  put16(out, 14, static_cast<std::uint32_t>(bitsPerPixel));
  put32(out, 16, 0);  // uncompressed
  put32(out, 20, statedImageSize(width, height, bitsPerPixel));
  for (int i = 0; i < entries; ++i) {
    // Blue, green, red, reserved: level i of `entries` evenly spaced greys.
    std::uint8_t level = static_cast<std::uint8_t>(i * 255 / (entries - 1));
    std::size_t at = headerSize + 4 * static_cast<std::size_t>(i);
    out[at] = out[at + 1] = out[at + 2] = level;
  }
  return out;
}

bool drawable(int width, int height, int bitsPerPixel) {
  if (!supportedDepth(bitsPerPixel) || width <= 0 || height <= 0) return false;
  return imageBytes(width, height, bitsPerPixel) <= static_cast<std::uint64_t>(INT_MAX);
}

}  // namespace dib
}  // namespace tarn
