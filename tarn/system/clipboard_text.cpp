// The clipboard's text forms: line ends and tab-separated rows. No Windows calls.
#include "tarn/system/clipboard_text.h"

namespace tarn {
namespace cliptext {

namespace {

std::string beforeZero(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string withCrLf(const std::string& text) {
  std::string bytes = beforeZero(text);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;  // the pair's LF is written already
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string tabSeparatedCell(const std::string& cell) {
  std::string text = beforeZero(cell);
  if (text.find_first_of("\t\r\n") == std::string::npos && (text.empty() || text[0] != '"'))
    return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void appendTabSeparatedRow(std::string& out, const std::vector<std::string>& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += '\t';
    out += tabSeparatedCell(row[i]);
  }
  out += "\r\n";
}

std::string tabSeparated(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const std::vector<std::string>& row : rows) appendTabSeparatedRow(out, row);
  return out;
}

}  // namespace cliptext
}  // namespace tarn
