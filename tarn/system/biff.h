// Spreadsheet records in the BIFF layout: 16-bit little-endian words, each
// record a type word, a body-length word and the body. Pure functions over
// bytes, so the layout can be checked without touching a file.
#ifndef TARN_SYSTEM_BIFF_H
#define TARN_SYSTEM_BIFF_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarn {
namespace biff {

constexpr std::uint16_t beginOfFileType = 0x0809;
constexpr std::uint16_t labelType = 0x0204;
constexpr std::uint16_t endOfFileType = 0x000A;

// The longest text a label record carries.
constexpr std::size_t maxLabelLength = 128;

struct Label {
  std::int16_t column = 0;
  std::int16_t row = 0;
  std::string text;
};

// Appends `word` to `out`, low byte first.
void putWord(std::string& out, std::uint16_t word);

// The beginning-of-file record: type, length 8, an 8-byte body of zeros (12 bytes).
std::string beginOfFile();

// `text` cut to its first maxLabelLength bytes.
std::string cutLabelText(const std::string& text);

// The text-cell record for one cell: type, n + 8, row, column, format index 0,
// n, then the n bytes of the (cut) text: 12 + n bytes.
std::string label(std::int16_t column, std::int16_t row, const std::string& text);

// The end-of-file record: type and length 0 (4 bytes).
std::string endOfFile();

// A whole file: beginning of file, one label per cell in order, end of file.
std::string workbook(const std::vector<Label>& cells);

}  // namespace biff
}  // namespace tarn

#endif
