// The file dialog object: its filter list bytes, the bounded name buffer, and
// the open and save dialogs answered by the test.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/system/file_dialog_filter.h"

using namespace tarn;
using namespace testing_support;

namespace {

std::string bytes(const char* text, std::size_t n) { return std::string(text, n); }
// A literal with its zero bytes, without the compiler's terminator.
#define BYTES(literal) bytes(literal, sizeof(literal) - 1)

// A system filter list up to and including its closing zero byte.
std::string filterList(const char* list) {
  if (list == nullptr) return "<none>";
  std::string out;
  const char* p = list;
  while (*p) {
    std::size_t n = std::strlen(p);
    out.append(p, n + 1);
    p += n + 1;
  }
  out += '\0';
  return out;
}

// What the dialog received, read while it is up.
struct Seen {
  DWORD structSize = 0;
  DWORD flags = 0;
  DWORD maxFile = 0;
  HWND owner = NULL;
  HWND dialogOwner = NULL;
  std::string filter;
  std::string name;  // the request's name buffer
  std::string edit;  // the name the dialog shows
  bool readOnlyBoxVisible = false;
  std::vector<std::string> boxes;  // texts of the message boxes on top of it
};

void look(const FileDialog& dialog, HWND window, Seen& seen) {
  seen.structSize = dialog.request.lStructSize;
  // Wine adds OFN_ENABLESIZING to the record while its dialog is up.
  seen.flags = dialog.request.Flags & ~static_cast<DWORD>(OFN_ENABLESIZING);
  seen.maxFile = dialog.request.nMaxFile;
  seen.owner = dialog.request.hwndOwner;
  seen.dialogOwner = GetWindow(window, GW_OWNER);
  seen.filter = filterList(dialog.request.lpstrFilter);
  seen.name = dialog.request.lpstrFile ? dialog.request.lpstrFile : "<none>";
  seen.edit = windowText(fileNameEdit(window));
  HWND readOnly = GetDlgItem(window, 0x410);
  seen.readOnlyBoxVisible = readOnly && IsWindowVisible(readOnly);
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

// Types `name` into the first dialog and confirms it; message boxes that
// follow are recorded and answered with `boxAnswer`, after which the file
// dialog is cancelled when `cancelAfterBox`.
struct TypeAndConfirm {
  const FileDialog* dialog;
  Seen* seen;
  std::string name;
  int boxAnswer;
  bool cancelAfterBox;
  HWND first = NULL;
  void operator()(HWND window, int n) {
    if (n == 0) {
      first = window;
      if (dialog) look(*dialog, window, *seen);
      typeFileName(window, name);
      pressButton(window, IDOK);
    } else {
      seen->boxes.push_back(boxText(window));
      pressButton(window, boxAnswer);
      if (cancelAfterBox) pressButton(first, IDCANCEL);
    }
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// Byte logic

TEST(FilterBlock, DescriptionsAndPatternsBetweenZeroBytes) {
  std::string block = filedialog::filterBlock({{"Text files", "*.txt,*.text"}, {"All", "*.*"}});
  EXPECT_EQ(BYTES("Text files\0*.txt;*.text\0All\0*.*\0\0"), block);
}

TEST(FilterBlock, NoFiltersGiveAnEmptyList) {
  EXPECT_EQ(std::string(1, '\0'), filedialog::filterBlock({}));
}

TEST(FilterBlock, HashesAndSemicolonsAreKept) {
  EXPECT_EQ(BYTES("C# sources (#)\0*.cs;*.csx\0\0"),
            filedialog::filterBlock({{"C# sources (#)", "*.cs;*.csx"}}));
}

TEST(FilterBlock, AZeroByteInsideATextEndsThatTextOnly) {
  std::string description = BYTES("Pic\0tures");
  std::string pattern = BYTES("*.bmp\0*.exe");
  EXPECT_EQ(BYTES("Pic\0*.bmp\0B\0*.b\0\0"),
            filedialog::filterBlock({{description, pattern}, {"B", "*.b"}}));
}

TEST(FilterBlock, CallerListsAlwaysEndInTwoZeroBytes) {
  EXPECT_EQ(BYTES("Text\0\0"), filedialog::terminatedFilter("Text"));
  EXPECT_EQ(BYTES("\0\0"), filedialog::terminatedFilter(""));
}

TEST(FileNameCopy, CutAtTwoHundredFiftyNineCharacters) {
  char buffer[270];
  std::memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(259u, filedialog::copyName(buffer, 260, std::string(1000, 'n')));
  EXPECT_EQ(std::string(259, 'n'), std::string(buffer));
  for (std::size_t i = 260; i < sizeof buffer; ++i) EXPECT_EQ('Z', buffer[i]) << i;

  EXPECT_EQ(259u, filedialog::copyName(buffer, 260, std::string(259, 'm')));
  EXPECT_EQ(std::string(259, 'm'), std::string(buffer));
  EXPECT_EQ(0u, filedialog::copyName(buffer, 260, ""));
  EXPECT_EQ('\0', buffer[0]);
  EXPECT_EQ(2u, filedialog::copyName(buffer, 260, BYTES("ab\0cd")));
  EXPECT_EQ(0u, filedialog::copyName(buffer, 0, "abc"));
}

// ---------------------------------------------------------------------------
// Objects

TEST(FileDialogObject, Construction) {
  FileDialog plain;
  EXPECT_EQ(NULL, plain.owner);
  EXPECT_TRUE(plain.filters.empty());
  EXPECT_EQ(nullptr, plain.filterBlock);
  EXPECT_EQ('\0', plain.fileName[0]);
  EXPECT_EQ("", plain.path);

  HWND desktop = GetDesktopWindow();
  EXPECT_EQ(desktop, FileDialog(desktop).owner);
  Control window(desktop);
  EXPECT_EQ(desktop, FileDialog(window).owner);
}

TEST(FileDialogObject, FiltersKeepTheirOrder) {
  FileDialog dialog;
  dialog.addFilter("All Files (*.*)", "*.*");
  dialog.addFilter("Pictures", "*.bmp,*.ico");
  ASSERT_EQ(2u, dialog.filters.size());
  EXPECT_EQ("All Files (*.*)", dialog.filters[0].description);
  EXPECT_EQ("*.bmp,*.ico", dialog.filters[1].pattern);  // turned into ";" only in the block
}

// ---------------------------------------------------------------------------
// Dialogs

TEST(FileDialogShown, CancelledOpenKeepsThePathAndShowsWhatItWasGiven) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  FileDialog dialog{Control(owner)};
  dialog.addFilter("Text", "*.txt,*.doc");
  dialog.path = "C:\\before.txt";
  Seen seen;
  {
    DialogAnswerer answer([&](HWND window, int) {
      look(dialog, window, seen);
      pressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(dialog.open("start.txt"));
    EXPECT_EQ(1, answer.seen());
    EXPECT_EQ(0, answer.forced());
  }
  EXPECT_EQ("C:\\before.txt", dialog.path);
  EXPECT_EQ(sizeof(void*) == 4 ? 76u : 136u, seen.structSize);  // the layout without the reserved tail
  EXPECT_EQ(0x80804u, seen.flags);
  EXPECT_EQ(260u, seen.maxFile);
  EXPECT_EQ(owner, seen.owner);
  EXPECT_EQ(owner, seen.dialogOwner);
  EXPECT_EQ(BYTES("Text\0*.txt;*.doc\0\0"), seen.filter);
  EXPECT_EQ("start.txt", seen.name);
  EXPECT_EQ("start.txt", seen.edit);
  EXPECT_FALSE(seen.readOnlyBoxVisible);
  DestroyWindow(owner);
}

TEST(FileDialogShown, CancelledSaveUsesTheSaveFlags) {
  FileDialog dialog;
  Seen seen;
  {
    DialogAnswerer answer([&](HWND window, int) {
      look(dialog, window, seen);
      pressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(dialog.save(""));
  }
  EXPECT_EQ(0x80806u, seen.flags);
  EXPECT_EQ(NULL, seen.owner);
  EXPECT_EQ(std::string(1, '\0'), seen.filter);  // no filters: an empty list
  EXPECT_EQ("", dialog.path);
}

TEST(FileDialogShown, OpenConfirmedWithATypedName) {
  TempFile file(".txt");
  ASSERT_TRUE(file.write("hello"));
  FileDialog dialog;
  dialog.addFilter("All Files (*.*)", "*.*");
  Seen seen;
  {
    DialogAnswerer answer(TypeAndConfirm{&dialog, &seen, file.path(), IDOK, true});
    ASSERT_TRUE(dialog.open(""));
  }
  EXPECT_EQ(lower(file.path()), lower(dialog.path.str()));
  EXPECT_TRUE(seen.boxes.empty());
}

TEST(FileDialogShown, OpenRefusesAFolderThatDoesNotExist) {
  FileDialog dialog;
  dialog.path = "kept";
  Seen seen;
  {
    DialogAnswerer answer(
        TypeAndConfirm{&dialog, &seen, "C:\\no_such_tarn_folder\\file.txt", IDOK, true});
    EXPECT_FALSE(dialog.open(""));
    EXPECT_EQ(0, answer.forced());
  }
  EXPECT_EQ(1u, seen.boxes.size());  // the system's complaint about the path
  EXPECT_EQ("kept", dialog.path);
}

TEST(FileDialogShown, SaveAsksBeforeReplacingAFile) {
  TempFile file(".txt");
  ASSERT_TRUE(file.write("keep me"));
  FileDialog dialog;
  dialog.addFilter("All Files (*.*)", "*.*");
  Seen refused;
  {
    DialogAnswerer answer(TypeAndConfirm{&dialog, &refused, file.path(), IDNO, true});
    EXPECT_FALSE(dialog.save(""));
  }
  ASSERT_EQ(1u, refused.boxes.size());
  EXPECT_EQ("", dialog.path);

  Seen accepted;
  {
    DialogAnswerer answer(TypeAndConfirm{&dialog, &accepted, file.path(), IDYES, false});
    EXPECT_TRUE(dialog.save(""));
  }
  EXPECT_EQ(1u, accepted.boxes.size());
  EXPECT_EQ(lower(file.path()), lower(dialog.path.str()));
  EXPECT_EQ("keep me", file.read());  // the dialog only names the file
}

TEST(FileDialogShown, SaveOfANewNameAsksNothing) {
  TempFile file(".txt");
  FileDialog dialog;
  Seen seen;
  {
    DialogAnswerer answer(TypeAndConfirm{&dialog, &seen, file.path(), IDOK, true});
    EXPECT_TRUE(dialog.save("ignored.txt"));
  }
  EXPECT_TRUE(seen.boxes.empty());
  EXPECT_EQ(lower(file.path()), lower(dialog.path.str()));
}

TEST(FileDialogShown, TheDefaultExtensionGoesOnlyOnATypedNameWithoutOne) {
  struct Row {
    const char* extension;
    const char* typedSuffix;
    const char* expectedSuffix;
  };
  const Row rows[] = {{"txt", "", ".txt"},
                      {".csv", "", ".csv"},
                      {"txt", ".log", ".log"},
                      {"", "", ""},
                      {".", "", ""}};
  for (const Row& r : rows) {
    TempFile file(r.typedSuffix);
    FileDialog dialog;
    dialog.defaultExtension = r.extension;
    FileDialog copy(dialog);  // a copy asks for the same extension
    Seen seen;
    {
      DialogAnswerer answer(TypeAndConfirm{&copy, &seen, file.path(), IDOK, true});
      ASSERT_TRUE(copy.save("")) << r.extension;
    }
    std::string typed = file.path();
    std::string expected =
        typed.substr(0, typed.size() - std::strlen(r.typedSuffix)) + r.expectedSuffix;
    EXPECT_EQ(lower(expected), lower(copy.path.str())) << r.extension << " " << r.typedSuffix;
  }
}

TEST(FileDialogShown, TheFilterListIsRebuiltForEveryDialog) {
  FileDialog dialog;
  dialog.addFilter("One", "*.1");
  std::vector<std::string> filters;
  {
    DialogAnswerer answer([&](HWND window, int) {
      filters.push_back(filterList(dialog.request.lpstrFilter));
      pressButton(window, IDCANCEL);
    });
    dialog.open("");
    dialog.addFilter("Two", "*.2,*.two");
    dialog.save("");
  }
  ASSERT_EQ(2u, filters.size());
  EXPECT_EQ(BYTES("One\0*.1\0\0"), filters[0]);
  EXPECT_EQ(BYTES("One\0*.1\0Two\0*.2;*.two\0\0"), filters[1]);
}

TEST(FileDialogShown, LongInitialNamesAreCutToTheBuffer) {
  FileDialog dialog;
  std::vector<std::size_t> lengths;
  {
    DialogAnswerer answer([&](HWND window, int) {
      lengths.push_back(std::strlen(dialog.request.lpstrFile));
      pressButton(window, IDCANCEL);
    });
    dialog.open(String(std::string(5000, 'q')));
    dialog.save(String(std::string(259, 'r')));
  }
  ASSERT_EQ(2u, lengths.size());
  EXPECT_EQ(259u, lengths[0]);
  EXPECT_EQ(259u, lengths[1]);
  EXPECT_EQ(std::string(259, 'r'), std::string(dialog.fileName));
}

TEST(FileDialogShown, CopiesBuildTheirOwnFilterBlock) {
  FileDialog original;
  original.addFilter("Text", "*.txt");
  {
    DialogAnswerer answer([](HWND window, int) { pressButton(window, IDCANCEL); });
    original.open("");
  }
  ASSERT_NE(nullptr, original.filterBlock);
  FileDialog copy(original);
  EXPECT_EQ(nullptr, copy.filterBlock);
  ASSERT_EQ(1u, copy.filters.size());
  FileDialog assigned;
  assigned = original;
  EXPECT_EQ(nullptr, assigned.filterBlock);
  EXPECT_NE(nullptr, original.filterBlock);
  std::string seenByCopy;
  {
    DialogAnswerer answer([&](HWND window, int) {
      seenByCopy = filterList(copy.request.lpstrFilter);
      pressButton(window, IDCANCEL);
    });
    copy.open("");
  }
  EXPECT_EQ(BYTES("Text\0*.txt\0\0"), seenByCopy);
  EXPECT_NE(original.filterBlock, copy.filterBlock);
}

// ---------------------------------------------------------------------------
// A second call while a dialog is up

namespace {

struct Reentry {
  FileDialog* dialog = nullptr;
  UINT_PTR timer = 0;
  std::atomic<bool> done{false};
  bool opened = true;
  bool saved = true;
  std::string nameBefore, nameAfter;
  char* blockBefore = nullptr;
  char* blockAfter = nullptr;
  std::size_t filtersAfter = 0;
  DWORD flagsAfter = 0;

  // A fresh record for each run of the test (the test may run repeatedly in
  // one process).
  void reset(FileDialog* d) {
    dialog = d;
    timer = 0;
    done = false;
    opened = saved = true;
    nameBefore.clear();
    nameAfter.clear();
    blockBefore = blockAfter = nullptr;
    filtersAfter = 0;
    flagsAfter = 0;
  }
} reentry;

void CALLBACK callAgain(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(NULL, reentry.timer);
  FileDialog& d = *reentry.dialog;
  reentry.nameBefore = d.fileName;
  reentry.blockBefore = d.filterBlock;
  d.addFilter("Late", "*.late");  // the running dialog keeps the block it was given
  reentry.opened = d.open("inner.txt");
  reentry.saved = d.save("inner.txt");
  reentry.nameAfter = d.fileName;
  reentry.blockAfter = d.filterBlock;
  reentry.filtersAfter = d.filters.size();
  reentry.flagsAfter = d.request.Flags & ~static_cast<DWORD>(OFN_ENABLESIZING);
  reentry.done = true;
}

}  // namespace

TEST(FileDialogShown, ACallWhileTheDialogIsUpIsRefused) {
  TempFile file(".txt");
  ASSERT_TRUE(file.write("x"));
  FileDialog dialog;
  dialog.addFilter("Text", "*.txt");
  reentry.reset(&dialog);
  reentry.timer = SetTimer(NULL, 0, 50, callAgain);
  ASSERT_NE(0u, reentry.timer);
  bool chosen;
  {
    DialogAnswerer answer([&](HWND window, int n) {
      if (n == 0) {
        // Answer the first dialog only after the timer made its calls (or gave up).
        DWORD start = GetTickCount();
        while (!reentry.done && GetTickCount() - start < 3000) Sleep(10);
        typeFileName(window, file.path());
        pressButton(window, IDOK);
      } else {
        pressButton(window, IDCANCEL);
      }
    });
    chosen = dialog.open("outer.txt");
    EXPECT_EQ(1, answer.seen());
    EXPECT_EQ(0, answer.forced());
  }
  ASSERT_TRUE(reentry.done);
  EXPECT_FALSE(reentry.opened);
  EXPECT_FALSE(reentry.saved);
  EXPECT_EQ("outer.txt", reentry.nameBefore);
  EXPECT_EQ("outer.txt", reentry.nameAfter);
  EXPECT_EQ(reentry.blockBefore, reentry.blockAfter);
  EXPECT_EQ(2u, reentry.filtersAfter);
  EXPECT_EQ(0x80804u, reentry.flagsAfter);  // still the open dialog's request
  EXPECT_TRUE(chosen);
  EXPECT_EQ(lower(file.path()), lower(dialog.path.str()));

  // Once the dialog is gone, the object works again.
  std::string filter;
  {
    DialogAnswerer answer([&](HWND window, int) {
      filter = filterList(dialog.request.lpstrFilter);
      pressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(dialog.save(""));
    EXPECT_EQ(1, answer.seen());
  }
  EXPECT_EQ(BYTES("Text\0*.txt\0Late\0*.late\0\0"), filter);
}

// ---------------------------------------------------------------------------
// Moves

static_assert(std::is_nothrow_move_constructible<FileDialog>::value,
              "file dialogs move without copying or throwing");
static_assert(std::is_nothrow_move_assignable<FileDialog>::value,
              "file dialogs move without copying or throwing");

TEST(FileDialogObject, MovesTakeTheFilterBlockOver) {
  FileDialog original(GetDesktopWindow());
  original.addFilter("Text", "*.txt");
  original.path = "C:\\chosen.txt";
  {
    DialogAnswerer answer([](HWND window, int) { pressButton(window, IDCANCEL); });
    original.open("name.txt");
  }
  char* block = original.filterBlock;
  ASSERT_NE(nullptr, block);

  FileDialog moved(std::move(original));
  EXPECT_EQ(block, moved.filterBlock);
  EXPECT_EQ(nullptr, original.filterBlock);  // freed once, by `moved`
  ASSERT_EQ(1u, moved.filters.size());
  EXPECT_EQ("*.txt", moved.filters[0].pattern);
  EXPECT_EQ("C:\\chosen.txt", moved.path);
  EXPECT_EQ("name.txt", std::string(moved.fileName));
  EXPECT_EQ(GetDesktopWindow(), moved.owner);

  FileDialog target;
  target.addFilter("Other", "*.o");
  {
    DialogAnswerer answer([](HWND window, int) { pressButton(window, IDCANCEL); });
    target.save("");
  }
  ASSERT_NE(nullptr, target.filterBlock);
  target = std::move(moved);  // target's own block is freed
  EXPECT_EQ(block, target.filterBlock);
  EXPECT_EQ(nullptr, moved.filterBlock);
  ASSERT_EQ(1u, target.filters.size());
  EXPECT_EQ("Text", target.filters[0].description);
  EXPECT_EQ("C:\\chosen.txt", target.path);

  // The moved-to object shows its dialogs with its own buffers.
  std::string name;
  {
    DialogAnswerer answer([&](HWND window, int) {
      name = target.request.lpstrFile == target.fileName ? target.fileName : "<elsewhere>";
      pressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(target.open("again.txt"));
  }
  EXPECT_EQ("again.txt", name);
  EXPECT_EQ("C:\\chosen.txt", target.path);
}
