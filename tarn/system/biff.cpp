// Spreadsheet records in the BIFF layout (see biff.h).
#include "biff.h"

namespace tarn {
namespace biff {

void putWord(std::string& out, std::uint16_t word) {
  out.push_back(static_cast<char>(word & 0xFF));
  out.push_back(static_cast<char>((word >> 8) & 0xFF));
}

std::string beginOfFile() {
  std::string out;
  putWord(out, beginOfFileType);
  putWord(out, 8);
  for (int i = 0; i < 4; ++i) putWord(out, 0);
  return out;
}

std::string cutLabelText(const std::string& text) {
  return text.size() > maxLabelLength ? text.substr(0, maxLabelLength) : text;
}

std::string label(std::int16_t column, std::int16_t row, const std::string& text) {
  std::string cut = cutLabelText(text);
  std::uint16_t n = static_cast<std::uint16_t>(cut.size());
  std::string out;
  out.reserve(12 + cut.size());
  putWord(out, labelType);
  putWord(out, static_cast<std::uint16_t>(n + 8));
  putWord(out, static_cast<std::uint16_t>(row));
  putWord(out, static_cast<std::uint16_t>(column));
  putWord(out, 0);  // format index
  putWord(out, n);
  out += cut;
  return out;
}

std::string endOfFile() {
  std::string out;
  putWord(out, endOfFileType);
  putWord(out, 0);
  return out;
}

std::string workbook(const std::vector<Label>& cells) {
  std::string out = beginOfFile();
  for (const Label& cell : cells) out += label(cell.column, cell.row, cell.text);
  out += endOfFile();
  return out;
}

}  // namespace biff
}  // namespace tarn
