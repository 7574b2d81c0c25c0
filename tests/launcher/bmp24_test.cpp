// The 24-bit BMP encoder and decoder shared by the picture generator, the
// launcher's tests and its benchmark, and the picture the build draws.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/support.h"
#include "tools/bmp24.h"

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
         (static_cast<unsigned char>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

void put32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

bmp24::Image pattern(int w, int h) {
  bmp24::Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.set(x, y, bmp24::rgb(x * 40 + 1, y * 50 + 2, x * y + 3));
  return image;
}

}  // namespace

TEST(Bmp24, HeaderRowOrderAndPadding) {
  // Three pixels a row: nine bytes padded to twelve.
  bmp24::Image image(3, 2, bmp24::rgb(1, 2, 3));
  image.set(0, 1, bmp24::rgb(0x10, 0x20, 0x30));  // bottom row, first pixel
  std::string b = bmp24::encode(image);
  ASSERT_EQ(54u + 12u * 2u, b.size());
  EXPECT_EQ('B', b[0]);
  EXPECT_EQ('M', b[1]);
  EXPECT_EQ(b.size(), u32(b, 2));
  EXPECT_EQ(54u, u32(b, 10));
  EXPECT_EQ(40u, u32(b, 14));
  EXPECT_EQ(3u, u32(b, 18));
  EXPECT_EQ(2u, u32(b, 22));
  EXPECT_EQ(24, static_cast<unsigned char>(b[28]));
  EXPECT_EQ(0u, u32(b, 30));
  EXPECT_EQ(24u, u32(b, 34));
  // The first stored row is the bottom one, blue first; padding is zero.
  EXPECT_EQ(0x30, static_cast<unsigned char>(b[54]));
  EXPECT_EQ(0x20, static_cast<unsigned char>(b[55]));
  EXPECT_EQ(0x10, static_cast<unsigned char>(b[56]));
  EXPECT_EQ(0, b[63]);
  EXPECT_EQ(0, b[65]);
  EXPECT_EQ(3, static_cast<unsigned char>(b[66]));  // top row starts with the fill
}

TEST(Bmp24, DecodeReadsBackWhatEncodeWrote) {
  for (int w : {1, 2, 3, 4, 5, 7}) {
    bmp24::Image image = pattern(w, 3);
    bmp24::Image back;
    ASSERT_TRUE(bmp24::decode(bmp24::encode(image), back)) << w;
    EXPECT_EQ(w, back.width);
    EXPECT_EQ(3, back.height);
    EXPECT_EQ(image.pixels, back.pixels) << w;
  }
}

TEST(Bmp24, DecodeReadsTopDownRows) {
  bmp24::Image image = pattern(4, 3);
  std::string b = bmp24::encode(image);
  // Turn it into a top-down file: negative height, rows reversed.
  put32(b, 22, static_cast<std::uint32_t>(-3));
  std::string rows = b.substr(54);
  std::size_t stride = bmp24::rowStride(4);
  for (int r = 0; r < 3; ++r) b.replace(54 + r * stride, stride, rows.substr((2 - r) * stride, stride));
  bmp24::Image back;
  ASSERT_TRUE(bmp24::decode(b, back));
  EXPECT_EQ(image.pixels, back.pixels);
}

TEST(Bmp24, DecodeRefusesWhatItCannotRead) {
  const std::string good = bmp24::encode(pattern(5, 4));
  bmp24::Image out(2, 2);
  auto refused = [&](std::string b) { return !bmp24::decode(b, out) && out.width == 0 && out.pixels.empty(); };
  EXPECT_TRUE(refused(""));
  EXPECT_TRUE(refused(good.substr(0, 53)));                 // header cut
  EXPECT_TRUE(refused(good.substr(0, good.size() - 1)));    // pixels cut
  std::string b = good;
  b[0] = 'X';
  EXPECT_TRUE(refused(b));
  b = good;
  b[28] = 8;  // 8 bits per pixel
  EXPECT_TRUE(refused(b));
  b = good;
  put32(b, 30, 1);  // compressed
  EXPECT_TRUE(refused(b));
  b = good;
  put32(b, 18, 0x7FFFFFFF);  // width far beyond the data
  EXPECT_TRUE(refused(b));
  b = good;
  put32(b, 22, 0x80000000u);  // the most negative height
  EXPECT_TRUE(refused(b));
  b = good;
  put32(b, 10, 0xFFFFFFF0u);  // pixel offset past the end
  EXPECT_TRUE(refused(b));
}

// The picture the build draws for the launcher: 640 by 480, the product name
// in light letters on a dark ground.
TEST(SplashPicture, BuildDrawsTheProductPicture) {
  std::string path = testing_support::programFolder() + "\\SplashScreen.bmp";
  std::string bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  bmp24::Image image;
  ASSERT_TRUE(bmp24::decode(bytes, image)) << path;
  EXPECT_EQ(640, image.width);
  EXPECT_EQ(480, image.height);
  int light = 0, dark = 0;
  for (std::uint32_t c : image.pixels) {
    unsigned sum = bmp24::red(c) + bmp24::green(c) + bmp24::blue(c);
    if (sum > 700) ++light;
    if (sum < 250) ++dark;
  }
  EXPECT_GT(light, 5000);   // the letters
  EXPECT_GT(dark, 150000);  // the ground
}
