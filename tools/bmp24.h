// 24-bit Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up
// rows padded to four bytes), encoded and decoded as plain bytes. Used by the
// build-time picture generator, the launcher's tests and its benchmark; no
// system headers, so it compiles for the build machine and for Windows alike.
#ifndef TARN_TOOLS_BMP24_H
#define TARN_TOOLS_BMP24_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bmp24 {

// A colour as the Windows colour type holds it: 0x00BBGGRR.
inline std::uint32_t rgb(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
inline unsigned red(std::uint32_t c) { return c & 0xFFu; }
inline unsigned green(std::uint32_t c) { return (c >> 8) & 0xFFu; }
inline unsigned blue(std::uint32_t c) { return (c >> 16) & 0xFFu; }

// A picture held top row first, one colour per pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Image() = default;
  Image(int w, int h, std::uint32_t fill = 0)
      : width(w < 0 ? 0 : w),
        height(h < 0 ? 0 : h),
        pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t at(int x, int y) const {
    return contains(x, y) ? pixels[static_cast<std::size_t>(y) * width + x] : 0;
  }
  void set(int x, int y, std::uint32_t c) {
    if (contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = c;
  }
  // Fills the rectangle [x0, x1) x [y0, y1), clipped to the picture.
  void fill(int x0, int y0, int x1, int y1, std::uint32_t c) {
    if (x0 < 0) x0 = 0;
    if (y0 < 0) y0 = 0;
    if (x1 > width) x1 = width;
    if (y1 > height) y1 = height;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) pixels[static_cast<std::size_t>(y) * width + x] = c;
  }
};

// Bytes per stored row: three per pixel, padded to a multiple of four.
inline std::size_t rowStride(int width) {
  return (static_cast<std::size_t>(width < 0 ? 0 : width) * 3 + 3) & ~static_cast<std::size_t>(3);
}

namespace detail {
inline void put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
inline std::uint32_t get16(const std::string& in, std::size_t at) {
  return static_cast<unsigned char>(in[at]) | (static_cast<unsigned char>(in[at + 1]) << 8);
}
inline std::uint32_t get32(const std::string& in, std::size_t at) {
  return get16(in, at) | (get16(in, at + 2) << 16);
}
}  // namespace detail

constexpr std::size_t headerSize = 14 + 40;

// The file's bytes: 24 bits per pixel, uncompressed, bottom-up, 2835 pixels per
// metre (72 dpi) both ways.
inline std::string encode(const Image& image) {
  using detail::put16;
  using detail::put32;
  const std::size_t stride = rowStride(image.width);
  const std::size_t dataSize = stride * static_cast<std::size_t>(image.height);
  std::string out;
  out.reserve(headerSize + dataSize);
  out += "BM";
  put32(out, static_cast<std::uint32_t>(headerSize + dataSize));
  put32(out, 0);                                       // reserved
  put32(out, static_cast<std::uint32_t>(headerSize));  // offset of the pixels
  put32(out, 40);                                      // BITMAPINFOHEADER
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  put16(out, 1);                                         // planes
  put16(out, 24);                                        // bits per pixel
  put32(out, 0);                                         // BI_RGB
  put32(out, static_cast<std::uint32_t>(dataSize));
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t c = image.at(x, y);
      out.push_back(static_cast<char>(blue(c)));
      out.push_back(static_cast<char>(green(c)));
      out.push_back(static_cast<char>(red(c)));
    }
    out.append(stride - (out.size() - start), '\0');
  }
  return out;
}

// Reads a file written as `encode` writes them (24 bits, uncompressed; rows
// bottom-up or, with a negative height, top-down). Returns false, leaving `out`
// empty, for anything else or for bytes too short for the size they announce.
inline bool decode(const std::string& bytes, Image& out) {
  using detail::get16;
  using detail::get32;
  out = Image();
  if (bytes.size() < headerSize || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const std::uint32_t offset = get32(bytes, 10);
  const std::uint32_t infoSize = get32(bytes, 14);
  const std::int64_t width = static_cast<std::int32_t>(get32(bytes, 18));
  std::int64_t height = static_cast<std::int32_t>(get32(bytes, 22));
  if (infoSize < 40 || get16(bytes, 26) != 1 || get16(bytes, 28) != 24 || get32(bytes, 30) != 0)
    return false;
  const bool topDown = height < 0;
  if (topDown) height = -height;
  // Bounds that keep the arithmetic below in range.
  if (width <= 0 || height <= 0 || width > 32768 || height > 32768) return false;
  const std::size_t stride = rowStride(static_cast<int>(width));
  const std::size_t need = stride * static_cast<std::size_t>(height);
  if (offset < headerSize || offset > bytes.size() || bytes.size() - offset < need) return false;
  Image image(static_cast<int>(width), static_cast<int>(height));
  for (int row = 0; row < image.height; ++row) {
    const std::size_t at = offset + stride * static_cast<std::size_t>(row);
    const int y = topDown ? row : image.height - 1 - row;
    for (int x = 0; x < image.width; ++x) {
      const std::size_t p = at + static_cast<std::size_t>(x) * 3;
      image.set(
          x, y,
          rgb(static_cast<unsigned char>(bytes[p + 2]), static_cast<unsigned char>(bytes[p + 1]),
              static_cast<unsigned char>(bytes[p])));
    }
  }
  out = image;
  return true;
}

}  // namespace bmp24

#endif
