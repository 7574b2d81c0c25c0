// Tips files as bytes: header, records, whole files and the text form.
#include "tarn/forms/tips_file.h"

#include <algorithm>
#include <cstring>

namespace tarn {
namespace tipsfile {

namespace {

constexpr char magic[] = "TRT";
constexpr std::int32_t versionOne = 1;
constexpr std::int32_t versionTwo = 2;

void putInt(char* at, std::int32_t value) {
  std::uint32_t v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::int32_t getInt(const char* at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(at[i]);
  return static_cast<std::int32_t>(v);
}

std::string field(const char* at) {
  const void* zero = std::memchr(at, 0, fieldSize);
  std::size_t n = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - at) : fieldSize;
  return std::string(at, n);
}

void putField(const std::string& text, char* at) {
  std::size_t n = std::min(std::strlen(text.c_str()), fieldChars);
  std::memcpy(at, text.data(), n);
}

// Lines without their ends; a last line without an end counts too.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    start = end + 1;
  }
  return out;
}

bool isTitleLine(const std::string& line) { return line.compare(0, 2, "# ") == 0 || line == "#"; }

std::string joinBody(const std::vector<std::string>& body) {
  std::size_t first = 0, last = body.size();
  while (first < last && body[first].empty()) ++first;
  while (last > first && body[last - 1].empty()) --last;
  std::string out;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) out += '\n';
    out += body[i];
  }
  return out;
}

}  // namespace

std::uint64_t recordCount(std::uint64_t fileSize) {
  return fileSize < headerSize ? 0 : (fileSize - headerSize) / recordSize;
}

std::string headerBytes(std::int32_t start) {
  std::string header(headerSize, '\0');
  std::memcpy(&header[0], magic, 3);
  putInt(&header[4], versionOne);
  putInt(&header[8], versionTwo);
  putInt(&header[12], start);
  return header;
}

std::int32_t startTip(const char* header) { return getInt(header + 12); }

int firstTip(std::int32_t stored, std::size_t count) {
  return stored >= 1 && static_cast<std::uint64_t>(stored) <= count ? stored : 1;
}

Record readRecord(const char* record) {
  Record r;
  r.title = field(record);
  r.body = field(record + fieldSize);
  return r;
}

void writeRecord(const std::string& title, const std::string& body, char* record) {
  std::memset(record, 0, recordSize);
  putField(title, record);
  putField(body, record + fieldSize);
}

std::string fileBytes(const std::vector<Record>& tips, std::int32_t start) {
  std::string bytes = headerBytes(start);
  std::string record(recordSize, '\0');
  for (const Record& tip : tips) {
    writeRecord(tip.title, tip.body, &record[0]);
    bytes += record;
  }
  return bytes;
}

Contents parse(const std::string& bytes) {
  Contents c;
  if (bytes.size() < headerSize) return c;
  c.startTip = startTip(bytes.data());
  std::uint64_t count = recordCount(bytes.size());
  c.status = count == 0 ? Status::noTips : Status::ok;
  for (std::uint64_t i = 0; i < count; ++i)
    c.tips.push_back(readRecord(bytes.data() + headerSize + i * recordSize));
  return c;
}

std::string titleRtf(const std::string& title) {
  std::string out;
  out.reserve(title.size());
  for (char c : title) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    out += c;
  }
  return out;
}

std::vector<Record> parseText(const std::string& text) {
  std::vector<Record> tips;
  std::vector<std::string> body;
  for (const std::string& line : lines(text)) {
    if (isTitleLine(line)) {
      if (!tips.empty()) tips.back().body = joinBody(body);
      body.clear();
      tips.push_back(Record{line.size() > 2 ? line.substr(2) : std::string(), std::string()});
    } else if (!tips.empty()) {
      body.push_back(!line.empty() && line[0] == '\\' ? line.substr(1) : line);
    }
  }
  if (!tips.empty()) tips.back().body = joinBody(body);
  return tips;
}

std::string toText(const std::vector<Record>& tips) {
  std::string out;
  for (std::size_t i = 0; i < tips.size(); ++i) {
    if (i > 0) out += '\n';
    out += "# " + tips[i].title + "\n";
    for (const std::string& line : lines(tips[i].body)) {
      if (!line.empty() && (line[0] == '#' || line[0] == '\\')) out += '\\';
      out += line + "\n";
    }
  }
  return out;
}

}  // namespace tipsfile
}  // namespace tarn
