// Text boxes and the spin box: edit operations, text limits, what a narrow
// field keeps, and the spin box's arrows.
#include <functional>
#include <string>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

LRESULT limitOf(HWND edit) { return SendMessageA(edit, EM_GETLIMITTEXT, 0, 0); }

}  // namespace

TEST_F(ControlHost, TextBoxLineOperationsPassTheEditAnswersThrough) {
  TextBox box("one\r\ntwo\r\nthree", 401, 10, 10, 200, 120, form, true, true, false, true, 0);
  EXPECT_EQ(3, int(box.lineCount));
  EXPECT_EQ(5, box.lineIndex(1));
  EXPECT_EQ(-1, box.lineIndex(9));  // past the last line
  EXPECT_EQ(1, box.lineFromChar(6));
  EXPECT_EQ(5, box.lineLength(10));
  box.setSelection(5, 8);
  box.replaceSelection("TWO");
  EXPECT_EQ("one\r\nTWO\r\nthree", String(box.text).str());
  box.undo();  // the replacement cannot be undone
  EXPECT_EQ("one\r\nTWO\r\nthree", String(box.text).str());
  box.text = "";
  EXPECT_EQ(1, int(box.lineCount));
}

TEST_F(ControlHost, TextLimitsAndWhatANarrowFieldKeeps) {
  const std::string wide(500, 'w');
  const std::string long40k(40000, 'r');
  struct Row {
    const char* name;
    std::function<HWND()> make;
    LRESULT limit;
    bool keepsAllTyped;  // EM_REPLACESEL of 500 characters into an 80-pixel field
  } rows[] = {
      {"single TextBox",
       [&] { return TextBox("", 410, 0, 0, 80, 24, form, true, true, false, false, 0).hwnd; },
       0x7FFFFFFE, true},  // scrolls sideways
      {"multi TextBox",
       [&] { return TextBox("", 411, 0, 30, 80, 60, form, true, true, false, true, 0).hwnd; },
       LRESULT(0xFFFFFFFF), true},
      {"single PasswordBox",
       [&] { return PasswordBox("", 412, 0, 100, 80, 24, form, true, true, false, false, 0).hwnd; },
       0x7FFFFFFE, true},  // scrolls sideways too
      {"multi PasswordBox",
       [&] { return PasswordBox("", 413, 0, 130, 80, 60, form, true, true, false, true, 0).hwnd; },
       LRESULT(0xFFFFFFFF), true},
      {"ReadOnlyBox",
       [&] { return ReadOnlyBox("", 414, 0, 200, 80, 24, form, true, true, false, false, 0).hwnd; },
       30000, true},  // scrolls sideways too
      {"spinBox",
       [&] { return spinBox("", 415, 0, 230, 80, 24, form, true, true, false, 0).hwnd; },
       0x7FFFFFFE, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HWND edit = row.make();
    EXPECT_EQ(row.limit, limitOf(edit));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    int kept = GetWindowTextLengthA(edit);
    if (row.keepsAllTyped) {
      EXPECT_EQ(500, kept);
    } else {
      EXPECT_LT(kept, 500);  // no sideways scrolling: only what the width shows
    }
    // Texts set by the program ignore both the limit and the width.
    SetWindowTextA(edit, long40k.c_str());
    EXPECT_EQ(long40k, testing_support::windowText(edit));
  }
}

TEST_F(ControlHost, ASingleLineTextBoxKeepsEverythingTypedPastItsWidth) {
  TextBox box("", 416, 10, 10, 100, 24, form, true, true, false, false, 0);
  box.focus();
  std::string typed;
  for (int i = 0; i < 200; ++i) typed += static_cast<char>('a' + i % 26);
  for (char c : typed) SendMessageA(box.hwnd, WM_CHAR, static_cast<WPARAM>(c), 1);
  EXPECT_EQ(typed, String(box.text).str());
}

TEST_F(ControlHost, PasswordsAreMaskedAndTextsRoundTrip) {
  PasswordBox secret("hidden", 420, 10, 10, 100, 24, form, true, true, false, false, 0);
  EXPECT_EQ('*', SendMessageA(secret.hwnd, EM_GETPASSWORDCHAR, 0, 0));
  EXPECT_EQ("hidden", String(secret.text).str());
  ReadOnlyBox fixed("fixed", 421, 10, 40, 100, 24, form, true, true, false, true, 0);
  EXPECT_EQ("fixed", String(fixed.text).str());
  fixed.text = "changed by the program";
  EXPECT_EQ("changed by the program", String(fixed.text).str());
}

TEST(TextBoxWithoutWindow, ReadsNoLinesWithoutACheck) {
  testing_support::BoxAnswerer answerer(IDIGNORE);
  TextBox box;
  EXPECT_EQ(0, int(box.lineCount));
  EXPECT_EQ(-1, int(box.width));
  spinBox spin;
  EXPECT_EQ(HWND(NULL), spin.spinHandle);
  spin.hideArrows();
  EXPECT_TRUE(answerer.boxes().empty());
}

TEST_F(ControlHost, SpinBoxArrowsSitInsideTheFieldsWidthAndFollowOnlyHideArrows) {
  for (bool visible : {true, false}) {
    SCOPED_TRACE(visible ? "created visible" : "created hidden");
    spinBox spin("42", 430, 100, 50, 120, 24, form, true, visible, false, 0);
    ASSERT_NE(HWND(NULL), spin.spinHandle);
    EXPECT_EQ("msctls_updown32", classOf(spin.spinHandle));
    EXPECT_EQ("spinBox", testing_support::windowText(spin.spinHandle));
    EXPECT_EQ(spin.hwnd, reinterpret_cast<HWND>(SendMessageA(spin.spinHandle, UDM_GETBUDDY, 0, 0)));
    EXPECT_EQ(form.hwnd, GetParent(spin.spinHandle));
    EXPECT_EQ("42", String(spin.text).str());  // attaching keeps the field's text
    EXPECT_EQ(visible, IsWindowVisible(spin.spinHandle) != 0);

    RECT field = placeOf(spin.hwnd);
    RECT arrows = placeOf(spin.spinHandle);
    EXPECT_EQ(100, field.left);
    EXPECT_LT(field.right, 220);             // narrowed for the arrows
    EXPECT_GE(arrows.left, field.left + 60);  // at the right edge ...
    EXPECT_LE(arrows.right, 220);             // ... inside the width given
    EXPECT_GE(arrows.right, field.right);
    EXPECT_EQ(field.top, arrows.top);

    SendMessageA(spin.spinHandle, UDM_SETPOS, 0, MAKELPARAM(7, 0));
    EXPECT_EQ("7", String(spin.text).str());

    spin.show();
    spin.hide();  // the base operations act on the field alone
    EXPECT_FALSE(IsWindowVisible(spin.hwnd));
    EXPECT_EQ(visible, IsWindowVisible(spin.spinHandle) != 0);
    spin.show();
    ShowWindow(spin.spinHandle, SW_SHOW);
    spin.hideArrows();
    EXPECT_FALSE(IsWindowVisible(spin.spinHandle));
    EXPECT_TRUE(IsWindowVisible(spin.hwnd));
    DestroyWindow(spin.spinHandle);
    spin.destroy();
  }
}
