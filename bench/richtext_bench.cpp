// Times the rich text box and the tips dialog against plain Win32 code doing
// the same job in the same run, and prints the ratio (toolkit / plain):
//   - loading a text file of 1,250 lines of 80 characters into a rich-edit
//     window (read, CR LF joined, set-text-ex);
//   - showing tips: the tip's RTF built and set into the window, 200 times.
//
//   tarn_richtext_bench [rounds]      (default 5)
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include "temp_path.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

void setTextEx(HWND window, const char* chars) {
  SETTEXTEX how = {ST_DEFAULT, CP_ACP};
  SendMessageA(window, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
               reinterpret_cast<LPARAM>(chars));
}

// The plain version of loadFile: one read, CR LF joined, one set-text-ex.
bool plainLoad(HWND window, const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(file, NULL);
  std::vector<char> bytes(size + 1, '\0');
  DWORD got = 0;
  BOOL read = ReadFile(file, bytes.data(), size, &got, NULL);
  CloseHandle(file);
  if (!read) return false;
  DWORD out = 0;
  for (DWORD i = 0; i < got; ++i) {
    if (bytes[i] == '\r' && i + 1 < got && bytes[i + 1] == '\n') continue;
    bytes[out++] = bytes[i];
  }
  bytes[out] = '\0';
  setTextEx(window, bytes.data());
  return true;
}

// The plain version of showing a tip: the same RTF written out by hand.
void plainShowTip(HWND window, const std::string& title, const std::string& body) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
      "\\f0\\fs20 \\par \\cf2 \\b \\fs32 " +
      title + "\\fs20 \\b0 \\cf0 \\par \\par \\par " + body + "}";
  setTextEx(window, rtf.c_str());
}

void report(const char* job, double toolkit, double plain) {
  std::printf("%-40s toolkit %8.2f ms  plain %8.2f ms  ratio %.2f\n", job, toolkit * 1000,
              plain * 1000, plain > 0 ? toolkit / plain : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  if (rounds <= 0) rounds = 5;

  Form form("bench", 0, 0, 500, 400, 0, true, false, false, false, false, Control(), false, 0);
  RichTextBox box("", 151, 0, 0, 480, 360, form);
  HWND plain = CreateWindowExA(0, "RICHEDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL,
                               0, 0, 480, 360, form.hwnd, NULL, GetModuleHandleA(NULL), NULL);
  SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);

  std::string lines;
  for (int i = 0; i < 1250; ++i) lines += std::string(78, static_cast<char>('a' + i % 26)) + "\r\n";
  std::string path = tempPath("tarn_richtext_bench.txt");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(lines.data(), 1, lines.size(), f);
  std::fclose(f);

  double toolkit = 0, reference = 0;
  for (int r = 0; r < rounds; ++r) {
    double t = seconds();
    box.loadFile(path);
    toolkit += seconds() - t;
    t = seconds();
    plainLoad(plain, path.c_str());
    reference += seconds() - t;
  }
  report("load 1,250 lines (per load)", toolkit / rounds, reference / rounds);
  DeleteFileA(path.c_str());

  TipsDialog tips("", "bench", Control(), false);
  const int tipCount = 200;
  for (int i = 0; i < tipCount; ++i)
    tips.addTip("Tip number " + toString(i + 1), "A body with <B>bold</B> words\nand two lines.");
  HWND plainView = CreateWindowExA(0, "RICHEDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                                   64, 0, 330, 210, form.hwnd, NULL, GetModuleHandleA(NULL), NULL);
  SendMessageA(plainView, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  toolkit = reference = 0;
  for (int r = 0; r < rounds; ++r) {
    double t = seconds();
    for (int i = 0; i < tipCount; ++i) tips.nextTip();
    toolkit += seconds() - t;
    t = seconds();
    for (int i = 0; i < tipCount; ++i)
      plainShowTip(plainView, "Tip number " + std::to_string(i + 1),
                   "A body with \\b bold\\b0  words\\par and two lines.");
    reference += seconds() - t;
  }
  report("show 200 tips (per round)", toolkit / rounds, reference / rounds);
  return 0;
}
