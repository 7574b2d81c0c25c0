// Console: opening, writing to, reading from and naming the process's console.
#include <cstring>
#include <vector>

#include "tarn/console.h"

namespace tarn {

Console::Console(bool open) : input(NULL), output(NULL) {
  title.bind(this, &Console::getTitle, &Console::setTitle);
  if (open) openConsole(defaultTitle);
}

int Console::openConsole(const String& newTitle) {
  if (!AllocConsole()) return 0;
  SetConsoleTitleA(newTitle.c_str());
  output = GetStdHandle(STD_OUTPUT_HANDLE);
  input = GetStdHandle(STD_INPUT_HANDLE);
  return 0;
}

bool Console::write(const String& text) {
  DWORD written = 0;
  return WriteConsoleA(output, text.c_str(), static_cast<DWORD>(text.str().size()), &written,
                       NULL) != 0;
}

bool Console::writeText(String text) { return write(text); }
void Console::print(String text) { write(text); }

String Console::read() {
  if (input == NULL) return String();
  char buffer[readLimit + 1] = {0};
  DWORD count = 0;
  if (!ReadConsoleA(input, buffer, readLimit, &count, NULL)) return String();
  if (count > static_cast<DWORD>(readLimit)) count = readLimit;
  return String(std::string(buffer, count));
}

void Console::read(String& into) { into = read(); }

bool Console::closeConsole() { return FreeConsole() != 0; }

// The system answers the title's full length even when it copied only what
// fit, so the text is cut at the buffer's last byte and at its terminator.
String Console::getTitle() const {
  char buffer[titleBuffer] = {0};
  DWORD n = GetConsoleTitleA(buffer, titleBuffer);
  if (n == 0) return String();
  std::size_t fit = n < static_cast<DWORD>(titleBuffer) ? n : titleBuffer - 1;
  return String(std::string(buffer, strnlen(buffer, fit)));
}

void Console::setTitle(String value) { SetConsoleTitleA(value.c_str()); }

}  // namespace tarn
