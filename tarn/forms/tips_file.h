// Tips files as bytes, and the plain text form of a list of tips. No Windows
// calls: the tips dialog and the tarn-tips tool do the file I/O.
//
// A tips file is a 16-byte header ("TRT", one byte readers ignore, the 32-bit
// little-endian numbers 1 and 2, then the number of the tip to show first)
// followed by 2000-byte records: the title in bytes 0..999, the body in bytes
// 1000..1999, each zero-terminated and padded with zero bytes.
#ifndef TARN_FORMS_TIPS_FILE_H
#define TARN_FORMS_TIPS_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarn {
namespace tipsfile {

constexpr std::size_t headerSize = 16;
constexpr std::size_t recordSize = 2000;
constexpr std::size_t fieldSize = 1000;
constexpr std::size_t fieldChars = fieldSize - 1;  // a field keeps its terminator

struct Record {
  std::string title;
  std::string body;  // markup
};

// Whole records in a file of `fileSize` bytes; 0 when there is no header.
std::uint64_t recordCount(std::uint64_t fileSize);

// The 16 header bytes with the given starting tip; the byte readers ignore is 0.
std::string headerBytes(std::int32_t startTip);
// The starting tip stored in 16 header bytes (nothing else is checked).
std::int32_t startTip(const char* header);
// The tip to show first: `stored` when it lies in 1..count, else 1.
int firstTip(std::int32_t stored, std::size_t count);

// A record's fields: each the text up to its first zero byte, never more than
// the field's 1000 bytes.
Record readRecord(const char* record);
// Writes one record into `record` (recordSize bytes); title and body are cut
// to 999 characters, and to their first zero byte.
void writeRecord(const std::string& title, const std::string& body, char* record);

// The whole file for `tips`.
std::string fileBytes(const std::vector<Record>& tips, std::int32_t startTip);

// What a whole file holds.
enum class Status { tooShort, noTips, ok };
struct Contents {
  Status status = Status::tooShort;
  std::int32_t startTip = 0;  // as stored
  std::vector<Record> tips;
};
Contents parse(const std::string& bytes);

// A title as literal RTF text: backslashes and braces escaped, so a title
// never ends or changes the formatting around it.
std::string titleRtf(const std::string& title);

// The text form: each tip starts with a line "# title"; the lines up to the
// next title line are its body, joined with "\n" and without leading or
// trailing empty lines. Lines before the first title are comments. A body line
// that starts with '#' or '\' is written with a '\' in front, which reading
// removes. Lines may end in LF or CR LF.
std::vector<Record> parseText(const std::string& text);
std::string toText(const std::vector<Record>& tips);

}  // namespace tipsfile
}  // namespace tarn

#endif
