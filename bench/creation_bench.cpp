// Times making a form of N mixed controls (bench/mixed_form.h) through the
// toolkit and with plain CreateWindowExA, rounds alternating, and prints the
// best of each and their ratio. It asks for no colour scheme: built against
// two versions of the toolkit, the ratios show what a version costs a program
// that never chooses one.
//
//   tarn_creation_bench [controls] [rounds]   (defaults 500, 9)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "clock.h"
#include "mixed_form.h"

int main(int argc, char** argv) {
  int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  double toolkit = 1e9, plain = 1e9;
  for (int round = 0; round < rounds; ++round) {
    double start = seconds();
    auto made = mixedform::makeToolkit(n, false);
    mixedform::settle(made->form.hwnd);
    toolkit = std::min(toolkit, seconds() - start);
    made->form.destroy();
    start = seconds();
    HWND form = mixedform::makePlain(n, false);
    mixedform::settle(form);
    plain = std::min(plain, seconds() - start);
    DestroyWindow(form);
  }
  std::printf("a form of %d mixed controls made, best of %d rounds\n", n, rounds);
  std::printf("  toolkit          %8.1f ms\n", toolkit * 1000);
  std::printf("  plain Win32      %8.1f ms\n", plain * 1000);
  std::printf("  toolkit / plain  %8.3f\n", toolkit / plain);
  return 0;
}
