// The example programs, run as a user would: each is started, driven through
// its own controls and menus, checked for what it shows, pictured, and closed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "example_process.h"
#include "support/clipboard_probe.h"
#include "support/folder.h"
#include "support/support.h"

using namespace examples_test;
using testing_support::pressKeys;
using testing_support::putRawUnicodeText;
using testing_support::rawUnicodeText;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

std::string statusPart0(HWND status) { return textOf(status); }

bool visible(HWND window) { return window != NULL && IsWindowVisible(window); }

// Waits until the screen shows `colour` at a client point of `window` (it is painted).
bool waitForPixel(HWND window, int x, int y, COLORREF colour) {
  return waitFor([&] { return screenPixel(window, x, y) == colour; });
}

// Waits until a white control (a list, a table, a text box) shows white near
// its bottom-left corner: it has been painted where it now stands.
bool waitForPaintedWhite(HWND control) {
  RECT inside;
  GetClientRect(control, &inside);
  return waitForPixel(control, 4, inside.bottom - 4, RGB(255, 255, 255));
}

std::string tempFolder() {
  char path[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, path);
  return path;
}

// A top-level dialog of the example's process (a message box or a file dialog).
HWND waitForDialog(const ExampleProcess& example, const std::string& caption) {
  HWND box = NULL;
  waitFor([&] { return (box = example.findTopLevel(caption)) != NULL; });
  return box;
}

void command(HWND window, int id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

int position(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

std::wstring wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// Brings the example's window to the front, where the keys pressed go.
bool bringToFront(HWND window) {
  SetForegroundWindow(window);
  return waitFor([&] { return GetForegroundWindow() == window; });
}

// The selection of an edit or rich edit control, as [start, end).
std::pair<DWORD, DWORD> selectionOf(HWND box) {
  DWORD start = 0, end = 0;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// The bars page's count: the button, the worker's bar (the page's second) and its label.
struct CountControls {
  HWND button, bar, label;
};

CountControls countControls(HWND window) {
  HWND button = findChild(window, "Button", "Count in the background");
  HWND page = GetParent(button);
  std::vector<HWND> bars = childrenOf(page, PROGRESS_CLASSA);
  return {button, bars.size() == 2 ? bars[1] : NULL, findChild(page, "Static", "Not started")};
}

// Drives one build of the gallery through every page and pictures each.
void driveGallery(const std::string& program) {
  ExampleProcess gallery;
  ASSERT_TRUE(gallery.start(program, "", "Tarn Gallery"));
  HWND window = gallery.window;
  HWND tabs = findChild(window, WC_TABCONTROLA);
  HWND status = findChild(window, STATUSCLASSNAMEA);
  ASSERT_TRUE(tabs && status);
  EXPECT_EQ(6, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
  EXPECT_EQ("Ready", statusPart0(status));

  // Buttons page: clicks and ticks report in the status bar.
  HWND push = findChild(window, "Button", "Push me");
  HWND check = findChild(window, "Button", "Check me");
  ASSERT_TRUE(visible(push) && visible(check));
  SendMessageA(push, BM_CLICK, 0, 0);
  SendMessageA(push, BM_CLICK, 0, 0);
  EXPECT_TRUE(waitForText(status, "Push me: clicked 2 times")) << statusPart0(status);
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_TRUE(waitForText(status, "Unchecked")) << statusPart0(status);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));

  // The colour button's swatch shows its colour on screen.
  HWND swatch = findChild(GetDlgItem(GetParent(push), 204), WC_LISTVIEWA);
  ASSERT_TRUE(swatch != NULL);
  RECT box;
  GetClientRect(swatch, &box);
  EXPECT_TRUE(waitForPixel(swatch, box.right / 2, box.bottom / 2, RGB(40, 110, 200)));
  EXPECT_TRUE(saveScreenshot(window, program));

  // The colour scheme's box on the first page: Down from Light chooses Dark,
  // and the form turns dark; Up gives the light one back.
  HWND page = GetParent(push);
  HWND scheme = findChild(page, "ComboBox");  // the page's one combo box
  ASSERT_TRUE(scheme != NULL);
  RECT area;
  GetClientRect(page, &area);
  auto pageShade = [&] { return screenPixel(page, area.right - 4, area.bottom - 4); };
  COLORREF light = pageShade();
  SendMessageA(scheme, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(waitFor([&] { return GetRValue(pageShade()) < 0x40; })) << std::hex << pageShade();
  EXPECT_TRUE(waitForPixel(swatch, box.right / 2, box.bottom / 2, RGB(40, 110, 200)));
  EXPECT_TRUE(saveScreenshot(window, program + "-dark"));
  SendMessageA(scheme, WM_KEYDOWN, VK_UP, 0);
  EXPECT_TRUE(waitFor([&] { return pageShade() == light; }));

  // Arrow keys on the tab control switch pages: only the chosen page shows.
  HWND fruit = findChild(window, "ListBox");
  HWND name = findChild(window, "Edit", "Ada");
  HWND secret = findChild(window, "Edit", "secret");
  SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(waitFor([&] { return visible(name) && !visible(push); }));
  EXPECT_EQ('*', SendMessageA(secret, EM_GETPASSWORDCHAR, 0, 0));
  EXPECT_TRUE(waitForPaintedWhite(name));
  EXPECT_TRUE(saveScreenshot(window, program + "-text"));
  SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(waitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 2; }));
  EXPECT_TRUE(waitFor([&] { return visible(fruit) && !visible(push); }));
  EXPECT_EQ(6, SendMessageA(fruit, LB_GETCOUNT, 0, 0));
  EXPECT_EQ(1, SendMessageA(fruit, LB_GETCURSEL, 0, 0));
  EXPECT_TRUE(waitForPaintedWhite(fruit));
  EXPECT_TRUE(saveScreenshot(window, program + "-lists"));

  // The menu's "Next page" moves on to the views: a filled table, a virtual
  // table of a million rows and a tree.
  command(window, 102);
  HWND tree = findChild(window, WC_TREEVIEWA);
  HWND table = GetDlgItem(GetParent(tree), 500);
  HWND big = GetDlgItem(GetParent(tree), 502);
  EXPECT_TRUE(waitFor([&] { return visible(table) && visible(big) && visible(tree); }));
  EXPECT_EQ(6, SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(1000000, SendMessageA(big, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(7u, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
  EXPECT_TRUE(waitForPaintedWhite(table) && waitForPaintedWhite(tree));
  EXPECT_TRUE(saveScreenshot(window, program + "-views"));

  // Bars: a key on the slider moves it, and the progress bar follows.
  command(window, 102);
  HWND track = findChild(window, TRACKBAR_CLASSA);
  HWND progress = findChild(window, PROGRESS_CLASSA);
  ASSERT_TRUE(waitFor([&] { return visible(track); }));
  EXPECT_EQ(30, SendMessageA(progress, PBM_GETPOS, 0, 0));
  SendMessageA(track, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(waitForText(status, "Slider at 31")) << statusPart0(status);
  EXPECT_EQ(31, SendMessageA(progress, PBM_GETPOS, 0, 0));
  HWND calendar = findChild(window, MONTHCAL_CLASSA);
  RECT month;
  GetClientRect(calendar, &month);
  auto titleShown = [&] {  // somewhere down the middle of the calendar's top half
    for (int y = 0; y < month.bottom / 2; y += 2)
      if (screenPixel(calendar, month.right / 2, y) == RGB(58, 110, 165)) return true;
    return false;
  };
  EXPECT_TRUE(waitFor(titleShown));

  // A worker thread counts to 100; the bar and the label follow through the
  // work it posts. A second click cancels: the bar stays where the label says.
  CountControls count = countControls(window);
  ASSERT_TRUE(count.button && count.bar && count.label);
  SendMessageA(count.button, BM_CLICK, 0, 0);
  EXPECT_TRUE(waitForText(count.label, "Done: counted 100")) << textOf(count.label);
  EXPECT_EQ(100, position(count.bar));
  EXPECT_EQ("Count in the background", textOf(count.button));
  EXPECT_TRUE(saveScreenshot(window, program + "-bars"));
  SendMessageA(count.button, BM_CLICK, 0, 0);
  EXPECT_TRUE(waitFor([&] { return position(count.bar) > 0 && position(count.bar) < 100; }));
  EXPECT_EQ("Cancel", textOf(count.button));
  SendMessageA(count.button, BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return startsWith(textOf(count.label), "Cancelled at "); }));
  int stoppedAt = std::stoi(textOf(count.label).substr(13));
  EXPECT_LT(stoppedAt, 100);
  EXPECT_EQ(stoppedAt, position(count.bar));
  EXPECT_EQ("Count in the background", textOf(count.button));

  // Rich text: the markup arrives as formatted text.
  command(window, 102);
  HWND rich = findChild(window, "RICHEDIT");
  ASSERT_TRUE(waitFor([&] { return visible(rich); }));
  EXPECT_EQ("Rich text takes markup: italic, underlined and bold words.\r\n\r\n"
            "Colours, more colours and sizes.\r\n\r\nCentred text.",
            textOf(rich).substr(0, textOf(rich).find_last_not_of("\r\n") + 1))
      << textOf(rich);
  EXPECT_TRUE(waitForPaintedWhite(rich));
  EXPECT_TRUE(saveScreenshot(window, program + "-rich-text"));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, gallery.waitForExit());
}

}  // namespace

// The gallery is built twice: plain, and with the modern look (visual styles,
// DPI awareness, UTF-8). Both must behave alike; each is pictured.
TEST(Examples, GalleryShowsEveryFamilyPageByPage) {
  for (const char* program : {"gallery", "gallery_modern"}) {
    SCOPED_TRACE(program);
    driveGallery(program);
  }
}

// Closing the gallery while its worker counts ends the worker first: the
// program exits cleanly instead of leaving a running thread behind.
TEST(Examples, GalleryEndsItsCountWhenClosedMidway) {
  ExampleProcess gallery;
  ASSERT_TRUE(gallery.start("gallery", "", "Tarn Gallery"));
  CountControls count = countControls(gallery.window);
  ASSERT_TRUE(count.button && count.bar && count.label);
  SendMessageA(count.button, BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return position(count.bar) > 0; }));
  PostMessageA(gallery.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, gallery.waitForExit());
}

TEST(Examples, NotepadEditsFindsSavesAndAsksBeforeLosingChanges) {
  std::string folder = tempFolder();
  std::string path = folder + "tarn-notes.txt";
  std::string other = folder + "tarn-other.txt";
  writeFile(path, "hello\r\nsecond line\r\n");
  writeFile(other, "other file\r\n");

  ExampleProcess notepad;
  ASSERT_TRUE(notepad.start("notepad", "\"" + path + "\"", "tarn-notes.txt - Notepad"));
  HWND window = notepad.window;
  HWND editor = GetDlgItem(window, 12);
  HWND status = findChild(window, STATUSCLASSNAMEA);
  ASSERT_TRUE(editor && status);
  EXPECT_EQ("hello\nsecond line\n", textOf(editor));
  EXPECT_EQ("Ln 1, Col 1", statusPart0(status));

  // Typing marks the file changed and moves the caret; Save writes CR LF lines.
  SendMessageA(editor, WM_CHAR, 'X', 1);
  EXPECT_TRUE(waitForText(window, "*tarn-notes.txt - Notepad")) << textOf(window);
  EXPECT_TRUE(waitForText(status, "Ln 1, Col 2")) << statusPart0(status);
  command(window, 102);
  EXPECT_TRUE(waitForText(window, "tarn-notes.txt - Notepad")) << textOf(window);
  EXPECT_EQ("Xhello\r\nsecond line\r\n", readFile(path));

  // Find: the find bar selects the next match after the caret.
  command(window, 105);
  HWND findBar = waitForDialog(notepad, "Find");
  ASSERT_TRUE(findBar != NULL);
  SendMessageA(GetDlgItem(findBar, 200), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("line"));
  SendMessageA(findChild(findBar, "Button", "Find next"), BM_CLICK, 0, 0);
  EXPECT_TRUE(waitFor([&] { return SendMessageA(editor, EM_GETSEL, 0, 0) == MAKELONG(14, 18); }))
      << std::hex << SendMessageA(editor, EM_GETSEL, 0, 0);
  EXPECT_TRUE(waitForText(status, "Ln 2, Col 8")) << statusPart0(status);
  PostMessageA(findBar, WM_CLOSE, 0, 0);
  EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(findBar); }));

  // Format, Font: the editor lays its text out in the chosen face, so the end
  // of the first line moves. (Wine keeps menus inside their process, so the
  // menu's check marks cannot be read from here: GetMenuState answers -1.)
  auto lineEndX = [&] { return LOWORD(SendMessageA(editor, EM_POSFROMCHAR, 6, 0)); };
  int courierEnd = lineEndX();
  command(window, 122);
  EXPECT_TRUE(waitFor([&] { return lineEndX() != courierEnd; })) << courierEnd;

  RECT client;
  GetClientRect(editor, &client);
  EXPECT_TRUE(waitForPixel(editor, client.right - 30, client.bottom - 10, RGB(255, 255, 255)));
  EXPECT_TRUE(saveScreenshot(window, "notepad"));

  // Open goes through the file dialog.
  command(window, 101);
  HWND dialog = waitForDialog(notepad, "Open");
  ASSERT_TRUE(dialog != NULL);
  HWND name = GetDlgItem(dialog, 0x47C);  // the file name box (a combo box) ...
  if (name == NULL) name = GetDlgItem(dialog, 0x480);  // ... or a plain edit
  ASSERT_TRUE(name != NULL);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(other.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(waitForText(window, "tarn-other.txt - Notepad")) << textOf(window);
  EXPECT_EQ("other file\n", textOf(editor));

  // Unsaved changes: Cancel keeps the window, No closes without saving.
  SendMessageA(editor, WM_CHAR, 'Y', 1);
  EXPECT_TRUE(waitForText(window, "*tarn-other.txt - Notepad"));
  for (int answer : {IDCANCEL, IDNO}) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND box = waitForDialog(notepad, "Notepad");
    ASSERT_TRUE(box != NULL) << answer;
    EXPECT_EQ("Save the changes to tarn-other.txt?", textOf(GetDlgItem(box, 0xFFFF)));
    PostMessageA(box, WM_COMMAND, answer, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }));
  }
  EXPECT_EQ(0, notepad.waitForExit());
  EXPECT_EQ("other file\r\n", readFile(other));
  DeleteFileA(path.c_str());
  DeleteFileA(other.c_str());
}

// Real key presses with the notepad in front: Ctrl+S saves, Ctrl+N starts a new
// text (no question: the text was just saved).
TEST(Examples, NotepadShortcutsDoTheirCommands) {
  std::string path = tempFolder() + "tarn-keys.txt";
  writeFile(path, "keys\r\n");
  ExampleProcess notepad;
  ASSERT_TRUE(notepad.start("notepad", "\"" + path + "\"", "tarn-keys.txt - Notepad"));
  HWND window = notepad.window;
  HWND editor = GetDlgItem(window, 12);
  SendMessageA(editor, WM_CHAR, 'K', 1);
  ASSERT_TRUE(waitForText(window, "*tarn-keys.txt - Notepad")) << textOf(window);
  SetForegroundWindow(window);
  ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == window; }));

  pressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(waitForText(window, "tarn-keys.txt - Notepad")) << textOf(window);
  EXPECT_EQ("Kkeys\r\n", readFile(path));
  pressKeys({VK_CONTROL, 'N'});
  EXPECT_TRUE(waitForText(window, "Untitled - Notepad")) << textOf(window);
  EXPECT_EQ("", textOf(editor));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, notepad.waitForExit());
  DeleteFileA(path.c_str());
}

// The Edit menu and its shortcuts, pressed as keys: Select all, Copy, Cut and
// Paste go through the clipboard another program sees.
TEST(Examples, NotepadCutsCopiesAndPastesThroughTheClipboard) {
  std::string path = tempFolder() + "tarn-edit.txt";
  writeFile(path, "alpha beta");
  ExampleProcess notepad;
  ASSERT_TRUE(notepad.start("notepad", "\"" + path + "\"", "tarn-edit.txt - Notepad"));
  HWND window = notepad.window;
  HWND editor = GetDlgItem(window, 12);
  ASSERT_TRUE(putRawUnicodeText(L"before"));
  ASSERT_TRUE(bringToFront(window));

  auto allSelected = [&] {
    auto [start, end] = selectionOf(editor);
    return start == 0 && end >= 10;
  };
  auto clipboardStartsWith = [](const std::wstring& text) {
    return waitFor([&] { return rawUnicodeText().compare(0, text.size(), text) == 0; });
  };
  pressKeys({VK_CONTROL, 'A'});
  EXPECT_TRUE(waitFor(allSelected));
  pressKeys({VK_CONTROL, 'C'});
  EXPECT_TRUE(clipboardStartsWith(L"alpha beta")) << rawUnicodeText().size();
  pressKeys({VK_CONTROL, 'X'});
  EXPECT_TRUE(waitForText(window, "*tarn-edit.txt - Notepad")) << textOf(window);
  EXPECT_EQ(std::string::npos, textOf(editor).find("alpha")) << textOf(editor);
  pressKeys({VK_CONTROL, 'V'});
  EXPECT_TRUE(waitFor([&] { return startsWith(textOf(editor), "alpha beta"); })) << textOf(editor);

  // The same through the menu: Alt+E opens Edit, a letter chooses the entry.
  // Paste takes what another program put on the clipboard, at the caret.
  ASSERT_TRUE(putRawUnicodeText(L"pasted, "));
  SendMessageA(editor, EM_SETSEL, 0, 0);
  pressKeys({VK_MENU, 'E'});
  pressKeys({'P'});
  EXPECT_TRUE(waitFor([&] { return startsWith(textOf(editor), "pasted, alpha beta"); }))
      << textOf(editor);
  SendMessageA(editor, EM_SETSEL, 0, 6);
  pressKeys({VK_MENU, 'E'});
  pressKeys({'C'});
  EXPECT_TRUE(waitFor([] { return rawUnicodeText() == L"pasted"; })) << rawUnicodeText().size();
  pressKeys({VK_MENU, 'E'});
  pressKeys({'T'});
  EXPECT_TRUE(waitFor([&] { return startsWith(textOf(editor), ", alpha beta"); }))
      << textOf(editor);

  // Nothing is saved behind the user's back: No closes without saving.
  PostMessageA(window, WM_CLOSE, 0, 0);
  HWND box = waitForDialog(notepad, "Notepad");
  ASSERT_TRUE(box != NULL);
  PostMessageA(box, WM_COMMAND, IDNO, 0);
  EXPECT_EQ(0, notepad.waitForExit());
  EXPECT_EQ("alpha beta", readFile(path));
  DeleteFileA(path.c_str());
}

// A drop opens its first file, on the editor or the window around it; with
// unsaved changes it asks first, as Open does.
TEST(Examples, NotepadOpensTheFirstFileDroppedOnIt) {
  std::string first = tempFolder() + "tarn-first.txt";
  std::string dropped = tempFolder() + "tarn dropped.txt";
  writeFile(first, "first file\r\n");
  writeFile(dropped, "dropped text\r\n");
  ExampleProcess notepad;
  ASSERT_TRUE(notepad.start("notepad", "\"" + first + "\"", "tarn-first.txt - Notepad"));
  HWND window = notepad.window;
  HWND editor = GetDlgItem(window, 12);

  ASSERT_TRUE(dropFiles(notepad, editor, {wide(dropped), wide(first)}, POINT{20, 20}));
  EXPECT_TRUE(waitForText(window, "tarn dropped.txt - Notepad")) << textOf(window);
  EXPECT_EQ("dropped text\n", textOf(editor));

  SendMessageA(editor, WM_CHAR, 'Z', 1);
  ASSERT_TRUE(waitForText(window, "*tarn dropped.txt - Notepad")) << textOf(window);
  for (int answer : {IDCANCEL, IDNO}) {
    ASSERT_TRUE(dropFiles(notepad, window, {wide(first)}, POINT{5, 5}));
    HWND box = waitForDialog(notepad, "Notepad");
    ASSERT_TRUE(box != NULL) << answer;
    EXPECT_EQ("Save the changes to tarn dropped.txt?", textOf(GetDlgItem(box, 0xFFFF)));
    PostMessageA(box, WM_COMMAND, answer, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }));
    if (answer == IDCANCEL) {
      EXPECT_EQ("*tarn dropped.txt - Notepad", textOf(window));
      EXPECT_EQ("Zdropped text\n", textOf(editor));
    }
  }
  EXPECT_TRUE(waitForText(window, "tarn-first.txt - Notepad")) << textOf(window);
  EXPECT_EQ("first file\n", textOf(editor));
  EXPECT_EQ("dropped text\r\n", readFile(dropped));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, notepad.waitForExit());
  DeleteFileA(first.c_str());
  DeleteFileA(dropped.c_str());
}

// The tip dialog's program ends when the dialog is closed.
TEST(Examples, TipsEndsWhenItsDialogCloses) {
  ExampleProcess tips;
  ASSERT_TRUE(tips.start("tips", "", "Tip of the day"));
  PostMessageA(tips.window, WM_CLOSE, 0, 0);
  EXPECT_NE(-1, tips.waitForExit());
}

TEST(Examples, NotepadNeverSavesRichTextAsPlainTextOverItsFile) {
  std::string path = tempFolder() + "tarn-rich.rtf";
  std::string rtf = "{\\rtf1\\ansi {\\b bold} text\\par}";
  writeFile(path, rtf);
  ExampleProcess notepad;
  ASSERT_TRUE(notepad.start("notepad", "\"" + path + "\"", "Untitled - Notepad"));
  HWND editor = GetDlgItem(notepad.window, 12);
  EXPECT_EQ("bold text", textOf(editor).substr(0, 9));

  // Save asks for a name; cancelling it leaves the file as it was.
  command(notepad.window, 102);
  HWND dialog = waitForDialog(notepad, "Save As");
  ASSERT_TRUE(dialog != NULL);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(rtf, readFile(path));

  PostMessageA(notepad.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, notepad.waitForExit());
  DeleteFileA(path.c_str());
}

TEST(Examples, MdiBrowsesAFolderAndTilesItsTextViews) {
  std::string root = tempFolder() + "tarn-mdi-example";
  CreateDirectoryA(root.c_str(), NULL);
  CreateDirectoryA((root + "\\one").c_str(), NULL);
  CreateDirectoryA((root + "\\two").c_str(), NULL);
  writeFile(root + "\\alpha.txt", "alpha text\r\n");
  writeFile(root + "\\beta.txt", "beta\r\n");
  writeFile(root + "\\one\\inner.txt", "inner\r\n");
  writeFile(root + "\\two\\x.txt", "x");
  writeFile(root + "\\two\\y.txt", "y");

  ExampleProcess mdi;
  ASSERT_TRUE(mdi.start("mdi", "\"" + root + "\"", "Tarn MDI"));
  HWND frame = mdi.window;
  HWND client = findChild(frame, "MDIClient");
  ASSERT_TRUE(client != NULL);
  HWND browser = findChild(client, "#32770", ("Folder - " + root).c_str());
  HWND tree = findChild(browser, WC_TREEVIEWA);
  HWND table = findChild(browser, WC_LISTVIEWA);
  HWND bar = GetDlgItem(browser, 300);
  ASSERT_TRUE(browser && tree && table && bar);
  EXPECT_EQ(2u, childrenOf(client, "#32770").size());
  EXPECT_EQ(3u, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
  EXPECT_EQ(2, SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));

  // Choosing a folder in the tree lists its files.
  LPARAM top = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  LPARAM first = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, top);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, first);
  ASSERT_TRUE(waitFor([&] { return textOf(browser) != "Folder - " + root; }));
  bool isOne = textOf(browser) == "Folder - " + root + "\\one";
  EXPECT_TRUE(isOne || textOf(browser) == "Folder - " + root + "\\two") << textOf(browser);
  EXPECT_EQ(isOne ? 1 : 2, SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));

  // The first file opens in a text view of its own.
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, top);
  SendMessageA(table, WM_KEYDOWN, VK_HOME, 0);
  command(frame, 100);
  HWND view = NULL;
  ASSERT_TRUE(waitFor([&] { return childrenOf(client, "#32770").size() == 3; }));
  for (HWND child : childrenOf(client, "#32770"))
    if (textOf(child) == "alpha.txt" || textOf(child) == "beta.txt") view = child;
  ASSERT_TRUE(view != NULL);
  EXPECT_EQ(textOf(view) == "alpha.txt" ? "alpha text\n" : "beta\n",
            textOf(findChild(view, "RICHEDIT")));

  // Dragging the splitter 40 pixels left narrows the tree and widens the table.
  RECT treeBefore, tableBefore;
  GetWindowRect(tree, &treeBefore);
  GetWindowRect(table, &tableBefore);
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 20));
  SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-40), 20));
  SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-40), 20));
  RECT treeAfter, tableAfter;
  EXPECT_TRUE(waitFor([&] {
    GetWindowRect(tree, &treeAfter);
    GetWindowRect(table, &tableAfter);
    return treeAfter.right == treeBefore.right - 40;
  })) << treeBefore.right << " -> " << treeAfter.right;
  EXPECT_EQ(tableBefore.left - 40, tableAfter.left);
  EXPECT_EQ(tableBefore.right, tableAfter.right);

  // The client shows its colour where no window covers it.
  RECT area;
  GetClientRect(client, &area);
  EXPECT_TRUE(waitForPixel(client, area.right - 8, area.bottom - 8, RGB(58, 110, 165)));

  // Window, Tile: the three views side by side, none overlapping.
  command(frame, 102);
  auto overlapping = [&] {
    std::vector<HWND> views = childrenOf(client, "#32770");
    for (std::size_t i = 0; i < views.size(); ++i)
      for (std::size_t j = i + 1; j < views.size(); ++j) {
        RECT a, b, both;
        GetWindowRect(views[i], &a);
        GetWindowRect(views[j], &b);
        if (IntersectRect(&both, &a, &b)) return true;
      }
    return false;
  };
  EXPECT_TRUE(waitFor([&] { return !overlapping(); }));
  // Each view has repainted its text box or table in its new place.
  for (HWND child : childrenOf(client, "#32770")) {
    HWND content = findChild(child, "RICHEDIT");
    EXPECT_TRUE(waitForPaintedWhite(content != NULL ? content : table)) << textOf(child);
  }
  EXPECT_TRUE(saveScreenshot(frame, "mdi"));

  // Window, Cascade: the views overlap again.
  command(frame, 103);
  EXPECT_TRUE(waitFor(overlapping));

  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, mdi.waitForExit());
  for (const char* file : {"\\alpha.txt", "\\beta.txt", "\\one\\inner.txt", "\\two\\x.txt",
                           "\\two\\y.txt"})
    DeleteFileA((root + file).c_str());
  RemoveDirectoryA((root + "\\one").c_str());
  RemoveDirectoryA((root + "\\two").c_str());
  RemoveDirectoryA(root.c_str());
}

// Its own folder holds more folders than the list of folders first has room
// for, so the list grows while folders are being read.
TEST(Examples, MdiWithoutArgumentsBrowsesItsOwnFolder) {
  ExampleProcess mdi;
  ASSERT_TRUE(mdi.start("mdi", "", "Tarn MDI"));
  HWND client = findChild(mdi.window, "MDIClient");
  std::string folder = TARN_EXAMPLES_DIR;
  for (char& c : folder)
    if (c == '/') c = '\\';
  EXPECT_TRUE(findChild(client, "#32770", ("Folder - " + folder).c_str()) != NULL);
  PostMessageA(mdi.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, mdi.waitForExit());
}
