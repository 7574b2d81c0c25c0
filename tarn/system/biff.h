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
constexpr std::uint16_t unicodeVersion = 0x0600;  // BIFF8, in the beginning-of-file record

// The longest text a label record carries, in characters: bytes of an ANSI
// code page, or whole characters of a UTF-8 text.
constexpr std::size_t maxLabelLength = 128;

// How the labels' texts are encoded. A code-page workbook (the layout of
// earlier versions, version word 0) carries each text's bytes as they are; a
// spreadsheet program reads them in its own ANSI code page, and a BIFF5
// CODEPAGE record naming UTF-8 is not read (LibreOffice ignores 65001). A
// Unicode workbook says version 0x0600 (BIFF8) in its beginning-of-file record
// and carries each text as UTF-16, which is read back whole everywhere.
enum class Encoding { codePage, utf8 };

struct Label {
  std::int16_t column = 0;
  std::int16_t row = 0;
  std::string text;
};

// Appends `word` to `out`, low byte first.
void putWord(std::string& out, std::uint16_t word);

// The beginning-of-file record: type, length 8, an 8-byte body of zeros (12
// bytes); for a Unicode workbook the body's first word is 0x0600.
std::string beginOfFile(Encoding encoding = Encoding::codePage);

// `text` cut to its first maxLabelLength bytes.
std::string cutLabelText(const std::string& text);

// UTF-8 `text` cut after its first maxLabelLength characters, never inside
// one. A byte that starts no well-formed character counts as one character.
std::string cutUtf8LabelText(const std::string& text);

// UTF-8 `text` as UTF-16 code units; each byte that starts no well-formed
// character becomes U+FFFD.
std::u16string utf16From(const std::string& text);

// The BIFF8 text-cell record for one cell: type, length, row, column, format
// index 0, the character count n (UTF-16 units), the flag 1 (16-bit
// characters), then the 2n bytes of the (cut) text, low byte first.
std::string unicodeLabel(std::int16_t column, std::int16_t row, const std::string& utf8Text);

// The text-cell record for one cell: type, n + 8, row, column, format index 0,
// n, then the n bytes of the (cut) text: 12 + n bytes.
std::string label(std::int16_t column, std::int16_t row, const std::string& text);

// The end-of-file record: type and length 0 (4 bytes).
std::string endOfFile();

// A whole file: beginning of file, one label per cell in order, end of file.
// A code-page workbook is byte for byte the earlier versions' file.
std::string workbook(const std::vector<Label>& cells, Encoding encoding = Encoding::codePage);

}  // namespace biff
}  // namespace tarn

#endif
