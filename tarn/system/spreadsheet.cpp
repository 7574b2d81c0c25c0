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
  // A program whose code page is UTF-8 (the modern look) writes its texts as
  // Unicode, which spreadsheet programs read back whole; any other keeps the
  // earlier versions' file byte for byte.
  biff::Encoding encoding = GetACP() == CP_UTF8 ? biff::Encoding::utf8 : biff::Encoding::codePage;
  std::vector<biff::Label> labels;
  labels.reserve(cells.size());
  for (Cell& cell : cells) {
    // The cut is kept in the cell as well as in the file.
    std::string cut = encoding == biff::Encoding::utf8 ? biff::cutUtf8LabelText(cell.text.str())
                                                       : biff::cutLabelText(cell.text.str());
    if (cut.size() != cell.text.str().size()) cell.text = cut;
    labels.push_back(biff::Label{cell.column, cell.row, cell.text.str()});
  }
  std::string bytes = biff::workbook(labels, encoding);
  std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
  bool closed = stream.close();
  return closed && written == bytes.size();
}

}  // namespace tarn
