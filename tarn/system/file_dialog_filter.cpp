#include "tarn/system/file_dialog_filter.h"

#include <algorithm>
#include <cstring>

namespace tarn {
namespace filedialog {

namespace {

std::string upToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string filterBlock(const std::vector<std::pair<std::string, std::string>>& filters) {
  std::string block;
  for (const auto& filter : filters) {
    std::string pattern = upToZero(filter.second);
    std::replace(pattern.begin(), pattern.end(), ',', ';');
    block += upToZero(filter.first);
    block += '\0';
    block += pattern;
    block += '\0';
  }
  block += '\0';
  return block;
}

std::string terminatedFilter(const std::string& filter) {
  std::string out = filter;
  out.append(2, '\0');
  return out;
}

std::size_t copyName(char* out, std::size_t capacity, const std::string& name) {
  if (out == nullptr || capacity == 0) return 0;
  std::size_t n = std::min(capacity - 1, upToZero(name).size());
  std::memcpy(out, name.data(), n);
  out[n] = '\0';
  return n;
}

}  // namespace filedialog
}  // namespace tarn
