// Virtual tables: the control made again in place, texts asked for only as
// they are painted, selection and cell texts over a million rows, the row
// count changed under a selection, searches by prefix and a null function;
// at ten million rows, selection by the toolkit and by the user that touches
// only the selected rows, bounded searches and the program's finder, and
// destruction; row counts, finders and cell functions that misbehave.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/commctl/virtual_table.h"
#include "tarn/core/child_layout.h"

#include <psapi.h>  // after <windows.h>, which it needs

using namespace tarn;

namespace {

constexpr int tenMillion = 10000000;

std::string cellName(int row, int column) {
  return "r" + std::to_string(row) + "c" + std::to_string(column);
}

// The selected rows a virtual table keeps, as "2 5-8", checked against the
// control: the same count, and each row named selected.
std::string keptSelection(HWND table) {
  std::string out;
  long long rows = 0;
  for (const detail::RowRange& r : detail::selectedRowRanges(table)) {
    out += (out.empty() ? "" : " ") + std::to_string(r.first);
    if (r.last != r.first) out += "-" + std::to_string(r.last);
    rows += static_cast<long long>(r.last) - r.first + 1;
    for (int row : {r.first, r.last})
      if (!(SendMessageA(table, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
            LVIS_SELECTED))
        out += "(" + std::to_string(row) + " not selected)";
  }
  if (rows != static_cast<long long>(SendMessageA(table, LVM_GETSELECTEDCOUNT, 0, 0)))
    out += " (control counts another)";
  return out;
}

// Watches a table as a program's own subclasses would: the selection changes
// its parent is told of ("+5", "-5", "+all", "-all", "+2..8"), and the
// messages the toolkit sends it that make the control visit rows one by one
// (the next selected row, a state for every row).
class Watch {
 public:
  Watch(HWND parent, HWND table) : parent(parent), table(table) {
    SetWindowSubclass(parent, &Watch::onParent, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(table, &Watch::onTable, 2, reinterpret_cast<DWORD_PTR>(this));
  }
  ~Watch() {
    if (IsWindow(parent)) RemoveWindowSubclass(parent, &Watch::onParent, 1);
    if (IsWindow(table)) RemoveWindowSubclass(table, &Watch::onTable, 2);
  }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;

  std::vector<std::string> changes;
  int walks = 0;
  bool emptiedWhileDestroyed = false;

 private:
  static LRESULT CALLBACK onParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
    Watch& self = *reinterpret_cast<Watch*>(data);
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message == WM_NOTIFY && header->hwndFrom == self.table) self.note(header);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  static LRESULT CALLBACK onTable(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data) {
    Watch& self = *reinterpret_cast<Watch*>(data);
    if ((message == LVM_GETNEXTITEM && (lParam & LVNI_SELECTED)) ||
        (message == LVM_SETITEMSTATE && static_cast<int>(wParam) == -1))
      ++self.walks;
    if (message == LVM_SETITEMCOUNT && wParam == 0 && self.destroying)
      self.emptiedWhileDestroyed = true;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &Watch::onTable, 2);
    if (message != WM_DESTROY) return DefSubclassProc(window, message, wParam, lParam);
    self.destroying = true;
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    self.destroying = false;
    return result;
  }
  void note(const NMHDR* header) {
    if (header->code == LVN_ITEMCHANGED) {
      const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
      if (((change->uNewState ^ change->uOldState) & LVIS_SELECTED) == 0) return;
      std::string sign = (change->uNewState & LVIS_SELECTED) ? "+" : "-";
      changes.push_back(sign + (change->iItem == -1 ? "all" : std::to_string(change->iItem)));
    } else if (header->code == LVN_ODSTATECHANGED) {
      const NMLVODSTATECHANGE* change = reinterpret_cast<const NMLVODSTATECHANGE*>(header);
      std::string sign = (change->uNewState & LVIS_SELECTED) ? "+" : "-";
      changes.push_back(sign + std::to_string(change->iFrom) + ".." + std::to_string(change->iTo));
    }
  }

  HWND parent;
  HWND table;
  bool destroying = false;
};

double privateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return static_cast<double>(counters.PrivateUsage);
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
  // A fresh table in place of the last (each control keeps its own typed text).
  void remake() {
    table.destroy();
    table = TableView("", 301, 10, 10, 380, 260, parent);
    for (const char* name : {"first", "second", "third"}) table.addColumn(name);
  }
  // A click on a row's label, with `keys` (MK_SHIFT, MK_CONTROL) held, through
  // the control's own mouse messages.
  void click(int row, WPARAM keys = 0) {
    RECT label = {LVIR_LABEL, 0, 0, 0};
    SendMessageA(table.hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&label));
    LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    SendMessageA(table.hwnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageA(table.hwnd, WM_LBUTTONUP, keys, at);
  }
  // Characters typed into the table, as the keyboard would send them.
  void type(const std::string& text) {
    for (char c : text) SendMessageA(table.hwnd, WM_CHAR, static_cast<WPARAM>(c), 1);
  }
  int findPrefix(const char* prefix, int from = -1) {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP;
    find.psz = prefix;
    return static_cast<int>(SendMessageA(table.hwnd, LVM_FINDITEMA, static_cast<WPARAM>(from),
                                         reinterpret_cast<LPARAM>(&find)));
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

// At ten million rows, select, reselect and clearing change only the rows
// that were or become selected (the parent is told of no other), and neither
// they nor selectedRow, also with nothing selected, ask the control to visit
// rows one by one.
TEST_F(VirtualHost, TenMillionRowsSelectTouchingOnlyTheSelectedRows) {
  makeVirtual(tenMillion);
  Watch watch(parent.hwnd, table.hwnd);
  EXPECT_EQ(-1, int(table.selectedRow));
  struct Row {
    int select;
    bool done;
    std::vector<std::string> changes;
    int selected;
  };
  const Row rows[] = {
      {5, true, {"+5"}, 5},
      {tenMillion - 1, true, {"-5", "+9999999"}, tenMillion - 1},
      {tenMillion - 1, true, {}, tenMillion - 1},  // reselected: nothing changes
      {tenMillion, false, {}, tenMillion - 1},     // no such row
      {-1, true, {"-9999999"}, -1},
      {-1, true, {}, -1},
      {0, true, {"+0"}, 0},
  };
  for (const Row& r : rows) {
    watch.changes.clear();
    EXPECT_EQ(r.done, table.select(r.select)) << r.select;
    EXPECT_EQ(r.changes, watch.changes) << r.select;
    EXPECT_EQ(r.selected, int(table.selectedRow)) << r.select;
    EXPECT_EQ(r.selected == -1 ? "" : std::to_string(r.selected), keptSelection(table.hwnd));
  }
  EXPECT_EQ(0, watch.walks);
}

// The user's clicks, ctrl-clicks, shift-ranges and keys on ten million rows
// are followed from what the control tells its parent: the rows the toolkit
// keeps are the control's, and it never had to ask the control for them.
// (Each range is made from an empty selection: the control's own clearing of
// a selection visits every row under Wine.)
TEST_F(VirtualHost, TheUsersClicksRangesAndKeysAreKept) {
  makeVirtual(tenMillion);
  Watch watch(parent.hwnd, table.hwnd);
  ASSERT_TRUE(testing_support::bringToFront(parent.hwnd));
  SetFocus(table.hwnd);
  auto keysDone = [&](int focused) {
    return testing_support::pumpUntil(
        [&] {
          return GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 &&
                 SendMessageA(table.hwnd, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED) == focused;
        },
        5000);
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* kept;
    int first;
  };
  const Step steps[] = {
      {"click 2", [&] { click(2); }, "2", 2},
      {"ctrl-click 5", [&] { click(5, MK_CONTROL); }, "2 5", 2},
      {"ctrl-shift-click 8", [&] { click(8, MK_CONTROL | MK_SHIFT); }, "2 5-8", 2},
      {"ctrl-click 2", [&] { click(2, MK_CONTROL); }, "5-8", 5},
      {"select none", [&] { table.select(-1); }, "", -1},
      {"shift-click 11", [&] { click(11, MK_SHIFT); }, "2-11", 2},  // from the mark, row 2
      {"select none", [&] { table.select(-1); }, "", -1},
      {"down",
       [&] {
         testing_support::pressKeys({VK_DOWN});
         EXPECT_TRUE(keysDone(12));
       },
       "12", 12},
      {"select none", [&] { table.select(-1); }, "", -1},
      {"shift-down",
       [&] {
         testing_support::pressKeys({VK_SHIFT, VK_DOWN});
         EXPECT_TRUE(keysDone(13));
       },
       "12-13", 12},
      {"ctrl-space",
       [&] {
         testing_support::pressKeys({VK_CONTROL, VK_SPACE});
         EXPECT_TRUE(testing_support::pumpUntil(
             [&] { return GetKeyState(VK_CONTROL) >= 0 && int(table.selectedRow) == 12 &&
                          SendMessageA(table.hwnd, LVM_GETSELECTEDCOUNT, 0, 0) == 1; },
             5000));
       },
       "12", 12},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(step.kept, keptSelection(table.hwnd)) << step.what;
    EXPECT_EQ(step.first, int(table.selectedRow)) << step.what;
  }
  EXPECT_EQ(0, watch.walks);
}

// A typed prefix is looked for from the focused row on, round to the top, in
// at most virtualFindLimit first cells: near rows are found, far ones not
// (and then no more cells than the limit were asked for), unless the
// program's finder finds them. Each case on a fresh table of ten million rows.
TEST_F(VirtualHost, TypedPrefixesAreFoundWithinTheLimitOrByTheFinder) {
  constexpr int distant = tenMillion - 1000;
  struct Row {
    int focused;
    const char* typed;
    bool finder;
    int selected;
  };
  const Row rows[] = {
      {0, "ze", false, 700},
      {0, "ZE", false, 700},           // case ignored
      {0, "ya", false, 0},             // too distant: not found
      {distant - 5000, "ya", false, distant},  // near enough
      {tenMillion - 10, "ze", false, 700},  // round to the top
      {0, "ya", true, distant},
      {0, "qq", true, 0},  // the finder finds nothing
  };
  for (const Row& r : rows) {
    remake();
    std::vector<std::string> asked;
    table.setVirtual(tenMillion, [&](int row, int column) {
      if (column == 0) asked.push_back(std::to_string(row));
      return String(row == 700 ? "zebra" : row == distant ? "yak" : "row");
    });
    std::vector<std::pair<std::string, int>> finderCalls;
    if (r.finder)
      table.setVirtualFind([&](const String& prefix, int from) {
        finderCalls.emplace_back(prefix.str(), from);
        return std::string("yak").compare(0, prefix.str().size(), prefix.str()) == 0 ? distant : -1;
      });
    ASSERT_TRUE(table.select(r.focused));
    asked.clear();
    type(r.typed);
    EXPECT_EQ(r.selected, int(table.selectedRow)) << r.typed << " from " << r.focused;
    EXPECT_EQ(std::to_string(r.selected), keptSelection(table.hwnd)) << r.typed;
    if (r.selected == r.focused && !r.finder) {  // each character scanned at most the limit
      EXPECT_LE(asked.size(), 2u * TableView::virtualFindLimit) << r.typed;
    }
    if (r.finder) {
      ASSERT_EQ(2u, finderCalls.size()) << r.typed;
      EXPECT_EQ(std::string(r.typed, 1), finderCalls[0].first);
      EXPECT_EQ(std::string(r.typed), finderCalls[1].first);
      for (const auto& call : finderCalls) {
        EXPECT_GE(call.second, 0);
        EXPECT_LT(call.second, tenMillion);
      }
      EXPECT_TRUE(asked.size() < 100u) << "the scan ran beside the finder";
    }
  }
}

// A table of 2^31 - 1 rows (Windows takes at most 100,000,000) is emptied
// before its window goes, whether it is destroyed or its parent is, so the
// control has no rows to visit on its way out.
TEST_F(VirtualHost, HugeTablesAreEmptiedAsTheirWindowGoes) {
  for (int rows : {INT_MAX, 100000000}) {
    remake();
    table.setVirtual(rows, [](int row, int) { return String(std::to_string(row)); });
    if (table.count() != rows) continue;  // refused by the control
    ASSERT_TRUE(table.select(rows - 1));
    Watch watch(parent.hwnd, table.hwnd);
    table.destroy();
    EXPECT_TRUE(watch.emptiedWhileDestroyed) << rows;
  }
  remake();
  table.setVirtual(100000000, nullptr);
  Watch watch(parent.hwnd, table.hwnd);
  DestroyWindow(parent.hwnd);
  EXPECT_TRUE(watch.emptiedWhileDestroyed);
  EXPECT_FALSE(IsWindow(table.hwnd));
}

// Row counts from INT_MIN to INT_MAX: negative ones are 0; the answer says
// whether the control took the count (Windows refuses more than 100,000,000
// rows and keeps its count); the selection past the end goes; the last row
// answers and can be selected.
TEST_F(VirtualHost, RowCountsFromIntMinToIntMax) {
  makeVirtual(12);
  for (int rows : {INT_MIN, -1, 0, 1, tenMillion, 100000000, 100000001, INT_MAX}) {
    ASSERT_TRUE(table.setRowCount(12));
    ASSERT_TRUE(table.select(11));
    bool took = table.setRowCount(rows);
    int now = table.count();
    EXPECT_EQ(took, now == (rows < 0 ? 0 : rows)) << rows;
    EXPECT_TRUE(took || now == 12) << rows;
    EXPECT_EQ(now > 11 ? 11 : -1, int(table.selectedRow)) << rows;
    EXPECT_FALSE(table.select(now)) << rows;
    if (now > 0) {
      EXPECT_TRUE(table.select(now - 1)) << rows;
      EXPECT_EQ(now - 1, int(table.selectedRow)) << rows;
      EXPECT_EQ(cellName(now - 1, 2), shown(now - 1, 2)) << rows;
    }
  }
  TableView plain("", 302, 0, 0, 50, 50, parent);
  EXPECT_FALSE(plain.setRowCount(5));  // not virtual: nothing
}

// A finder that throws or answers a row the table lacks is reported with the
// runtime check and finds nothing; an answer in range is taken.
TEST_F(VirtualHost, AFinderThatThrowsOrAnswersOutOfRangeIsReportedAndFindsNothing) {
  makeVirtual(1000);
  struct Row {
    const char* what;
    std::function<int(const String&, int)> find;
    int found;
  };
  const Row rows[] = {
      {"throws an exception", [](const String&, int) -> int { throw std::runtime_error("no"); }, -1},
      {"throws an int", [](const String&, int) -> int { throw 42; }, -1},
      {"answers INT_MAX", [](const String&, int) { return INT_MAX; }, -1},
      {"answers -2", [](const String&, int) { return -2; }, -1},
      {"answers the count", [](const String&, int) { return 1000; }, -1},
      {"answers INT_MIN", [](const String&, int) { return INT_MIN; }, -1},
      {"answers the last row", [](const String&, int) { return 999; }, 999},
      {"answers -1", [](const String&, int) { return -1; }, -1},
  };
  for (const Row& r : rows) {
    table.setVirtualFind(r.find);
    testing_support::BoxAnswerer answerer(IDIGNORE);
    EXPECT_EQ(r.found, findPrefix("r")) << r.what;
    bool reported = r.found == -1 && std::string(r.what) != "answers -1";
    ASSERT_EQ(reported ? 1u : 0u, answerer.boxes().size()) << r.what;
    if (reported) {
      EXPECT_NE(std::string::npos, answerer.boxes()[0].text.find("find function")) << r.what;
    }
  }
  // Typed, a throwing finder leaves the selection as it was.
  ASSERT_TRUE(table.select(3));
  table.setVirtualFind([](const String&, int) -> int { throw std::runtime_error("no"); });
  testing_support::BoxAnswerer answerer(IDIGNORE);
  type("r");
  EXPECT_EQ(1u, answerer.boxes().size());
  EXPECT_EQ(3, int(table.selectedRow));
  table.setVirtualFind(nullptr);  // the bounded scan again
  EXPECT_EQ(5, findPrefix("r5c", 4));
}

// A cell function that throws shows empty cells and is reported once, however
// often the table is painted.
TEST_F(VirtualHost, ACellFunctionThatThrowsShowsEmptyCellsReportedOnce) {
  testing_support::BoxAnswerer answerer(IDIGNORE);
  table.setVirtual(100, [](int, int) -> String { throw std::runtime_error("no cells"); });
  paint();
  paint();
  EXPECT_EQ("", shown(5, 0));
  EXPECT_EQ("", table.cellText(1, 5).str());
  EXPECT_EQ(-1, findPrefix("a"));
  ASSERT_EQ(1u, answerer.boxes().size());
  EXPECT_NE(std::string::npos, answerer.boxes()[0].text.find("cell function"));
  makeVirtual(100);  // a new function is reported anew, and this one works
  EXPECT_EQ(cellName(5, 0), shown(5, 0));
}

// Cells of a megabyte: the control's buffers get what fits, terminated, and
// nothing past them is written, in both character sets; cellText answers the
// whole text; searches read them; the cache holds kilobytes, not megabytes.
TEST_F(VirtualHost, MegabyteCellsAreCutAtTheBufferAndNotHeldWhole) {
  const std::string megabyte(1 << 20, 'x');
  double before = privateBytes();
  table.setVirtual(1000, [&](int row, int) { return String(std::to_string(row) + ":" + megabyte); });
  for (int page = 0; page < 5; ++page) {
    SendMessageA(table.hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(table.hwnd);
  }
  EXPECT_LT(privateBytes() - before, 16.0 * (1 << 20));  // the pages shown hold 50 MB of text

  char narrowText[80];
  std::memset(narrowText, 'Z', sizeof narrowText);
  LVITEMA a = {};
  a.iSubItem = 1;
  a.pszText = narrowText;
  a.cchTextMax = 64;
  SendMessageA(table.hwnd, LVM_GETITEMTEXTA, 7, reinterpret_cast<LPARAM>(&a));
  EXPECT_EQ(("7:" + megabyte).substr(0, 63), std::string(narrowText));
  EXPECT_EQ(std::string(16, 'Z'), std::string(narrowText + 64, 16));

  wchar_t wideText[80];
  for (wchar_t& c : wideText) c = L'Z';
  LVITEMW w = {};
  w.iSubItem = 2;
  w.pszText = wideText;
  w.cchTextMax = 64;
  SendMessageW(table.hwnd, LVM_GETITEMTEXTW, 8, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(63u, std::wcslen(wideText));
  EXPECT_EQ(L'8', wideText[0]);
  EXPECT_EQ(std::wstring(16, L'Z'), std::wstring(wideText + 64, 16));

  EXPECT_EQ(megabyte.size() + 3, table.cellText(0, 42).str().size());
  EXPECT_EQ(42, findPrefix("42:xx"));
}
