// Tarn text: String and StringList, the toolkit's text values, and the RTF
// builders with the markup-to-RTF converter (rtfHeader ... markupToRtf).
//
// Classes and functions in this file (sources):
//   String, StringList          text/string.cpp, string_print.cpp
//   RTF builders, markupToRtf   text/rtf.cpp, markup.cpp
#ifndef TARN_TEXT_H
#define TARN_TEXT_H

#include "property.h"

namespace tarn {

// ===========================================================================
// String and StringList
// ===========================================================================

class StringList;

/// The toolkit's text value: 8-bit characters in the ANSI code page.
class String {
 public:
  /// The empty text.
  String();
  /// A copy of a zero-terminated text; a null pointer gives the empty text.
  String(const char* chars);
  /// A copy of a standard string.
  String(const std::string& chars);
  /// A copy of another text.
  String(const String& other);
  /// Takes the characters of `other`, which is left empty.
  String(String&& other) noexcept;
  /// Takes the characters of a standard string.
  String(std::string&& chars) noexcept;
  /// Copies the characters of `other`; the `length` property stays bound to this object.
  String& operator=(const String& other);
  /// Takes the characters of `other`.
  String& operator=(String&& other) noexcept;
  /// Frees the characters.
  ~String();

  /// Replaces the text with a copy of `chars` and returns the new text.
  String operator=(const char* chars);
  /// Replaces the text with a copy of `chars` and returns the new text.
  String operator=(const std::string& chars);
  /// Replaces the text with the one character `c` and returns the new text.
  String operator=(char c);

  /// The number of characters (bytes of the code page); read-only.
  Property<String, int> length;

  /// The two texts one after the other.
  friend String operator+(const String& a, const String& b);
  /// Appends `other` and returns this text.
  String& operator+=(const String& other);

  /// Empties the text.
  void clear();
  /// The characters, zero-terminated, valid until the text changes.
  const char* c_str() const { return text.c_str(); }
  /// The characters as a standard string.
  const std::string& str() const { return text; }
  /// The character at `index` (0-based), to read or change; `index` must be in range.
  char& operator[](int index) { return text[static_cast<std::size_t>(index)]; }
  /// The character at `index` (0-based); `index` must be in range.
  char operator[](int index) const { return text[static_cast<std::size_t>(index)]; }

  /// Positions past the end raise std::out_of_range ("basic_string::insert",
  /// "basic_string::erase", "basic_string::substr").
  /// Inserts `chars` before `position` and returns this text.
  String& insert(int position, const String& chars);
  /// Removes `count` characters from `position` (fewer at the end) and returns this text.
  String& remove(int position, int count);
  /// The `count` characters from `position` (fewer at the end).
  String substr(int position, int count) const;

  /// The position of the first `c` at or after `start`, or -1.
  int find(char c, int start = 0) const;
  /// The position of the first `chars` at or after `start`, or -1.
  int find(const String& chars, int start = 0) const;

  /// Replaces every occurrence at or after `start`; text inserted by a
  /// replacement is not searched again. An empty search text changes nothing.
  String& replaceAll(const String& search, const String& replacement, int start = 0);
  /// Replaces every `search` character at or after `start` with `replacement`.
  String& replaceAll(char search, const String& replacement, int start = 0);
  /// Replaces every `search` character at or after `start` with `replacement`.
  String& replaceAll(char search, char replacement, int start = 0);

  /// The pieces between the occurrences of `separator` (the whole text when it has none;
  /// one piece per character when `separator` is empty).
  StringList split(const String& separator) const;

  /// The leading whole number of the text (as atoi reads it); 0 when there is none.
  int toInt() const;
  /// The same as toInt().
  int toInteger() const;
  /// The leading number of the text (as atof reads it); 0.0 when there is none.
  double toFloat() const;

  /// Writes the characters to the standard output stream.
  void print() const;

  /// Whether the texts hold the same characters.
  friend bool operator==(const String& a, const String& b) { return a.text == b.text; }
  /// Whether the texts differ.
  friend bool operator!=(const String& a, const String& b) { return a.text != b.text; }
  /// Whether the text holds the characters of `b` (a null pointer counts as empty).
  friend bool operator==(const String& a, const char* b) { return a.text == (b ? b : ""); }
  /// Whether the text differs from `b` (a null pointer counts as empty).
  friend bool operator!=(const String& a, const char* b) { return !(a == b); }

 private:
  int getLength() const;
  void bindProperties();

  std::string text;
};

/// An ordered list of texts.
class StringList {
 public:
  /// An empty list.
  StringList();
  /// A copy of another list.
  StringList(const StringList& other);
  /// Takes the items of `other`, which is left empty.
  StringList(StringList&& other) noexcept;
  /// Copies the items of `other`.
  StringList& operator=(const StringList& other);
  /// Takes the items of `other`.
  StringList& operator=(StringList&& other) noexcept;
  /// Frees the items.
  ~StringList();

  /// The number of items; read-only.
  Property<StringList, int> count;

  /// Adds `item` at the end.
  void add(const String& item);
  /// Adds `item` at the end (the same as add()).
  void append(const String& item) { add(item); }
  /// The item at `index` (0-based), to read or change; `index` must be in range.
  String& operator[](int index) { return items[static_cast<std::size_t>(index)]; }
  /// The item at `index` (0-based); `index` must be in range.
  const String& operator[](int index) const { return items[static_cast<std::size_t>(index)]; }
  /// Removes the item at `index`, which must be in range.
  void removeAt(int index);
  /// Removes the first item; the list must not be empty.
  void removeFirst();
  /// Removes the last item; the list must not be empty.
  void removeLast();
  /// Removes every item.
  void clear();
  /// Replaces the items with copies of the items of `other`.
  void assign(const StringList& other);
  /// Adds copies of the items of `other` at the end.
  void append(const StringList& other);
  /// The items one after the other with `separator` between them.
  String join(const String& separator) const;
  /// The same as join().
  String implode(const String& separator) const { return join(separator); }
  /// The number of items.
  int size() const { return static_cast<int>(items.size()); }

 private:
  int getCount() const;

  std::vector<String> items;
};

/// Whole numbers in range print as "%ld"; anything else as "%.2f".
String toString(double number);

// ===========================================================================
// Markup To Rtf
// ===========================================================================

// RTF for the rich text box. A document is rtfHeader() + body + rtfEnd().
// The wrappers insert their text as given: pass literal text through
// markupToRtf first. Control words that text may follow end in their
// delimiter space ("\par ", "\fs32 "), so following letters and digits stay text.

/// The fixed header: code page 1252, font f0 Arial, colours 1 red, 2 green,
/// 3 blue, 10-point text; it ends in `"\fs20 "` with its delimiter.
String rtfHeader();
/// The end of a document: "}".
String rtfEnd();  // "}"
/// `"\par "` `count` times: `count` line breaks; "" when count <= 0 or too many to hold.
String rtfNewLines(int count);  // "\par " count times; "" when count <= 0 or too many to hold
/// `text` in bold: `"\b "` text `"\b0 "`.
String rtfBold(const String& text);  // "\b " text "\b0 "
/// `text` in italics: `"\i "` text `"\i0 "`.
String rtfItalic(const String& text);
/// `text` underlined: `"\ul "` text `"\ulnone "`.
String rtfUnderline(const String& text);
/// `text` in colour 1 (red), then back to the automatic colour.
String rtfRed(const String& text);  // colour 1, then back to the automatic colour
/// `text` in colour 2 (green), then back to the automatic colour.
String rtfGreen(const String& text);  // colour 2
/// `text` in colour 3 (blue), then back to the automatic colour.
String rtfBlue(const String& text);  // colour 3
/// `"\fs"` + points*2 + " " + text + `"\fs20 "`: afterwards the size is 10 points.
String rtfFontSize(const String& text, int points);
/// `text` right-aligned: `"\qr "` text; the alignment stays in force.
String rtfRight(const String& text);  // "\qr " text; stays in force
/// `text` centred: `"\qc "` text; the alignment stays in force.
String rtfCenter(const String& text);  // "\qc " text; stays in force
/// A hyperlink field to `target` showing `text` red and underlined.
String rtfLink(const String& text, const String& target);
/// The RTF body for markup: backslashes doubled, braces escaped, line feeds
/// (and CR LF pairs), `<BR>` as paragraphs; `<B>` `<I>` `<U>` `<CENTER>` `<RIGHT>` and
/// their closing tags, in all upper or all lower case, as formatting. Other
/// tags stay as text. Linear in the length of the text.
String markupToRtf(const String& text);

}  // namespace tarn

#endif  // TARN_TEXT_H
