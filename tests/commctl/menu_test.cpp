// Menus: entry flags, previous-state answers, drop-downs addressed through
// their record, insertion by position, the bar, and a context menu answered
// from the test with its command reaching the form's procedure.
#include <gtest/gtest.h>

#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pumpUntil;

namespace {

Form makeForm(bool visible = false) {
  return Form("Menus", 40, 40, 320, 240, 0, true, visible, false, false, false, Control(), false,
              0);
}

std::string entryText(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

UINT entryState(HMENU menu, int position) {
  UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
  // A drop-down's state carries its entry count above the low byte.
  return (state & MF_POPUP) ? state & 0xFF : state;
}

}  // namespace

TEST(Menus, EntryFlagsFollowEnabledAndCheckState) {
  struct Row {
    bool enabled;
    int checkState;
    UINT expected;
  } rows[] = {{true, -1, 0},         {false, -1, MF_GRAYED}, {true, 0, MF_CHECKED},
              {true, -2, MF_CHECKED}, {false, 7, MF_GRAYED | MF_CHECKED}};
  Menu bar;
  MenuItem file = bar.addPopup("File", 0);
  PopupMenu plain, drops;
  MenuItem below = drops.insertPopup("Below", 0);
  int row = 0;
  for (const Row& r : rows) {  // row `row` lands at position `row` of each menu
    bar.addPopup("Entry", 0, r.enabled, r.checkState);
    file.add("Entry", 700 + row, r.enabled, r.checkState);
    below.insertPopup("Entry", row, r.enabled, r.checkState);
    plain.add("Entry", 800 + row, r.enabled, r.checkState);
    drops.insertPopup("Entry", row, r.enabled, r.checkState);
    ++row;
  }
  struct Made {
    const char* by;
    HMENU menu;
    int first;
    UINT kind;
  } made[] = {{"Menu::addPopup", bar.menu, 1, MF_POPUP},
              {"MenuItem::add", file.subMenu, 0, 0},
              {"MenuItem::insertPopup", below.subMenu, 0, MF_POPUP},
              {"PopupMenu::add", plain.menu, 0, 0},
              {"PopupMenu::insertPopup", drops.menu, 0, MF_POPUP}};
  for (const Made& m : made)
    for (int i = 0; i < row; ++i)
      EXPECT_EQ(rows[i].expected | m.kind,
                entryState(m.menu, m.first + i) & (MF_GRAYED | MF_CHECKED | MF_POPUP))
          << m.by << " row " << i;
}

TEST(Menus, CheckAndEnableAnswerThePreviousState) {
  PopupMenu popup;
  MenuItem plain = popup.add("Plain", 501);
  MenuItem drop = popup.insertPopup("Drop", -1);
  drop.add("Inner", 502);
  enum Op { Check, Uncheck, Enable, Disable, Remove };
  struct Step {
    Op op;
    DWORD answer;  // check/uncheck: the state; enable/disable: non-zero or not
  } steps[] = {
      {Uncheck, 0},           // never checked: stays unchecked
      {Check, 0},             {Check, MF_CHECKED}, {Uncheck, MF_CHECKED}, {Uncheck, 0},
      {Enable, 0},            // was enabled
      {Disable, 0},           {Disable, 1},        {Enable, 1},
      {Remove, 1},            {Check, 0xFFFFFFFF}, {Enable, 1},          {Remove, 0},
  };
  for (MenuItem* item : {&plain, &drop})
    for (const Step& step : steps) {
      DWORD answer = 0;
      switch (step.op) {
        case Check: answer = item->check(); break;
        case Uncheck: answer = item->uncheck(); break;
        case Enable: answer = item->enable(); break;
        case Disable: answer = item->disable(); break;
        case Remove: answer = item->remove(); break;
      }
      EXPECT_EQ(step.answer, answer) << item->id << " step " << (&step - steps);
    }
  EXPECT_EQ(0, GetMenuItemCount(popup.menu));
}

TEST(Menus, DropDownsAreAddressedThroughTheirOwnRecord) {
  Form form = makeForm(true);
  Menu bar(form);
  EXPECT_EQ(NULL, GetMenu(form.hwnd));  // shown at the first drop-down
  MenuItem file = bar.addPopup("&File", 0);
  MenuItem open = file.add("&Open", 1);  // command 1, as the next drop-down's position
  MenuItem edit = bar.addPopup("&Edit", 1);
  edit.add("&Copy", 2);
  ASSERT_EQ(bar.menu, GetMenu(form.hwnd));

  EXPECT_FALSE(edit.disable());
  EXPECT_EQ(UINT(MF_GRAYED), entryState(bar.menu, 1) & MF_GRAYED);
  EXPECT_EQ(0u, entryState(bar.menu, 0) & MF_GRAYED);
  EXPECT_EQ(0u, entryState(file.subMenu, 0) & MF_GRAYED) << "Open has the number 1 too";
  EXPECT_TRUE(edit.enable());
  EXPECT_EQ(0u, entryState(bar.menu, 1) & MF_GRAYED);

  EXPECT_TRUE(edit.hilite());
  EXPECT_EQ(UINT(MF_HILITE), entryState(bar.menu, 1) & MF_HILITE);
  EXPECT_EQ(0u, entryState(bar.menu, 0) & MF_HILITE);
  // Wine selects the entry for MF_UNHILITE too, so only the answer is checked.
  EXPECT_TRUE(edit.unhilite());

  // A new caption keeps the entry a greyed, checked drop-down with its menu.
  edit.disable();
  edit.check();
  EXPECT_TRUE(edit.setText("&Change"));
  EXPECT_EQ("&Change", entryText(bar.menu, 1));
  EXPECT_EQ(edit.subMenu, GetSubMenu(bar.menu, 1));
  EXPECT_EQ(UINT(MF_GRAYED | MF_CHECKED | MF_POPUP),
            entryState(bar.menu, 1) & (MF_GRAYED | MF_CHECKED | MF_POPUP));
  EXPECT_TRUE(open.setText("&Open..."));
  EXPECT_EQ("&Open...", entryText(file.subMenu, 0));

  EXPECT_TRUE(file.remove());
  EXPECT_EQ(1, GetMenuItemCount(bar.menu));
  EXPECT_EQ("&Change", entryText(bar.menu, 0));
  form.destroy();
}

TEST(Menus, InsertPopupGoesToAPosition) {
  struct Row {
    int position;
    int landsAt;  // in a menu of "A", separator, "B"
  } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {99, 3}, {-1, 3}};
  for (const Row& row : rows) {
    PopupMenu popup;
    popup.add("A", 10);
    popup.addSeparator();
    popup.add("B", 11);
    MenuItem inserted = popup.insertPopup("X", row.position);
    EXPECT_EQ("X", entryText(popup.menu, row.landsAt)) << "popup, position " << row.position;
    EXPECT_EQ(inserted.subMenu, GetSubMenu(popup.menu, row.landsAt));
    EXPECT_EQ(row.position, inserted.id);

    MenuItem parent = popup.insertPopup("Parent", -1);
    parent.add("A", 20);
    parent.addSeparator();
    parent.add("B", 21);
    parent.insertPopup("X", row.position);
    EXPECT_EQ("X", entryText(parent.subMenu, row.landsAt)) << "item, position " << row.position;
    EXPECT_EQ(row.position, parent.lastId);
  }
}

TEST(Menus, PlainEntriesMakeTheirMenuOnlyWhenSomethingGoesBelow) {
  PopupMenu popup;
  MenuItem plain = popup.add("Plain", 30);
  MenuItem separator = popup.addSeparator();
  EXPECT_EQ(NULL, plain.subMenu);
  EXPECT_EQ(NULL, separator.subMenu);
  EXPECT_EQ(0, separator.id);
  EXPECT_EQ(UINT(MF_SEPARATOR), entryState(popup.menu, 1) & MF_SEPARATOR);

  plain.add("Below", 31);
  ASSERT_NE(nullptr, plain.subMenu);
  EXPECT_EQ(1, GetMenuItemCount(plain.subMenu));
  EXPECT_EQ(31, plain.lastId);
  EXPECT_TRUE(plain.addSeparator());
  EXPECT_EQ(2, GetMenuItemCount(plain.subMenu));
  EXPECT_EQ(2, GetMenuItemCount(popup.menu));
}

TEST(Menus, ABarBuiltBeforeAttachShowsItsEntriesWhenAttached) {
  Form form = makeForm();
  Menu bar;
  MenuItem view = bar.addPopup("View", 0);
  view.add("Zoom", 40);
  EXPECT_EQ(NULL, GetMenu(form.hwnd));
  EXPECT_EQ(NULL, view.owner);
  EXPECT_TRUE(bar.attach(form));
  EXPECT_EQ(bar.menu, GetMenu(form.hwnd));
  EXPECT_EQ(1, GetMenuItemCount(GetSubMenu(bar.menu, 0)));
  form.destroy();
}

// ---------------------------------------------------------------------------
// A context menu answered from the test: a thread timer runs inside the
// menu's own loop and drives the menu window with keys.

namespace {

std::vector<WPARAM> commandsSeen;
bool markerSeen = false;
constexpr UINT marker = WM_APP + 7;
int downPresses = 0;  // 0: close the menu without a choice
int ticksLeft = 0;     // a menu that never comes up is closed, failing the test

INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) commandsSeen.push_back(wParam);
  if (message == marker) markerSeen = true;
  return 0;
}

void CALLBACK answerMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menuWindow = FindWindowA("#32768", NULL);
  bool up = menuWindow != NULL && IsWindowVisible(menuWindow);
  if (!up && --ticksLeft > 0) return;  // not up yet: next tick
  KillTimer(NULL, timer);
  if (!up || downPresses == 0) {
    EndMenu();
    return;
  }
  for (int i = 0; i < downPresses; ++i) PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

TEST(Menus, APopupChoiceReachesTheFormProcedure) {
  Form form = makeForm(true);
  form.procedure = recordingProcedure;
  PopupMenu popup;
  popup.add("First", 501);
  popup.addSeparator();
  popup.add("Second", 502);
  popup.add("Greyed", 503, false);
  popup.add("Third", 504);

  struct Row {
    int downs;
    std::vector<WPARAM> commands;
  } rows[] = {{2, {502}}, {0, {}}, {1, {501}}, {3, {}}, {4, {504}}};  // 3: the greyed one
  for (const Row& row : rows) {
    commandsSeen.clear();
    markerSeen = false;
    downPresses = row.downs;
    ticksLeft = 500;
    ASSERT_NE(0u, SetTimer(NULL, 0, 20, answerMenu));
    EXPECT_TRUE(popup.show(form)) << row.downs;
    EXPECT_EQ(form.hwnd, GetForegroundWindow());
    // The choice is posted before the menu returns: once a marker posted now
    // has arrived, every command it could send has arrived too.
    PostMessageA(form.hwnd, marker, 0, 0);
    ASSERT_TRUE(pumpUntil([] { return markerSeen; }, 5000));
    EXPECT_EQ(row.commands, commandsSeen) << row.downs << " presses";
  }
  form.destroy();
}
