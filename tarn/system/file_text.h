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

// Removes the last character of `line` when it is a line feed or a carriage
// return (one character only).
void stripLastLineEnd(std::string& line);

// Text as a text file stores it: every line feed becomes a carriage return and
// a line feed.
std::string lineFeedsAsPairs(const std::string& text);

// Appends the `size` bytes at `bytes` to `out` as text, in one pass: every
// carriage return directly followed by a line feed is dropped, and every zero
// byte becomes a space so it does not cut the text short. A carriage return
// that is the last byte stays (whatever follows it lies outside the span).
// Grows `out` by at most `size` characters; like any string growth it raises
// std::bad_alloc when the memory runs out and std::length_error past the
// longest string.
void appendAsText(std::string& out, const char* bytes, std::size_t size);

}  // namespace filetext
}  // namespace tarn

#endif
