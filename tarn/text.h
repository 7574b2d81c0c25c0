// Tarn text: String and StringList, the toolkit's text values, and the RTF
// builders with the markup-to-RTF converter (rtfHeader ... markupToRtf).
#ifndef TARN_TEXT_H
#define TARN_TEXT_H

#include "property.h"

namespace tarn {

// ===========================================================================
// String and StringList
// ===========================================================================

class StringList;

// The toolkit's text value: 8-bit characters in the ANSI code page.
class String {
 public:
  String();
  String(const char* chars);
  String(const std::string& chars);
  String(const String& other);
  String(String&& other) noexcept;
  String(std::string&& chars) noexcept;
  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;
  ~String();

  String operator=(const char* chars);
  String operator=(const std::string& chars);
  String operator=(char c);

  Property<String, int> length;

  friend String operator+(const String& a, const String& b);
  String& operator+=(const String& other);

  void clear();
  const char* c_str() const { return text.c_str(); }
  const std::string& str() const { return text; }
  char& operator[](int index) { return text[static_cast<std::size_t>(index)]; }
  char operator[](int index) const { return text[static_cast<std::size_t>(index)]; }

  // Positions past the end raise std::out_of_range ("basic_string::insert",
  // "basic_string::erase", "basic_string::substr").
  String& insert(int position, const String& chars);
  String& remove(int position, int count);
  String substr(int position, int count) const;

  int find(char c, int start = 0) const;
  int find(const String& chars, int start = 0) const;

  // Replaces every occurrence at or after `start`; text inserted by a
  // replacement is not searched again. An empty search text changes nothing.
  String& replaceAll(const String& search, const String& replacement, int start = 0);
  String& replaceAll(char search, const String& replacement, int start = 0);
  String& replaceAll(char search, char replacement, int start = 0);

  StringList split(const String& separator) const;

  int toInt() const;
  int toInteger() const;
  double toFloat() const;

  // Writes the characters to the standard output stream.
  void print() const;

  friend bool operator==(const String& a, const String& b) { return a.text == b.text; }
  friend bool operator!=(const String& a, const String& b) { return a.text != b.text; }
  friend bool operator==(const String& a, const char* b) { return a.text == (b ? b : ""); }
  friend bool operator!=(const String& a, const char* b) { return !(a == b); }

 private:
  int getLength() const;
  void bindProperties();

  std::string text;
};

// An ordered list of texts.
class StringList {
 public:
  StringList();
  StringList(const StringList& other);
  StringList(StringList&& other) noexcept;
  StringList& operator=(const StringList& other);
  StringList& operator=(StringList&& other) noexcept;
  ~StringList();

  Property<StringList, int> count;

  void add(const String& item);
  void append(const String& item) { add(item); }
  String& operator[](int index) { return items[static_cast<std::size_t>(index)]; }
  const String& operator[](int index) const { return items[static_cast<std::size_t>(index)]; }
  void removeAt(int index);
  void removeFirst();
  void removeLast();
  void clear();
  void assign(const StringList& other);
  void append(const StringList& other);
  String join(const String& separator) const;
  String implode(const String& separator) const { return join(separator); }
  int size() const { return static_cast<int>(items.size()); }

 private:
  int getCount() const;

  std::vector<String> items;
};

// Whole numbers in range print as "%ld"; anything else as "%.2f".
String toString(double number);

// ===========================================================================
// Markup To Rtf
// ===========================================================================

// RTF for the rich text box. A document is rtfHeader() + body + rtfEnd().
// The wrappers insert their text as given: pass literal text through
// markupToRtf first. Control words that text may follow end in their
// delimiter space ("\par ", "\fs32 "), so following letters and digits stay text.

// The fixed header: code page 1252, font f0 Arial, colours 1 red, 2 green,
// 3 blue, 10-point text; it ends in "\fs20 " with its delimiter.
String rtfHeader();
String rtfEnd();                     // "}"
String rtfNewLines(int count);       // "\par " count times; "" when count <= 0 or too many to hold
String rtfBold(const String& text);  // "\b " text "\b0 "
String rtfItalic(const String& text);
String rtfUnderline(const String& text);
String rtfRed(const String& text);    // colour 1, then back to the automatic colour
String rtfGreen(const String& text);  // colour 2
String rtfBlue(const String& text);   // colour 3
// "\fs" + points*2 + " " + text + "\fs20 ": afterwards the size is 10 points.
String rtfFontSize(const String& text, int points);
String rtfRight(const String& text);   // "\qr " text; stays in force
String rtfCenter(const String& text);  // "\qc " text; stays in force
// A hyperlink field to `target` showing `text` red and underlined.
String rtfLink(const String& text, const String& target);
// The RTF body for markup: backslashes doubled, braces escaped, line feeds
// (and CR LF pairs), <BR> as paragraphs; <B> <I> <U> <CENTER> <RIGHT> and
// their closing tags, in all upper or all lower case, as formatting. Other
// tags stay as text. Linear in the length of the text.
String markupToRtf(const String& text);

}  // namespace tarn

#endif  // TARN_TEXT_H
