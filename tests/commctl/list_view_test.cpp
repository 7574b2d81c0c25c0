// List and table views on real windows: styles, counters, cells, texts,
// colours and image lists, read back from the control.
#include <gtest/gtest.h>

#include <string>

#include "support/control_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

// The host form at 60, 50 with a client area of 400 x 300.
class ListHost : public testing_support::ControlHost {
 protected:
  ListHost() : ControlHost({60, 50, 400, 300}) {}
  const Control& parent = form;
};

std::string cellText(HWND table, int row, int column) {
  char buffer[256] = {0};
  LVITEMA request = {};
  request.iSubItem = column;
  request.pszText = buffer;
  request.cchTextMax = sizeof buffer;
  SendMessageA(table, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&request));
  return buffer;
}

int columnCountOf(HWND table) {
  return static_cast<int>(SendMessageA(
      reinterpret_cast<HWND>(SendMessageA(table, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
}

COLORREF listColour(HWND list, UINT message) {
  return static_cast<COLORREF>(SendMessageA(list, message, 0, 0));
}

}  // namespace

TEST_F(ListHost, CreationStylesStateAndPlacement) {
  constexpr LONG stateBits = WS_VISIBLE | WS_DISABLED;
  struct Row {
    const char* kind;
    bool editable, enabled, visible;
    LONG style;
  };
  const Row rows[] = {
      {"ListView", false, true, true, 0x40010040},  {"ListView", false, false, false, 0x40010040},
      {"TableView", false, true, true, 0x40010041}, {"TableView", true, true, false, 0x40010241},
      {"TableView", true, false, true, 0x40010241},
  };
  for (const Row& r : rows) {
    Control c = std::string(r.kind) == "ListView"
                    ? Control::wrap(ListView("caption", 201, 15, 25, 120, 90, parent, r.enabled,
                                             r.visible, false, WS_EX_STATICEDGE))
                    : Control::wrap(TableView("caption", 201, 15, 25, 120, 90, parent, r.editable,
                                              r.enabled, r.visible, false, WS_EX_STATICEDGE));
    std::string row = std::string(r.kind) + (r.editable ? " editable" : "") +
                      (r.enabled ? " enabled" : "") + (r.visible ? " visible" : "");
    ASSERT_TRUE(c.isCreated()) << row;
    char cls[32] = {0};
    GetClassNameA(c.hwnd, cls, sizeof cls);
    EXPECT_STREQ("SysListView32", cls) << row;
    EXPECT_EQ(r.style, c.currentStyle() & ~stateBits) << row;
    EXPECT_EQ(r.visible, bool(c.visible)) << row;
    EXPECT_EQ(r.enabled, bool(c.enabled)) << row;
    EXPECT_TRUE(c.hasExStyle(WS_EX_STATICEDGE)) << row;
    EXPECT_EQ(201, c.dialogId()) << row;
    EXPECT_EQ(parent.hwnd, GetParent(c.hwnd)) << row;
    EXPECT_EQ("caption", testing_support::windowText(c.hwnd)) << row;
    EXPECT_EQ(15, int(c.x)) << row;
    EXPECT_EQ(25, int(c.y)) << row;
    EXPECT_EQ(120, int(c.width)) << row;
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), c.font()) << row;
    c.destroy();
  }
  ListView centred("", 202, 0, 0, 100, 60, parent, true, true, true);
  EXPECT_EQ(150, int(centred.x));
  EXPECT_EQ(120, int(centred.y));
}

// The selection can stay marked while another control has the focus.
TEST_F(ListHost, ShowSelectionAlwaysSetsAndClearsTheViewsStyle) {
  ListView icons(form, {.x = 5, .y = 5, .width = 200, .height = 100});
  TableView table(form, {.x = 5, .y = 120, .width = 200, .height = 100});
  for (Control* view : {static_cast<Control*>(&icons), static_cast<Control*>(&table)}) {
    EXPECT_FALSE(view->hasStyle(LVS_SHOWSELALWAYS));
  }
  icons.setShowSelectionAlways(true);
  table.setShowSelectionAlways(true);
  EXPECT_TRUE(icons.hasStyle(LVS_SHOWSELALWAYS));
  EXPECT_TRUE(table.hasStyle(LVS_SHOWSELALWAYS));
  EXPECT_TRUE(table.hasStyle(LVS_REPORT)) << "the other bits stay";
  table.setShowSelectionAlways(false);
  EXPECT_FALSE(table.hasStyle(LVS_SHOWSELALWAYS));
  EXPECT_TRUE(icons.hasStyle(LVS_SHOWSELALWAYS));
}

// What the user sees: with the focus on another control, a selected row is
// painted in the inactive selection's colour only while the style is set.
TEST_F(ListHost, ShowSelectionAlwaysKeepsTheRowMarkedWithoutTheFocus) {
  TableView table(form, {.x = 5, .y = 5, .width = 300, .height = 150});
  TextBox elsewhere(form, {.x = 5, .y = 170});
  table.addColumn("Name");
  table.addRow("first row", 0);
  table.addRow("second row", 0);
  table.select(0);
  elsewhere.focus();
  RECT label = {LVIR_LABEL, 0, 0, 0};
  ASSERT_TRUE(SendMessageA(table.hwnd, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&label)));
  auto marked = [&] {
    UpdateWindow(table.hwnd);
    return testing_support::pixelAt(table.hwnd, label.left + 1, label.top + 1) !=
           testing_support::pixelAt(table.hwnd, label.left + 1, label.bottom + 2);  // row 1
  };
  EXPECT_FALSE(marked());
  table.setShowSelectionAlways(true);
  EXPECT_TRUE(testing_support::pumpUntil(marked, 2000));
  table.setShowSelectionAlways(false);
  EXPECT_TRUE(testing_support::pumpUntil([&] { return !marked(); }, 2000));
}

TEST(ListViewWithoutWindow, AnswersNothing) {
  ListView list;
  EXPECT_TRUE(list.isNull());
  EXPECT_EQ(0, int(list.count));
  EXPECT_EQ(0, list.setBackColor(RGB(1, 2, 3)));
  EXPECT_EQ("", list.itemText(0).str());
  TableView table;
  EXPECT_EQ(0, table.setCell(0, 0, "x"));
}

TEST_F(ListHost, RecordsNameThePlaceTheControlGaveThemAfterClearAndRemove) {
  ListView list("", 203, 0, 0, 200, 200, parent, true, false);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(i, list.addItem("item", 0).index);
  ListViewItem fourth = list.addItem("fourth", 2);
  EXPECT_EQ(list.hwnd, fourth.control);
  EXPECT_EQ(3, fourth.index);
  EXPECT_EQ(UINT(LVIF_TEXT | LVIF_IMAGE), fourth.item.mask);
  EXPECT_EQ(2, fourth.item.iImage);
  EXPECT_EQ(6, fourth.item.cchTextMax);
  EXPECT_EQ(nullptr, fourth.item.pszText);  // the caller's text is not kept
  EXPECT_TRUE(fourth.remove());
  EXPECT_EQ(3, int(list.count));
  EXPECT_TRUE(list.clear());
  ListViewItem after = list.addItem("after clear", 0);
  EXPECT_EQ(0, after.index);  // the place, though the counter went on
  EXPECT_EQ(4, after.item.iItem);
  EXPECT_EQ(5, list.insertCount);
  EXPECT_EQ("after clear", list.itemText(after.index).str());
  EXPECT_EQ(-1, ListViewItem().index);

  TableView table("", 204, 0, 0, 200, 200, parent, false, true, false);
  EXPECT_EQ(0, table.addColumn("a").index);
  table.addRow("r0", 0);
  table.addRow("r1", 0);
  EXPECT_TRUE(table.clear());
  TableRow first = table.addRow("r2", 1);
  TableRow second = table.addRow("r3", 0);
  EXPECT_EQ(0, first.index);
  EXPECT_EQ(1, second.index);
  EXPECT_EQ(4, table.rowCount);
  EXPECT_TRUE(second.remove());  // the row it names, not another
  EXPECT_EQ(1, table.count());
  EXPECT_EQ("r2", cellText(table.hwnd, 0, 0));
  TableColumn removed = table.addColumn("b");
  EXPECT_EQ(1, removed.index);
  EXPECT_TRUE(removed.remove());
  EXPECT_EQ(1, table.addColumn("c").index);  // the counter says 2; the control placed it at 1
  EXPECT_EQ(3, table.columnCount);
}

TEST_F(ListHost, SetCellBoundsFollowTheCountersAndTheControl) {
  TableView table("", 205, 0, 0, 300, 200, parent, false, true, false);
  EXPECT_EQ(0, table.setCell(0, 0, "before anything"));
  table.addColumn("first");
  EXPECT_EQ(0, table.setCell(0, 0, "before a row"));
  table.addColumn("second");
  table.addRow("row 0", 0);
  table.addRow("row 1", 0);
  struct Row {
    int column, row;
    int expected;
  };
  const Row rows[] = {
      {1, 0, 1},  {1, 1, 1},  {0, 1, 1},  // counted cells
      {-1, 0, 0}, {0, -1, 0},             // negatives are huge unsigned
      {2, 0, 0},  {0, 2, 0},              // past the counts
  };
  for (const Row& r : rows)
    EXPECT_EQ(r.expected, table.setCell(r.column, r.row, "cell"))
        << "column " << r.column << " row " << r.row;
  EXPECT_EQ("cell", cellText(table.hwnd, 0, 1));
  EXPECT_EQ("cell", cellText(table.hwnd, 1, 0));

  // After clear the counters still admit rows 0 and 1; the control has none.
  table.clear();
  EXPECT_EQ(0, table.setCell(1, 0, "gone"));
  EXPECT_EQ(0, table.setCell(1, 1, "gone"));
  TableRow row = table.addRow("row 2", 0);  // counted as 2, placed at 0
  EXPECT_EQ(0, table.setCell(1, 1, "no row 1 in the control"));
  EXPECT_EQ(1, table.setCell(1, row.index, "placed"));
  EXPECT_EQ("placed", cellText(table.hwnd, 0, 1));
}

TEST_F(ListHost, ColumnsAreAHundredPixelsUntilResized) {
  TableView table("", 206, 0, 0, 300, 200, parent, false, true, false);
  TableColumn a = table.addColumn("a");
  TableColumn b = table.addColumn("b");
  EXPECT_EQ(0, a.index);
  EXPECT_EQ(1, b.index);
  EXPECT_EQ(1, b.column.iSubItem);
  EXPECT_EQ(table.hwnd, b.control);
  EXPECT_EQ(100, a.width());
  EXPECT_EQ(100, b.width());
  EXPECT_TRUE(table.setColumnWidth(0, 150));
  EXPECT_EQ(150, a.width());
  EXPECT_TRUE(b.setWidth(60));
  EXPECT_EQ(60, b.width());
  EXPECT_EQ(150, a.width());
  EXPECT_EQ(2, columnCountOf(table.hwnd));
  EXPECT_TRUE(b.remove());
  EXPECT_EQ(1, columnCountOf(table.hwnd));
  EXPECT_EQ(1, table.addColumn("c").index);  // placed after the one left
  EXPECT_EQ(3, table.columnCount);           // the counter goes on
}

TEST_F(ListHost, ItemTextsAreCutAt10239Characters) {
  ListView list("", 207, 0, 0, 200, 200, parent, true, false);
  const int lengths[] = {0, 1, 10238, 10239, 10240, 20000};
  for (int n : lengths) {
    list.clear();
    list.addItem(std::string(static_cast<std::size_t>(n), 'x'), 0);
    String back = list.itemText(0);
    std::size_t expected = static_cast<std::size_t>(n < 10239 ? n : 10239);
    EXPECT_EQ(expected, back.str().size()) << n;
    EXPECT_EQ(std::string(expected, 'x'), back.str()) << n;
  }
  EXPECT_EQ("", list.itemText(5).str());
}

TEST_F(ListHost, SelectedIndexFollowsTheControl) {
  ListView list("", 208, 0, 0, 200, 200, parent, true, false);
  EXPECT_EQ(-1, int(list.selectedIndex));
  list.addItem("a", 0);
  list.addItem("b", 0);
  EXPECT_EQ(-1, int(list.selectedIndex));
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageA(list.hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(1, int(list.selectedIndex));
  state.state = 0;
  SendMessageA(list.hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(-1, int(list.selectedIndex));
}

TEST_F(ListHost, BackColourSetsTheTextBackgroundToo) {
  ListView list("", 209, 0, 0, 200, 200, parent);
  TableView table("", 210, 0, 0, 200, 200, parent);
  const COLORREF colours[] = {RGB(200, 30, 40), RGB(0, 0, 0), RGB(255, 255, 255)};
  for (COLORREF c : colours) {
    EXPECT_EQ(1, list.setBackColor(c));
    EXPECT_EQ(c, list.backColor());
    EXPECT_EQ(c, listColour(list.hwnd, LVM_GETTEXTBKCOLOR));
    EXPECT_EQ(1, table.setBackColor(c));
    EXPECT_EQ(c, listColour(table.hwnd, LVM_GETBKCOLOR));
    EXPECT_EQ(c, listColour(table.hwnd, LVM_GETTEXTBKCOLOR));
  }
  EXPECT_TRUE(list.setTextColor(RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), listColour(list.hwnd, LVM_GETTEXTCOLOR));
  EXPECT_TRUE(table.setTextColor(RGB(4, 5, 6)));
  EXPECT_EQ(RGB(4, 5, 6), listColour(table.hwnd, LVM_GETTEXTCOLOR));
}

TEST_F(ListHost, ImageListsTakeTheirSlotByKind) {
  struct Row {
    int large;
    int listSlot;  // where a ListView puts it; a TableView always uses the small slot
  };
  const Row rows[] = {{1, LVSIL_NORMAL}, {2, LVSIL_NORMAL}, {0, LVSIL_SMALL}};
  for (const Row& r : rows) {
    ImageList images(r.large);
    images.addIcon(Icon(IDI_APPLICATION));
    ASSERT_NE(nullptr, images.list);
    ListView list("", 211, 0, 0, 100, 100, parent, true, false);
    TableView table("", 212, 0, 0, 100, 100, parent, false, true, false);
    EXPECT_EQ(nullptr, list.setImageList(images)) << r.large;
    EXPECT_EQ(nullptr, table.setImageList(images)) << r.large;
    int otherSlot = r.listSlot == LVSIL_NORMAL ? LVSIL_SMALL : LVSIL_NORMAL;
    EXPECT_EQ(reinterpret_cast<LRESULT>(images.list),
              SendMessageA(list.hwnd, LVM_GETIMAGELIST, r.listSlot, 0))
        << r.large;
    EXPECT_EQ(0, SendMessageA(list.hwnd, LVM_GETIMAGELIST, otherSlot, 0)) << r.large;
    EXPECT_EQ(reinterpret_cast<LRESULT>(images.list),
              SendMessageA(table.hwnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0))
        << r.large;
    // Each answers the previous list; detached, the views do not destroy it.
    EXPECT_EQ(images.list, list.setImageList(ImageList(r.large))) << r.large;
    EXPECT_EQ(images.list, table.setImageList(ImageList())) << r.large;
    list.destroy();
    table.destroy();
  }
}

TEST_F(ListHost, ImageListsOutliveTheViewsTheyWereGivenTo) {
  for (bool tableView : {false, true}) {
    ImageList images;
    images.addIcon(Icon(IDI_APPLICATION));
    ASSERT_NE(nullptr, images.list);
    if (tableView) {
      TableView view("", 213, 0, 0, 100, 100, parent);
      view.setImageList(images);
      EXPECT_TRUE(view.destroy());
    } else {
      ListView view("", 213, 0, 0, 100, 100, parent);
      view.setImageList(images);
      EXPECT_TRUE(view.destroy());
    }
    // A view that freed the list would leave a handle that answers nothing.
    EXPECT_EQ(1, ImageList_GetImageCount(images.list)) << (tableView ? "table" : "list");
    EXPECT_TRUE(ImageList_Destroy(images.list));
  }
}

// A table of three rows over two columns, the middle row's second cell long.
class FilledTable : public ListHost {
 protected:
  void SetUp() override {
    ListHost::SetUp();
    table = TableView("", 220, 0, 0, 300, 200, parent);
    table.addColumn("name");
    table.addColumn("value");
    for (const char* name : {"first", "middle", "last"})
      table.setCell(1, table.addRow(name, 0).index, name);
  }
  TableView table;
};

TEST_F(FilledTable, SelectionFollowsSelectAndTheControl) {
  EXPECT_EQ(-1, int(table.selectedRow));
  struct Row {
    int row;
    bool done;
    int selected;  // afterwards
  };
  const Row rows[] = {{0, true, 0},   {2, true, 2},   {1, true, 1}, {3, false, 1},
                      {-2, false, 1}, {-1, true, -1}, {2, true, 2}};
  for (const Row& r : rows) {
    EXPECT_EQ(r.done, table.select(r.row)) << r.row;
    EXPECT_EQ(r.selected, int(table.selectedRow)) << r.row;
    EXPECT_EQ(r.selected, int(SendMessageA(table.hwnd, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)))
        << r.row;
  }
  // A selection made by the user (here: the control's own message) reads back too.
  LVITEMA state = {};
  state.stateMask = state.state = LVIS_SELECTED;
  SendMessageA(table.hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(0, int(table.selectedRow));
}

TEST_F(FilledTable, CellTextsComeBackWholeHoweverLong) {
  // Around the first buffer's size, where a control fills the buffer without a
  // terminating zero, and far beyond it.
  for (std::size_t n : {0u, 1u, 254u, 255u, 256u, 257u, 511u, 512u, 10240u, 70000u}) {
    std::string text(n, 'c');
    if (n > 0) text.back() = 'Z';
    ASSERT_EQ(1, table.setCell(1, 1, text)) << n;
    EXPECT_EQ(text, table.cellText(1, 1).str()) << n;
  }
  EXPECT_EQ("first", table.cellText(0, 0).str());
  EXPECT_EQ("last", table.cellText(1, 2).str());
  for (auto cell :
       {std::make_pair(0, 3), std::make_pair(-1, 0), std::make_pair(0, -1), std::make_pair(2, 0)})
    EXPECT_EQ("", table.cellText(cell.first, cell.second).str())
        << cell.first << "," << cell.second;
}

TEST_F(FilledTable, RemoveRowTakesThatPlaceAndExtendedStylesSwitch) {
  EXPECT_FALSE(table.removeRow(3));
  EXPECT_FALSE(table.removeRow(-1));
  EXPECT_TRUE(table.removeRow(1));
  EXPECT_EQ(2, table.count());
  EXPECT_EQ("last", table.cellText(0, 1).str());
  auto extended = [&] { return SendMessageA(table.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); };
  table.setFullRowSelect(true);
  table.setGridLines(true);
  EXPECT_EQ(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, extended());
  table.setFullRowSelect(false);
  EXPECT_EQ(LVS_EX_GRIDLINES, extended());
  table.setGridLines(false);
  EXPECT_EQ(0, extended());
}
