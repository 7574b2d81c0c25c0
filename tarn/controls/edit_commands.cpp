// The edit commands every text box shares: cut, copy and paste through the
// clipboard, select all and undo.
#include <algorithm>
#include <string>

#include "tarn/clipboard.h"
#include "tarn/controls.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

std::wstring wideWindowText(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::string programText(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int units = static_cast<int>(wide.size());
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, NULL, 0, NULL, NULL);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), units, &bytes[0], size, NULL, NULL);
  return bytes;
}

// The length of the edit control's text in its own positions.
std::size_t positionCount(HWND edit) {
  LRESULT lines = detail::send(edit, EM_GETLINECOUNT);
  LRESULT last = detail::send(edit, EM_LINEINDEX, static_cast<WPARAM>(lines > 0 ? lines - 1 : 0));
  if (last < 0) return 0;
  return static_cast<std::size_t>(last +
                                  detail::send(edit, EM_LINELENGTH, static_cast<WPARAM>(last)));
}

// The selected text in the program's code page. An edit control counts its
// positions in the units it stores its text in: bytes of the code page where
// it keeps an ANSI window's text as such (Windows), UTF-16 units where it keeps
// every text as UTF-16 (Wine). The two counts differ only for characters of
// more than one byte, and then the control's own length says which it is.
std::string selectedText(HWND edit) {
  DWORD start = 0, end = 0;
  detail::send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end <= start) return std::string();
  std::wstring wide = wideWindowText(edit);
  std::string narrow = programText(wide);
  bool inUnits = wide.size() == narrow.size() || positionCount(edit) == wide.size();
  std::size_t size = inUnits ? wide.size() : narrow.size();
  if (end > size) return std::string();
  return inUnits ? programText(wide.substr(start, end - start)) : narrow.substr(start, end - start);
}

}  // namespace

EditBox::EditBox() = default;

bool EditBox::copy() const {
  if (hwnd == NULL || hasStyle(ES_PASSWORD)) return false;
  std::string text = selectedText(hwnd);
  return !text.empty() && Clipboard::setText(text);
}

bool EditBox::cut() {
  if (hwnd == NULL || hasStyle(ES_READONLY) || !copy()) return false;
  detail::send(hwnd, WM_CLEAR);  // deletes the selection as a change that can be undone
  return true;
}

bool EditBox::paste() {
  if (hwnd == NULL || hasStyle(ES_READONLY)) return false;
  std::string text = Clipboard::text().str();
  if (!hasStyle(ES_MULTILINE)) text.erase(std::min(text.find_first_of("\r\n"), text.size()));
  if (text.empty()) return false;
  if (hasStyle(ES_NUMBER) && text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  detail::send(hwnd, EM_REPLACESEL, TRUE, detail::textArgument(text));
  return true;
}

void EditBox::selectAll() { detail::send(hwnd, EM_SETSEL, 0, -1); }

bool EditBox::canUndo() const { return detail::send(hwnd, EM_CANUNDO) != 0; }

LRESULT EditBox::undo() { return detail::send(hwnd, EM_UNDO); }

}  // namespace tarn
