// What the colour schemes cost: a form of N mixed controls (bench/mixed_form.h)
// switched between the dark and light schemes, against making the same form;
// making it again once the program chose the dark scheme; and the same with
// the form shown, painting included. Best of the rounds for each.
//
//   tarn_scheme_bench [controls] [rounds]   (defaults 500, 9)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "clock.h"
#include "mixed_form.h"

using namespace tarn;

namespace {

struct Times {
  double made = 1e9;
  double switched = 1e9;
};

// Makes the form `rounds` times; switches the last one made `rounds` times each way.
Times measure(int n, int rounds, bool visible) {
  Times best;
  std::unique_ptr<mixedform::ToolkitForm> kept;
  for (int round = 0; round < rounds; ++round) {
    if (kept) kept->form.destroy();
    double start = seconds();
    kept = mixedform::makeToolkit(n, visible);
    mixedform::settle(kept->form.hwnd);
    best.made = std::min(best.made, seconds() - start);
  }
  for (int round = 0; round < rounds; ++round)
    for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light}) {
      double start = seconds();
      setColorScheme(scheme);
      mixedform::settle(kept->form.hwnd);
      best.switched = std::min(best.switched, seconds() - start);
    }
  kept->form.destroy();
  return best;
}

void print(const char* what, const Times& t) {
  std::printf("%s\n", what);
  std::printf("  made                %8.1f ms\n", t.made * 1000);
  std::printf("  switched            %8.1f ms\n", t.switched * 1000);
  std::printf("  switched / made     %8.3f   (target: at most 0.25)\n", t.switched / t.made);
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  // Made before any scheme is chosen, then chosen, then made again.
  double before = 1e9, whileDark = 1e9;
  for (int round = 0; round < rounds; ++round) {
    double start = seconds();
    auto made = mixedform::makeToolkit(n, false);
    mixedform::settle(made->form.hwnd);
    before = std::min(before, seconds() - start);
    made->form.destroy();
  }
  std::printf("a form of %d mixed controls, best of %d rounds\n", n, rounds);
  print("hidden, no painting:", measure(n, rounds, false));
  print("shown, painting included:", measure(n, rounds, true));
  setColorScheme(ColorScheme::dark);
  for (int round = 0; round < rounds; ++round) {
    double start = seconds();
    auto made = mixedform::makeToolkit(n, false);
    mixedform::settle(made->form.hwnd);
    whileDark = std::min(whileDark, seconds() - start);
    made->form.destroy();
  }
  std::printf("made before any scheme %8.1f ms, while dark %8.1f ms: %6.3f\n", before * 1000,
              whileDark * 1000, whileDark / before);
  return 0;
}
