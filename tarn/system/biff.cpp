// Spreadsheet records in the BIFF layout (see biff.h).
#include "biff.h"

namespace tarn {
namespace biff {

void putWord(std::string& out, std::uint16_t word) {
  out.push_back(static_cast<char>(word & 0xFF));
  out.push_back(static_cast<char>((word >> 8) & 0xFF));
}

std::string beginOfFile(Encoding encoding) {
  std::string out;
  putWord(out, beginOfFileType);
  putWord(out, 8);
  putWord(out, encoding == Encoding::utf8 ? unicodeVersion : 0);
  for (int i = 0; i < 3; ++i) putWord(out, 0);
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

namespace {

// The length of the well-formed UTF-8 character at `at` and its code point;
// 0 when the bytes there start none.
std::size_t characterAt(const std::string& text, std::size_t at, char32_t& point) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  std::size_t length;
  char32_t least;
  if (lead < 0x80) {
    point = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, point = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, point = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, point = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    point = (point << 6) | (byte(at + i) & 0x3F);
  }
  bool surrogate = point >= 0xD800 && point <= 0xDFFF;
  return point < least || point > 0x10FFFF || surrogate ? 0 : length;
}

// Walks `text` a character at a time (a stray byte is one), up to `limit`
// characters; answers the bytes walked.
template <class Visit>
std::size_t walkCharacters(const std::string& text, std::size_t limit, Visit visit) {
  std::size_t at = 0;
  for (std::size_t count = 0; at < text.size() && count < limit; ++count) {
    char32_t point = 0;
    std::size_t length = characterAt(text, at, point);
    if (length == 0) {
      point = 0xFFFD;
      length = 1;
    }
    visit(point);
    at += length;
  }
  return at;
}

}  // namespace

std::string cutUtf8LabelText(const std::string& text) {
  return text.substr(0, walkCharacters(text, maxLabelLength, [](char32_t) {}));
}

std::u16string utf16From(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  walkCharacters(text, text.size(), [&](char32_t point) {
    if (point < 0x10000) {
      out.push_back(static_cast<char16_t>(point));
    } else {
      point -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
    }
  });
  return out;
}

std::string unicodeLabel(std::int16_t column, std::int16_t row, const std::string& utf8Text) {
  std::u16string units = utf16From(cutUtf8LabelText(utf8Text));
  std::uint16_t n = static_cast<std::uint16_t>(units.size());  // at most 256: 128 characters
  std::string out;
  putWord(out, labelType);
  putWord(out, static_cast<std::uint16_t>(9 + 2 * n));
  putWord(out, static_cast<std::uint16_t>(row));
  putWord(out, static_cast<std::uint16_t>(column));
  putWord(out, 0);  // format index
  putWord(out, n);
  out.push_back('\x01');  // 16-bit characters follow
  for (char16_t unit : units) putWord(out, static_cast<std::uint16_t>(unit));
  return out;
}

std::string endOfFile() {
  std::string out;
  putWord(out, endOfFileType);
  putWord(out, 0);
  return out;
}

std::string workbook(const std::vector<Label>& cells, Encoding encoding) {
  std::string out = beginOfFile(encoding);
  for (const Label& cell : cells)
    out += encoding == Encoding::utf8 ? unicodeLabel(cell.column, cell.row, cell.text)
                                      : label(cell.column, cell.row, cell.text);
  out += endOfFile();
  return out;
}

}  // namespace biff
}  // namespace tarn
