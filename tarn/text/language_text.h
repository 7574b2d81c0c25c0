// The text format of language tables: lines of key=value. A pure function
// over bytes, with no Windows calls.
#ifndef TARN_TEXT_LANGUAGE_TEXT_H
#define TARN_TEXT_LANGUAGE_TEXT_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tarn {
namespace languagetext {

using Entries = std::vector<std::pair<std::string, std::string>>;

// The entries of a table text, sorted by key in byte order, each key once.
// The text ends at its first zero byte (or after `size` bytes). Every carriage
// return is dropped, then the text is cut into lines at line feeds. A line
// stores its text before the first "=" as key and the text between the first
// and a second "=" as value; empty lines, lines without "=" and lines whose key
// is empty store nothing. A later line for a key replaces the earlier value.
// Spaces belong to key and value; there are no comments, escapes or quotes.
Entries parse(const char* bytes, std::size_t size);
inline Entries parse(const std::string& text) { return parse(text.data(), text.size()); }

}  // namespace languagetext
}  // namespace tarn

#endif
