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
      {"ListView", false, true, true, 0x40010000},  {"ListView", false, false, false, 0x40010000},
      {"TableView", false, true, true, 0x40010001}, {"TableView", true, true, false, 0x40010201},
      {"TableView", true, false, true, 0x40010201},
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

TEST(ListViewWithoutWindow, AnswersNothing) {
  ListView list;
  EXPECT_TRUE(list.isNull());
  EXPECT_EQ(0, int(list.count));
  EXPECT_EQ(0, list.setBackColor(RGB(1, 2, 3)));
  EXPECT_EQ("", list.itemText(0).str());
  TableView table;
  EXPECT_EQ(0, table.setCell(0, 0, "x"));
}

TEST_F(ListHost, IndicesContinueAfterClearAndRemove) {
  ListView list("", 203, 0, 0, 200, 200, parent, true, false);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(i, list.addItem("item", 0).index);
  ListViewItem first = list.addItem("fourth", 2);
  EXPECT_EQ(list.hwnd, first.control);
  EXPECT_EQ(3, first.index);
  EXPECT_EQ(UINT(LVIF_TEXT | LVIF_IMAGE), first.item.mask);
  EXPECT_EQ(2, first.item.iImage);
  EXPECT_EQ(6, first.item.cchTextMax);
  EXPECT_EQ(nullptr, first.item.pszText);  // the caller's text is not kept
  EXPECT_EQ(4, int(list.count));
  EXPECT_TRUE(first.remove());
  EXPECT_EQ(3, int(list.count));
  EXPECT_TRUE(list.clear());
  EXPECT_EQ(0, int(list.count));
  ListViewItem after = list.addItem("after clear", 0);
  EXPECT_EQ(4, after.index);
  EXPECT_EQ(1, int(list.count));
  EXPECT_EQ("after clear", list.itemText(0).str());  // appended at the end
  EXPECT_EQ(-1, ListViewItem().index);

  TableView table("", 204, 0, 0, 200, 200, parent, false, true, false);
  table.addColumn("a");
  table.addRow("r0", 0);
  table.addRow("r1", 0);
  EXPECT_TRUE(table.clear());
  TableRow row = table.addRow("r2", 1);
  EXPECT_EQ(2, row.index);
  EXPECT_EQ(3, table.rowCount);
  EXPECT_EQ(1, table.count());
  EXPECT_EQ("r2", cellText(table.hwnd, 0, 0));
  TableRow stale = table.addRow("r3", 0);  // counted as 3, placed at 1
  EXPECT_EQ(2, table.count());
  EXPECT_FALSE(stale.remove());  // index 3 names no row in the control
  EXPECT_EQ(2, table.count());
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
  EXPECT_EQ(0, table.setCell(1, row.index, "no row 2 in the control"));
  EXPECT_EQ(1, table.setCell(1, 0, "placed"));
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
  EXPECT_EQ(2, table.addColumn("c").index);  // the counter goes on
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
