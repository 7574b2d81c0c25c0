// The address book's file, as pure functions over bytes: a header line, then
// one contact a line, its fields separated by tabs (see contacts_file.cpp).
#ifndef CONTACTS_CONTACTS_FILE_H
#define CONTACTS_CONTACTS_FILE_H

#include <string>
#include <vector>

namespace contacts {

struct Contact {
  std::string name;
  std::string email;
  std::string phone;
};

inline bool operator==(const Contact& a, const Contact& b) {
  return a.name == b.name && a.email == b.email && a.phone == b.phone;
}

// The first line of every file, which also names the columns for a program
// that reads the file as tab-separated text.
constexpr const char* fileHeader = "Name\tE-mail\tPhone";

// `field` with backslash, tab, line feed and carriage return written as \\,
// \t, \n and \r, so that it holds no tab or line break of its own.
std::string escapeField(const std::string& field);

// The whole file: the header and one line a contact, each ended by "\n".
std::string formatContacts(const std::vector<Contact>& book);

// What reading a file found: the contacts, or, when `ok` is false, no
// contacts and a sentence saying what is wrong with the text.
struct ReadResult {
  bool ok = false;
  std::vector<Contact> book;
  std::string error;
};

// Reads a file's bytes. Lines may end with "\n" or "\r\n"; a UTF-8 byte-order
// mark and blank lines are skipped. Refused: an empty text, a first line that
// is not the header, a line without exactly three fields, an unknown escape,
// a zero byte, and bytes that are not UTF-8.
ReadResult readContacts(const std::string& text);

}  // namespace contacts

#endif
