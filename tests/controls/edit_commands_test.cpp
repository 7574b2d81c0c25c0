// The edit commands on every text box kind: cut, copy and paste through the
// clipboard (read back with plain Win32 calls), what read-only, password,
// single-line and numbers-only boxes refuse, select all and undo.
#include <string>

#include "support/clipboard_probe.h"
#include "support/control_host.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

class EditCommands : public ControlHost {
 protected:
  void select(const EditBox& box, int start, int end) {
    SendMessageA(box.hwnd, EM_SETSEL, static_cast<WPARAM>(start), end);
  }
  static std::string textOf(const EditBox& box) { return windowText(box.hwnd); }

  TextBox single{"", 501, 10, 10, 200, 24, form, true, true, false, false, 0};
  TextBox multi{"", 502, 10, 40, 200, 80, form, true, true, false, true, 0};
  PasswordBox password{"", 503, 10, 130, 200, 24, form, true, true, false, false, 0};
  ReadOnlyBox readOnly{"", 504, 10, 160, 200, 24, form, true, true, false, false, 0};
  spinBox spin{"", 505, 10, 190, 200, 24, form, true, true, false, 0};

  struct Kind {
    const char* name;
    EditBox* box;
    bool copies, cuts, pastes, multiLine, digitsOnly;
  };
  Kind kinds[5] = {
      {"single TextBox", &single, true, true, true, false, false},
      {"multi TextBox", &multi, true, true, true, true, false},
      {"PasswordBox", &password, false, false, true, false, false},
      {"ReadOnlyBox", &readOnly, true, false, false, false, false},
      {"spinBox", &spin, true, true, true, false, true},
  };
};

}  // namespace

TEST_F(EditCommands, CopyAndCutTakeTheSelectionWhereTheBoxAllowsIt) {
  for (Kind& kind : kinds) {
    EditBox& box = *kind.box;
    box.text = "12345 world";
    select(box, 2, 2);  // nothing selected: nothing copied
    ASSERT_TRUE(Clipboard::setText("kept"));
    EXPECT_FALSE(box.copy()) << kind.name;
    EXPECT_FALSE(box.cut()) << kind.name;
    EXPECT_EQ("kept", Clipboard::text().str()) << kind.name;

    select(box, 0, 5);
    EXPECT_EQ(kind.copies, box.copy()) << kind.name;
    EXPECT_EQ(kind.copies ? "12345" : "kept", Clipboard::text().str()) << kind.name;
    EXPECT_EQ("12345 world", textOf(box)) << kind.name;

    ASSERT_TRUE(Clipboard::setText("kept"));
    EXPECT_EQ(kind.cuts, box.cut()) << kind.name;
    EXPECT_EQ(kind.cuts ? L"12345" : L"kept", rawUnicodeText()) << kind.name;
    EXPECT_EQ(kind.cuts ? " world" : "12345 world", textOf(box)) << kind.name;
    if (!kind.cuts) continue;
    EXPECT_TRUE(box.canUndo()) << kind.name;
    EXPECT_NE(0, box.undo()) << kind.name;
    EXPECT_EQ("12345 world", textOf(box)) << kind.name;
  }
}

TEST_F(EditCommands, PasteReplacesTheSelectionWithWhatTheBoxTakes) {
  struct Row {
    const char* clipboard;
    const char* singleLine;  // what a single-line box pastes; null: nothing
  } rows[] = {
      {"678", "678"},
      {"9\r\nmore", "9"},      // up to the first line break
      {"abc", "abc"},          // not for a numbers-only box
      {"\r\nafter", nullptr},  // nothing before the line break
  };
  for (const Row& row : rows) {
    for (Kind& kind : kinds) {
      EditBox& box = *kind.box;
      box.text = "12345 world";
      select(box, 6, 11);
      ASSERT_TRUE(Clipboard::setText(row.clipboard));
      std::string pasted = kind.multiLine ? row.clipboard : row.singleLine ? row.singleLine : "";
      bool takes = kind.pastes && !pasted.empty() &&
                   (!kind.digitsOnly || pasted.find_first_not_of("0123456789") == std::string::npos);
      EXPECT_EQ(takes, box.paste()) << kind.name << " [" << row.clipboard << "]";
      EXPECT_EQ(takes ? "12345 " + pasted : "12345 world", textOf(box))
          << kind.name << " [" << row.clipboard << "]";
      if (!takes) continue;
      EXPECT_TRUE(box.canUndo()) << kind.name;
      box.undo();
      EXPECT_EQ("12345 world", textOf(box)) << kind.name << " [" << row.clipboard << "]";
    }
  }
  ASSERT_TRUE(Clipboard::clear());
  for (Kind& kind : kinds) {
    EXPECT_FALSE(kind.box->paste()) << kind.name;
    EXPECT_EQ("12345 world", textOf(*kind.box)) << kind.name;
  }
}

TEST_F(EditCommands, TypedTextIsSelectedCopiedAndUndone) {
  ASSERT_TRUE(bringToFront(form.hwnd));
  multi.focus();
  EXPECT_FALSE(multi.canUndo());
  pressKeys({'T'});
  pressKeys({VK_SHIFT, 'A'});
  pressKeys({VK_RETURN});
  pressKeys({'N'});
  ASSERT_TRUE(pumpUntil([&] { return textOf(multi) == "tA\r\nn"; }, 5000)) << textOf(multi);
  EXPECT_TRUE(multi.canUndo());
  multi.selectAll();
  ASSERT_TRUE(multi.copy());
  EXPECT_EQ(L"tA\r\nn", rawUnicodeText());
  multi.undo();
  EXPECT_EQ("", textOf(multi));

  // A long text is copied whole.
  std::string lines;
  for (int i = 0; i < 5000; ++i) lines += "line " + std::to_string(i) + "\r\n";
  multi.text = lines;
  multi.selectAll();
  ASSERT_TRUE(multi.copy());
  EXPECT_EQ(lines, Clipboard::text().str());
}

TEST(EditCommandsWithoutWindow, AnswerFalse) {
  ASSERT_TRUE(Clipboard::setText("kept"));
  TextBox box;
  EXPECT_FALSE(box.copy());
  EXPECT_FALSE(box.cut());
  EXPECT_FALSE(box.paste());
  EXPECT_FALSE(box.canUndo());
  box.selectAll();
  EXPECT_EQ("kept", Clipboard::text().str());
}
