// Spreadsheet: text cells written as a BIFF file (records built in biff.cpp).
#include <cstdio>

#include "tarn/core/holders.h"
#include "tarn/system.h"
#include "tarn/system/biff.h"

namespace tarn {

Spreadsheet::Spreadsheet() = default;

void Spreadsheet::add(const Cell& cell) { cells.push_back(cell); }

void Spreadsheet::addCell(int column, int row, const String& text) {
  Cell cell;
  cell.column = static_cast<short>(column);
  cell.row = static_cast<short>(row);
  cell.text = text;
  cells.push_back(cell);
}

Spreadsheet::Cell Spreadsheet::cellAt(int index) const {
  if (index < 0 || index >= size()) return Cell();
  return cells[static_cast<std::size_t>(index)];
}

bool Spreadsheet::save(const String& path) {
  detail::StdioFile stream(std::fopen(path.c_str(), "wb"));
  if (stream == nullptr) return false;
  std::vector<biff::Label> labels;
  labels.reserve(cells.size());
  for (Cell& cell : cells) {
    // The cut is kept in the cell as well as in the file.
    if (cell.text.str().size() > biff::maxLabelLength)
      cell.text = biff::cutLabelText(cell.text.str());
    labels.push_back(biff::Label{cell.column, cell.row, cell.text.str()});
  }
  std::string bytes = biff::workbook(labels);
  std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
  bool closed = stream.close();
  return closed && written == bytes.size();
}

}  // namespace tarn
