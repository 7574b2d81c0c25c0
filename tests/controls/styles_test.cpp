// Every standard control on a real window: class, style, text, visibility and
// enabling as created, for each combination of the visible and enabled flags.
#include <functional>
#include <memory>
#include <vector>

#include "controls/host.h"
#include "support/support.h"

using namespace tarn;
using namespace controls_test;

namespace {

struct Kind {
  const char* name;
  // Creates the control on `parent` with the given flags and answers its window.
  std::function<HWND(const Control& parent, bool enabled, bool visible)> make;
  const char* className;
  LONG style;            // without WS_VISIBLE and WS_DISABLED
  const char* text;      // the window text read back
  int id;
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
         return made<Button>(String("Push"), 201, 5, 5, 80, 24, p, e, v, false, false, 0, false, Icon());
       }, "Button", 0x40012000, "Push", 201},
      {"default icon Button", [](const Control& p, bool e, bool v) {
         return made<Button>(String("Go"), 202, 5, 5, 80, 24, p, e, v, false, true, 0, true, appIcon());
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
  };
  return all;
}

}  // namespace

TEST_F(Host, EveryControlHasItsClassStyleAndText) {
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
      EXPECT_EQ(expected, styleOf(window)) << std::hex << styleOf(window);
      EXPECT_EQ(kind.text, testing_support::windowText(window));
      EXPECT_EQ(visible, IsWindowVisible(window) != 0);
      EXPECT_EQ(enabled, IsWindowEnabled(window) != 0);
      EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT),
                reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    }
  keep.clear();
}
