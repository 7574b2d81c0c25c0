// String and StringList: the toolkit's text value and list of texts.
#include "tarn/text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace tarn {

// ---------------------------------------------------------------------------
// String

String::String() { bindProperties(); }
String::String(const char* chars) : text(chars ? chars : "") { bindProperties(); }
String::String(const std::string& chars) : text(chars) { bindProperties(); }
String::String(const String& other) : text(other.text) { bindProperties(); }
String::String(String&& other) noexcept : text(std::move(other.text)) { bindProperties(); }
String::String(std::string&& chars) noexcept : text(std::move(chars)) { bindProperties(); }
String::~String() = default;

String& String::operator=(const String& other) {
  text = other.text;
  return *this;
}

String& String::operator=(String&& other) noexcept {
  text.swap(other.text);
  return *this;
}

String String::operator=(const char* chars) {
  text = chars ? chars : "";
  return *this;
}

String String::operator=(const std::string& chars) {
  text = chars;
  return *this;
}

String String::operator=(char c) {
  text.assign(1, c);
  return *this;
}

void String::bindProperties() { length.bind(this, &String::getLength); }

int String::getLength() const { return static_cast<int>(text.size()); }

String operator+(const String& a, const String& b) { return String(a.text + b.text); }

String& String::operator+=(const String& other) {
  text += other.text;
  return *this;
}

void String::clear() { text.clear(); }

String& String::insert(int position, const String& chars) {
  if (position < 0 || static_cast<std::size_t>(position) > text.size())
    throw std::out_of_range("basic_string::insert");
  text.insert(static_cast<std::size_t>(position), chars.text);
  return *this;
}

String& String::remove(int position, int count) {
  if (position < 0 || static_cast<std::size_t>(position) > text.size())
    throw std::out_of_range("basic_string::erase");
  if (count < 0) return *this;
  text.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
  return *this;
}

String String::substr(int position, int count) const {
  if (position < 0 || static_cast<std::size_t>(position) > text.size())
    throw std::out_of_range("basic_string::substr");
  std::size_t n = count < 0 ? 0 : static_cast<std::size_t>(count);
  return String(text.substr(static_cast<std::size_t>(position), n));
}

int String::find(char c, int start) const {
  if (start < 0 || static_cast<std::size_t>(start) >= text.size()) return -1;
  std::size_t at = text.find(c, static_cast<std::size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int String::find(const String& chars, int start) const {
  if (start < 0) return -1;
  std::size_t at = text.find(chars.text, static_cast<std::size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

String& String::replaceAll(const String& search, const String& replacement, int start) {
  if (search.text.empty() || start < 0) return *this;
  // One sweep: copy the text between occurrences, so the work stays linear.
  std::size_t from = static_cast<std::size_t>(start);
  std::size_t at = text.find(search.text, from);
  if (at == std::string::npos) return *this;
  std::string out(text, 0, from);
  while (at != std::string::npos) {
    out.append(text, from, at - from);
    out += replacement.text;
    from = at + search.text.size();
    at = text.find(search.text, from);
  }
  out.append(text, from, std::string::npos);
  text.swap(out);
  return *this;
}

String& String::replaceAll(char search, const String& replacement, int start) {
  return replaceAll(String(std::string(1, search)), replacement, start);
}

String& String::replaceAll(char search, char replacement, int start) {
  return replaceAll(String(std::string(1, search)), String(std::string(1, replacement)), start);
}

StringList String::split(const String& separator) const {
  StringList result;
  if (separator.text.empty()) {
    for (char c : text) result.add(String(std::string(1, c)));
    return result;
  }
  std::size_t start = 0;
  std::size_t pos = text.find(separator.text, start);
  while (pos != std::string::npos) {
    result.add(String(text.substr(start, pos - start)));
    start = pos + separator.text.size();
    pos = text.find(separator.text, start);
  }
  result.add(String(text.substr(start)));
  return result;
}

int String::toInt() const { return std::atoi(text.c_str()); }
int String::toInteger() const { return toInt(); }
double String::toFloat() const { return std::atof(text.c_str()); }

// ---------------------------------------------------------------------------
// StringList

StringList::StringList() { count.bind(this, &StringList::getCount); }
StringList::StringList(const StringList& other) : items(other.items) {
  count.bind(this, &StringList::getCount);
}
StringList::StringList(StringList&& other) noexcept : items(std::move(other.items)) {
  count.bind(this, &StringList::getCount);
}
StringList& StringList::operator=(StringList&& other) noexcept {
  items.swap(other.items);
  return *this;
}
StringList& StringList::operator=(const StringList& other) {
  if (this != &other) items = other.items;
  return *this;
}
StringList::~StringList() = default;

int StringList::getCount() const { return static_cast<int>(items.size()); }

void StringList::add(const String& item) { items.push_back(item); }

void StringList::removeAt(int index) { items.erase(items.begin() + index); }

void StringList::removeFirst() { items.erase(items.begin()); }
void StringList::removeLast() { items.pop_back(); }
void StringList::clear() { items.clear(); }

void StringList::assign(const StringList& other) {
  if (this == &other) return;
  items = other.items;
}

void StringList::append(const StringList& other) {
  std::vector<String> copy(other.items);  // safe when other is this list
  items.insert(items.end(), copy.begin(), copy.end());
}

String StringList::join(const String& separator) const {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out += separator.str();
    out += items[i].str();
  }
  return String(out);
}

// ---------------------------------------------------------------------------
// toString

String toString(double number) {
  char buffer[512];
  // Only numbers inside the signed 32-bit range convert to an integer.
  if (number >= -2147483648.0 && number < 2147483648.0) {
    long whole = static_cast<long>(number);
    if (static_cast<double>(whole) == number) {
      std::snprintf(buffer, sizeof buffer, "%ld", whole);
      return String(buffer);
    }
  }
  std::snprintf(buffer, sizeof buffer, "%.2f", number);
  return String(buffer);
}

}  // namespace tarn
