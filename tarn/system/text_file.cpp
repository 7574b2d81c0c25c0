// TextFile: a text file read and written through a standard I/O stream.
//
// The stream is opened in binary mode and the line ends are translated here
// (a carriage return and line feed on disk, a line feed in the text), which is
// what a text-mode stream does, with one difference that matters: a text-mode
// stream tells its position by assuming every line feed it buffered stood for
// two bytes on disk. For files with bare line feeds that position is wrong, and
// the positioning that switching between reading and writing needs (and
// measuring the size) then moved the stream to the wrong place. In binary mode
// positions are exact.
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "tarn/system.h"
#include "tarn/system/file_text.h"
#include "tarn/system/fixed_block.h"

namespace tarn {

TextFile::TextFile() : stream(nullptr), lastAccess(Access::none) { bindProperties(); }

TextFile::TextFile(const String& path) : TextFile() { open(path); }

TextFile::~TextFile() { close(); }

void TextFile::bindProperties() {
  eof.bind(this, &TextFile::getEof);
  isOpen.bind(this, &TextFile::getIsOpen);
}

bool TextFile::getEof() const { return stream != nullptr && std::feof(stream) != 0; }

void TextFile::prepareFor(Access access) {
  // A stream needs a positioning call between reading and writing.
  if (lastAccess != Access::none && lastAccess != access) std::fseek(stream, 0, SEEK_CUR);
  lastAccess = access;
}

bool TextFile::open(const String& newPath) {
  close();
  path = newPath;
  bindProperties();
  stream = std::fopen(path.c_str(), "r+b");
  lastAccess = Access::none;
  return stream != nullptr;
}

int TextFile::close() {
  if (stream == nullptr) return 0;
  int result = std::fclose(stream);
  stream = nullptr;
  lastAccess = Access::none;
  return result;
}

int TextFile::rewind() {
  if (stream != nullptr) {
    std::rewind(stream);
    lastAccess = Access::none;
  }
  return 0;
}

int TextFile::size() {
  if (stream == nullptr) return 0;
  long position = std::ftell(stream);
  if (position < 0) return 0;
  long end = -1;
  if (std::fseek(stream, 0, SEEK_END) == 0) end = std::ftell(stream);
  std::fseek(stream, position, SEEK_SET);
  lastAccess = Access::none;
  return end > 0 ? static_cast<int>(end) : 0;
}

namespace {

// After a carriage return: takes the line feed that follows it, if one does.
// Looking ahead at the end of the file does not count as reaching it.
bool takeLineFeedAfterReturn(std::FILE* stream) {
  int next = std::getc(stream);
  if (next == '\n') return true;
  if (next == EOF) {
    if (!std::ferror(stream)) std::clearerr(stream);
  } else {
    std::ungetc(next, stream);
  }
  return false;
}

}  // namespace

char TextFile::readChar() {
  if (stream == nullptr) return 0;
  prepareFor(Access::reading);
  int c = std::getc(stream);
  if (c == EOF) return 0;
  if (c == '\r' && takeLineFeedAfterReturn(stream)) c = '\n';
  return static_cast<char>(c);
}

int TextFile::readInt() {
  if (stream == nullptr) return 0;
  prepareFor(Access::reading);
  long value = 0;
  if (std::fscanf(stream, "%ld", &value) != 1) return 0;
  return static_cast<int>(value);
}

bool TextFile::readLineInto(String& out) {
  std::string line;
  bool any = false;
  while (static_cast<int>(line.size()) < maxLineLength) {
    int c = std::getc(stream);
    if (c == EOF) break;
    any = true;
    if (c == '\r' && takeLineFeedAfterReturn(stream)) c = '\n';
    line.push_back(c == 0 ? ' ' : static_cast<char>(c));
    if (c == '\n') break;
  }
  filetext::stripLastLineEnd(line);
  out = line;
  return any;
}

String TextFile::readLine() {
  String line;
  if (stream == nullptr) return line;
  prepareFor(Access::reading);
  readLineInto(line);
  return line;
}

StringList TextFile::readLines(unsigned maxLines) {
  StringList lines;
  if (stream == nullptr) return lines;
  prepareFor(Access::reading);
  while (!std::feof(stream) && (maxLines == 0 || static_cast<unsigned>(lines.size()) < maxLines)) {
    String line;
    // A read that gets nothing without reaching the end means the stream cannot
    // be read (one opened for writing): it would never reach its end. (Wine's
    // runtime does not set the error indicator then, so the end is what counts.)
    if (!readLineInto(line) && !std::feof(stream)) break;
    lines.add(line);
  }
  return lines;
}

// A read whose text does not fit in memory gives the empty text and leaves
// the stream where the read found it, as when its block cannot be allocated.
String TextFile::abandonRead(long start) {
  if (start >= 0) std::fseek(stream, start, SEEK_SET);
  lastAccess = Access::none;
  return String();
}

String TextFile::read(int length) {
  if (stream == nullptr || length <= 0) return String();
  detail::FixedBlock block(static_cast<SIZE_T>(length) + 1);
  char* bytes = block.data();
  if (bytes == nullptr) return String();
  prepareFor(Access::reading);
  long start = std::ftell(stream);
  std::size_t wanted = static_cast<std::size_t>(length);
  std::string text;
  try {
    // Each character takes at least one byte on disk, so reading the characters
    // still wanted never overshoots; pairs make it take another round. The
    // first round sizes the text, the others fit in it.
    while (text.size() < wanted) {
      std::size_t got = std::fread(bytes, 1, wanted - text.size(), stream);
      if (got == 0) break;
      if (text.empty()) text.reserve(got);
      bool endsWithReturn = bytes[got - 1] == '\r';
      filetext::appendAsText(text, bytes, endsWithReturn ? got - 1 : got);
      if (endsWithReturn) text.push_back(takeLineFeedAfterReturn(stream) ? '\n' : '\r');
    }
  } catch (const std::bad_alloc&) {
    return abandonRead(start);
  } catch (const std::length_error&) {
    return abandonRead(start);
  }
  return String(std::move(text));
}

String TextFile::readAll() {
  int n = size();
  if (n == 0) return String();
  detail::FixedBlock block(static_cast<SIZE_T>(n) + 1);
  char* bytes = block.data();
  if (bytes == nullptr) return String();
  long start = std::ftell(stream);
  std::rewind(stream);
  lastAccess = Access::reading;
  std::size_t got = std::fread(bytes, 1, static_cast<std::size_t>(n), stream);
  std::string text;
  try {
    filetext::appendAsText(text, bytes, got);
  } catch (const std::bad_alloc&) {
    return abandonRead(start);
  } catch (const std::length_error&) {
    return abandonRead(start);
  }
  return String(std::move(text));
}

bool TextFile::write(const String& text) {
  if (stream == nullptr) return false;
  prepareFor(Access::writing);
  std::string bytes = filetext::lineFeedsAsPairs(text.str());
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

bool TextFile::rewrite(const String& text) {
  if (!create()) return false;
  return write(text);
}

bool TextFile::create() {
  close();
  stream = std::fopen(path.c_str(), "wb");
  lastAccess = Access::none;
  return stream != nullptr;
}

bool TextFile::create(const String& newPath) {
  close();
  path = newPath;
  stream = std::fopen(path.c_str(), "w+b");
  lastAccess = Access::none;
  return stream != nullptr;
}

}  // namespace tarn
