// The rich text box's edit commands: cut, copy and paste through the
// clipboard (plain text read back with Win32 calls, formatting carried from box
// to box), what a read-only box refuses, select all and undo.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

#include "support/clipboard_probe.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

class RichEditCommands : public ::testing::Test {
 protected:
  RichEditCommands()
      : form("Rich edit commands", 10, 10, 420, 320, 0, true, false, false, false, false,
             Control(), false, 0),
        box("", 161, 5, 5, 380, 120, form),
        other("", 162, 5, 140, 380, 120, form) {}
  ~RichEditCommands() override { form.destroy(); }

  static std::string plain(const RichTextBox& b) { return String(b.Control::text).str(); }

  Form form;
  RichTextBox box, other;
};

}  // namespace

TEST_F(RichEditCommands, CopyCutAndPasteThroughTheClipboard) {
  box.text = "Hello world";
  box.select(0, 5);
  ASSERT_TRUE(Clipboard::setText("kept"));
  ASSERT_TRUE(box.copy());
  EXPECT_EQ(L"Hello", rawUnicodeText());
  EXPECT_EQ("Hello world", plain(box));

  box.select(5, 11);
  ASSERT_TRUE(box.cut());
  EXPECT_EQ(L" world", rawUnicodeText());
  EXPECT_EQ("Hello", plain(box));
  EXPECT_TRUE(box.canUndo());
  box.undo();
  EXPECT_EQ("Hello world", plain(box));

  ASSERT_TRUE(Clipboard::setText("there"));
  box.select(6, 11);
  ASSERT_TRUE(box.paste());
  EXPECT_EQ("Hello there", plain(box));
  box.undo();
  EXPECT_EQ("Hello world", plain(box));

  box.selectAll();
  ASSERT_TRUE(box.copy());
  EXPECT_EQ("Hello world", Clipboard::text().str());
}

TEST_F(RichEditCommands, FormattingTravelsFromBoxToBox) {
  box.text = rtfHeader() + rtfBold("Bold") + " plain" + rtfEnd();
  ASSERT_EQ("Bold plain", plain(box));
  // (Wine's whole selection takes the final paragraph mark too, which pastes
  // as a line end: the characters are selected here.)
  box.select(0, 10);
  ASSERT_TRUE(box.copy());
  EXPECT_EQ("Bold plain", Clipboard::text().str());  // the plain text beside the RTF
  other.text = "";
  ASSERT_TRUE(other.paste());
  EXPECT_EQ("Bold plain", plain(other));
  EXPECT_TRUE(charFormatAt(other.hwnd, 1).dwEffects & CFE_BOLD);
  EXPECT_FALSE(charFormatAt(other.hwnd, 7).dwEffects & CFE_BOLD);
}

TEST_F(RichEditCommands, ReadOnlyEmptySelectionAndNoWindowRefuse) {
  box.text = "fixed text";
  box.readOnly = true;
  box.select(0, 5);
  ASSERT_TRUE(Clipboard::setText("kept"));
  EXPECT_FALSE(box.cut());
  EXPECT_FALSE(box.paste());
  EXPECT_EQ("fixed text", plain(box));
  EXPECT_EQ("kept", Clipboard::text().str());
  EXPECT_TRUE(box.copy());  // a read-only box copies
  EXPECT_EQ("fixed", Clipboard::text().str());

  box.readOnly = false;
  box.select(3, 3);
  ASSERT_TRUE(Clipboard::setText("kept"));
  EXPECT_FALSE(box.copy());
  EXPECT_FALSE(box.cut());
  EXPECT_EQ("kept", Clipboard::text().str());

  ASSERT_TRUE(Clipboard::clear());
  EXPECT_FALSE(box.paste());  // nothing the box can paste
  EXPECT_EQ("fixed text", plain(box));

  RichTextBox none;
  EXPECT_FALSE(none.copy());
  EXPECT_FALSE(none.cut());
  EXPECT_FALSE(none.paste());
  EXPECT_FALSE(none.canUndo());
}
