// Times a clipboard round trip of 1 MB of text (put on the clipboard, read
// back) through Clipboard against plain Win32 code doing the same in the same
// run (OpenClipboard, SetClipboardData with the text converted to UTF-16,
// GetClipboardData converted back), and prints the medians and their ratio
// (toolkit / plain). The toolkit also writes the line ends as CR LF and offers
// the text to old readers (CF_TEXT), which the plain code leaves out.
//
//   tarn_clipboard_bench [rounds] [megabytes]      (default 21 rounds of 1 MB)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

bool plainPut(const std::string& text) {
  int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), NULL, 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (static_cast<std::size_t>(units) + 1) * sizeof(wchar_t));
  if (block == NULL) return false;
  wchar_t* wide = static_cast<wchar_t*>(GlobalLock(block));
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, units);
  wide[units] = L'\0';
  GlobalUnlock(block);
  if (!OpenClipboard(NULL)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  bool taken = SetClipboardData(CF_UNICODETEXT, block) != NULL;
  if (!taken) GlobalFree(block);
  CloseClipboard();
  return taken;
}

std::string plainGet() {
  std::string text;
  if (!OpenClipboard(NULL)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const wchar_t* wide = data != NULL ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (wide != nullptr) {
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, NULL, 0, NULL, NULL);
    if (bytes > 1) {
      text.resize(static_cast<std::size_t>(bytes - 1));
      WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], bytes, NULL, NULL);
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 21;
  int megabytes = argc > 2 ? std::atoi(argv[2]) : 1;
  if (rounds <= 0) rounds = 21;
  if (megabytes <= 0) megabytes = 1;

  // Lines of 78 characters with CR LF, some of them outside ASCII.
  std::string text;
  const std::size_t size = static_cast<std::size_t>(megabytes) * 1024 * 1024;
  for (int line = 0; text.size() < size; ++line)
    text += std::string(70, static_cast<char>('a' + line % 26)) + " caf\xe9 " + "\r\n";
  text.resize(size);

  std::vector<double> toolkit, plain;
  bool same = true;
  for (int r = 0; r < rounds; ++r) {
    double t = seconds();
    bool put = Clipboard::setText(text);
    String back = Clipboard::text();
    toolkit.push_back(seconds() - t);
    same = same && put && back.str() == text;

    t = seconds();
    put = plainPut(text);
    std::string plainBack = plainGet();
    plain.push_back(seconds() - t);
    same = same && put && plainBack == text;
  }
  double a = median(toolkit), b = median(plain);
  std::printf("clipboard round trip of %d MB (median of %d)  toolkit %7.2f ms  plain %7.2f ms  "
              "ratio %.2f  (target: under 50 ms)%s\n",
              megabytes, rounds, a * 1000, b * 1000, b > 0 ? a / b : 0.0,
              same ? "" : "  TEXT DIFFERED");
  return same ? 0 : 1;
}
