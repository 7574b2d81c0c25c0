// Tarn language table: a program's interface texts by key, from key=value lines
// in a file, a "TRN_LANG" resource or a buffer.
//
// Classes in this file (sources):
//   LanguageTable   system/language_table.cpp (the line format: text/language_text.cpp)
#ifndef TARN_LANGUAGE_TABLE_H
#define TARN_LANGUAGE_TABLE_H

#include "text.h"

namespace tarn {

class Buffer;

/// A key-to-text table for a program's interface texts, filled from lines of
/// key=value: from a file, from a "TRN_LANG" resource of the program, or from a
/// buffer. The text ends at its first zero byte; carriage returns are dropped;
/// empty lines, lines without "=" and lines starting with "=" store nothing;
/// text after a second "=" is dropped; spaces are kept; a repeated key takes
/// the later value. Entries are kept sorted by key in byte order.
class LanguageTable {
 public:
  /// An empty table.
  LanguageTable();
  /// A table loaded from the file at `path` (empty when it cannot be read).
  explicit LanguageTable(const String& path);
  /// A table loaded from the program's "TRN_LANG" resource `number`; keeps `number` in
  /// resourceNumber.
  explicit LanguageTable(int number);  // keeps `number` in resourceNumber
  /// A table loaded from the text in `buffer`.
  explicit LanguageTable(const Buffer& buffer);

  /// Each load returns true when the table holds at least one entry after it.
  /// A load that finds no text (missing file or resource, nothing in it) keeps
  /// the table as it was; a load that reads a text replaces all entries.
  bool loadFile(const String& path);
  /// Loads the program's "TRN_LANG" resource `number`.
  bool loadResource(int number);
  /// Loads the text in `buffer`.
  bool loadText(const Buffer& buffer);

  /// The value of `key`. A missing key is added with an empty value (so `count`
  /// grows by one) and the empty text is returned.
  String get(const String& key);
  /// Whether `key` has an entry (adds nothing).
  bool contains(const String& key) const;
  /// The keys, in byte order.
  StringList keys() const;

  /// The resource read last; -1 when the table was not read from a resource.
  int resourceNumber;  // the resource read last; -1 when not from a resource
  /// Read-only: the number of entries.
  Property<LanguageTable, int> count;  // read-only: number of entries

 private:
  bool loadBytes(const char* bytes, std::size_t size);
  int getCount() const;

  std::vector<std::pair<std::string, std::string>> entries;  // sorted, keys unique
};

}  // namespace tarn

#endif  // TARN_LANGUAGE_TABLE_H
