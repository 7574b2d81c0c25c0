// Parsing language-table texts (no Windows calls).
#include "tarn/text/language_text.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace tarn {
namespace languagetext {

Entries parse(const char* bytes, std::size_t size) {
  Entries result;
  if (bytes == nullptr || size == 0) return result;
  const void* zero = std::memchr(bytes, '\0', size);
  std::size_t end = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : size;

  std::string text;
  text.reserve(end);
  for (std::size_t i = 0; i < end; ++i)
    if (bytes[i] != '\r') text += bytes[i];

  // std::string compares bytes as unsigned characters: byte order.
  std::map<std::string, std::string> table;
  // Each search stays inside its line, so a line without "=" costs its own
  // length only, not a scan ahead to the next "=" of the text.
  const char* data = text.data();
  auto position = [data](const void* found) {
    return static_cast<std::size_t>(static_cast<const char*>(found) - data);
  };
  std::size_t start = 0;
  while (start <= text.size()) {
    const void* feed = std::memchr(data + start, '\n', text.size() - start);
    std::size_t stop = feed ? position(feed) : text.size();
    const void* equals = std::memchr(data + start, '=', stop - start);
    if (equals && position(equals) > start) {
      std::size_t keyEnd = position(equals);
      const void* second = std::memchr(data + keyEnd + 1, '=', stop - keyEnd - 1);
      std::size_t valueEnd = second ? position(second) : stop;
      table[text.substr(start, keyEnd - start)] = text.substr(keyEnd + 1, valueEnd - keyEnd - 1);
    }
    if (!feed) break;
    start = stop + 1;
  }
  result.reserve(table.size());
  for (auto& entry : table) result.emplace_back(entry.first, std::move(entry.second));
  return result;
}

}  // namespace languagetext
}  // namespace tarn
