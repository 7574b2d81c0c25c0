// The window record: what a window's features hold goes with the window,
// drops are finished, a table made again in place keeps what stood for it,
// commands and notifications from pages reach the form, and a handler may end
// its own window.
#include <gtest/gtest.h>

#include <string>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include "tarn/core/child_layout.h"
#include "tarn/core/dpi.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pumpUntil;

namespace {

Form hostForm() {
  return Form("records", 30, 30, 420, 320, 0, true, true, false, false, false, Control(), false, 0);
}

std::string droppedName;
bool finishTaken = false;
INT_PTR CALLBACK takingDrops(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_DROPFILES) return 0;
  char name[MAX_PATH] = {0};
  DragQueryFileA(reinterpret_cast<HDROP>(wParam), 0, name, MAX_PATH);
  droppedName = name;
  if (finishTaken) DragFinish(reinterpret_cast<HDROP>(wParam));
  return TRUE;
}

}  // namespace

// Above 96 DPI a bitmap box shows a stretched copy of its bitmap; the copy is
// deleted when the box's window goes, and when another bitmap replaces it.
TEST(WindowRecord, BitmapBoxCopiesGoWithTheWindow) {
  Form form = hostForm();
  HBITMAP picture = CreateBitmap(16, 16, 1, 32, NULL);
  detail::forceDpi(144);
  BmpBox box("", 701, 10, 10, 40, 40, form, Bitmap(picture), true, true, false, 0);
  HGDIOBJ shown = reinterpret_cast<HGDIOBJ>(SendMessageA(box.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(nullptr, shown);
  ASSERT_NE(static_cast<HGDIOBJ>(picture), shown);
  EXPECT_EQ(picture, box.setBitmap(Bitmap(picture)));  // answers the program's bitmap
  EXPECT_EQ(0u, GetObjectType(shown));                  // the replaced copy is gone
  shown = reinterpret_cast<HGDIOBJ>(SendMessageA(box.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
  box.destroy();
  detail::forceDpi(0);
  EXPECT_EQ(0u, GetObjectType(shown));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(picture));  // the program's stays
  DeleteObject(picture);
  form.destroy();
}

// Anchored children and the bars that follow the parent's width leave their
// parent's layout when they are destroyed, not at its next change of size.
TEST(WindowRecord, LaidOutChildrenLeaveWithTheirWindows) {
  Form form = hostForm();
  for (int kind = 0; kind < 3; ++kind) {
    Control child;
    if (kind == 0) {
      Label label("anchored", 711, 10, 10, 80, 20, form, true, true, false, 0);
      label.anchor = anchorLeft | anchorRight | anchorBottom;
      child = Control::wrap(label);
    } else if (kind == 1) {
      child = Control::wrap(StatusBar("a;b", 712, form, 2, true, true, 0));
    } else {
      child = Control::wrap(Toolbar(713, form, 0, 0, true, true, true, true, 0));
    }
    EXPECT_EQ(1u, detail::laidOutChildren(form.hwnd)) << kind;
    child.destroy();
    EXPECT_EQ(0u, detail::laidOutChildren(form.hwnd)) << kind;
  }
  form.destroy();
}

// A form finishes the drops its procedure leaves alone (ANSI and wide names);
// a procedure that takes a drop (answers TRUE) owns it and finishes it itself.
TEST(WindowRecord, DropsAreFinishedUnlessTheProcedureTakesThem) {
  Form form = hostForm();
  for (bool wide : {false, true}) {
    HGLOBAL drop = testing_support::makeDrop({L"C:\\x\\dropped.txt"}, POINT{12, 34}, wide);
    SendMessageA(form.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(testing_support::isFreed(drop)) << wide;
  }
  form.procedure = takingDrops;
  for (bool finish : {true, false}) {
    finishTaken = finish;
    droppedName.clear();
    HGLOBAL drop = testing_support::makeDrop({L"C:\\x\\taken.txt"}, POINT{1, 2}, false);
    SendMessageA(form.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ("C:\\x\\taken.txt", droppedName);
    EXPECT_EQ(finish, testing_support::isFreed(drop)) << finish;  // never finished twice, never taken from it
    if (!finish) GlobalFree(drop);
  }
  form.destroy();
}

// Making a table virtual makes its window again: the tooltip, the timers, the
// user-data slot and the handlers go over to the new window, and every
// TableView naming the table names the new one.
TEST(WindowRecord, SetVirtualCarriesWhatStoodForTheTable) {
  Form form = hostForm();
  TableView table("", 721, 10, 10, 300, 200, form);
  table.addColumn("A");
  table.toolTip = "rows of the table";
  table.backColor = RGB(1, 2, 3);  // registers the object with the user-data slot
  ASSERT_TRUE(table.startTimer("tick", 20));
  TableView copy = table;
  HWND old = table.hwnd;
  HWND tooltip = table.tooltipHwnd;

  table.setVirtual(5, [](int row, int) { return String(toString(static_cast<double>(row))); });

  ASSERT_NE(old, table.hwnd);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(table.hwnd, copy.hwnd);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&table), GetWindowLongPtrA(table.hwnd, GWLP_USERDATA));
  EXPECT_TRUE(IsWindow(tooltip));
  EXPECT_EQ(1, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
  EXPECT_EQ("rows of the table", table.toolTip.get().str());
  MSG tick = {};
  EXPECT_TRUE(pumpUntil(
      [&] { return PeekMessageA(&tick, table.hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) != 0; }, 5000));
  EXPECT_EQ(static_cast<WPARAM>(table.timerId("tick")), tick.wParam);
  table.destroy();
  EXPECT_FALSE(IsWindow(tooltip));  // and it still ends with the table
  form.destroy();
}

// Commands and notifications of controls on a tab page (a child form on a tab)
// reach the top-level form's handlers once, unless a nearer form has one.
TEST(WindowRecord, PageMessagesReachTheNearestHandler) {
  Form form = hostForm();
  Tab tab("", 731, 10, 10, 380, 260, form, 0, true, true, false, 0);
  Form page("", 0, 0, 100, 100, 10, true, true, false, false, false, form, true, 0);
  tab.addTab("Page").setPage(page);
  Button button("Press", 732, 10, 10, 80, 24, page, true, true, false, false, 0, false, Icon());
  ListView list("", 733, 10, 40, 200, 100, page);
  list.addItem("one", 0);
  Button onTab("On tab", 734, 300, 200, 60, 24, tab, true, true, false, false, 0, false, Icon());
  int formCommands = 0, pageCommands = 0, tabCommands = 0, changes = 0;
  form.onCommand(732, [&] { ++formCommands; });
  form.onCommand(734, [&] { ++tabCommands; });
  form.onNotify(733, LVN_ITEMCHANGED, [&](NMHDR*) -> LRESULT { return ++changes, 0; });

  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  SendMessageA(onTab.hwnd, BM_CLICK, 0, 0);
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageA(list.hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(1, formCommands);
  EXPECT_EQ(1, tabCommands);
  EXPECT_GE(changes, 1);

  page.onCommand(732, [&] { ++pageCommands; });
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(1, pageCommands);
  EXPECT_EQ(1, formCommands);
  form.destroy();
}

// A handler may destroy the form it runs for: nothing of the record is used
// after it, and the form is gone.
TEST(WindowRecord, AHandlerMayDestroyItsOwnForm) {
  Form form = hostForm();
  Button button("Close", 741, 10, 10, 80, 24, form, true, true, false, false, 0, false, Icon());
  bool ran = false;
  form.onCommand(741, [&] {
    ran = true;
    form.destroy();
  });
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(IsWindow(form.hwnd));
  EXPECT_FALSE(IsWindow(button.hwnd));
}

// An object outlives its window, or its window outlives the object: the
// user-data slot never names a dead object, and nothing touches a dead window.
TEST(WindowRecord, ObjectsAndWindowsEndInEitherOrder) {
  Form form = hostForm();
  HWND window;
  {
    Label label("x", 751, 10, 10, 50, 20, form, true, true, false, 0);
    label.registerObject();
    window = label.hwnd;
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&label), GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  EXPECT_EQ(0, GetWindowLongPtrA(window, GWLP_USERDATA));
  auto* outliving = new Label("y", 752, 10, 40, 50, 20, form, true, true, false, 0);
  outliving->registerObject();
  outliving->destroy();
  delete outliving;  // its window went first
  form.destroy();
}
