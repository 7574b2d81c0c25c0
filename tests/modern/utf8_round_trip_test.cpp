// UTF-8 through the toolkit's narrow interface in a program with the modern
// look: what a program hands over comes back byte for byte, and the system
// stores the characters it meant (read back through the wide calls).
#include <gtest/gtest.h>

#include <string>

#include "support/dialog_answerer.h"
#include "samples.h"
#include "support/support.h"
#include <tarn/tarn.h>

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

// A spreadsheet's cells are written as Unicode: every sample reads back as
// UTF-16 in its label record, whole, and the 128-character cut keeps whole
// characters (128 of them) in the file and in the cell.
TEST(Utf8RoundTrip, SpreadsheetCells) {
  Spreadsheet sheet;
  for (std::size_t i = 0; i < std::size(samples); ++i)
    sheet.addCell(0, static_cast<int>(i), samples[i].utf8);
  std::string longText;
  for (int i = 0; i < 100; ++i) longText += samples[3].utf8;  // far past 128 characters
  sheet.addCell(1, 0, longText);
  std::string path = tempFolder() + "tarn sheet.xls";
  ASSERT_TRUE(sheet.save(path));
  Buffer saved;
  ASSERT_TRUE(saved.loadFile(path));
  std::string bytes(static_cast<const char*>(saved.data.get()), static_cast<std::size_t>(int(saved.length)));
  DeleteFileA(path.c_str());
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(0x06, bytes[5]) << "BIFF8: Unicode labels";
  std::size_t at = 12;
  std::vector<std::wstring> labels;
  while (at + 4 <= bytes.size()) {
    auto word = [&](std::size_t i) {
      return static_cast<unsigned>(static_cast<unsigned char>(bytes[i]) |
                                   (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    unsigned type = word(at), length = word(at + 2);
    if (type == 0x0204) {
      std::wstring units;
      for (unsigned i = 0; i < word(at + 10); ++i)
        units += static_cast<wchar_t>(word(at + 4 + 9 + 2 * i));
      labels.push_back(units);
    }
    at += 4 + length;
  }
  ASSERT_EQ(std::size(samples) + 1, labels.size());
  for (std::size_t i = 0; i < std::size(samples); ++i)
    EXPECT_TRUE(samples[i].wide == labels[i]) << samples[i].script;
  std::wstring cutWide = labels.back();
  EXPECT_EQ(128u, cutWide.size()) << "128 characters of a script without surrogates";
  std::string cut = sheet.cellAt(static_cast<int>(std::size(samples))).text.str();
  EXPECT_EQ(0u, longText.find(cut)) << "the cell keeps the same 128 whole characters";
  EXPECT_EQ(128, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, cut.c_str(),
                                     static_cast<int>(cut.size()), NULL, 0));
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

// Items in the list, tree and rich text controls: the A messages carry UTF-8
// in and out, and the W messages show the characters the control stores.
TEST(Utf8RoundTrip, ListTreeAndRichTextItems) {
  Form form("Items", 30, 40, 420, 320, 0, true, false, false, false, false, Control(), false, 0);
  ListView list("", 601, 5, 5, 200, 140, form);
  TreeView tree("", 602, 210, 5, 200, 140, form);
  RichTextBox rich("", 603, 5, 150, 400, 130, form);
  ASSERT_TRUE(list.isCreated() && tree.isCreated() && rich.isCreated());

  int index = 0;
  for (const auto& sample : samples) {
    // List view: the item's text as the program reads it and as the control holds it.
    list.addItem(sample.utf8, 0);
    EXPECT_EQ(sample.utf8, list.itemText(index).str()) << sample.script;
    wchar_t wide[256] = {0};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = wide;
    item.cchTextMax = 255;
    SendMessageW(list.hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    EXPECT_TRUE(sample.wide == wide) << sample.script;
    ++index;

    // Tree view: the selected item's text, both ways.
    TreeItem node = tree.addItem(treeRoot, sample.utf8, index);
    ASSERT_TRUE(node.select()) << sample.script;
    EXPECT_EQ(sample.utf8, String(tree.selectedText).str()) << sample.script;
    EXPECT_EQ(sample.utf8, node.getText().str()) << sample.script;
    EXPECT_EQ(index, int(tree.selectedValue)) << sample.script;
    wchar_t wideNode[256] = {0};
    TVITEMW request = {};
    request.mask = TVIF_TEXT;
    request.hItem = node.handle;
    request.pszText = wideNode;
    request.cchTextMax = 255;
    ASSERT_TRUE(SendMessageW(tree.hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_TRUE(sample.wide == wideNode) << sample.script;

    // Rich text: the whole text, a search for it, and a selection of it.
    rich.text = String("> " + sample.utf8);
    EXPECT_EQ("> " + sample.utf8, String(rich.text).str()) << sample.script;
    // (Asked in UTF-16 by the control's own message: the system's A-to-W
    // translation of WM_GETTEXT sizes its buffer from a count of characters.)
    wchar_t stored[256] = {0};
    GETTEXTEX how = {sizeof stored - sizeof(wchar_t), GT_DEFAULT, 1200, NULL, NULL};
    SendMessageA(rich.hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(stored));
    EXPECT_TRUE(L"> " + sample.wide == stored) << sample.script;
    EXPECT_EQ(2, rich.find(sample.utf8)) << sample.script;
    rich.select(2, -1);
    EXPECT_EQ(sample.utf8, String(rich.selectedText).str()) << sample.script;
  }
  form.destroy();
}
