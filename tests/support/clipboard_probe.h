// The clipboard read and written with plain Win32 calls, beside the toolkit's
// Clipboard: what another program would put there or find there.
#ifndef TARN_TESTS_SUPPORT_CLIPBOARD_PROBE_H
#define TARN_TESTS_SUPPORT_CLIPBOARD_PROBE_H

#include <cstring>
#include <string>
#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

// The bytes of one clipboard format, as they stand in its block (the block's
// whole size: a text format's terminator included); empty when it is absent.
inline std::string rawClipboard(UINT format) {
  std::string bytes;
  if (!OpenClipboard(NULL)) return bytes;
  HANDLE data = GetClipboardData(format);
  const char* p = data != NULL ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (p != nullptr) {
    bytes.assign(p, GlobalSize(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

// The clipboard's UTF-16 text up to its first zero.
inline std::wstring rawUnicodeText() {
  std::string bytes = rawClipboard(CF_UNICODETEXT);
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(&text[0], bytes.data(), text.size() * sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

// The clipboard's CF_TEXT up to its first zero.
inline std::string rawAnsiText() {
  std::string bytes = rawClipboard(CF_TEXT);
  return bytes.substr(0, bytes.find('\0'));
}

// Empties the clipboard and puts `bytes` on it as `format`, as another program
// would; true when the clipboard took them.
inline bool putRawClipboard(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (block == NULL) return false;
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  if (!OpenClipboard(NULL)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  bool taken = SetClipboardData(format, block) != NULL;
  if (!taken) GlobalFree(block);
  CloseClipboard();
  return taken;
}

inline bool putRawUnicodeText(const std::wstring& text) {
  return putRawClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// Tab-separated text read back as a spreadsheet program reads it: cells split
// at tabs, rows at CR LF, and a cell that starts with a double quote running to
// the closing quote, "" inside it standing for one quote.
inline std::vector<std::vector<std::string>> readTabSeparated(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string cell;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (cell.empty() && text[i] == '"') {
      for (++i; i < text.size() && !(text[i] == '"' && (i + 1 == text.size() || text[i + 1] != '"'));
           ++i)
        cell += text[i] == '"' ? text[++i] : text[i];
    } else if (text[i] == '\t') {
      row.push_back(cell);
      cell.clear();
    } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(cell);
      rows.push_back(row);
      row.clear();
      cell.clear();
      ++i;
    } else {
      cell += text[i];
    }
  }
  return rows;
}

}  // namespace testing_support

#endif
