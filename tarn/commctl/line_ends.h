// Line ends as a text-mode read gives them: each CR LF pair becomes one LF.
// No Windows calls.
#ifndef TARN_COMMCTL_LINE_ENDS_H
#define TARN_COMMCTL_LINE_ENDS_H

#include <cstddef>

namespace tarn {
namespace lineends {

// Joins every CR LF pair of the first `length` bytes into LF, in place, and
// returns the new length. Lone CRs, zero bytes and Ctrl-Z stay as they are.
inline std::size_t joinCrLf(char* bytes, std::size_t length) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (bytes[i] == '\r' && i + 1 < length && bytes[i + 1] == '\n') continue;
    bytes[out++] = bytes[i];
  }
  return out;
}

}  // namespace lineends
}  // namespace tarn

#endif
