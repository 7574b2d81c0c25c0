// Copying table and list rows: Ctrl+C pressed on the keyboard in a filled and
// in a virtual table with several rows selected, read back from the clipboard
// as the same cells; the columns in the order shown; the selected rows of a
// million-row table; a list view's items; and a table with nothing selected,
// whose parent still hears the key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/clipboard_probe.h"
#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;
using Cells = std::vector<std::vector<std::string>>;

namespace {

void selectRows(HWND view, std::initializer_list<int> rows) {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  SendMessageA(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  state.state = LVIS_SELECTED;
  for (int row : rows)
    SendMessageA(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

// Presses Ctrl+C in `view` and waits until the clipboard no longer holds
// "before"; the cells read back from it.
Cells copyWithKeys(HWND window, HWND view) {
  EXPECT_TRUE(Clipboard::setText("before"));
  EXPECT_TRUE(bringToFront(window));
  SetFocus(view);
  pressKeys({VK_CONTROL, 'C'});
  EXPECT_TRUE(pumpUntil([] { return Clipboard::text().str() != "before"; }, 5000));
  return readTabSeparated(Clipboard::text().str());
}

// Counts the LVM_GETNEXTITEM questions a view is asked while the object lives.
class NextItemCounter {
 public:
  explicit NextItemCounter(HWND view) : view(view) {
    SetWindowSubclass(view, count, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~NextItemCounter() { RemoveWindowSubclass(view, count, 1); }
  NextItemCounter(const NextItemCounter&) = delete;
  NextItemCounter& operator=(const NextItemCounter&) = delete;

  int asked = 0;

 private:
  static LRESULT CALLBACK count(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (m == LVM_GETNEXTITEM) ++reinterpret_cast<NextItemCounter*>(self)->asked;
    return DefSubclassProc(w, m, wp, lp);
  }
  HWND view;
};

std::string cellName(int row, int column) {
  return "r" + std::to_string(row) + "c" + std::to_string(column);
}

class TableCopy : public ::testing::Test {
 protected:
  TableCopy()
      : form("Table copy", 40, 40, 460, 340, 0, true, true, false, false, false, Control(), false, 0),
        table("", 701, 10, 10, 420, 280, form) {
    for (const char* name : {"name", "count", "note"}) table.addColumn(name);
  }
  ~TableCopy() override { form.destroy(); }

  Form form;
  TableView table;
};

}  // namespace

TEST_F(TableCopy, CtrlCCopiesTheSelectedRowsOfAFilledTable) {
  const Cells cells = {
      {"apple", "1", "red"},
      {"pear", "2", "green"},
      {"tab\there", "3", "\"quoted\""},
      {"plum", "4", "two\r\nlines"},
      {"fig", "", "last"},
  };
  for (std::size_t r = 0; r < cells.size(); ++r) {
    table.addRow(cells[r][0], 0);
    for (int c = 1; c < 3; ++c) table.setCell(c, int(r), cells[r][std::size_t(c)]);
  }
  selectRows(table.hwnd, {0, 2, 3, 4});
  EXPECT_EQ((std::vector<int>{0, 2, 3, 4}), table.selectedRows());
  EXPECT_EQ((Cells{cells[0], cells[2], cells[3], cells[4]}), copyWithKeys(form.hwnd, table.hwnd));
  // The text ends every row with CR LF, as spreadsheet programs put rows.
  std::string text = Clipboard::text().str();
  EXPECT_EQ("apple\t1\tred\r\n", text.substr(0, 13));
  EXPECT_EQ("\r\n", text.substr(text.size() - 2));

  // The columns come in the order they are shown.
  int order[] = {2, 0, 1};
  ASSERT_TRUE(SendMessageA(table.hwnd, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
  selectRows(table.hwnd, {1});
  ASSERT_TRUE(table.copy());
  EXPECT_EQ((Cells{{"green", "pear", "2"}}), readTabSeparated(Clipboard::text().str()));
}

TEST_F(TableCopy, CtrlCCopiesTheSelectedRowsOfAVirtualTable) {
  int asked = 0;
  table.setVirtual(1000000, [&](int row, int column) {
    ++asked;
    return String(cellName(row, column));
  });
  selectRows(table.hwnd, {5, 500000, 999999});
  {
    NextItemCounter questions(table.hwnd);
    EXPECT_EQ((std::vector<int>{5, 500000, 999999}), table.selectedRows());
    EXPECT_EQ(3, questions.asked);  // one for each selected row, none past the last
  }
  Cells expected;
  for (int row : {5, 500000, 999999})
    expected.push_back({cellName(row, 0), cellName(row, 1), cellName(row, 2)});
  asked = 0;
  EXPECT_EQ(expected, copyWithKeys(form.hwnd, table.hwnd));
  EXPECT_GE(asked, 9);  // the cells came from the function

  // Every row selected (Shift+End from the first): the rows are known without
  // asking for any. (Fewer rows: Wine's list view takes each row it selects
  // one by one.)
  table.setRowCount(2000);
  ASSERT_TRUE(table.select(0));
  pressKeys({VK_SHIFT, VK_END});
  ASSERT_TRUE(pumpUntil(
      [&] { return SendMessageA(table.hwnd, LVM_GETSELECTEDCOUNT, 0, 0) == 2000; }, 5000));
  NextItemCounter questions(table.hwnd);
  std::vector<int> rows = table.selectedRows();
  EXPECT_EQ(0, questions.asked);
  ASSERT_EQ(2000u, rows.size());
  EXPECT_EQ(0, rows.front());
  EXPECT_EQ(1999, rows.back());
}

TEST(ListCopy, ListViewItemsAreCopiedOneALine) {
  Form form("List copy", 40, 40, 300, 200, 0, true, true, false, false, false, Control(), false, 0);
  ListView list("", 702, 10, 10, 260, 150, form);
  for (const char* text : {"one", "two", "three"}) list.addItem(text, 0);
  selectRows(list.hwnd, {0, 2});
  ASSERT_TRUE(list.copy());
  EXPECT_EQ("one\r\nthree\r\n", Clipboard::text().str());
  form.destroy();
}

TEST(TableCopyKeys, NothingSelectedCopiesNothingAndTheParentStillHearsTheKey) {
  MessageHost host;
  TableView table("", 703, 10, 10, 300, 200, host.control());
  table.addColumn("only");
  table.addRow("row", 0);
  ASSERT_TRUE(Clipboard::setText("before"));
  EXPECT_FALSE(table.copy());
  EXPECT_TRUE(table.selectedRows().empty());
  ASSERT_TRUE(bringToFront(host.hwnd));
  SetFocus(table.hwnd);
  pressKeys({VK_CONTROL, 'C'});
  auto heardC = [&] {  // LVN_KEYDOWN for Ctrl, then for C
    int keys = 0;
    for (const MessageHost::Seen& seen : host.seen) keys += seen.code == LVN_KEYDOWN;
    return keys >= 2;
  };
  EXPECT_TRUE(pumpUntil(heardC, 5000));
  EXPECT_EQ("before", Clipboard::text().str());

  TableView none;
  EXPECT_FALSE(none.copy());
  EXPECT_TRUE(none.selectedRows().empty());
}
