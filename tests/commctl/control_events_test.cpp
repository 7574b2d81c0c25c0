// The common controls' events, fired the way the user fires them (the mouse
// and keys through the system's input, or the control's own messages): the
// views' selection once per change and their activation, the tree's
// selection, track and scroll bar positions, tabs, rich text, toolbar buttons
// and menu entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

// The list view and the table view share their events; they differ in how
// they are made.
template <class View>
struct ViewKind;

template <>
struct ViewKind<TableView> {
  static TableView make(const Control& parent) {
    TableView table("", 4100, 10, 10, 300, 250, parent);
    table.addColumn("Name");
    for (int i = 0; i < 8; ++i) table.addRow("row " + std::to_string(i), 0);
    return table;
  }
};

template <>
struct ViewKind<ListView> {
  static ListView make(const Control& parent) {
    ListView list("", 4101, 10, 10, 500, 300, parent);
    for (int i = 0; i < 8; ++i) list.addItem("item " + std::to_string(i), 0);
    return list;
  }
};

// Selects `row` (and gives it the focus) or clears it; -1: every row.
void setSelected(HWND view, int row, bool on) {
  LVITEMA state = {};
  state.stateMask = on ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
  state.state = on ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  SendMessageA(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

// A point the view finds `row` at: in an icon view without pictures much of
// an item's bounds is empty space.
POINT pointOn(HWND view, int row) {
  RECT r = {};
  r.left = LVIR_BOUNDS;
  SendMessageA(view, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  for (LONG y = r.top + 1; y < r.bottom; y += 2)
    for (LONG x = (r.left + r.right) / 2; x < r.right; x += 2) {
      LVHITTESTINFO hit = {};
      hit.pt = POINT{x, y};
      if (SendMessageA(view, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row)
        return hit.pt;
    }
  return POINT{-1, -1};
}

template <class View>
class ViewEvents : public ControlHost {};

using ViewTypes = ::testing::Types<TableView, ListView>;
TYPED_TEST_SUITE(ViewEvents, ViewTypes);

}  // namespace

// One report per change of the selected row, whoever changes it and however
// many rows the control reports along the way; none while rows come and go
// around it.
TYPED_TEST(ViewEvents, SelectionIsReportedOncePerChange) {
  TypeParam view = ViewKind<TypeParam>::make(this->form);
  HWND h = view.hwnd;
  std::vector<int> told;
  view.onSelectionChange([&](int row) { told.push_back(row); });

  setSelected(h, 2, true);  // the control's own message
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2}), told);

  // From 2 to 5: the control reports 2 left and 5 reached; the handler hears 5.
  setSelected(h, -1, false);
  setSelected(h, 5, true);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5}), told);

  // The last row by the keyboard, and a click with the mouse.
  ASSERT_TRUE(bringToFront(this->form.hwnd));
  SetFocus(h);
  SendMessageA(h, WM_KEYDOWN, VK_END, 0);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7}), told);
  clickMouse(h, pointOn(h, 1));
  ASSERT_TRUE(pumpUntil([&] { return told.size() == 4; }, 5000));
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1}), told);

  // Selecting it again changes nothing; rows inserted and deleted before it
  // move it without a report.
  setSelected(h, 1, true);
  LVITEMA first = {};
  first.mask = LVIF_TEXT;
  first.iItem = 0;
  first.pszText = const_cast<char*>("new");
  ASSERT_EQ(0, SendMessageA(h, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&first)));
  ASSERT_TRUE(SendMessageA(h, LVM_DELETEITEM, 0, 0));
  ASSERT_TRUE(SendMessageA(h, LVM_DELETEITEM, 0, 0));  // the selected row is now 0
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1}), told);
  setSelected(h, 1, true);  // the number the handler was last told, but another row
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1}), told);  // row 0 still comes first
  setSelected(h, 0, false);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1, 1}), told);

  // Deleting the selected row, then clearing what is left: none.
  ASSERT_TRUE(SendMessageA(h, LVM_DELETEITEM, 1, 0));
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1, 1, -1}), told);
  setSelected(h, 3, true);
  setSelected(h, -1, false);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{2, 5, 7, 1, 1, -1, 3, -1}), told);
}

// A double-click on a row activates it; so does Enter while the view has the
// focus, which it then takes from the form's default button.
TYPED_TEST(ViewEvents, DoubleClickAndEnterActivateARow) {
  Form window("Views", 40, 40, 600, 400, 0, true, true, false, false, false, Control(), false, 0);
  TypeParam view = ViewKind<TypeParam>::make(window);
  Button ok("OK", 4102, 520, 330, 60, 24, window, true, true, false, true, 0, false, Icon());
  std::vector<std::string> told;
  ok.onClick([&] { told.push_back("default button"); });
  view.onActivate([&](int row) {
    told.push_back("row " + std::to_string(row));
    PostQuitMessage(0);
  });
  ASSERT_TRUE(bringToFront(window.hwnd));
  clickMouse(view.hwnd, pointOn(view.hwnd, 3), 2);
  EXPECT_EQ(0, loopWithWatchdog());
  EXPECT_EQ((std::vector<std::string>{"row 3"}), told);

  setSelected(view.hwnd, 3, false);
  setSelected(view.hwnd, 6, true);
  SetFocus(view.hwnd);
  pressKeys({VK_RETURN});
  EXPECT_EQ(0, loopWithWatchdog());
  EXPECT_EQ((std::vector<std::string>{"row 3", "row 6"}), told);

  // Without the handler, Enter is the form's again: the default button's.
  view.onActivate(nullptr);
  ok.onClick([&] {
    told.push_back("default button");
    PostQuitMessage(0);
  });
  SetFocus(view.hwnd);
  pressKeys({VK_RETURN});
  EXPECT_EQ(0, loopWithWatchdog());
  EXPECT_EQ((std::vector<std::string>{"row 3", "row 6", "default button"}), told);
  window.destroy();
}

// The table made again in place (setVirtual) keeps its events.
TEST_F(ControlHost, AVirtualTableKeepsItsSelectionEvent) {
  TableView table("", 4103, 10, 10, 300, 250, form);
  table.addColumn("Name");
  std::vector<int> told;
  table.onSelectionChange([&](int row) { told.push_back(row); });
  table.setVirtual(100, [](int row, int) { return String("row " + std::to_string(row)); });
  table.select(40);
  table.select(60);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{40, 60}), told);
  table.select(-1);
  ASSERT_TRUE(settle());
  EXPECT_EQ((std::vector<int>{40, 60, -1}), told);
}

// The tree tells each change once, with the item as selectedItem reads it.
TEST(TreeViewEvents, SelectionChangesTellTheSelectedItem) {
  MessageHost host;
  TreeView tree("", 4104, 10, 10, 300, 300, host.control());
  TreeItem fruit = tree.addItem(TreeItem(), "fruit", 1);
  TreeItem apple = fruit.addChild("apple", 2);
  TreeItem pear = tree.addItem(TreeItem(), "pear", 3);
  std::vector<std::string> told;
  tree.onSelectionChange([&](const TreeItem& item) {
    told.push_back(item.handle == NULL ? "none" : item.text.str() + std::to_string(item.value));
  });
  apple.select();
  apple.select();  // no change
  SetFocus(tree.hwnd);
  SendMessageA(tree.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  tree.clearSelection();
  pear.select();
  EXPECT_EQ((std::vector<std::string>{"apple2", "pear3", "none", "pear3"}), told);
}

// Positions: once per change, whoever moves the thumb; the scroll bar moves
// its own thumb for its handler.
TEST(PositionEvents, TrackAndScrollBarTellEachNewPosition) {
  MessageHost host;
  Track track(4105, 10, 10, 200, 30, host.control(), 10);
  std::vector<int> told;
  track.onChange([&](int position) { told.push_back(position); });
  SendMessageA(track.hwnd, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(track.hwnd, WM_KEYUP, VK_RIGHT, 0);  // the end of the move: no change
  track.value = 7;
  track.value = 7;
  SendMessageA(track.hwnd, WM_KEYDOWN, VK_END, 0);
  SendMessageA(track.hwnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ((std::vector<int>{1, 7, 10}), told);

  ScrollBar bar(4106, 10, 60, 300, 20, host.control());
  told.clear();
  bar.onChange([&](int position) { told.push_back(position); });
  SendMessageA(bar.hwnd, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(bar.hwnd, WM_KEYDOWN, VK_NEXT, 0);  // a tenth of 1..100
  SendMessageA(bar.hwnd, WM_KEYDOWN, VK_END, 0);
  SendMessageA(bar.hwnd, WM_KEYDOWN, VK_RIGHT, 0);  // at the end already
  SendMessageA(bar.hwnd, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ((std::vector<int>{2, 11, 100, 1}), told);
  EXPECT_EQ(1, GetScrollPos(bar.hwnd, SB_CTL));

  // A drag of the thumb leaves it where it was dropped.
  SCROLLBARINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(bar.hwnd, OBJID_CLIENT, &info));
  int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
  host.seen.clear();
  PostMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb, 10));
  PostMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb + 120, 10));
  PostMessageA(bar.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(thumb + 120, 10));
  ASSERT_TRUE(pumpUntil(
      [&] {
        for (const MessageHost::Seen& s : host.seen)
          if (s.message == WM_HSCROLL && LOWORD(s.wParam) == SB_ENDSCROLL) return true;
        return false;
      },
      5000));
  ASSERT_GT(told.size(), 4u);
  EXPECT_GT(told.back(), 1);
  EXPECT_EQ(told.back(), GetScrollPos(bar.hwnd, SB_CTL));
  for (std::size_t i = 1; i < told.size(); ++i) EXPECT_NE(told[i - 1], told[i]) << i;
}

// A tab tells the user's change of tab; select() is the program's and tells
// nothing.
TEST(TabEvents, TheUsersChangeOfTabIsTold) {
  MessageHost host;
  Tab tab("", 4107, 10, 10, 300, 200, host.control());
  for (const char* name : {"one", "two", "three"}) tab.addTab(name);
  std::vector<int> told;
  tab.onChange([&](int index) { told.push_back(index); });
  SendMessageA(tab.hwnd, TCM_SETCURFOCUS, 1, 0);
  tab.select(2);
  SendMessageA(tab.hwnd, TCM_SETCURFOCUS, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 0}), told);
}

// Typing into rich text and replacing its selection: one change each.
TEST(RichTextEvents, EachChangeIsTold) {
  MessageHost host;
  RichTextBox box("start", 4108, 10, 10, 300, 200, host.control());
  int changes = 0;
  box.onChange([&] { ++changes; });
  SendMessageA(box.hwnd, WM_CHAR, 'x', 1);
  SendMessageA(box.hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("more"));
  EXPECT_EQ(2, changes);
  box.onChange(nullptr);
  SendMessageA(box.hwnd, WM_CHAR, 'y', 1);
  EXPECT_EQ(2, changes);
}

// Each toolbar button's click runs its own handler, then the form's command.
TEST_F(ControlHost, ToolbarButtonsRunTheirOwnHandlers) {
  Toolbar bar(4109, form, 0, 0);
  bar.setShowText(true);
  ToolbarButton one = bar.addButton("One", 0, 4110);
  ToolbarButton two = bar.addButton("Two", 1, 4111);
  std::vector<std::string> told;
  one.onClick([&] { told.push_back("one"); });
  two.onClick([&] { told.push_back("two"); });
  form.onCommand(4111, [&] { told.push_back("command"); });
  auto click = [&](int index) {
    RECT r = {};
    SendMessageA(bar.hwnd, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    std::size_t before = told.size();
    clickMouse(bar.hwnd, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    return pumpUntil([&] { return told.size() > before; }, 5000) && settle();
  };
  ASSERT_TRUE(bringToFront(form.hwnd));
  ASSERT_TRUE(click(1));
  ASSERT_TRUE(click(0));
  one.onClick(nullptr);
  two.onClick([&] { told.push_back("two again"); });
  ASSERT_TRUE(click(1));
  EXPECT_EQ((std::vector<std::string>{"two", "command", "one", "two again", "command"}), told);
}

// A menu entry chosen with the keyboard, and its shortcut, run its handler
// before the form's command; an entry of a context menu cannot have one.
TEST(MenuEvents, AnEntryAndItsShortcutRunItsHandler) {
  Form window("Menus", 40, 40, 400, 300, 0, true, true, false, false, false, Control(), false, 0);
  Menu bar(window);
  MenuItem file = bar.addPopup("&File", 0);
  MenuItem open = file.add("&Open", 4112);
  file.add("&Quit", 4113);
  std::vector<std::string> told;
  open.onClick([&] { told.push_back("open"); });
  window.onCommand(4112, [&] {
    told.push_back("command");
    PostQuitMessage(0);
  });
  window.addShortcut(FCONTROL, 'O', 4112);
  ASSERT_TRUE(bringToFront(window.hwnd));
  pressKeys({VK_MENU, 'F'});
  pressKeys({VK_RETURN});
  EXPECT_EQ(0, loopWithWatchdog());
  pressKeys({VK_CONTROL, 'O'});
  EXPECT_EQ(0, loopWithWatchdog());
  EXPECT_EQ((std::vector<std::string>{"open", "command", "open", "command"}), told);

  PopupMenu context;
  MenuItem entry = context.add("Entry", 4114);
  BoxAnswerer answerer(IDIGNORE);
  entry.onClick([] {});
  file.onClick([] {});  // a drop-down entry
  EXPECT_EQ(2u, answerer.boxes().size());
  window.destroy();
}
