// Draws the launcher's default splash picture and writes it as a 24-bit BMP.
// Runs on the build machine:  splash_picture OUTPUT.bmp
//
// The picture is 640 by 480: a night-blue gradient with a soft glow, the
// product name "Lumo One" in block letters from a small built-in 5x7 font, an
// accent line and "Loading...".
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "bmp24.h"

namespace {

using bmp24::Image;
using bmp24::rgb;

// 5x7 glyphs standing on the line, one text row per glyph row; '#' is ink.
// Letters with a descender ('g') have two rows more, below the line; the
// rows a glyph leaves out are blank.
constexpr int glyphRows = 9;

struct Glyph {
  char ch;
  const char* rows[glyphRows];
};

const Glyph font[] = {
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'g', {".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

const Glyph* glyphFor(char c) {
  for (const Glyph& g : font)
    if (g.ch == c) return &g;
  return nullptr;  // characters outside the font are left blank
}

// Width in pixels of `text` at `scale`: five columns per glyph, one between.
int textWidth(const std::string& text, int scale) {
  if (text.empty()) return 0;
  return (static_cast<int>(text.size()) * 6 - 1) * scale;
}

void drawText(Image& image, const std::string& text, int x, int y, int scale, std::uint32_t ink) {
  for (char c : text) {
    if (const Glyph* g = glyphFor(c)) {
      for (int row = 0; row < glyphRows && g->rows[row] != nullptr; ++row)
        for (int col = 0; col < 5; ++col)
          if (g->rows[row][col] == '#')
            image.fill(x + col * scale, y + row * scale, x + (col + 1) * scale,
                       y + (row + 1) * scale, ink);
    }
    x += 6 * scale;
  }
}

unsigned mix(unsigned a, unsigned b, double t) {
  if (t < 0) t = 0;
  if (t > 1) t = 1;
  return static_cast<unsigned>(a + (static_cast<double>(b) - a) * t + 0.5);
}

std::uint32_t mixColour(std::uint32_t a, std::uint32_t b, double t) {
  return rgb(mix(bmp24::red(a), bmp24::red(b), t), mix(bmp24::green(a), bmp24::green(b), t),
             mix(bmp24::blue(a), bmp24::blue(b), t));
}

Image drawSplash() {
  const int w = 640, h = 480;
  Image image(w, h);
  const std::uint32_t top = rgb(10, 20, 48), bottom = rgb(16, 64, 104), glow = rgb(70, 140, 190);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t c = mixColour(top, bottom, static_cast<double>(y) / (h - 1));
      double dx = x - 320.0, dy = (y - 200.0) * 1.6;
      double d = std::sqrt(dx * dx + dy * dy) / 300.0;
      image.set(x, y, mixColour(c, glow, 0.55 * (1.0 - d) * (1.0 - d) * (d < 1.0)));
    }
  }

  const std::string title = "Lumo One";
  const int scale = 10;
  const int tx = (w - textWidth(title, scale)) / 2, ty = 150;
  drawText(image, title, tx + 5, ty + 6, scale, rgb(4, 10, 28));  // shadow
  drawText(image, title, tx, ty, scale, rgb(246, 249, 255));

  image.fill(tx, ty + 7 * scale + 30, tx + textWidth(title, scale), ty + 7 * scale + 34,
             rgb(0, 190, 210));

  const std::string status = "Loading...";
  const int small = 3;
  drawText(image, status, (w - textWidth(status, small)) / 2, ty + 7 * scale + 56, small,
           rgb(150, 210, 230));

  // A hairline frame so the picture's edge shows on any desktop.
  image.fill(0, 0, w, 1, rgb(0, 190, 210));
  image.fill(0, h - 1, w, h, rgb(0, 190, 210));
  image.fill(0, 0, 1, h, rgb(0, 190, 210));
  image.fill(w - 1, 0, w, h, rgb(0, 190, 210));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
    return 2;
  }
  const std::string bytes = bmp24::encode(drawSplash());
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::fprintf(stderr, "splash_picture: cannot write %s\n", argv[1]);
    return 1;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::fprintf(stderr, "splash_picture: writing %s failed\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
