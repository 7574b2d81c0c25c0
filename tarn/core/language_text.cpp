// Parsing language-table texts (no Windows calls).
#include "core/language_text.h"

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
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t feed = text.find('\n', start);
    std::size_t stop = feed == std::string::npos ? text.size() : feed;
    std::size_t equals = text.find('=', start);
    if (equals != std::string::npos && equals < stop && equals > start) {
      std::size_t second = text.find('=', equals + 1);
      std::size_t valueEnd = second != std::string::npos && second < stop ? second : stop;
      table[text.substr(start, equals - start)] = text.substr(equals + 1, valueEnd - equals - 1);
    }
    if (feed == std::string::npos) break;
    start = feed + 1;
  }
  result.reserve(table.size());
  for (auto& entry : table) result.emplace_back(entry.first, std::move(entry.second));
  return result;
}

}  // namespace languagetext
}  // namespace tarn
