// Byte-level helpers for buffers and text files (see file_text.h).
#include "file_text.h"

#include <cstring>

namespace tarn {
namespace filetext {

std::string upToZero(const char* bytes, std::size_t size) {
  if (bytes == nullptr || size == 0) return std::string();
  const void* zero = std::memchr(bytes, 0, size);
  std::size_t n = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : size;
  return std::string(bytes, n);
}

void stripLastLineEnd(std::string& line) {
  if (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
}

std::string lineFeedsAsPairs(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

void appendAsText(std::string& out, const char* bytes, std::size_t size) {
  if (bytes == nullptr || size == 0) return;
  std::size_t start = out.size();
  out.resize(start + size);
  char* to = &out[start];
  for (std::size_t i = 0; i < size; ++i) {
    char c = bytes[i];
    if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') continue;
    *to++ = c == '\0' ? ' ' : c;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace filetext
}  // namespace tarn
