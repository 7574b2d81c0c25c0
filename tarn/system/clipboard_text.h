// Text in the form it takes on the clipboard, as pure functions over bytes:
// a program's text with the clipboard's line ends, and rows of cells as
// tab-separated text that spreadsheet programs paste as cells. No Windows calls.
#ifndef TARN_SYSTEM_CLIPBOARD_TEXT_H
#define TARN_SYSTEM_CLIPBOARD_TEXT_H

#include <string>
#include <vector>

namespace tarn {
namespace cliptext {

// The text as the clipboard carries it: cut before its first zero byte (every
// reader of clipboard text stops there), and with each line end as CR LF: a
// lone LF and a lone CR each become CR LF, a CR LF pair stays. Linear.
std::string withCrLf(const std::string& text);

// One cell as it stands in tab-separated text: cut before a zero byte, and, when
// it holds a tab, a CR or an LF or starts with a double quote, put in double
// quotes with each quote inside doubled ("a<TAB>b" -> "\"a<TAB>b\""), the
// quoting spreadsheet programs read back as one cell. Other cells stay as they
// are, quotes inside them too.
std::string tabSeparatedCell(const std::string& cell);

// Adds one row of cells to tab-separated text `out`: the cells joined by tabs,
// ended by CR LF (a row without cells is an empty line).
void appendTabSeparatedRow(std::string& out, const std::vector<std::string>& row);

// Rows of cells as tab-separated text: cells joined by tabs, every row (the last
// too) ended by CR LF, as spreadsheet programs put rows on the clipboard. No
// rows give the empty text.
std::string tabSeparated(const std::vector<std::vector<std::string>>& rows);

}  // namespace cliptext
}  // namespace tarn

#endif  // TARN_SYSTEM_CLIPBOARD_TEXT_H
