// The clipboard's text through Clipboard, read and checked with plain Win32
// calls: round trips in the program's code page, what is offered to old
// readers, an empty clipboard, one holding other formats only, text another
// program left unterminated, and a clipboard held open by another thread.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "support/clipboard_probe.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

// Holds the clipboard open from another thread, with a window of its own, until
// the object ends.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : opened(CreateEventA(NULL, TRUE, FALSE, NULL)), release(CreateEventA(NULL, TRUE, FALSE, NULL)) {
    holder = std::thread([this] {
      HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL,
                                    NULL);
      held = OpenClipboard(window) != 0;
      SetEvent(opened);
      WaitForSingleObject(release, INFINITE);
      if (held) CloseClipboard();
      DestroyWindow(window);
    });
    WaitForSingleObject(opened, INFINITE);
  }
  ~ClipboardHolder() {
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
  }
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;

  bool held = false;

 private:
  HANDLE opened, release;
  std::thread holder;
};

}  // namespace

TEST(Clipboard, TextRoundTripsInTheProgramsCodePage) {
  ASSERT_EQ(1252u, GetACP()) << "the prefix's code page; the texts below are 1252";
  struct Row {
    const char* name;
    std::string text;
    std::wstring wide;  // what other programs read
  } rows[] = {
      {"ascii", "Hello, clipboard", L"Hello, clipboard"},
      {"code page", "caf\xe9 \x80 \xbd", L"caf\u00e9 \u20ac \u00bd"},
      {"lines", "one\r\ntwo\r\n", L"one\r\ntwo\r\n"},
      {"empty", "", L""},
  };
  for (const Row& row : rows) {
    ASSERT_TRUE(Clipboard::setText(row.text)) << row.name;
    EXPECT_TRUE(Clipboard::hasText()) << row.name;
    EXPECT_EQ(row.wide, rawUnicodeText()) << row.name;
    EXPECT_EQ(row.text, rawAnsiText()) << row.name;  // old readers get the same bytes
    EXPECT_EQ(row.text, Clipboard::text().str()) << row.name;
  }
  // Text another program put there, read in the program's code page; a
  // character outside it comes back as "?".
  ASSERT_TRUE(putRawUnicodeText(L"na\u00efve \u0416"));
  EXPECT_EQ("na\xefve ?", Clipboard::text().str());
}

TEST(Clipboard, LineEndsZeroBytesAndLargeTexts) {
  ASSERT_TRUE(Clipboard::setText(String(std::string("a\nb\rc\r\nd\0hidden", 15))));
  EXPECT_EQ(L"a\r\nb\r\nc\r\nd", rawUnicodeText());
  EXPECT_EQ("a\r\nb\r\nc\r\nd", Clipboard::text().str());

  std::string big(3 * 1024 * 1024, 'x');
  for (std::size_t i = 100; i < big.size(); i += 1000) big[i] = '\xe9';
  ASSERT_TRUE(Clipboard::setText(big));
  EXPECT_EQ(big, Clipboard::text().str());
}

TEST(Clipboard, EmptyOtherFormatsAndUnterminatedText) {
  ASSERT_TRUE(Clipboard::setText("something"));
  ASSERT_TRUE(Clipboard::clear());
  EXPECT_FALSE(Clipboard::hasText());
  EXPECT_EQ("", Clipboard::text().str());
  EXPECT_EQ(0, CountClipboardFormats());

  // A picture only.
  HBITMAP picture = CreateBitmap(4, 4, 1, 32, NULL);
  ASSERT_TRUE(OpenClipboard(NULL));
  EmptyClipboard();
  EXPECT_NE(nullptr, SetClipboardData(CF_BITMAP, picture));  // the clipboard owns it now
  CloseClipboard();
  EXPECT_FALSE(Clipboard::hasText());
  EXPECT_EQ("", Clipboard::text().str());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));  // reading left the picture alone

  // A format of the program's own.
  UINT own = RegisterClipboardFormatA("Tarn test cells");
  ASSERT_TRUE(putRawClipboard(own, "cells", 5));
  EXPECT_FALSE(Clipboard::hasText());
  EXPECT_EQ("", Clipboard::text().str());

  // UTF-16 text with no terminator in its block is read no further than the
  // block. (Windows keeps the block as given; Wine writes a zero over its last
  // unit, so the text reads one character short there.)
  ASSERT_TRUE(putRawClipboard(CF_UNICODETEXT, L"abc", 3 * sizeof(wchar_t)));
  std::string unterminated = Clipboard::text().str();
  EXPECT_TRUE(unterminated == "abc" || unterminated == "ab") << unterminated;
  // Text put as CF_TEXT only comes through the system's conversion.
  ASSERT_TRUE(putRawClipboard(CF_TEXT, "old \xe9", 6));
  EXPECT_TRUE(Clipboard::hasText());
  EXPECT_EQ("old \xe9", Clipboard::text().str());
}

TEST(Clipboard, AClipboardHeldOpenElsewhereGivesUpInBoundedTime) {
  ASSERT_TRUE(Clipboard::setText("before"));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.held);
    DWORD start = GetTickCount();
    EXPECT_FALSE(Clipboard::setText("during"));
    EXPECT_EQ("", Clipboard::text().str());
    EXPECT_FALSE(Clipboard::clear());
    EXPECT_TRUE(Clipboard::hasText());  // asked without opening: no wait, a true answer
    DWORD took = GetTickCount() - start;
    // Three calls gave up, each after about busyWait: no hang.
    EXPECT_GE(took, 3 * Clipboard::busyWait - 50);
    EXPECT_LT(took, 20 * Clipboard::busyWait);
  }
  // Nothing changed while it was held, and the clipboard works again.
  EXPECT_EQ("before", Clipboard::text().str());
  EXPECT_TRUE(Clipboard::setText("after"));
  EXPECT_EQ("after", Clipboard::text().str());
}
