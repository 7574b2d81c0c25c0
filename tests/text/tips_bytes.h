// Tips file bytes laid out by hand for the tips tests, independent of the
// toolkit's own writer.
#ifndef TARN_TESTS_TEXT_TIPS_BYTES_H
#define TARN_TESTS_TEXT_TIPS_BYTES_H

#include <cstdint>
#include <string>

namespace tips_bytes {

inline std::string le32(std::uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// "TRT", the byte readers ignore, 1, 2 and the starting tip.
inline std::string header(std::int32_t start, char fourth = '\0') {
  return std::string("TRT") + fourth + le32(1) + le32(2) + le32(static_cast<std::uint32_t>(start));
}

// Two zero-padded 1000-byte fields; a field given 1000 characters has no terminator.
inline std::string record(const std::string& title, const std::string& body) {
  std::string r(2000, '\0');
  r.replace(0, title.size(), title);
  r.replace(1000, body.size(), body);
  return r;
}

}  // namespace tips_bytes

#endif
