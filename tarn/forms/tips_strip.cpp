// The tips dialog's picture strip, drawn pixel by pixel into its record.
#include "tarn/forms/tips_strip.h"

#include <cmath>

namespace tarn {
namespace tipsstrip {

namespace {

struct Rgb {
  double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Coverage of a pixel by a shape edge `distance` pixels inside it (negative:
// outside), for soft edges.
double coverage(double distance) {
  return distance >= 0.5 ? 1.0 : distance <= -0.5 ? 0.0 : distance + 0.5;
}

double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay;
  double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The green of the tip titles (0, 128, 0), lighter at the top.
const Rgb topGreen = {96, 176, 96};
const Rgb bottomGreen = {0, 96, 0};
const Rgb glass = {255, 244, 160};
const Rgb glassEdge = {214, 170, 40};
const Rgb metal = {180, 180, 186};
const Rgb ray = {255, 236, 120};

constexpr double bulbX = 32, bulbY = 78, bulbRadius = 17;

Rgb colourOf(double x, double y) {
  Rgb c = mix(topGreen, bottomGreen, y / (height - 1));
  // Rays around the bulb.
  for (int i = 0; i < 8; ++i) {
    if (i == 4) continue;  // none pointing down at the base
    double angle = i * 3.14159265358979 / 4 - 3.14159265358979 / 2;
    double ax = bulbX + std::cos(angle) * (bulbRadius + 5),
           ay = bulbY + std::sin(angle) * (bulbRadius + 5);
    double bx = bulbX + std::cos(angle) * (bulbRadius + 12),
           by = bulbY + std::sin(angle) * (bulbRadius + 12);
    c = mix(c, ray, coverage(1.2 - distanceToSegment(x, y, ax, ay, bx, by)));
  }
  // The glass: a circle with a rim, and a neck narrowing to the base.
  double d = std::hypot(x - bulbX, y - bulbY);
  c = mix(c, glassEdge, coverage(bulbRadius + 1.5 - d));
  c = mix(c, glass, coverage(bulbRadius - d));
  double neckTop = bulbY + bulbRadius * 0.6, neckBottom = bulbY + bulbRadius + 6;
  if (y >= neckTop && y <= neckBottom) {
    double t = (y - neckTop) / (neckBottom - neckTop);
    double half = bulbRadius * 0.8 - t * bulbRadius * 0.35;
    c = mix(c, glass, coverage(half - std::fabs(x - bulbX)));
  }
  // The screw base: three grey lines and a small cap.
  for (int i = 0; i < 3; ++i) {
    double ly = neckBottom + 2 + i * 4;
    c = mix(c, metal, coverage(1.6 - distanceToSegment(x, y, bulbX - 9, ly, bulbX + 9, ly)));
  }
  c = mix(c, metal, coverage(2.5 - std::hypot(x - bulbX, y - (neckBottom + 14))));
  // A highlight on the glass.
  c = mix(c, Rgb{255, 255, 255}, 0.8 * coverage(4 - std::hypot(x - (bulbX - 7), y - (bulbY - 7))));
  return c;
}

std::uint8_t channel(double v) {
  return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : std::lround(v));
}

Picture drawn() {
  Picture p = {width, height, bytesPerPixel, {}};
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = p.pixels + static_cast<std::size_t>(height - 1 - y) * width * bytesPerPixel;
    for (int x = 0; x < width; ++x) {
      Rgb c = colourOf(x + 0.5, y + 0.5);
      row[x * 4] = channel(c.b);
      row[x * 4 + 1] = channel(c.g);
      row[x * 4 + 2] = channel(c.r);
      row[x * 4 + 3] = 0;
    }
  }
  return p;
}

}  // namespace

const Picture& picture() {
  static const Picture strip = drawn();
  return strip;
}

std::uint32_t colourAt(const Picture& p, int x, int y) {
  if (x < 0 || y < 0 || x >= p.width || y >= p.height) return 0;
  const std::uint8_t* at =
      p.pixels + (static_cast<std::size_t>(p.height - 1 - y) * p.width + x) * p.bytesPerPixel;
  return static_cast<std::uint32_t>(at[2]) | (static_cast<std::uint32_t>(at[1]) << 8) |
         (static_cast<std::uint32_t>(at[0]) << 16);
}

}  // namespace tipsstrip
}  // namespace tarn
