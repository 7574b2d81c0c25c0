// fileSize: the size of a file in bytes.
#include <cstdio>

#include "tarn/core/holders.h"
#include "tarn/system.h"

namespace tarn {

int fileSize(const String& path) {
  detail::StdioFile stream(std::fopen(path.c_str(), "r"));
  if (stream == nullptr) return 0;
  long size = 0;
  if (std::fseek(stream, 0, SEEK_END) == 0) size = std::ftell(stream);
  return size > 0 ? static_cast<int>(size) : 0;  // -1 from ftell: too large to tell
}

}  // namespace tarn
