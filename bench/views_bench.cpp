// Fills a table view and a tree view through the toolkit and, in the same run,
// with plain SendMessageA, on hidden controls, for N and 2N, and prints both
// times, their ratio and how each grows from N to 2N.
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
#include "tarn.h"

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

HWND plainTable(HWND parent) {
  HWND table = CreateWindowExA(0, WC_LISTVIEWA, "TableView", WS_CHILD | WS_TABSTOP | LVS_REPORT,
                               0, 0, 400, 300, parent, NULL, GetModuleHandleA(NULL), NULL);
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.cx = 100;
    column.pszText = const_cast<char*>("column");
    column.iSubItem = c;
    SendMessageA(table, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
  }
  return table;
}

double fillPlainTable(HWND parent, const Texts& texts, int rows) {
  HWND table = plainTable(parent);
  double start = seconds();
  for (int i = 0; i < rows; ++i) {
    const char* text = texts.plain[static_cast<std::size_t>(i)].c_str();
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
  double elapsed = seconds() - start;
  DestroyWindow(table);
  return elapsed;
}

double fillToolkitTable(const Control& parent, const Texts& texts, int rows) {
  TableView table("TableView", 1, 0, 0, 400, 300, parent, false, true, false);
  for (int c = 0; c < 3; ++c) table.addColumn("column");
  double start = seconds();
  for (int i = 0; i < rows; ++i) {
    const String& text = texts.toolkit[static_cast<std::size_t>(i)];
    table.addRow(text, 0);
    table.setCell(1, i, text);
    table.setCell(2, i, text);
  }
  double elapsed = seconds() - start;
  table.destroy();
  return elapsed;
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

double fillPlainTree(HWND parent, const Texts& texts, int items) {
  HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "TreeView", 0x4001006F, 0, 0, 400, 300, parent,
                              NULL, GetModuleHandleA(NULL), NULL);
  double start = seconds();
  HTREEITEM top = NULL;
  for (int i = 0; i < items; ++i) {
    const char* text = texts.plain[static_cast<std::size_t>(i)].c_str();
    if (i % childrenPerItem == 0) top = plainInsert(tree, TVI_ROOT, text, i);
    plainInsert(tree, top, text, i);
  }
  double elapsed = seconds() - start;
  DestroyWindow(tree);
  return elapsed;
}

double fillToolkitTree(const Control& parent, const Texts& texts, int items) {
  TreeView tree("TreeView", 2, 0, 0, 400, 300, parent, true, false);
  double start = seconds();
  TreeItem top;
  for (int i = 0; i < items; ++i) {
    const String& text = texts.toolkit[static_cast<std::size_t>(i)];
    if (i % childrenPerItem == 0) top = tree.addItem(treeRoot, text, i);
    top.addChild(text, i);
  }
  double elapsed = seconds() - start;
  tree.destroy();
  return elapsed;
}

struct Pair {
  double plain;
  double toolkit;
};

// One fill each; `plainFirst` alternates the order between sizes, so neither
// side always runs on a freshly warmed process.
template <class PlainFill, class ToolkitFill>
Pair measure(bool plainFirst, PlainFill plain, ToolkitFill toolkit) {
  Pair p;
  if (plainFirst) {
    p.plain = plain();
    p.toolkit = toolkit();
  } else {
    p.toolkit = toolkit();
    p.plain = plain();
  }
  return p;
}

void report(const char* what, int n, const Pair& p) {
  std::printf("%-6s %8d: plain %7.3f s  tarn %7.3f s  tarn/plain %.3f\n", what, n, p.plain,
              p.toolkit, p.toolkit / p.plain);
}

void growth(const char* what, const Pair& small, const Pair& large) {
  std::printf("%-6s N -> 2N growth: plain x%.2f  tarn x%.2f\n", what, large.plain / small.plain,
              large.toolkit / small.toolkit);
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
    int n = rows * (k + 1);
    table[k] = measure(k == 0, [&] { return fillPlainTable(parent.hwnd, texts, n); },
                       [&] { return fillToolkitTable(parent, texts, n); });
    report("table", n, table[k]);
  }
  growth("table", table[0], table[1]);
  for (int k = 0; k < 2; ++k) {
    int n = items * (k + 1);
    tree[k] = measure(k == 0, [&] { return fillPlainTree(parent.hwnd, texts, n); },
                      [&] { return fillToolkitTree(parent, texts, n); });
    report("tree", n, tree[k]);
  }
  growth("tree", tree[0], tree[1]);
  DestroyWindow(parent.hwnd);
  return 0;
}
