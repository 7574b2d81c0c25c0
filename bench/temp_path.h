// The benchmarks' scratch files: a path in the temporary folder.
#ifndef TARN_BENCH_TEMP_PATH_H
#define TARN_BENCH_TEMP_PATH_H

#include <windows.h>

#include <string>

inline std::string tempPath(const char* name) {
  char dir[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

#endif
