// Tarn console: Console, a text console window for a window program, with
// writing, line reading and the console window's title.
//
// Classes and functions in this file (sources):
//   Console   system/console.cpp
#ifndef TARN_CONSOLE_H
#define TARN_CONSOLE_H

#include "text.h"

namespace tarn {

/// A thin layer over the process's console. The C runtime's standard streams are
/// not redirected to it. A process has at most one console: opening fails while
/// one is attached and then changes nothing.
class Console {
 public:
  /// The title openConsole gives a console when none is named.
  static constexpr const char* defaultTitle = "Tarn Project - https://tarn.example.org/";
  /// The most characters one read returns.
  static constexpr int readLimit = 1023;  // characters one read returns at most
  /// The bytes the title is read into.
  static constexpr int titleBuffer = 1024;  // bytes the title is read into

  /// With `open` true, opens a console with the default title.
  explicit Console(bool open = false);

  /// The console's input handle; 0 until a console is opened, kept after closing.
  HANDLE input;  // 0 until a console is opened; kept after closing
  /// The console's output handle; 0 until a console is opened, kept after closing.
  HANDLE output;  // 0 until a console is opened; kept after closing
  /// The console window's title; writing changes it.
  Property<Console, String> title;

  /// Allocates a console and, only when that worked, sets its title and takes
  /// its handles. Returns 0 either way: compare `output` to see what happened.
  int openConsole(const String& title = defaultTitle);
  /// True when the console took the text (an empty text too).
  bool write(const String& text);
  /// The same, with the text passed by value.
  bool writeText(String text);
  /// Writes `text` to the console, as write() does, dropping the answer.
  void print(String text);
  /// One line as typed, with its CR LF when they fit, at most readLimit
  /// characters; "" when no console is open or the read fails.
  String read();
  /// Reads one line into `into`, as read() does.
  void read(String& into);
  /// Frees the console; false when none was attached (Windows; Wine says true).
  bool closeConsole();

 private:
  String getTitle() const;
  void setTitle(String value);
};

}  // namespace tarn

#endif  // TARN_CONSOLE_H
