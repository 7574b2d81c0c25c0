// The address book, run as a user would: contacts typed in and added, chosen
// in the table, changed, removed after the question, saved, opened and
// exported, and bad files refused without losing what was there.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <utility>

#include "example_process.h"
#include "support/folder.h"
#include "support/support.h"

using namespace examples_test;
using testing_support::clickMouse;
using testing_support::pressKeys;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

std::string tempPath(const std::string& name) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  return folder + name;
}

// The address book's window and the controls a user works with.
struct Book {
  HWND window = NULL, table = NULL, status = NULL, name = NULL, email = NULL, phone = NULL;
  HWND add = NULL, update = NULL, remove = NULL;

  explicit Book(HWND form) : window(form) {
    table = findChild(form, WC_LISTVIEWA);
    status = findChild(form, STATUSCLASSNAMEA);
    std::vector<HWND> boxes = childrenOf(form, "Edit");  // in the order they were made
    if (boxes.size() == 3) name = boxes[0], email = boxes[1], phone = boxes[2];
    add = findChild(form, "Button", "&Add");
    update = findChild(form, "Button", "&Update");
    remove = findChild(form, "Button", "&Remove");
  }
  bool complete() const {
    return table && status && name && email && phone && add && update && remove;
  }
  int rows() const { return static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0)); }
  void type(const std::string& n, const std::string& e, const std::string& p) const {
    for (auto box : {std::make_pair(name, n), std::make_pair(email, e), std::make_pair(phone, p)})
      SendMessageA(box.first, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(box.second.c_str()));
  }
  std::string row(int index) const {
    return listViewCellText(table, index, 0) + "|" + listViewCellText(table, index, 1) + "|" +
           listViewCellText(table, index, 2);
  }
  std::string boxes() const { return textOf(name) + "|" + textOf(email) + "|" + textOf(phone); }
  // Selects the row alone, as a click on it does; `alsoSelect` adds it to the
  // selection, as a click with Ctrl held does.
  bool select(int index, bool alsoSelect = false) const {
    if (!alsoSelect && !setListViewItemState(table, -1, 0, LVIS_SELECTED)) return false;
    return setListViewItemState(table, index, LVIS_SELECTED | LVIS_FOCUSED,
                                LVIS_SELECTED | LVIS_FOCUSED);
  }
  // Brings the window to the front, where the system's input goes.
  bool toFront() const {
    SetForegroundWindow(window);
    return waitFor([&] { return GetForegroundWindow() == window; });
  }
};

// Waits for a message box of the example captioned "Contacts", checks that its
// text starts with `text`, and presses the button `answer` (IDOK, IDYES, ...).
// Answers the box's text.
std::string answerBox(const ExampleProcess& example, int answer) {
  HWND box = NULL;
  if (!waitFor([&] { return (box = example.findTopLevel("Contacts")) != NULL; })) return "(no box)";
  std::string text = textOf(GetDlgItem(box, 0xFFFF));
  PostMessageA(GetDlgItem(box, answer), BM_CLICK, 0, 0);
  waitFor([&] { return !IsWindow(box); });
  return text;
}

// Waits for the file dialog captioned `caption`, types `path` as the file's
// name and presses its OK button; false when no dialog came.
bool chooseFile(const ExampleProcess& example, const std::string& caption,
                const std::string& path) {
  HWND dialog = NULL;
  if (!waitFor([&] { return (dialog = example.findTopLevel(caption)) != NULL; })) return false;
  HWND name = GetDlgItem(dialog, 0x47C);               // the file name box (a combo box) ...
  if (name == NULL) name = GetDlgItem(dialog, 0x480);  // ... or a plain edit
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  return waitFor([&] { return !IsWindow(dialog); });
}

// The text cells of a spreadsheet file, by (row, column), UTF-16 texts as UTF-8.
std::map<std::pair<int, int>, std::string> spreadsheetCells(const std::string& bytes) {
  std::map<std::pair<int, int>, std::string> cells;
  auto word = [&](std::size_t at) {
    return at + 1 < bytes.size()
               ? static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) |
                                       static_cast<unsigned char>(bytes[at + 1]) << 8)
               : 0u;
  };
  for (std::size_t at = 0; at + 4 <= bytes.size();) {
    unsigned type = word(at), length = word(at + 2);
    std::size_t body = at + 4;
    if (type == 0x0204 && length >= 8 && body + length <= bytes.size()) {
      int row = static_cast<int>(word(body)), column = static_cast<int>(word(body + 2));
      unsigned count = word(body + 6);
      std::string text;
      if (length >= 9 + 2 * count && bytes[body + 8] == 1) {  // UTF-16 characters
        std::wstring wide;
        for (unsigned i = 0; i < count; ++i) wide += static_cast<wchar_t>(word(body + 9 + 2 * i));
        text.resize(4 * wide.size());
        text.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                static_cast<int>(text.size()), NULL, NULL)));
      } else {
        text = bytes.substr(body + 8, std::min<std::size_t>(count, length - 8));
      }
      cells[{row, column}] = text;
    }
    at = body + length;
  }
  return cells;
}

}  // namespace

TEST(Examples, ContactsAddsSelectsUpdatesAndRemovesAfterAsking) {
  ExampleProcess example;
  ASSERT_TRUE(example.start("contacts", "", "Untitled - Contacts"));
  Book book(example.window);
  ASSERT_TRUE(book.complete());
  EXPECT_EQ("0 contacts", textOf(book.status));
  EXPECT_FALSE(IsWindowEnabled(book.update) || IsWindowEnabled(book.remove));

  // Typed in and added: the first with a real click on Add, the others with
  // the button's own message.
  book.type("Ada Lovelace", "ada@example.org", "+44 20 7946 0018");
  ASSERT_TRUE(book.toFront());
  RECT add;
  GetClientRect(book.add, &add);
  clickMouse(book.add, {add.right / 2, add.bottom / 2});
  ASSERT_TRUE(waitFor([&] { return book.rows() == 1; }));
  EXPECT_TRUE(waitForText(book.status, "1 contact")) << textOf(book.status);
  EXPECT_TRUE(waitForText(book.window, "*Untitled - Contacts")) << textOf(book.window);
  book.type("Charles Babbage", "charles@example.org", "+44 20 7946 0271");
  SendMessageA(book.add, BM_CLICK, 0, 0);
  book.type("Grace Hopper", "grace@example.com", "+1 202 555 0199");
  SendMessageA(book.add, BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return book.rows() == 3; }));
  EXPECT_EQ("Charles Babbage|charles@example.org|+44 20 7946 0271", book.row(1));
  EXPECT_TRUE(waitForText(book.status, "3 contacts")) << textOf(book.status);

  // A contact without a name is refused with a word to the user.
  book.type("", "nobody@example.org", "");
  PostMessageA(book.add, BM_CLICK, 0, 0);
  EXPECT_EQ("Type the contact's name first.", answerBox(example, IDOK));
  EXPECT_EQ(3, book.rows());

  // Choosing a row fills the boxes; Update writes them back to that row.
  ASSERT_TRUE(book.select(0));
  EXPECT_TRUE(waitFor([&] {
    return book.boxes() == "Ada Lovelace|ada@example.org|+44 20 7946 0018";
  })) << book.boxes();
  EXPECT_TRUE(IsWindowEnabled(book.update) && IsWindowEnabled(book.remove));
  SendMessageA(book.phone, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("+44 20 7946 0000"));
  SendMessageA(book.update, BM_CLICK, 0, 0);
  EXPECT_TRUE(waitFor([&] {
    return book.row(0) == "Ada Lovelace|ada@example.org|+44 20 7946 0000";
  })) << book.row(0);
  EXPECT_EQ(3, book.rows());
  ASSERT_TRUE(book.select(2));
  EXPECT_TRUE(waitFor([&] { return textOf(book.name) == "Grace Hopper"; })) << book.boxes();
  EXPECT_TRUE(saveScreenshot(book.window, "contacts"));

  // Remove asks first: No keeps the row, Yes removes it and empties the boxes.
  PostMessageA(book.remove, BM_CLICK, 0, 0);
  EXPECT_EQ("Remove Grace Hopper?", answerBox(example, IDNO));
  EXPECT_EQ(3, book.rows());
  PostMessageA(book.remove, BM_CLICK, 0, 0);
  EXPECT_EQ("Remove Grace Hopper?", answerBox(example, IDYES));
  EXPECT_TRUE(waitFor([&] { return book.rows() == 2; }));
  EXPECT_TRUE(waitFor([&] { return book.boxes() == "||"; })) << book.boxes();
  EXPECT_TRUE(waitForText(book.status, "2 contacts")) << textOf(book.status);
  EXPECT_FALSE(IsWindowEnabled(book.remove));
  EXPECT_EQ("Ada Lovelace|ada@example.org|+44 20 7946 0000", book.row(0));
  EXPECT_EQ("Charles Babbage|charles@example.org|+44 20 7946 0271", book.row(1));

  // Several rows selected are removed together, after one question.
  ASSERT_TRUE(book.select(0) && book.select(1, true));
  PostMessageA(book.remove, BM_CLICK, 0, 0);
  EXPECT_EQ("Remove 2 contacts?", answerBox(example, IDYES));
  EXPECT_TRUE(waitFor([&] { return book.rows() == 0; }));
  EXPECT_TRUE(waitForText(book.status, "0 contacts")) << textOf(book.status);

  // Closing with unsaved changes asks: Cancel keeps the window, No closes it.
  PostMessageA(book.window, WM_CLOSE, 0, 0);
  EXPECT_EQ("Save the changes to Untitled?", answerBox(example, IDCANCEL));
  EXPECT_TRUE(IsWindowVisible(book.window));
  PostMessageA(book.window, WM_CLOSE, 0, 0);
  EXPECT_EQ("Save the changes to Untitled?", answerBox(example, IDNO));
  EXPECT_EQ(0, example.waitForExit());
}

// A file with every kind of field opens, is saved with its change through
// Ctrl+S and exported through the menu's keys; bad files are refused and the
// book, changes included, stays as it was.
TEST(Examples, ContactsSavesOpensExportsAndRefusesBadFiles) {
  std::string path = tempPath("tarn-book.contacts");
  std::string sheet = tempPath("tarn-book.xls");
  std::string header = "Name\tE-mail\tPhone\r\n";
  std::string zoe = "Zo\xC3\xAB M\xC3\xBCller\tzoe@example.ch\t+41 44 668 18 00\r\n";
  writeFile(path, header + zoe + "Tab\\there\tline\\nbreak\tback\\\\slash\r\n");
  DeleteFileA(sheet.c_str());

  ExampleProcess example;
  ASSERT_TRUE(example.start("contacts", "\"" + path + "\"", "tarn-book.contacts - Contacts"));
  Book book(example.window);
  ASSERT_TRUE(book.complete());
  ASSERT_EQ(2, book.rows());
  EXPECT_EQ("2 contacts", textOf(book.status));
  EXPECT_EQ("Zo\xC3\xAB M\xC3\xBCller|zoe@example.ch|+41 44 668 18 00", book.row(0));
  EXPECT_EQ("Tab\there|line\nbreak|back\\slash", book.row(1));

  // Changed and saved with Ctrl+S: the same file, but for the one field.
  ASSERT_TRUE(book.select(1));
  ASSERT_TRUE(waitFor([&] { return textOf(book.phone) == "back\\slash"; })) << book.boxes();
  SendMessageA(book.phone, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0800 tab\there"));
  SendMessageA(book.update, BM_CLICK, 0, 0);
  ASSERT_TRUE(waitForText(book.window, "*tarn-book.contacts - Contacts")) << textOf(book.window);
  ASSERT_TRUE(book.toFront());
  pressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(waitForText(book.window, "tarn-book.contacts - Contacts")) << textOf(book.window);
  EXPECT_EQ(header + zoe + "Tab\\there\tline\\nbreak\t0800 tab\\there\r\n", readFile(path));

  // File, Export through the menu's keys: the spreadsheet holds the column
  // names and every contact, each text whole.
  ASSERT_TRUE(book.toFront());
  pressKeys({VK_MENU, 'F'});
  pressKeys({'E'});
  ASSERT_TRUE(chooseFile(example, "Save As", sheet));
  ASSERT_TRUE(waitFor([&] { return readFile(sheet).size() > 0; }));
  std::map<std::pair<int, int>, std::string> cells = spreadsheetCells(readFile(sheet));
  std::map<std::pair<int, int>, std::string> expected = {
      {{0, 0}, "Name"},           {{0, 1}, "E-mail"},
      {{0, 2}, "Phone"},          {{1, 0}, "Zo\xC3\xAB M\xC3\xBCller"},
      {{1, 1}, "zoe@example.ch"}, {{1, 2}, "+41 44 668 18 00"},
      {{2, 0}, "Tab\there"},      {{2, 1}, "line\nbreak"},
      {{2, 2}, "0800 tab\there"}};
  EXPECT_EQ(expected, cells);

  // A contact added but not saved, then files that are missing, empty or not
  // contacts files: each is refused with its reason, and the book keeps its
  // three contacts, its name and its unsaved change.
  book.type("Alan Turing", "alan@example.org", "");
  SendMessageA(book.add, BM_CLICK, 0, 0);
  ASSERT_TRUE(waitForText(book.window, "*tarn-book.contacts - Contacts")) << textOf(book.window);
  std::string bad = tempPath("tarn-bad.contacts");
  struct Case {
    const char* content;  // null: no file
    std::string message;
  } cases[] = {
      {nullptr, "Cannot open " + bad + ": there is no such file, or it cannot be read."},
      {"", "Cannot open " + bad + ". The file is empty."},
      {"Name\tE-mail\tPhone\nAda\tada@example.org\n",
       "Cannot open " + bad + ". Line 2 has 2 fields; a contact has 3 (name, e-mail, phone)."},
      {"<html>\n", "Cannot open " + bad +
                       ". This is not a contacts file: its first line is not the header \"Name, "
                       "E-mail, Phone\"."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    DeleteFileA(bad.c_str());
    if (c.content != nullptr) writeFile(bad, c.content);
    ASSERT_TRUE(book.toFront());
    pressKeys({VK_CONTROL, 'O'});
    EXPECT_EQ("Save the changes to tarn-book.contacts?", answerBox(example, IDNO));
    ASSERT_TRUE(chooseFile(example, "Open", bad));
    EXPECT_EQ(c.message, answerBox(example, IDOK));
    EXPECT_EQ(3, book.rows());
    EXPECT_EQ("Alan Turing|alan@example.org|", book.row(2));
    EXPECT_EQ("*tarn-book.contacts - Contacts", textOf(book.window));
  }

  // Ctrl+N asks too; Yes saves the change first, then the book is empty.
  ASSERT_TRUE(book.toFront());
  pressKeys({VK_CONTROL, 'N'});
  EXPECT_EQ("Save the changes to tarn-book.contacts?", answerBox(example, IDYES));
  EXPECT_TRUE(waitForText(book.window, "Untitled - Contacts")) << textOf(book.window);
  EXPECT_EQ(0, book.rows());
  EXPECT_EQ(header + zoe +
                "Tab\\there\tline\\nbreak\t0800 tab\\there\r\nAlan Turing\talan@example.org\t\r\n",
            readFile(path));

  PostMessageA(book.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, example.waitForExit());
  for (const std::string& file : {path, sheet, bad}) DeleteFileA(file.c_str());
}
