// The selected rows of list and table views, their cells, and Ctrl+C, which
// copies them to the clipboard as tab-separated text.
#include "tarn/commctl/row_copy.h"

#include <new>
#include <numeric>
#include <stdexcept>
#include <string>

#include "tarn/clipboard.h"
#include "tarn/commctl/virtual_table.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_record.h"
#include "tarn/system/clipboard_text.h"

namespace tarn {
namespace detail {

namespace {

constexpr std::size_t firstCellCapacity = 256;  // grown by doubling until a cell's text fits
constexpr std::size_t maxCellCapacity = std::size_t(1) << 28;  // beyond any text a control holds

bool isVirtualView(HWND view) { return (GetWindowLongA(view, GWL_STYLE) & LVS_OWNERDATA) != 0; }

bool isReportView(HWND view) {
  return (GetWindowLongA(view, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

// The columns in the order they are shown; column 0 alone outside the report
// view, where an item shows its first cell only.
std::vector<int> shownColumns(HWND view) {
  HWND header = reinterpret_cast<HWND>(send(view, LVM_GETHEADER));
  int columns = header != NULL ? static_cast<int>(send(header, HDM_GETITEMCOUNT)) : 0;
  if (!isReportView(view) || columns <= 0) return std::vector<int>(1, 0);
  std::vector<int> order(static_cast<std::size_t>(columns));
  if (!send(view, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(columns),
            reinterpret_cast<LPARAM>(order.data())))
    std::iota(order.begin(), order.end(), 0);
  return order;
}

// The view's own hook: the copy key copies, and still reaches the view, which
// tells its parent with LVN_KEYDOWN as before.
bool copyOnKey(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
  if (message == WM_KEYDOWN && isCopyKey(wParam)) copySelectedRows(record.window);
  return false;
}

}  // namespace

String cellText(HWND view, int column, int row) {
  if (isVirtualView(view)) return servedCell(view, row, column);
  // The control answers no length for a text that fills the buffer (Wine answers
  // a wrong one), so a text that filled all but the zero may have been cut: ask
  // again with twice the room.
  for (std::size_t capacity = firstCellCapacity;; capacity *= 2) {
    String text = readControlText(capacity, [&](char* buffer, int room) {
      LVITEMA request = {};
      request.iSubItem = column;
      request.pszText = buffer;
      request.cchTextMax = room;
      send(view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&request));
    });
    if (text.str().size() + 1 < capacity || capacity > maxCellCapacity) return text;
  }
}

std::vector<int> selectedRows(HWND view) {
  std::vector<int> rows;
  int count = static_cast<int>(send(view, LVM_GETITEMCOUNT));
  int selected = static_cast<int>(send(view, LVM_GETSELECTEDCOUNT));
  if (count <= 0 || selected <= 0) return rows;
  try {
    if (selected >= count) {
      rows.resize(static_cast<std::size_t>(count));
      std::iota(rows.begin(), rows.end(), 0);
      return rows;
    }
    rows.reserve(static_cast<std::size_t>(selected));
    // Stops at the last selected row: the control need not look past it.
    for (int row = -1; static_cast<int>(rows.size()) < selected;) {
      int next =
          static_cast<int>(send(view, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
      if (next <= row) break;  // -1: none left
      rows.push_back(row = next);
    }
  } catch (const std::bad_alloc&) {
    rows.clear();
  } catch (const std::length_error&) {
    rows.clear();
  }
  return rows;
}

bool copySelectedRows(HWND view) {
  try {
    std::vector<int> rows = selectedRows(view);
    if (rows.empty()) return false;
    std::vector<int> columns = shownColumns(view);
    std::string text;
    std::vector<std::string> cells(columns.size());
    for (int row : rows) {
      for (std::size_t i = 0; i < columns.size(); ++i)
        cells[i] = cellText(view, columns[i], row).str();
      cliptext::appendTabSeparatedRow(text, cells);
    }
    return Clipboard::setText(text);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return false;
}

bool isCopyKey(WPARAM key) {
  return (key == 'C' || key == VK_INSERT) && GetKeyState(VK_CONTROL) < 0 &&
         GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

void copyRowsOnCtrlC(HWND view) {
  if (WindowRecord* r = record(view)) r->addHook(copyOnKey);
}

}  // namespace detail
}  // namespace tarn
