// Tarn clipboard: Clipboard, the system clipboard's text in the program's code
// page.
//
// Classes and functions in this file (sources):
//   Clipboard   system/clipboard.cpp, clipboard_text.cpp
#ifndef TARN_CLIPBOARD_H
#define TARN_CLIPBOARD_H

#include "text.h"

namespace tarn {

/// The system clipboard's text. Text crosses the clipboard as UTF-16
/// (CF_UNICODETEXT), converted from and to the program's code page: an ANSI
/// program gets its code page (characters outside it come back as "?"), and a
/// program with UTF-8 as its code page (the modern look) gets every character
/// whole, also those outside the Basic Multilingual Plane. `setText` offers the
/// text to old readers too (CF_TEXT), in the code page they run in.
///
/// Another program may hold the clipboard open for a moment: each call waits
/// for it at most `busyWait` milliseconds (without dispatching messages) and
/// then gives up with false or the empty text, changing nothing. Every call
/// closes the clipboard again before it returns. For the window thread, as
/// the whole toolkit is.
class Clipboard {
 public:
  /// The longest a call waits for a clipboard another program holds open, in
  /// milliseconds.
  static constexpr unsigned busyWait = 250;

  /// Not an object: every operation is static.
  Clipboard() = delete;

  /// The text on the clipboard, in the program's code page, up to its first
  /// zero character, line ends as the writer put them (CR LF from almost
  /// every program). Text put there as CF_TEXT or CF_OEMTEXT only comes
  /// through the system's conversion. The empty text when the clipboard holds
  /// no text (it is empty, or holds a picture only), when it stayed busy, or
  /// when the text cannot be held in memory.
  static String text();
  /// Empties the clipboard and puts `text` on it (the empty text too), with
  /// every line end as CR LF (a lone LF or CR becomes CR LF). A zero byte ends
  /// the text: what follows it is not put on the clipboard, as no reader would
  /// see it. Bytes that are not valid in the program's code page (broken UTF-8)
  /// become U+FFFD, the replacement character. False, with the clipboard
  /// unchanged, when it stayed busy, and false when memory runs out.
  static bool setText(const String& text);
  /// Whether the clipboard holds text in any of the text formats (the text may
  /// be empty); asks without opening the clipboard, so it never waits.
  static bool hasText();
  /// Empties the clipboard; false, with it unchanged, when it stayed busy.
  static bool clear();
};

}  // namespace tarn

#endif  // TARN_CLIPBOARD_H
