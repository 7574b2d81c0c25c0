// Clipboard: the system clipboard's text, read and written as UTF-16 and
// converted from and to the program's code page, with a bounded wait for a
// clipboard another program holds open.
#include "tarn/clipboard.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "tarn/system/clipboard_text.h"

namespace tarn {

namespace {

constexpr DWORD retryPause = 10;  // milliseconds between attempts to open a busy clipboard

// The window the clipboard names as its owner while this thread writes to it:
// a message-only window, one per thread, made at first need and ended with
// the thread. (Opened without a window, the clipboard may refuse the data.)
HWND ownerWindow() {
  thread_local HWND window = NULL;
  if (window == NULL || !IsWindow(window))
    window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                             GetModuleHandleA(NULL), NULL);
  return window;
}

// The clipboard, opened for this thread and closed at the end. Another
// program holding it open is waited for, at most Clipboard::busyWait ms.
class OpenedClipboard {
 public:
  OpenedClipboard() : open(openWithin(Clipboard::busyWait)) {}
  ~OpenedClipboard() {
    if (open) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  explicit operator bool() const { return open; }

 private:
  static bool openWithin(DWORD milliseconds) {
    HWND owner = ownerWindow();
    DWORD start = GetTickCount();
    for (;;) {
      if (OpenClipboard(owner)) return true;
      if (GetTickCount() - start >= milliseconds) return false;
      Sleep(retryPause);
    }
  }

  bool open;
};

// A movable memory block for the clipboard, freed at the end unless the
// clipboard took it (the system owns a block once SetClipboardData took it).
class ClipboardBlock {
 public:
  explicit ClipboardBlock(std::size_t size) : handle(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~ClipboardBlock() {
    if (handle != NULL) GlobalFree(handle);
  }
  ClipboardBlock(const ClipboardBlock&) = delete;
  ClipboardBlock& operator=(const ClipboardBlock&) = delete;

  // Has `fill` write the block's bytes while it is locked; false when there
  // is no block.
  template <class Fill>
  bool write(Fill fill) {
    void* bytes = handle != NULL ? GlobalLock(handle) : nullptr;
    if (bytes == nullptr) return false;
    fill(bytes);
    GlobalUnlock(handle);
    return true;
  }
  // Hands the block to the open clipboard as `format`; true when it took it.
  bool handTo(UINT format) {
    if (handle == NULL || SetClipboardData(format, handle) == NULL) return false;
    handle = NULL;
    return true;
  }

 private:
  HGLOBAL handle;
};

// A clipboard block locked for reading, unlocked at the end.
class LockedData {
 public:
  explicit LockedData(HANDLE block)
      : block(block), bytes(block != NULL ? GlobalLock(block) : nullptr) {}
  ~LockedData() {
    if (bytes != nullptr) GlobalUnlock(block);
  }
  LockedData(const LockedData&) = delete;
  LockedData& operator=(const LockedData&) = delete;

  const void* data() const { return bytes; }
  // The block's size in bytes: the data may hold no terminator within it.
  std::size_t size() const { return bytes != nullptr ? GlobalSize(block) : 0; }

 private:
  HANDLE block;
  void* bytes;
};

// The number of UTF-16 units `bytes` in `codePage` convert to. Throws
// std::length_error for a text over INT_MAX bytes or one whose units with a
// terminator would not fit a block's size, and for a text the system cannot
// convert.
int unitCount(const std::string& bytes, UINT codePage) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) throw std::length_error("clipboard text");
  if (bytes.empty()) return 0;
  int units =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), NULL, 0);
  if (units <= 0 || static_cast<std::size_t>(units) >= SIZE_MAX / sizeof(wchar_t))
    throw std::length_error("clipboard text");
  return units;
}

// Writes `bytes` in `codePage` as the `units` UTF-16 units unitCount gave, and
// a terminating zero. Invalid bytes become U+FFFD.
void writeWide(const std::string& bytes, UINT codePage, wchar_t* wide, int units) {
  if (units > 0)
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide, units);
  wide[units] = L'\0';
}

// `count` UTF-16 units in `codePage`, with no terminator. Throws
// std::length_error for a text whose bytes could pass INT_MAX.
std::string narrowText(const wchar_t* chars, std::size_t count, UINT codePage) {
  if (count > static_cast<std::size_t>(INT_MAX / 4)) throw std::length_error("clipboard text");
  int units = static_cast<int>(count);
  int size = units > 0 ? WideCharToMultiByte(codePage, 0, chars, units, NULL, 0, NULL, NULL) : 0;
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(codePage, 0, chars, units, &bytes[0], size, NULL, NULL);
  return bytes;
}

// The code page old readers of CF_TEXT run in: the program's own, unless the
// program runs with UTF-8 (the modern look), which old programs do not: then
// the system's ANSI code page. 0 when the system names none (a Unicode-only
// locale), and the system then makes CF_TEXT itself from the UTF-16.
UINT oldReadersCodePage() {
  UINT program = GetACP();
  if (program != CP_UTF8) return program;
  DWORD system = 0;
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&system), sizeof system / sizeof(wchar_t)) == 0)
    return 0;
  return system;
}

bool putText(const std::string& text) {
  std::string bytes = cliptext::withCrLf(text);
  int units = unitCount(bytes, CP_ACP);
  ClipboardBlock unicode((static_cast<std::size_t>(units) + 1) * sizeof(wchar_t));
  std::wstring wide;  // kept only when the old readers' text is made from it
  UINT oldCodePage = oldReadersCodePage();
  bool sameBytes = oldCodePage == GetACP();
  bool written = unicode.write([&](void* block) {
    writeWide(bytes, CP_ACP, static_cast<wchar_t*>(block), units);
    if (!sameBytes && oldCodePage != 0)
      wide.assign(static_cast<const wchar_t*>(block), static_cast<std::size_t>(units));
  });
  if (!written) return false;  // before the clipboard is touched
  std::string old =
      sameBytes ? std::move(bytes) : narrowText(wide.data(), wide.size(), oldCodePage);
  ClipboardBlock ansi(old.size() + 1);
  bool offerOld = oldCodePage != 0 &&
                  ansi.write([&](void* block) { std::memcpy(block, old.c_str(), old.size() + 1); });

  OpenedClipboard clipboard;
  if (!clipboard || !EmptyClipboard()) return false;
  bool done = unicode.handTo(CF_UNICODETEXT);
  if (done && offerOld) ansi.handTo(CF_TEXT);
  return done;
}

String readText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return String();
  OpenedClipboard clipboard;
  if (!clipboard) return String();
  LockedData data(GetClipboardData(CF_UNICODETEXT));
  const wchar_t* chars = static_cast<const wchar_t*>(data.data());
  if (chars == nullptr) return String();
  // Another program's block need not end with a zero: read no further than it.
  std::size_t units = wcsnlen(chars, data.size() / sizeof(wchar_t));
  return String(narrowText(chars, units, CP_ACP));
}

}  // namespace

String Clipboard::text() {
  try {
    return readText();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return String();
}

bool Clipboard::setText(const String& text) {
  try {
    return putText(text.str());
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return false;
}

bool Clipboard::hasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

bool Clipboard::clear() {
  OpenedClipboard clipboard;
  return clipboard && EmptyClipboard() != 0;
}

}  // namespace tarn
