// The benchmarks' clock: seconds from the performance counter.
#ifndef TARN_BENCH_CLOCK_H
#define TARN_BENCH_CLOCK_H

#include <windows.h>

inline double seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

#endif
