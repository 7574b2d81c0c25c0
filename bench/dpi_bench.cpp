// Times creating and laying out N buttons (made, moved, resized and read back)
// through the toolkit unscaled (the screen's DPI), scaled (every window
// forced to 192 DPI through the toolkit's private hook: each value converted,
// the font at 192 DPI) and with plain CreateWindowExA and MoveWindow in
// device pixels at both DPIs. Rounds alternate the four, so that the machine's load weighs
// on all alike; prints the best round of each and the ratios.
//
//   tarn_dpi_bench [controls] [rounds]   (defaults 1000, 5)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "clock.h"
#include "tarn/core/dpi.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

long long checksum = 0;  // what the reads produced, so that none is left out

double toolkitRound(int n, int forcedDpi) {
  detail::forceDpi(forcedDpi);
  double start = seconds();
  Form host("bench", 0, 0, 400, 300, 0, true, false, false, false, false, Control(), false, 0);
  for (int i = 0; i < n; ++i) {
    Button b("Button", ++controlIdCounter, i % 300, i % 200, 80, 23, host, true, true, false, false,
             0, false, Icon());
    b.moveTo(i % 200, i % 100);
    b.resize(90, 25);
    checksum += b.width.get() + b.x.get();
  }
  host.destroy();
  double spent = seconds() - start;
  detail::forceDpi(0);
  return spent;
}

// The same windows in device pixels at `dpi`, sized and with a font as a
// program scaling its own layout would give them.
double plainRound(int n, int dpi) {
  auto px = [dpi](int units) { return MulDiv(units, dpi, 96); };
  double start = seconds();
  HWND host = CreateWindowExA(0, MAKEINTATOM(0x8002), "bench", WS_OVERLAPPEDWINDOW, 0, 0, px(400),
                              px(300), NULL, NULL, GetModuleHandleA(NULL), NULL);
  HFONT font = detail::defaultFont(dpi);
  for (int i = 0; i < n; ++i) {
    HWND b =
        CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, px(i % 300),
                        px(i % 200), px(80), px(23), host, NULL, GetModuleHandleA(NULL), NULL);
    SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    MoveWindow(b, px(i % 200), px(i % 100), px(90), px(25), TRUE);
    RECT r;
    GetWindowRect(b, &r);
    checksum += r.right - r.left;
  }
  DestroyWindow(host);
  return seconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  int screen = detail::screenDpi();
  double unscaled = 1e9, scaled = 1e9, plain = 1e9, plainScaled = 1e9;
  for (int round = 0; round < rounds; ++round) {
    unscaled = std::min(unscaled, toolkitRound(n, 0));
    scaled = std::min(scaled, toolkitRound(n, 192));
    plain = std::min(plain, plainRound(n, screen));
    plainScaled = std::min(plainScaled, plainRound(n, 192));
  }
  std::printf("%d buttons made and laid out, best of %d rounds (screen at %d DPI)\n", n, rounds,
              detail::screenDpi());
  std::printf("  toolkit unscaled    %8.1f ms\n", unscaled * 1000);
  std::printf("  toolkit at 192 DPI  %8.1f ms\n", scaled * 1000);
  std::printf("  plain Win32 at %3d  %8.1f ms\n", screen, plain * 1000);
  std::printf("  plain Win32 at 192  %8.1f ms\n", plainScaled * 1000);
  std::printf("  toolkit / plain at the screen's DPI  %6.3f\n", unscaled / plain);
  std::printf("  toolkit / plain at 192 DPI           %6.3f\n", scaled / plainScaled);
  // What the conversions add: the toolkit's cost over plain code at 192
  // against the same at the screen's DPI (the larger windows and font cost
  // plain code as much).
  std::printf("  scaled / unscaled (over plain)       %6.3f\n",
              (scaled / plainScaled) / (unscaled / plain));
  std::printf("  scaled / unscaled (raw)              %6.3f\n", scaled / unscaled);
  std::printf("(checksum %lld)\n", checksum);
  return 0;
}
