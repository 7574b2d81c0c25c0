// The address book's file: UTF-8 text, the header line "Name<TAB>E-mail<TAB>Phone",
// then one line a contact with its three fields separated by tabs. A field's
// own backslashes, tabs and line breaks are escaped (\\, \t, \n, \r), so every
// text round-trips and the file still opens as a table in a spreadsheet.
#include "contacts_file.h"

#include <cstddef>

namespace contacts {

namespace {

// The length of the well-formed UTF-8 character at `at`, or 0 when the bytes
// there start none (overlong forms, surrogates and values past U+10FFFF included).
std::size_t utf8Length(const std::string& text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char first = byte(at);
  if (first < 0x80) return 1;
  std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC2 ? 2 : 0;
  if (length == 0 || first > 0xF4 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  unsigned char second = byte(at + 1);
  if (first == 0xE0 && second < 0xA0) return 0;   // overlong
  if (first == 0xED && second >= 0xA0) return 0;  // a surrogate
  if (first == 0xF0 && second < 0x90) return 0;   // overlong
  if (first == 0xF4 && second >= 0x90) return 0;  // past U+10FFFF
  return length;
}

bool isUtf8(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = utf8Length(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// Undoes escapeField on one field; false for a backslash followed by anything
// but \, t, n or r, or by nothing.
bool unescapeField(const std::string& field, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return false;
    }
  }
  return true;
}

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

ReadResult refused(const std::string& error) {
  ReadResult result;
  result.error = error;
  return result;
}

}  // namespace

std::string escapeField(const std::string& field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string formatContacts(const std::vector<Contact>& book) {
  std::string text = std::string(fileHeader) + "\n";
  for (const Contact& contact : book)
    text += escapeField(contact.name) + "\t" + escapeField(contact.email) + "\t" +
            escapeField(contact.phone) + "\n";
  return text;
}

ReadResult readContacts(const std::string& text) {
  if (text.empty()) return refused("The file is empty.");
  std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  ReadResult result;
  bool headerSeen = false;
  for (int number = 1; at < text.size(); ++number) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string where = "Line " + std::to_string(number);
    if (line.find('\0') != std::string::npos || !isUtf8(line))
      return refused(where + " is not UTF-8 text.");
    if (!headerSeen) {
      if (line != fileHeader)
        return refused(
            "This is not a contacts file: its first line is not the header "
            "\"Name, E-mail, Phone\".");
      headerSeen = true;
      continue;
    }
    if (line.empty()) continue;
    std::vector<std::string> fields = splitTabs(line);
    if (fields.size() != 3)
      return refused(where + " has " + std::to_string(fields.size()) +
                     " fields; a contact has 3 (name, e-mail, phone).");
    Contact contact;
    if (!unescapeField(fields[0], contact.name) || !unescapeField(fields[1], contact.email) ||
        !unescapeField(fields[2], contact.phone))
      return refused(where + " has a backslash that is not \\\\, \\t, \\n or \\r.");
    result.book.push_back(contact);
  }
  if (!headerSeen) return refused("The file is empty.");
  result.ok = true;
  return result;
}

}  // namespace contacts
