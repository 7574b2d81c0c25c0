// The clipboard's text forms: line ends and tab-separated rows. No Windows calls.
#include "tarn/system/clipboard_text.h"

#include <algorithm>

namespace tarn {
namespace cliptext {

namespace {

std::string beforeZero(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string withCrLf(const std::string& text) {
  std::size_t end = std::min(text.find('\0'), text.size());
  std::string out;
  out.reserve(end + end / 32);
  // Runs without a line end are copied whole; each line end found is written
  // as CR LF.
  for (std::size_t at = 0; at < end;) {
    std::size_t stop = std::min(text.find_first_of("\r\n", at), end);
    out.append(text, at, stop - at);
    if (stop == end) break;
    out += "\r\n";
    at = stop + (text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n' ? 2 : 1);
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
