// The address book's file format: every text round-trips, and a file that is
// not one is refused with a sentence that says why.
#include <gtest/gtest.h>

#include <algorithm>

#include "examples/contacts/contacts_file.h"

using contacts::Contact;
using contacts::readContacts;

TEST(ContactsFile, AnyTextRoundTrips) {
  std::vector<Contact> book = {
      {"Ada Lovelace", "ada@example.org", "+44 20 7946 0000"},
      {"", "", ""},
      {"Tab\there", "line\nbreak\r\nand\rreturn", "back\\slash \\t not a tab\\"},
      {"Zo\xC3\xAB M\xC3\xBCller", "\xE6\x9D\xB1\xE4\xBA\xAC", "\xF0\x9F\x93\x9E 12"},
  };
  std::string text = contacts::formatContacts(book);
  EXPECT_EQ(std::string(contacts::fileHeader) + "\n", text.substr(0, text.find('\n') + 1));
  EXPECT_EQ(book.size() + 1, static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  contacts::ReadResult read = readContacts(text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(book, read.book);

  // A file saved with CR LF line ends (as a text-mode stream writes it), with
  // a byte-order mark and blank lines, reads the same.
  std::string crlf = "\xEF\xBB\xBF";
  for (char c : text) crlf += c == '\n' ? std::string("\r\n\r\n") : std::string(1, c);
  read = readContacts(crlf);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(book, read.book);

  // No contacts: the header alone, with or without its line end.
  for (const std::string& empty :
       {contacts::formatContacts({}), std::string("Name\tE-mail\tPhone")}) {
    read = readContacts(empty);
    EXPECT_TRUE(read.ok && read.book.empty()) << read.error;
  }
}

TEST(ContactsFile, RefusesWhatIsNotAContactsFile) {
  const std::string header = "Name\tE-mail\tPhone\n";
  struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "The file is empty."},
      {"\xEF\xBB\xBF", "The file is empty."},
      {"hello world\n",
       "This is not a contacts file: its first line is not the header "
       "\"Name, E-mail, Phone\"."},
      {"name\te-mail\tphone\n",
       "This is not a contacts file: its first line is not the header "
       "\"Name, E-mail, Phone\"."},
      {header + "Ada\tada@example.org\n",
       "Line 2 has 2 fields; a contact has 3 (name, e-mail, phone)."},
      {header + "A\tb\tc\n\nB\tc\td\te\n",
       "Line 4 has 4 fields; a contact has 3 (name, e-mail, phone)."},
      {header + "A\\x\tb\tc\n", "Line 2 has a backslash that is not \\\\, \\t, \\n or \\r."},
      {header + "A\tb\tc\\\n", "Line 2 has a backslash that is not \\\\, \\t, \\n or \\r."},
      {header + "Zo\xEB\tb\tc\n", "Line 2 is not UTF-8 text."},        // Latin-1, not UTF-8
      {header + "A\tb\t\xED\xA0\x80\n", "Line 2 is not UTF-8 text."},  // a surrogate
      {header + "A\tb\t\xC0\xAF\n", "Line 2 is not UTF-8 text."},      // overlong
      {header + "A\tb\t\xE6\x9D\n", "Line 2 is not UTF-8 text."},      // cut short
      {header + std::string("A\0\tb\tc\n", 7), "Line 2 is not UTF-8 text."},
      {std::string("\x89PNG\r\n\x1a\n", 8), "Line 1 is not UTF-8 text."},
  };
  for (const Case& c : cases) {
    contacts::ReadResult read = readContacts(c.text);
    EXPECT_FALSE(read.ok) << c.text;
    EXPECT_TRUE(read.book.empty()) << c.text;
    EXPECT_EQ(c.error, read.error) << c.text;
  }
}
