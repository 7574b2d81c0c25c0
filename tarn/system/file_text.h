// Byte-level helpers shared by the buffer and the text file: turning raw bytes
// into text and back, with the line ends of text files (carriage return and
// line feed on disk, a line feed in the text). Pure functions, no Windows calls.
#ifndef TARN_SYSTEM_FILE_TEXT_H
#define TARN_SYSTEM_FILE_TEXT_H

#include <cstddef>
#include <string>

namespace tarn {
namespace filetext {

// The `size` bytes at `bytes` up to the first zero byte (all of them when
// there is none). Null `bytes` gives the empty string.
std::string upToZero(const char* bytes, std::size_t size);

// The `size` bytes at `bytes` with every zero byte replaced by a space, so a
// zero byte does not cut the text short.
std::string zerosAsSpaces(const char* bytes, std::size_t size);

// Removes the last character of `line` when it is a line feed or a carriage
// return (one character only).
void stripLastLineEnd(std::string& line);

// Text as a text file stores it: every line feed becomes a carriage return and
// a line feed.
std::string lineFeedsAsPairs(const std::string& text);

// The `size` bytes at `bytes` as text: every carriage return directly followed
// by a line feed is dropped. A carriage return that is the last byte stays
// (whatever follows it lies outside the span).
std::string pairsAsLineFeeds(const char* bytes, std::size_t size);

}  // namespace filetext
}  // namespace tarn

#endif
