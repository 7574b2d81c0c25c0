// Fills a table view and a tree view through the toolkit and, side by side in
// the same run, with plain SendMessageA, on hidden controls, for N and 2N, and
// prints both times, their ratio and how each grows from N to 2N.
//
//   tarn_views_bench [rows] [tree items]     (defaults 10000 and 100000)
//
// A table row is addRow plus two setCell (three columns); tree items go 100
// under each top-level item. Target: the toolkit within 5 % of the plain calls,
// and growing no faster than they do.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr int childrenPerItem = 100;

struct Texts {
  std::vector<std::string> plain;
  std::vector<String> toolkit;
};

Texts makeTexts(int n) {
  Texts t;
  t.plain.reserve(static_cast<std::size_t>(n));
  t.toolkit.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    t.plain.push_back("item " + std::to_string(i));
    t.toolkit.push_back(String(t.plain.back()));
  }
  return t;
}

struct Pair {
  double plain = 0;
  double toolkit = 0;
};

// Both controls are filled side by side, a chunk at a time, the order
// alternating from chunk to chunk: both grow alike, and a busy moment of the
// machine falls on both sides instead of on one whole run.
template <class PlainStep, class ToolkitStep>
Pair interleave(int n, int chunk, PlainStep plain, ToolkitStep toolkit) {
  Pair p;
  for (int from = 0, round = 0; from < n; from += chunk, ++round) {
    int to = from + chunk < n ? from + chunk : n;
    for (int side = 0; side < 2; ++side) {
      bool plainSide = (side == 0) == (round % 2 == 0);
      double start = seconds();
      for (int i = from; i < to; ++i) plainSide ? plain(i) : toolkit(i);
      (plainSide ? p.plain : p.toolkit) += seconds() - start;
    }
  }
  return p;
}

// The font the toolkit gives its controls: text is measured in it.
void setGuiFont(HWND window) {
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

HWND plainTable(HWND parent) {
  HWND table = CreateWindowExA(0, WC_LISTVIEWA, "TableView", WS_CHILD | WS_TABSTOP | LVS_REPORT, 0,
                               0, 400, 300, parent, NULL, GetModuleHandleA(NULL), NULL);
  setGuiFont(table);
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.cx = 100;
    column.pszText = const_cast<char*>("column");
    column.iSubItem = c;
    SendMessageA(table, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
  return table;
}

void plainRow(HWND table, const char* text, int i) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = i;
  item.pszText = const_cast<char*>(text);
  SendMessageA(table, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (int c = 1; c < 3; ++c) {
    LVITEMA cell = {};
    cell.iSubItem = c;
    cell.pszText = const_cast<char*>(text);
    SendMessageA(table, LVM_SETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&cell));
  }
}

Pair fillTables(const Control& parent, const Texts& texts, int rows) {
  HWND plain = plainTable(parent.hwnd);
  TableView table("TableView", 1, 0, 0, 400, 300, parent, false, true, false);
  for (int c = 0; c < 3; ++c) table.addColumn("column");
  Pair p = interleave(
      rows, 100,
      [&](int i) { plainRow(plain, texts.plain[static_cast<std::size_t>(i)].c_str(), i); },
      [&](int i) {
        const String& text = texts.toolkit[static_cast<std::size_t>(i)];
        table.addRow(text, 0);
        table.setCell(1, i, text);
        table.setCell(2, i, text);
      });
  DestroyWindow(plain);
  table.destroy();
  return p;
}

HTREEITEM plainInsert(HWND tree, HTREEITEM parent, const char* text, int value) {
  TVINSERTSTRUCTA request = {};
  request.hParent = parent;
  request.hInsertAfter = TVI_LAST;
  request.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
  request.item.pszText = const_cast<char*>(text);
  request.item.lParam = value;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&request)));
}

Pair fillTrees(const Control& parent, const Texts& texts, int items) {
  HWND plain = CreateWindowExA(0, WC_TREEVIEWA, "TreeView", 0x4001006F, 0, 0, 400, 300, parent.hwnd,
                               NULL, GetModuleHandleA(NULL), NULL);
  setGuiFont(plain);
  TreeView tree("TreeView", 2, 0, 0, 400, 300, parent, true, false);
  HTREEITEM plainTop = NULL;
  TreeItem top;
  Pair p = interleave(
      items, 2 * childrenPerItem,
      [&](int i) {
        const char* text = texts.plain[static_cast<std::size_t>(i)].c_str();
        if (i % childrenPerItem == 0) plainTop = plainInsert(plain, TVI_ROOT, text, i);
        plainInsert(plain, plainTop, text, i);
      },
      [&](int i) {
        const String& text = texts.toolkit[static_cast<std::size_t>(i)];
        if (i % childrenPerItem == 0) top = tree.addItem(treeRoot, text, i);
        top.addChild(text, i);
      });
  DestroyWindow(plain);
  tree.destroy();
  return p;
}

void report(const char* what, int n, const Pair& p) {
  std::printf("%-6s %8d: plain %7.3f s  tarn %7.3f s  tarn/plain %.3f\n", what, n, p.plain,
              p.toolkit, p.toolkit / p.plain);
  std::fflush(stdout);
}

void growth(const char* what, const Pair& small, const Pair& large) {
  std::printf("%-6s N -> 2N growth: plain x%.2f  tarn x%.2f\n", what, large.plain / small.plain,
              large.toolkit / small.toolkit);
  std::fflush(stdout);
}

int argument(int argc, char** argv, int index, int fallback) {
  if (argc <= index) return fallback;
  int value = std::atoi(argv[index]);
  return value > 0 ? value : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  int rows = argument(argc, argv, 1, 10000);
  int items = argument(argc, argv, 2, 100000);
  Control parent(CreateWindowExA(0, "STATIC", "bench", WS_POPUP, 0, 0, 400, 300, NULL, NULL,
                                 GetModuleHandleA(NULL), NULL));
  Texts texts = makeTexts(2 * (rows > items ? rows : items));

  std::printf("table: %d and %d rows of 3 cells; tree: %d and %d items, %d under each top item\n",
              rows, 2 * rows, items, 2 * items, childrenPerItem);
  Pair table[2], tree[2];
  for (int k = 0; k < 2; ++k) {
    table[k] = fillTables(parent, texts, rows * (k + 1));
    report("table", rows * (k + 1), table[k]);
  }
  growth("table", table[0], table[1]);
  for (int k = 0; k < 2; ++k) {
    tree[k] = fillTrees(parent, texts, items * (k + 1));
    report("tree", items * (k + 1), tree[k]);
  }
  growth("tree", tree[0], tree[1]);
  DestroyWindow(parent.hwnd);
  return 0;
}
