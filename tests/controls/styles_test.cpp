// Every standard control on a real window: class, style, text, visibility and
// enabling as created, for each combination of the visible and enabled flags.
#include <functional>
#include <memory>
#include <vector>

#include "support/control_host.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

struct Kind {
  const char* name;
  // Creates the control on `parent` with the given flags and answers its window.
  std::function<HWND(const Control& parent, bool enabled, bool visible)> make;
  const char* className;
  LONG style;            // without WS_VISIBLE and WS_DISABLED
  const char* text;      // the window text read back
  int id;
  LONG mayDrop = 0;      // style bits the system may leave out
  bool keepsFont = true;  // a static showing a picture keeps no font
};

Icon appIcon() { return Icon(LoadIconA(NULL, IDI_APPLICATION)); }

// Objects are kept alive for the test: some controls register themselves.
std::vector<std::shared_ptr<Control>> keep;

template <class T, class... Args>
HWND made(Args... args) {
  auto object = std::make_shared<T>(args...);
  keep.push_back(object);
  return object->hwnd;
}

const std::vector<Kind>& kinds() {
  static const std::vector<Kind> all = {
      {"Button", [](const Control& p, bool e, bool v) {
         return made<Button>(String("Push"), 201, 5, 5, 80, 24, p, e, v, false, false, 0, false,
                             Icon());
       }, "Button", 0x40012000, "Push", 201},
      {"default icon Button", [](const Control& p, bool e, bool v) {
         return made<Button>(String("Go"), 202, 5, 5, 80, 24, p, e, v, false, true, 0, true,
                             appIcon());
       }, "Button", 0x40012041, "Go", 202},
      {"CheckBox", [](const Control& p, bool e, bool v) {
         return made<CheckBox>(String("Check"), 203, 5, 5, 80, 24, p, false, e, v, false, 0);
       }, "Button", 0x40012003, "Check", 203},
      {"RadioButton", [](const Control& p, bool e, bool v) {
         return made<RadioButton>(String("Radio"), 204, 5, 5, 80, 24, p, e, v, false, 0);
       }, "Button", 0x40012009, "Radio", 204},
      {"GroupBox", [](const Control& p, bool e, bool v) {
         return made<GroupBox>(String("Group"), 205, 5, 5, 80, 60, p, e, v, false, 0);
       }, "Button", 0x40030007, "Group", 205},
      {"Frame", [](const Control& p, bool e, bool v) {
         return made<Frame>(String("Frame"), 206, 5, 5, 80, 60, p, e, v, false, 0);
       }, "Button", 0x40010007, "Frame", 206},
      {"FrameBox", [](const Control& p, bool e, bool v) {
         return made<FrameBox>(String("Box"), 207, 5, 5, 80, 60, p, e, v, false, 0);
       }, "Button", 0x40010007, "Box", 207},
      {"single TextBox", [](const Control& p, bool e, bool v) {
         return made<TextBox>(String("Typed"), 208, 5, 5, 80, 24, p, e, v, false, false, 0);
       }, "Edit", 0x40010080, "Typed", 208},
      {"multi TextBox", [](const Control& p, bool e, bool v) {
         return made<TextBox>(String("a\r\nb"), 209, 5, 5, 80, 60, p, e, v, false, true, 0);
       }, "Edit", 0x403100C4, "a\r\nb", 209},
      {"single PasswordBox", [](const Control& p, bool e, bool v) {
         return made<PasswordBox>(String("pw"), 210, 5, 5, 80, 24, p, e, v, false, false, 0);
       }, "Edit", 0x400100A0, "pw", 210},
      {"multi PasswordBox", [](const Control& p, bool e, bool v) {
         return made<PasswordBox>(String("pw2"), 211, 5, 5, 80, 60, p, e, v, false, true, 0);
       }, "Edit", 0x403100E4, "pw2", 211},
      {"single ReadOnlyBox", [](const Control& p, bool e, bool v) {
         return made<ReadOnlyBox>(String("ro"), 212, 5, 5, 80, 24, p, e, v, false, false, 0);
       }, "Edit", 0x40010880, "ro", 212},
      {"multi ReadOnlyBox", [](const Control& p, bool e, bool v) {
         return made<ReadOnlyBox>(String("ro2"), 213, 5, 5, 80, 60, p, e, v, false, true, 0);
       }, "Edit", 0x403108C4, "ro2", 213},
      {"spinBox", [](const Control& p, bool e, bool v) {
         return made<spinBox>(String("12"), 214, 5, 5, 80, 24, p, e, v, false, 0);
       }, "Edit", 0x40012000, "12", 214},
      {"Label", [](const Control& p, bool e, bool v) {
         return made<Label>(String("Shown"), 215, 5, 5, 80, 24, p, e, v, false, 0);
       }, "Static", 0x40002000, "Shown", 215},
      // Statics showing a picture read a new text as a resource name: theirs stays.
      {"IconBox", [](const Control& p, bool e, bool v) {
         return made<IconBox>(String("not shown"), 216, 5, 5, 80, 80, p, appIcon(), e, v, false, 0);
       }, "Static", 0x40010103, "IconBox", 216, 0, false},
      {"BmpBox", [](const Control& p, bool e, bool v) {
         return made<BmpBox>(String("not shown"), 217, 5, 5, 80, 80, p, Bitmap(), e, v, false, 0);
       }, "Static", 0x40010B0E, "BmpBox", 217, 0, false},
      {"ListBox", [](const Control& p, bool e, bool v) {
         return made<ListBox>(String("List"), 218, 5, 5, 80, 80, p, e, v, false, false, 0);
       }, "ListBox", 0x40011041, "List", 218},
      {"bordered ListBox", [](const Control& p, bool e, bool v) {
         return made<ListBox>(String("List"), 219, 5, 5, 80, 80, p, e, v, false, true, 0);
       }, "ListBox", 0x40811041, "List", 219},
      {"MCListBox", [](const Control& p, bool e, bool v) {
         return made<MCListBox>(String("Columns"), 220, 5, 5, 80, 80, p, e, v, false, false, 40, 0);
       }, "ListBox", 0x40011241, "Columns", 220},
      {"bordered MCListBox", [](const Control& p, bool e, bool v) {
         return made<MCListBox>(String("Columns"), 221, 5, 5, 80, 80, p, e, v, false, true, 40, 0);
       }, "ListBox", 0x40811241, "Columns", 221},
      // The extended combo box drops WS_VSCROLL from its own style.
      {"ComboBox", [](const Control& p, bool e, bool v) {
         return made<ComboBox>(String("Combo"), 222, 5, 5, 80, 80, p, e, v, false, false, 0);
       }, "ComboBoxEx32", 0x40210802, "Combo", 222, WS_VSCROLL},
      // A list-only combo box has no field to hold a text.
      {"list-only ComboBox", [](const Control& p, bool e, bool v) {
         return made<ComboBox>(String("Combo"), 223, 5, 5, 80, 80, p, e, v, false, true, 0);
       }, "ComboBoxEx32", 0x40210803, "", 223, WS_VSCROLL},
      {"StatusBar", [](const Control& p, bool e, bool v) {
         return made<StatusBar>(String("Part 0;Part 1"), 224, p, 2, e, v, 0);
       }, "msctls_statusbar32", 0x40000100, "Part 0", 224},
  };
  return all;
}

}  // namespace

TEST_F(ControlHost, EveryControlHasItsClassStyleAndText) {
  for (const Kind& kind : kinds())
    for (int flags = 0; flags < 4; ++flags) {
      bool enabled = (flags & 1) != 0, visible = (flags & 2) != 0;
      SCOPED_TRACE(std::string(kind.name) + (enabled ? " enabled" : " disabled") +
                   (visible ? " visible" : " hidden"));
      HWND window = kind.make(form, enabled, visible);
      ASSERT_NE(HWND(NULL), window);
      EXPECT_EQ(form.hwnd, GetParent(window));
      EXPECT_EQ(kind.id, GetDlgCtrlID(window));
      EXPECT_EQ(kind.className, classOf(window));
      LONG expected = kind.style | (visible ? WS_VISIBLE : 0) | (enabled ? 0 : WS_DISABLED);
      EXPECT_EQ(expected & ~kind.mayDrop, styleOf(window) & ~kind.mayDrop)
          << std::hex << styleOf(window);
      EXPECT_EQ(kind.text, testing_support::windowText(window));
      EXPECT_EQ(visible, IsWindowVisible(window) != 0);
      EXPECT_EQ(enabled, IsWindowEnabled(window) != 0);
      if (kind.keepsFont) {
        EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT),
                  reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
      }
    }
  keep.clear();
}
