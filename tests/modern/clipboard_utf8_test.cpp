// The clipboard in a program with UTF-8 as its code page: every sample crosses
// whole in both directions (emoji and other characters outside the Basic
// Multilingual Plane too), broken UTF-8 becomes the replacement character, old
// readers get the system's code page, and text boxes and the rich text box cut,
// copy and paste the characters they show.
#include <gtest/gtest.h>

#include <string>

#include "samples.h"
#include "support/clipboard_probe.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;
using modern_samples::samples;

namespace {

std::wstring wideText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

}  // namespace

TEST(Utf8Clipboard, EverySampleCrossesWholeBothWays) {
  for (const auto& sample : samples) {
    ASSERT_TRUE(Clipboard::setText(sample.utf8)) << sample.script;
    EXPECT_TRUE(sample.wide == rawUnicodeText()) << sample.script;
    EXPECT_EQ(sample.utf8, Clipboard::text().str()) << sample.script;

    ASSERT_TRUE(putRawUnicodeText(L"<" + sample.wide + L">")) << sample.script;
    EXPECT_EQ("<" + sample.utf8 + ">", Clipboard::text().str()) << sample.script;
  }
  ASSERT_TRUE(Clipboard::setText(u8"\U0001F600\U0001F3D4"));  // emoji alone: surrogate pairs only
  EXPECT_TRUE(std::wstring(L"\U0001F600\U0001F3D4") == rawUnicodeText());
}

TEST(Utf8Clipboard, BrokenUtf8BecomesTheReplacementCharacter) {
  // A stray continuation byte, a lone lead byte and a byte that is never UTF-8.
  ASSERT_TRUE(Clipboard::setText("a\x80" "b\xc3" "c\xff" "d"));
  std::wstring read = rawUnicodeText();
  EXPECT_TRUE(std::wstring(L"a\uFFFDb\uFFFDc\uFFFDd") == read) << read.size();
  EXPECT_EQ(u8"a\uFFFDb\uFFFDc\uFFFDd", Clipboard::text().str());
}

TEST(Utf8Clipboard, OldReadersGetTheSystemsCodePage) {
  DWORD system = 0;
  ASSERT_NE(0, GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT,
                              LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                              reinterpret_cast<LPWSTR>(&system), sizeof system / sizeof(wchar_t)));
  ASSERT_NE(CP_UTF8, system);
  const auto& latin = samples[0];
  ASSERT_TRUE(Clipboard::setText(latin.utf8));
  std::string old = rawAnsiText();
  EXPECT_NE(latin.utf8, old);  // not the program's UTF-8 bytes
  std::wstring decoded(old.size(), L'\0');
  decoded.resize(static_cast<std::size_t>(MultiByteToWideChar(
      system, 0, old.data(), static_cast<int>(old.size()), &decoded[0], static_cast<int>(old.size()))));
  EXPECT_TRUE(latin.wide == decoded);
}

TEST(Utf8Clipboard, BoxesCutCopyAndPasteTheCharactersTheyShow) {
  Form form("Boxes", 30, 40, 400, 300, 0, true, true, false, false, false, Control(), false, 0);
  TextBox box("", 801, 10, 10, 360, 24, form, true, true, false, false, 0);
  RichTextBox rich("", 802, 10, 50, 360, 100, form);
  for (const auto& sample : samples) {
    box.text = sample.utf8;
    box.selectAll();
    ASSERT_TRUE(box.copy()) << sample.script;
    EXPECT_TRUE(sample.wide == rawUnicodeText()) << sample.script;
    ASSERT_TRUE(box.cut()) << sample.script;
    EXPECT_TRUE(wideText(box.hwnd).empty()) << sample.script;
    ASSERT_TRUE(box.paste()) << sample.script;
    EXPECT_TRUE(sample.wide == wideText(box.hwnd)) << sample.script;

    rich.text = sample.utf8;
    rich.select(0, static_cast<int>(sample.wide.size()));
    ASSERT_TRUE(rich.copy()) << sample.script;
    EXPECT_TRUE(sample.wide == rawUnicodeText()) << sample.script;
    rich.text = "";
    ASSERT_TRUE(rich.paste()) << sample.script;
    EXPECT_EQ(sample.utf8, String(rich.text).str()) << sample.script;
  }
  // Part of a text: the selection is in the box's own positions.
  box.text = u8"日本語のテキスト";
  box.setSelection(1, 3);
  ASSERT_TRUE(box.copy());
  EXPECT_EQ(u8"本語", Clipboard::text().str());
  form.destroy();
}
