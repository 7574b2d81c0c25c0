// Helpers shared by the test suites: child processes, pumping messages,
// temporary files and what windows show. The hosts and answerers have headers
// of their own beside this one.
#ifndef TARN_TESTS_SUPPORT_H
#define TARN_TESTS_SUPPORT_H

#include <initializer_list>
#include <string>
#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

// The folder of the running test program (where the helper programs are built).
std::string programFolder();

struct ChildResult {
  bool started = false;
  bool finished = false;  // false: still running at the deadline (then killed)
  DWORD exitCode = 0;
  std::string output;     // standard output and error
  DWORD milliseconds = 0;
};

// Runs `commandLine` in `folder` (or the current folder), collecting its output.
// Each dialog-class window the child shows is answered with `answer` (a button
// identifier) when answer != 0; the boxes' texts are collected in `boxes`.
ChildResult runChild(const std::string& commandLine, DWORD timeoutMs, int answer = 0,
                     std::vector<std::string>* boxes = nullptr, const std::string& folder = "");

// Presses the keys in order and lets them go in reverse, through the system's
// input (SendInput): they reach the window in front, through its message loop.
void pressKeys(std::initializer_list<WORD> keys);

// Clicks the left mouse button `clicks` times (2: a double-click) at `at` in
// `window`'s client area, through the system's input (SendInput): the window
// must be in front there.
void clickMouse(HWND window, POINT at, int clicks = 1);

// Runs the toolkit's messageLoop() with a watchdog that ends it with -2 when
// nothing else has after `ms` milliseconds; answers its quit code.
int loopWithWatchdog(UINT ms = 5000);

// Dispatches this thread's messages for about `ms` milliseconds.
void pump(DWORD ms);

// Asks for `window` to be the foreground window and dispatches messages until
// it is, so the keys and clicks sent next reach it; false after 5 s.
bool bringToFront(HWND window);

// Dispatches messages until `done()` or the deadline; true when done.
template <class Pred>
bool pumpUntil(Pred done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    pump(10);
  }
  return true;
}

// Dispatches the messages posted to this thread so far (a marker posted now
// has come back); true unless that took over 5 s.
bool settle();

// A fresh file path in the temporary folder; the file is removed on destruction.
class TempFile {
 public:
  explicit TempFile(const std::string& suffix = ".tmp");
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return name; }
  bool write(const std::string& bytes) const;
  std::string read() const;

 private:
  std::string name;
};

// The text of a message box window (its static text control).
std::string boxText(HWND box);
std::string windowText(HWND window);

}  // namespace testing_support

#endif

namespace testing_support {
// A 24-bit bottom-up BMP file of w x h pixels; colourAt(x, y) gives 0x00BBGGRR.
template <class F>
std::string makeBmp(int w, int h, F colourAt) {
  int stride = (w * 3 + 3) & ~3;
  std::string pixels(static_cast<std::size_t>(stride) * h, '\0');
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned c = colourAt(x, y);
      std::size_t at = static_cast<std::size_t>(h - 1 - y) * stride + x * 3;
      pixels[at] = static_cast<char>((c >> 16) & 0xFF);
      pixels[at + 1] = static_cast<char>((c >> 8) & 0xFF);
      pixels[at + 2] = static_cast<char>(c & 0xFF);
    }
  auto le = [](unsigned v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  std::string file = "BM" + le(54 + static_cast<unsigned>(pixels.size()), 4) + le(0, 4) + le(54, 4);
  file += le(40, 4) + le(static_cast<unsigned>(w), 4) + le(static_cast<unsigned>(h), 4) + le(1, 2) +
          le(24, 2) + le(0, 4) + le(static_cast<unsigned>(pixels.size()), 4) + le(2835, 4) +
          le(2835, 4) + le(0, 4) + le(0, 4);
  return file + pixels;
}

// The colour of a client pixel of a window, read from its device context.
COLORREF pixelAt(HWND window, int x, int y);

// The character format of the one character at `position` of a rich-edit
// window (the selection is moved there to ask).
CHARFORMATA charFormatAt(HWND richEdit, int position);

// A drop of files as the shell hands one over: a DROPFILES record in global
// memory with the point `at` (client pixels), then the names, each ended by a
// zero, and one zero more; as UTF-16 when `wide`, else in the program's code
// page. The receiver finishes (frees) it.
HGLOBAL makeDrop(const std::vector<std::wstring>& names, POINT at, bool wide);

// Whether a global memory block has been freed.
inline bool isFreed(HGLOBAL block) { return GlobalSize(block) == 0; }
}  // namespace testing_support
