// UTF-8 through the toolkit's narrow interface in a program with the modern
// look: what a program hands over comes back byte for byte, and the system
// stores the characters it meant (read back through the wide calls).
#include <gtest/gtest.h>

#include <string>

#include "graphics/dialog_answerer.h"
#include "samples.h"
#include "support/support.h"
#include "tarn.h"

using namespace tarn;
using namespace testing_support;
using modern_samples::lowerAscii;
using modern_samples::samples;

namespace {

std::wstring wideText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::string tempFolder() {
  char folder[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, folder);
  return folder;
}

std::wstring wideTempFolder() {
  wchar_t folder[MAX_PATH] = {0};
  GetTempPathW(MAX_PATH, folder);
  return folder;
}

}  // namespace

TEST(Utf8RoundTrip, FormCaptions) {
  for (const auto& sample : samples) {
    Form form(sample.utf8, 30, 40, 300, 200, 0, true, false, false, false, false, Control(), false, 0);
    ASSERT_TRUE(form.isCreated()) << sample.script;
    EXPECT_EQ(sample.utf8, String(form.text).str()) << sample.script;
    EXPECT_TRUE(sample.wide == wideText(form.hwnd)) << sample.script;
    // Lengths count bytes, not characters.
    EXPECT_EQ(static_cast<int>(sample.utf8.size()), int(form.textLength)) << sample.script;

    form.text = String("x " + sample.utf8);
    EXPECT_EQ("x " + sample.utf8, String(form.text).str()) << sample.script;
    EXPECT_TRUE(L"x " + sample.wide == wideText(form.hwnd)) << sample.script;
    form.destroy();
  }
}

TEST(Utf8RoundTrip, TextFileNamesAndContents) {
  for (const auto& sample : samples) {
    std::string path = tempFolder() + "tarn " + sample.utf8 + ".txt";
    std::wstring widePath = wideTempFolder() + L"tarn " + sample.wide + L".txt";
    DeleteFileW(widePath.c_str());
    {
      TextFile file;
      EXPECT_FALSE(file.open(path)) << sample.script;  // not there yet; the name is kept
      ASSERT_TRUE(file.rewrite(sample.utf8 + "\n" + sample.utf8)) << sample.script;
    }
    // The file exists under the name the program meant.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widePath.c_str())) << sample.script;
    {
      TextFile file(path);
      ASSERT_TRUE(bool(file.isOpen)) << sample.script;
      EXPECT_EQ(sample.utf8, file.readLine().str()) << sample.script;
      EXPECT_EQ(sample.utf8, file.readLine().str()) << sample.script;
    }
    EXPECT_TRUE(DeleteFileW(widePath.c_str())) << sample.script;
  }
}

TEST(Utf8RoundTrip, FileDialogNames) {
  for (const auto& sample : samples) {
    std::string path = tempFolder() + "tarn dialog " + sample.utf8 + ".txt";
    std::wstring widePath = wideTempFolder() + L"tarn dialog " + sample.wide + L".txt";
    HANDLE made = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, made) << sample.script;
    CloseHandle(made);

    FileDialog dialog;
    dialog.addFilter("All Files (*.*)", "*.*");
    std::string shown;
    {
      DialogAnswerer answer([&](HWND window, int n) {
        if (n > 0) {  // anything after the file dialog is a complaint: record and close it
          shown = "box: " + boxText(window);
          pressButton(window, IDOK);
          return;
        }
        typeFileName(window, path);
        shown = windowText(fileNameEdit(window));
        pressButton(window, IDOK);
      });
      EXPECT_TRUE(dialog.open("")) << sample.script << ": " << shown;
      EXPECT_EQ(0, answer.forced()) << sample.script;
    }
    EXPECT_EQ(path, shown) << sample.script;  // the dialog showed the name as typed
    EXPECT_EQ(lowerAscii(path), lowerAscii(dialog.path.str())) << sample.script;
    DeleteFileW(widePath.c_str());
  }
}
