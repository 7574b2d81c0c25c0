// Virtual tables: the control made again in place, texts asked for only as
// they are painted, selection and cell texts over a million rows, the row
// count changed under a selection, searches by prefix and a null function.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/core/child_layout.h"

using namespace tarn;

namespace {

std::string cellName(int row, int column) {
  return "r" + std::to_string(row) + "c" + std::to_string(column);
}

// A visible top-level host with a virtual table of three columns that counts
// the cells it is asked for.
class VirtualHost : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = Control(CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 60, 50, 420, 320,
                                     NULL, NULL, NULL, NULL));
    table = TableView("", 301, 10, 10, 380, 260, parent);
    for (const char* name : {"first", "second", "third"}) table.addColumn(name);
  }
  void TearDown() override { DestroyWindow(parent.hwnd); }

  void makeVirtual(int rows) {
    table.setVirtual(rows, [this](int row, int column) {
      ++asked;
      askedRows.insert(row);
      return String(cellName(row, column));
    });
  }
  // One paint of the whole table, counting what it asks for.
  int paint() {
    asked = 0;
    askedRows.clear();
    InvalidateRect(table.hwnd, NULL, TRUE);
    UpdateWindow(table.hwnd);
    return asked;
  }
  // The text the control shows in a cell, asked through the control itself.
  std::string shown(int row, int column) {
    char buffer[64] = {0};
    LVITEMA request = {};
    request.iSubItem = column;
    request.pszText = buffer;
    request.cchTextMax = sizeof buffer;
    SendMessageA(table.hwnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&request));
    return buffer;
  }

  Control parent;
  TableView table;
  int asked = 0;
  std::set<int> askedRows;
};

}  // namespace

TEST_F(VirtualHost, SetVirtualMakesTheControlAgainInItsPlace) {
  HWND before =
      CreateWindowExA(0, "STATIC", "before", WS_CHILD, 0, 0, 5, 5, parent.hwnd, NULL, NULL, NULL);
  SetWindowPos(before, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // z-order: before, table
  table.setColumnWidth(1, 140);
  table.setBackColor(RGB(10, 20, 30));
  table.setTextColor(RGB(200, 210, 220));
  table.setGridLines(true);
  detail::setAnchor(table.hwnd, anchorLeft | anchorRight);
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  SendMessageA(table.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  RECT place = {0, 0, 0, 0};
  GetWindowRect(table.hwnd, &place);
  LONG style = GetWindowLongA(table.hwnd, GWL_STYLE);
  TableView copy = table;
  Control plain = Control::wrap(table);
  HWND old = table.hwnd;

  makeVirtual(40);
  ASSERT_NE(old, table.hwnd);
  EXPECT_FALSE(IsWindow(old));
  // Every TableView names the new window; a plain Control keeps the old handle
  // and answers as an object without a window.
  EXPECT_EQ(table.hwnd, copy.hwnd);
  EXPECT_TRUE(copy.isVirtual());
  EXPECT_EQ(40, copy.count());
  EXPECT_EQ(old, plain.hwnd);
  EXPECT_EQ("", plain.text.get().str());
  EXPECT_TRUE(table.isVirtual());
  constexpr LONG scrollBars = WS_HSCROLL | WS_VSCROLL;  // the control's own choice
  EXPECT_EQ((style | LVS_OWNERDATA) & ~scrollBars,
            GetWindowLongA(table.hwnd, GWL_STYLE) & ~scrollBars);
  EXPECT_EQ(301, GetDlgCtrlID(table.hwnd));
  EXPECT_EQ(parent.hwnd, GetParent(table.hwnd));
  EXPECT_EQ(table.hwnd, GetWindow(before, GW_HWNDNEXT));
  RECT now = {0, 0, 0, 0};
  GetWindowRect(table.hwnd, &now);
  EXPECT_TRUE(EqualRect(&place, &now));
  EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(table.hwnd, WM_GETFONT, 0, 0));
  EXPECT_EQ(RGB(10, 20, 30), COLORREF(SendMessageA(table.hwnd, LVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(RGB(200, 210, 220), COLORREF(SendMessageA(table.hwnd, LVM_GETTEXTCOLOR, 0, 0)));
  EXPECT_EQ(LVS_EX_GRIDLINES, SendMessageA(table.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(anchorLeft | anchorRight, detail::anchorOf(table.hwnd));
  const int widths[] = {100, 140, 100};
  for (int c = 0; c < 3; ++c) {
    char text[32] = {0};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessageA(table.hwnd, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(c == 0 ? "first" : c == 1 ? "second" : "third", text);
    EXPECT_EQ(widths[c], column.cx) << c;
  }
  // A second call keeps the window and changes only the function and the count.
  HWND kept = table.hwnd;
  table.setVirtual(7, [](int row, int) { return String("again " + std::to_string(row)); });
  EXPECT_EQ(kept, table.hwnd);
  EXPECT_EQ(7, table.count());
  EXPECT_EQ("again 6", shown(6, 2));
  table.destroy();
  DeleteObject(font);
}

TEST_F(VirtualHost, AMillionRowsAnswerTextsAndSelectionAtStartMiddleAndEnd) {
  makeVirtual(1000000);
  ASSERT_EQ(1000000, table.count());
  EXPECT_EQ(-1, int(table.selectedRow));
  for (int row : {0, 1, 499999, 500000, 999999}) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(cellName(row, column), table.cellText(column, row).str()) << row;
      EXPECT_EQ(cellName(row, column), shown(row, column)) << row;  // through the control
    }
    EXPECT_TRUE(table.select(row)) << row;
    EXPECT_EQ(row, int(table.selectedRow)) << row;
  }
  for (auto cell : {std::make_pair(0, 1000000), std::make_pair(3, 0), std::make_pair(-1, 5)})
    EXPECT_EQ("", table.cellText(cell.first, cell.second).str())
        << cell.first << "," << cell.second;
  EXPECT_FALSE(table.select(1000000));
  EXPECT_EQ(999999, int(table.selectedRow));
  EXPECT_TRUE(table.select(-1));
  EXPECT_EQ(-1, int(table.selectedRow));
}

TEST_F(VirtualHost, PaintingAsksOnlyForTheRowsItShowsOnceUntilRefresh) {
  makeVirtual(1000000);
  ASSERT_TRUE(table.select(500000));  // scrolled into view
  UpdateWindow(table.hwnd);
  table.refresh();
  int top = int(SendMessageA(table.hwnd, LVM_GETTOPINDEX, 0, 0));
  int perPage = int(SendMessageA(table.hwnd, LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(perPage, 0);
  int calls = paint();
  EXPECT_GT(calls, 0);
  EXPECT_LE(calls, (perPage + 1) * 3);
  ASSERT_FALSE(askedRows.empty());
  EXPECT_GE(*askedRows.begin(), top);
  EXPECT_LE(*askedRows.rbegin(), top + perPage);
  EXPECT_EQ(1u, askedRows.count(500000));
  EXPECT_EQ(0, paint());  // the rows just fetched are cached
  table.refresh();
  EXPECT_EQ(calls, paint());
}

TEST_F(VirtualHost, ShrinkingBelowTheSelectionClearsIt) {
  struct Row {
    int selected, rows, expected;
  };
  const Row rows[] = {{10, 5, -1}, {3, 5, 3}, {4, 4, -1}, {0, 0, -1}, {7, 20, 7}, {2, -3, -1}};
  for (const Row& r : rows) {
    makeVirtual(12);
    ASSERT_TRUE(table.select(r.selected)) << r.selected;
    table.setRowCount(r.rows);
    EXPECT_EQ(r.rows < 0 ? 0 : r.rows, table.count()) << r.selected << " to " << r.rows;
    EXPECT_EQ(r.expected, int(table.selectedRow)) << r.selected << " to " << r.rows;
  }
  TableView plain("", 302, 0, 0, 50, 50, parent);
  plain.setRowCount(5);  // not virtual: nothing
  EXPECT_EQ(0, plain.count());
}

TEST_F(VirtualHost, ANullFunctionShowsEmptyCells) {
  table.setVirtual(100, nullptr);
  EXPECT_GE(paint(), 0);
  EXPECT_EQ("", table.cellText(0, 5).str());
  EXPECT_EQ("", shown(5, 0));
  EXPECT_TRUE(table.select(99));
  EXPECT_EQ(99, int(table.selectedRow));
}

TEST_F(VirtualHost, FirstCellPrefixesFindRows) {
  makeVirtual(1000);
  struct Row {
    const char* text;
    UINT flags;
    int start, expected;
  };
  const Row rows[] = {
      {"r5c", LVFI_PARTIAL | LVFI_STRING, -1, 5},
      {"R5", LVFI_PARTIAL | LVFI_STRING, 6, 50},  // case ignored; from row 6 on
      {"r5c", LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP, 599, 5},
      {"r5c", LVFI_PARTIAL | LVFI_STRING, 599, -1},
      {"r999c0", LVFI_STRING, -1, 999},
      {"r99", LVFI_STRING, -1, -1},  // whole texts only
      {"x", LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP, -1, -1},
  };
  for (const Row& r : rows) {
    LVFINDINFOA find = {};
    find.flags = r.flags;
    find.psz = r.text;
    EXPECT_EQ(r.expected, SendMessageA(table.hwnd, LVM_FINDITEMA, static_cast<WPARAM>(r.start),
                                       reinterpret_cast<LPARAM>(&find)))
        << r.text << " from " << r.start;
  }
  // Typing selects the row whose first cell starts with the typed letters.
  table.setVirtual(1000, [](int row, int) {
    return String(row == 700 ? "zebra" : row == 701 ? "zenith" : "row");
  });
  SetFocus(table.hwnd);
  for (char c : std::string("zen")) SendMessageA(table.hwnd, WM_CHAR, static_cast<WPARAM>(c), 1);
  EXPECT_EQ(701, int(table.selectedRow));
}
