// A virtual table against a plain filled report list view, in the same run:
// the time to show a table of N rows and paint its first page, the time to
// scroll through 1,000 pages, and the memory a virtual table of the largest N
// adds to an empty table's. Then the calls on a virtual table of 10,000,
// 1,000,000 and 10,000,000 rows: select, selectedRow (one row selected and
// none), a typed prefix found and not found without a finder and found by
// one, setRowCount down to 0 and destruction, each against a plain
// owner-data list view doing the same job at 10,000 rows, with the longest
// time the window took to answer a message sent from another thread meanwhile.
//
//   tarn_virtual_table_bench [pages]     (default 1000)
//   tarn_virtual_table_bench calls       (the calls only)
//
// The plain list is filled (LVM_INSERTITEMA + two LVM_SETITEMTEXTA a row)
// while hidden, then shown; it is timed at 10,000 and 20,000 rows only (it
// grows with N, and larger fills take minutes). The virtual table is timed at
// 10,000 to 10,000,000 rows: its times should not grow with N, and its memory
// should stay within 1 MB of an empty table's.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

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


// ---------------------------------------------------------------------------
// Calls on a virtual table of N rows

// The longest wait, in seconds, of the messages sent to `window` from
// another thread every millisecond or two and sent while calls are measured
// (not while tables are made between them): how long the window's thread
// went without answering.
class Responsiveness {
 public:
  explicit Responsiveness(HWND window)
      : target(window), watcher([this] {
          while (!stop.load()) {
            double start = seconds();
            bool counted = counting.load();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
            double waited = seconds() - start;
            double longest = worst.load();
            while (counted && waited > longest && !worst.compare_exchange_weak(longest, waited)) {
            }
            Sleep(1);
          }
        }) {}
  ~Responsiveness() {
    stop.store(true);
    watcher.join();
  }
  Responsiveness(const Responsiveness&) = delete;
  Responsiveness& operator=(const Responsiveness&) = delete;

  void count(bool on) { counting.store(on); }
  double longest() const { return worst.load(); }
  void reset() { worst.store(0); }

 private:
  HWND target;
  std::atomic<bool> stop{false};
  std::atomic<bool> counting{false};
  std::atomic<double> worst{0};
  std::thread watcher;
};

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The seconds one call of `call(i)` takes, with the messages pumped (and the
// window painted) between calls: the lower quartile of `reps` calls, the
// steadiest figure on a shared machine, where other work only ever adds time.
// `watch`, when given, counts the waits of the calls and of the pumping after.
double perCall(int reps, const std::function<void(int)>& call,
               const std::function<void()>& between = nullptr, Responsiveness* watch = nullptr) {
  std::vector<double> times;
  for (int i = 0; i < reps; ++i) {
    if (between) between();
    pumpMessages();
    if (watch != nullptr) watch->count(true);
    double start = seconds();
    call(i);
    times.push_back(seconds() - start);
    pumpMessages();
    if (watch != nullptr) watch->count(false);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 4];
}

// A typed character's search starts afresh once the control's typing pause
// has passed (Wine: 450 ms); the window answers its messages meanwhile.
void typingPause() {
  for (double until = seconds() + 0.5; seconds() < until; Sleep(1)) pumpMessages();
}

void typeChar(HWND table, char c) { SendMessageA(table, WM_CHAR, static_cast<WPARAM>(c), 1); }

enum Call {
  selectCall,
  selectedOne,
  selectedNone,
  typedMissed,
  typedFound,
  typedFinder,
  countToZero,
  destroyCall,
  callCount
};
const char* const callNames[callCount] = {
    "select(row)",          "selectedRow, one row", "selectedRow, none",
    "typed prefix, none",   "typed prefix, found",  "typed prefix, finder",
    "setRowCount(0)",       "destroy",
};

// First cells: every 1,000th row starts with "found", the rest "row ...".
String callCell(int row, int column) {
  if (column == 0 && row % 1000 == 999) return String("found " + std::to_string(row));
  return generated(row, column);
}

struct CallTimes {
  double call[callCount] = {};
  double longestWait[callCount] = {};  // while the calls of each kind ran
};

CallTimes tableCalls(const Control& parent, Responsiveness& watch, int rows) {
  CallTimes t;
  TableView table = makeTable(parent);
  table.setVirtual(rows, callCell);
  UpdateWindow(table.hwnd);
  pumpMessages();
  auto measure = [&](Call call, int reps, const std::function<void(int)>& run,
                     const std::function<void()>& between = nullptr) {
    watch.reset();
    t.call[call] = perCall(reps, run, between, &watch);
    t.longestWait[call] = watch.longest();
  };
  auto spread = [rows](int i) {
    return static_cast<int>((static_cast<long long>(i) * 7919 * 1237) % rows);
  };
  measure(selectCall, 50, [&](int i) { table.select(spread(i)); });
  measure(selectedOne, 50, [&](int) { (void)int(table.selectedRow); });
  table.select(-1);
  measure(selectedNone, 50, [&](int) { (void)int(table.selectedRow); });
  table.select(0);
  measure(typedMissed, 8, [&](int) { typeChar(table.hwnd, 'q'); }, typingPause);
  measure(typedFound, 8, [&](int) { typeChar(table.hwnd, 'f'); }, typingPause);
  table.setVirtualFind([rows](const String&, int from) { return (from + rows / 2) % rows; });
  measure(typedFinder, 8, [&](int) { typeChar(table.hwnd, 'z'); }, typingPause);
  measure(countToZero, 20, [&](int) { table.setRowCount(0); }, [&] {
    table.setRowCount(rows);
    pumpMessages();
    table.select(rows - 1);
  });
  table.destroy();
  measure(destroyCall, 15, [&](int) { table.destroy(); }, [&] {
    table = makeTable(parent);
    pumpMessages();
    table.setVirtual(rows, callCell);
    pumpMessages();
    table.select(rows / 2);
  });
  return t;
}

// The plain owner-data list view's parent: texts as the toolkit would give
// them, and the search a program writes first, over every row.
LRESULT CALLBACK plainParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NOTIFY) return DefWindowProcA(window, message, wParam, lParam);
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code == LVN_GETDISPINFOA) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0)
      lstrcpynA(item.pszText, callCell(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
    return 0;
  }
  auto search = [&](const std::string& wanted, int start) -> LRESULT {
    int rows = static_cast<int>(SendMessageA(header->hwndFrom, LVM_GETITEMCOUNT, 0, 0));
    if (start < 0 || start >= rows) start = 0;
    for (int k = 0; k < rows; ++k) {
      int row = (start + k) % rows;
      std::string text = callCell(row, 0).str();
      if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(),
                         static_cast<int>(std::min(text.size(), wanted.size())), wanted.c_str(),
                         static_cast<int>(wanted.size())) == CSTR_EQUAL)
        return row;
    }
    return -1;
  };
  if (header->code == LVN_ODFINDITEMA) {
    const NMLVFINDITEMA* find = reinterpret_cast<NMLVFINDITEMA*>(header);
    return search(find->lvfi.psz ? find->lvfi.psz : "", find->iStart);
  }
  if (header->code == LVN_ODFINDITEMW) {
    const NMLVFINDITEMW* find = reinterpret_cast<NMLVFINDITEMW*>(header);
    char wanted[MAX_PATH] = {0};
    WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz ? find->lvfi.psz : L"", -1, wanted, MAX_PATH,
                        NULL, NULL);
    return search(wanted, find->iStart);
  }
  return 0;
}

HWND makePlainList(HWND host, int rows) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "plain",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA, 0, 0,
                              width, height, host, NULL, GetModuleHandleA(NULL), NULL);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  addColumns(list);
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
  UpdateWindow(list);
  return list;
}

void plainSelect(HWND list, int row) {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (row < 0) return;
  state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int plainSelected(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The same calls on a plain owner-data list view (no finder: a program
// without the toolkit searches every row).
CallTimes plainCalls(int rows) {
  WNDCLASSA kind = {};
  kind.lpfnWndProc = plainParent;
  kind.hInstance = GetModuleHandleA(NULL);
  kind.lpszClassName = "TarnBenchPlainHost";
  RegisterClassA(&kind);
  HWND host = CreateWindowExA(0, "TarnBenchPlainHost", "plain", WS_POPUP | WS_VISIBLE, 0, 0, width,
                              height, NULL, NULL, GetModuleHandleA(NULL), NULL);
  CallTimes t;
  HWND list = makePlainList(host, rows);
  auto spread = [rows](int i) { return static_cast<int>((static_cast<long long>(i) * 7919 * 1237) % rows); };
  t.call[selectCall] = perCall(50, [&](int i) { plainSelect(list, spread(i)); });
  t.call[selectedOne] = perCall(50, [&](int) { (void)plainSelected(list); });
  plainSelect(list, -1);
  t.call[selectedNone] = perCall(50, [&](int) { (void)plainSelected(list); });
  plainSelect(list, 0);
  SetFocus(list);
  t.call[typedMissed] = perCall(8, [&](int) { typeChar(list, 'q'); }, typingPause);
  t.call[typedFound] = perCall(8, [&](int) { typeChar(list, 'f'); }, typingPause);
  t.call[typedFinder] = t.call[typedFound];  // the plain program has no finder
  t.call[countToZero] = perCall(
      20, [&](int) { SendMessageA(list, LVM_SETITEMCOUNT, 0, LVSICF_NOSCROLL); },
      [&] {
        SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
        plainSelect(list, rows - 1);
        pumpMessages();
      });
  DestroyWindow(list);
  t.call[destroyCall] = perCall(15, [&](int) { DestroyWindow(list); }, [&] {
    list = makePlainList(host, rows);
    plainSelect(list, rows / 2);
    pumpMessages();
  });
  DestroyWindow(host);
  return t;
}

void printCalls(const Control& parent) {
  const int sizes[] = {10000, 1000000, 10000000};
  constexpr int sizeCount = 3;
  CallTimes times[sizeCount];
  {
    Responsiveness watch(parent.hwnd);
    for (int k = 0; k < sizeCount; ++k) {
      times[k] = tableCalls(parent, watch, sizes[k]);
      std::printf("virtual table calls at %d rows done\n", sizes[k]);
      std::fflush(stdout);
    }
  }
  CallTimes plain = plainCalls(sizes[0]);
  std::printf(
      "\nmilliseconds a call (lower quartile) on a virtual table of N rows and on a plain "
      "owner-data\nlist of 10,000, and the longest wait for an answer from the window meanwhile "
      "(any N)\n");
  std::printf(
      "| call | 10^4 | 10^6 | 10^7 | 10^7 / 10^4 | plain 10^4 | toolkit / plain | longest wait |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  auto ratio = [](double a, double b) { return a / std::max(b, 1e-7); };
  for (int c = 0; c < callCount; ++c) {
    double wait = 0;
    for (const CallTimes& t : times) wait = std::max(wait, t.longestWait[c]);
    std::printf("| %s | %.3f | %.3f | %.3f | %.2f | %.3f | %.2f | %.0f |\n", callNames[c],
                times[0].call[c] * 1000, times[1].call[c] * 1000, times[2].call[c] * 1000,
                ratio(times[2].call[c], times[0].call[c]), plain.call[c] * 1000,
                ratio(times[0].call[c], plain.call[c]), wait * 1000);
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  bool callsOnly = argc > 1 && std::strcmp(argv[1], "calls") == 0;
  int pages = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 1000;
  Control parent(CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                 NULL, NULL, GetModuleHandleA(NULL), NULL));
  if (callsOnly) {
    printCalls(parent);
    DestroyWindow(parent.hwnd);
    return 0;
  }
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
  printCalls(parent);
  DestroyWindow(parent.hwnd);
  return 0;
}
