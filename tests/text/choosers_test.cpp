// The one-call choosers: open and save file, colour and folder, answered by
// the test from a watching thread.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <string>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

bool visibleItem(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  return item != NULL && IsWindowVisible(item);
}

// The name of the folder browser's selected item, read from its tree.
std::string selectedFolderName(HWND dialog) {
  HWND tree = findChild(dialog, WC_TREEVIEWA);
  LPARAM item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
  if (item == 0) return "";
  char name[MAX_PATH + 1] = {0};
  TVITEMA request = {};
  request.mask = TVIF_TEXT;
  request.hItem = reinterpret_cast<HTREEITEM>(item);
  request.pszText = name;
  request.cchTextMax = MAX_PATH;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
  return name;
}

String systemFilter(const char* bytes, std::size_t n) { return String(std::string(bytes, n)); }

// Colour dialog controls.
constexpr int redEdit = 706, greenEdit = 707, blueEdit = 708, addCustom = 712;

}  // namespace

// ---------------------------------------------------------------------------
// Open and save

TEST(ChooseOpenFile, CancelKeepsTheResultAndPassesNoFlags) {
  String result = "previous";
  bool readOnlyShown = false;
  std::string name = "?", firstType;
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  HWND dialogOwner = NULL;
  {
    DialogAnswerer answer([&](HWND dialog, int) {
      // Without OFN_HIDEREADONLY the read-only box shows.
      readOnlyShown = visibleItem(dialog, 0x410);
      name = windowText(fileNameEdit(dialog));
      firstType = windowText(GetDlgItem(dialog, 0x470));
      dialogOwner = GetWindow(dialog, GW_OWNER);
      pressButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(chooseOpenFile(owner, result, systemFilter("Texts\0*.txt\0All\0*.*\0", 20)));
    EXPECT_EQ(1, answer.seen());
  }
  EXPECT_EQ("previous", result);
  EXPECT_TRUE(readOnlyShown);
  EXPECT_EQ("", name);  // always starts empty
  EXPECT_EQ("Texts", firstType);
  EXPECT_EQ(owner, dialogOwner);
  DestroyWindow(owner);
}

TEST(ChooseOpenFile, ConfirmedWithATypedName) {
  TempFile file(".dat");
  ASSERT_TRUE(file.write("x"));
  String result = "previous";
  {
    DialogAnswerer answer([&](HWND dialog, int n) {
      if (n == 0) {
        typeFileName(dialog, file.path());
        pressButton(dialog, IDOK);
      }
    });
    EXPECT_TRUE(chooseOpenFile(NULL, result, String()));
    EXPECT_EQ(0, answer.forced());
  }
  EXPECT_EQ(lower(file.path()), lower(result.str()));
}

TEST(ChooseOpenFile, AFilterWithoutItsClosingZerosIsStillSafe) {
  // "Text" alone and "Text", zero, "*.txt" without the closing zero bytes.
  std::vector<std::string> types;
  {
    DialogAnswerer answer([&](HWND dialog, int) {
      types.push_back(windowText(GetDlgItem(dialog, 0x470)));
      pressButton(dialog, IDCANCEL);
    });
    String result;
    EXPECT_FALSE(chooseOpenFile(NULL, result, "Text"));
    EXPECT_FALSE(chooseOpenFile(NULL, result, systemFilter("Text\0*.txt", 10)));
    EXPECT_EQ("", result);
  }
  ASSERT_EQ(2u, types.size());
  EXPECT_EQ("Text", types[1]);
}

TEST(ChooseSaveFile, AddsTheDefaultExtensionAndHidesReadOnly) {
  TempFile file(".txt");  // not created: the dialog must not ask
  std::string bare = file.path().substr(0, file.path().size() - 4);
  String result = "previous";
  bool readOnlyShown = true;
  std::vector<std::string> boxes;
  {
    DialogAnswerer answer([&](HWND dialog, int n) {
      if (n == 0) {
        readOnlyShown = visibleItem(dialog, 0x410);
        typeFileName(dialog, bare);
        pressButton(dialog, IDOK);
      } else {
        boxes.push_back(boxText(dialog));
        pressButton(dialog, IDNO);
      }
    });
    EXPECT_TRUE(chooseSaveFile(NULL, result, systemFilter("Text\0*.txt\0", 10), "txt"));
  }
  EXPECT_EQ(lower(file.path()), lower(result.str()));
  EXPECT_FALSE(readOnlyShown);
  EXPECT_TRUE(boxes.empty());
}

TEST(ChooseSaveFile, AsksBeforeReplacingAndCancelKeepsTheResult) {
  TempFile file(".txt");
  ASSERT_TRUE(file.write("old"));
  String result = "previous";
  std::vector<std::string> boxes;
  HWND first = NULL;
  {
    DialogAnswerer answer([&](HWND dialog, int n) {
      if (n == 0) {
        first = dialog;
        typeFileName(dialog, file.path());
        pressButton(dialog, IDOK);
      } else {
        boxes.push_back(boxText(dialog));
        pressButton(dialog, IDNO);
        pressButton(first, IDCANCEL);
      }
    });
    EXPECT_FALSE(chooseSaveFile(NULL, result, String(), String()));
    EXPECT_EQ(0, answer.forced());
  }
  EXPECT_EQ(1u, boxes.size());
  EXPECT_EQ("previous", result);
  EXPECT_EQ("old", file.read());
}

// ---------------------------------------------------------------------------
// Colour

TEST(ColourChooser, CancelKeepsTheColour) {
  COLORREF colour = RGB(0x56, 0x34, 0x12);
  std::string red, green, blue;
  bool fullOpen = false;
  {
    DialogAnswerer answer([&](HWND dialog, int) {
      red = windowText(GetDlgItem(dialog, redEdit));
      green = windowText(GetDlgItem(dialog, greenEdit));
      blue = windowText(GetDlgItem(dialog, blueEdit));
      fullOpen = visibleItem(dialog, redEdit);  // CC_FULLOPEN: the custom part shows
      // Change the colour, then cancel: nothing may come back.
      setItemText(dialog, redEdit, "1");
      pressButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(chooseColor(NULL, colour));
  }
  EXPECT_EQ(RGB(0x56, 0x34, 0x12), colour);
  // CC_RGBINIT: the dialog starts from the given colour.
  EXPECT_EQ("86", red);
  EXPECT_EQ("52", green);
  EXPECT_EQ("18", blue);
  EXPECT_TRUE(fullOpen);
}

TEST(ColourChooser, ConfirmedGivesTheChosenColour) {
  COLORREF colour = RGB(200, 100, 50);
  {
    DialogAnswerer answer([&](HWND dialog, int) { pressButton(dialog, IDOK); });
    EXPECT_TRUE(chooseColor(NULL, colour));
  }
  EXPECT_EQ(RGB(200, 100, 50), colour);

  {
    DialogAnswerer answer([&](HWND dialog, int) {
      setItemText(dialog, redEdit, "10");
      setItemText(dialog, greenEdit, "20");
      setItemText(dialog, blueEdit, "30");
      pressButton(dialog, IDOK);
    });
    EXPECT_TRUE(chooseColor(GetDesktopWindow(), colour));
  }
  EXPECT_EQ(RGB(10, 20, 30), colour);
}

TEST(ColourChooser, CustomColoursStayForTheNextCall) {
  COLORREF* custom = customColors();
  ASSERT_NE(nullptr, custom);
  COLORREF colour = RGB(1, 2, 3);
  {
    DialogAnswerer answer([&](HWND dialog, int) {
      setItemText(dialog, redEdit, "40");
      setItemText(dialog, greenEdit, "50");
      setItemText(dialog, blueEdit, "60");
      pressButton(dialog, addCustom);
      pressButton(dialog, IDOK);
    });
    EXPECT_TRUE(chooseColor(NULL, colour));
  }
  EXPECT_EQ(RGB(40, 50, 60), colour);
  int found = -1;
  for (int i = 0; i < 16; ++i)
    if (custom[i] == RGB(40, 50, 60)) found = i;
  ASSERT_GE(found, 0);

  // The next dialog gets the same table, and a cancelled one leaves it alone.
  {
    DialogAnswerer answer([&](HWND dialog, int) { pressButton(dialog, IDCANCEL); });
    EXPECT_FALSE(chooseColor(NULL, colour));
  }
  EXPECT_EQ(RGB(40, 50, 60), custom[found]);
  EXPECT_EQ(custom, customColors());
}

// ---------------------------------------------------------------------------
// Folder

TEST(ChooseFolder, CancelKeepsTheResult) {
  String result = "previous";
  {
    DialogAnswerer answer([&](HWND dialog, int) { pressButton(dialog, IDCANCEL); });
    EXPECT_FALSE(chooseFolder(NULL, result));
    EXPECT_EQ(1, answer.seen());
  }
  EXPECT_EQ("previous", result);
}

TEST(ChooseFolder, ConfirmedGivesTheFullPath) {
  char temp[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "tarn_choose_folder";
  CreateDirectoryA(folder.c_str(), NULL);
  String result = "previous";
  std::atomic<bool> selected{false};
  {
    // The browser finds a path by walking its tree and comparing each level's
    // item with the parsed path, file times included. Under Wine the walk
    // sometimes misses a parent folder that has just changed (the folder made
    // above), selects nothing, and OK then answers the desktop. So the path is
    // asked for until the tree shows the folder selected, and only then confirmed.
    DialogAnswerer answer([&](HWND dialog, int) {
      for (DWORD start = GetTickCount();;) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
        selected = lower(selectedFolderName(dialog)) == "tarn_choose_folder";
        if (selected || GetTickCount() - start > 5000) break;
        Sleep(10);
      }
      pressButton(dialog, IDOK);
    });
    EXPECT_TRUE(chooseFolder(NULL, result));
  }
  EXPECT_TRUE(selected);
  EXPECT_EQ(lower(folder), lower(result.str()));
  RemoveDirectoryA(folder.c_str());
}
