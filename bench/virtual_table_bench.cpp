// A virtual table against a plain filled report list view, in the same run:
// the time to show a table of N rows and paint its first page, the time to
// scroll through 1,000 pages, and the memory a virtual table of the largest N
// adds to an empty table's.
//
//   tarn_virtual_table_bench [pages]     (default 1000)
//
// The plain list is filled (LVM_INSERTITEMA + two LVM_SETITEMTEXTA a row)
// while hidden, then shown; it is timed at 10,000 and 20,000 rows only (it
// grows with N, and larger fills take minutes). The virtual table is timed at
// 10,000 to 10,000,000 rows: its times should not grow with N, and its memory
// should stay within 1 MB of an empty table's.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock.h"
#include <tarn/tarn.h>

#include <psapi.h>  // after <windows.h>, which it needs

using namespace tarn;

namespace {

constexpr int columns = 3;
constexpr int width = 400;
constexpr int height = 300;

struct Times {
  double show = 0;    // made, filled or told its count, shown and painted
  double scroll = 0;  // the pages scrolled and painted
};

String generated(int row, int column) {
  return String("row " + std::to_string(row) + " cell " + std::to_string(column));
}

// Pages down (wrapping to the top at the end), painting after each page.
double scrollPages(HWND list, int pages) {
  double start = seconds();
  for (int p = 0; p < pages; ++p) {
    int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    if (static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0)) == top)
      SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    UpdateWindow(list);
  }
  return seconds() - start;
}

void addColumns(HWND list) {
  for (int c = 0; c < columns; ++c) {
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.cx = 120;
    column.pszText = const_cast<char*>("column");
    column.iSubItem = c;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
}

Times plainTable(HWND parent, int rows, int pages) {
  Times t;
  double start = seconds();
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "plain", WS_CHILD | WS_TABSTOP | LVS_REPORT, 0, 0,
                              width, height, parent, NULL, GetModuleHandleA(NULL), NULL);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  addColumns(list);
  for (int i = 0; i < rows; ++i) {
    std::string text = generated(i, 0).str();
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < columns; ++c) {
      std::string cell = generated(i, c).str();
      LVITEMA sub = {};
      sub.iSubItem = c;
      sub.pszText = const_cast<char*>(cell.c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&sub));
    }
  }
  ShowWindow(list, SW_SHOW);
  UpdateWindow(list);
  t.show = seconds() - start;
  t.scroll = scrollPages(list, pages);
  DestroyWindow(list);
  return t;
}

TableView makeTable(const Control& parent) {
  TableView table("virtual", 1, 0, 0, width, height, parent, false, true, true);
  for (int c = 0; c < columns; ++c) table.addColumn("column");
  for (int c = 0; c < columns; ++c) table.setColumnWidth(c, 120);
  return table;
}

Times virtualTable(const Control& parent, int rows, int pages) {
  Times t;
  double start = seconds();
  TableView table = makeTable(parent);
  table.setVirtual(rows, generated);
  UpdateWindow(table.hwnd);
  t.show = seconds() - start;
  t.scroll = scrollPages(table.hwnd, pages);
  table.destroy();
  return t;
}

struct Memory {
  double privateBytes = 0;
  double workingSet = 0;
};

Memory memoryNow() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return Memory{static_cast<double>(counters.PrivateUsage),
                static_cast<double>(counters.WorkingSetSize)};
}

void row(const char* what, int n, int pages, const Times& t) {
  std::printf("%-8s %10d rows: show+paint %8.3f s  %d pages %8.3f s\n", what, n, t.show, pages,
              t.scroll);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int pages = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 1000;
  Control parent(CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                 NULL, NULL, GetModuleHandleA(NULL), NULL));
  std::printf("tables of %d columns, %dx%d pixels, %d pages scrolled\n", columns, width, height,
              pages);

  // Memory first, before the plain lists' heap growth: an empty table shown and
  // painted, then a virtual table of 10,000,000 rows shown and scrolled.
  Memory before, after;
  {
    TableView empty = makeTable(parent);
    UpdateWindow(empty.hwnd);
    before = memoryNow();
    TableView big = makeTable(parent);
    big.setVirtual(10000000, generated);
    UpdateWindow(big.hwnd);
    scrollPages(big.hwnd, pages);
    after = memoryNow();
    big.destroy();
    empty.destroy();
  }

  const int sizes[] = {10000, 20000, 1000000, 10000000};
  Times plain[2], virt[4];
  for (int k = 0; k < 4; ++k) {
    if (k < 2) {
      plain[k] = plainTable(parent.hwnd, sizes[k], pages);
      row("plain", sizes[k], pages, plain[k]);
    }
    virt[k] = virtualTable(parent, sizes[k], pages);
    row("virtual", sizes[k], pages, virt[k]);
  }
  for (int k = 0; k < 2; ++k)
    std::printf("%d rows: virtual/plain show %.4f  scroll %.3f\n", sizes[k],
                virt[k].show / plain[k].show, virt[k].scroll / plain[k].scroll);
  std::printf("growth 10,000 -> 20,000: plain show x%.2f  virtual show x%.2f\n",
              plain[1].show / plain[0].show, virt[1].show / virt[0].show);
  std::printf("growth 10,000 -> 10,000,000: virtual show x%.2f  scroll x%.2f\n",
              virt[3].show / virt[0].show, virt[3].scroll / virt[0].scroll);
  std::printf(
      "memory, virtual 10,000,000 rows over an empty table: private %+.0f KB, "
      "working set %+.0f KB (target within 1024 KB)\n",
      (after.privateBytes - before.privateBytes) / 1024,
      (after.workingSet - before.workingSet) / 1024);
  DestroyWindow(parent.hwnd);
  return 0;
}
