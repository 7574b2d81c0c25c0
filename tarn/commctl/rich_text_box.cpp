// RichTextBox: creation, the selection and line properties, formatting, the
// edit commands, searching and loading files into the box.
#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "tarn/commctl/line_ends.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/holders.h"
#include "tarn/richtext.h"

namespace tarn {

namespace {

constexpr DWORD richTextBoxStyle = WS_CHILD | WS_TABSTOP;  // 0x40010000

constexpr UINT utf16CodePage = 1200;  // the rich-edit messages' name for UTF-16

// The text as the control stores it: one UTF-16 unit per character position,
// line ends as WM_GETTEXT gives them. Asked for in UTF-16 so that its size is
// known exactly whatever the program's code page (the control's own
// WM_GETTEXTLENGTH counts characters, fewer than the bytes of a multi-byte
// code page such as UTF-8).
std::wstring storedText(HWND box) {
  GETTEXTLENGTHEX measure = {GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, utf16CodePage};
  LRESULT length = detail::send(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure));
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX how = {static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_USECRLF, utf16CodePage,
                   NULL, NULL};
  LRESULT got = detail::send(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                             reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(std::min(std::max<LRESULT>(got, 0), length)));
  return text;
}

// Characters as the program's strings hold them: in the ANSI code page (UTF-8
// in a program with the modern look).
String programText(const wchar_t* chars, std::size_t count) {
  // Bounded so that the byte count (at most 3 per unit) stays an int.
  int units = static_cast<int>(std::min<std::size_t>(count, INT_MAX / 4));
  if (units == 0) return String();
  int bytes = WideCharToMultiByte(CP_ACP, 0, chars, units, NULL, 0, NULL, NULL);
  if (bytes <= 0) return String();
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, chars, units, &text[0], bytes, NULL, NULL);
  return String(text);
}

// A program string's length in the control's characters (UTF-16 units).
int characterCount(const String& text) {
  const std::string& bytes = text.str();
  if (bytes.empty()) return 0;
  int size = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
  return MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, NULL, 0);
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction

void RichTextBox::bindProperties() {
  text.bind(this, &RichTextBox::getText, &RichTextBox::setText);
  readOnly.bind(this, &RichTextBox::getReadOnly, &RichTextBox::setReadOnly);
  leftMargin.bind(this, &RichTextBox::getLeftMargin, &RichTextBox::setLeftMargin);
  rightMargin.bind(this, &RichTextBox::getRightMargin, &RichTextBox::setRightMargin);
  lineCount.bind(this, &RichTextBox::getLineCount);
  caretPos.bind(this, &RichTextBox::getCaretPos, &RichTextBox::setCaretPos);
  currentLine.bind(this, &RichTextBox::getCurrentLine);
  currentLineLength.bind(this, &RichTextBox::getCurrentLineLength);
  currentLineStart.bind(this, &RichTextBox::getCurrentLineStart);
  selStart.bind(this, &RichTextBox::getSelStart);
  selEnd.bind(this, &RichTextBox::getSelEnd);
  selLength.bind(this, &RichTextBox::getSelLength);
  firstVisibleChar.bind(this, &RichTextBox::getFirstVisibleChar);
  lastVisibleChar.bind(this, &RichTextBox::getLastVisibleChar);
  bottomLeftChar.bind(this, &RichTextBox::getBottomLeftChar);
  topRightChar.bind(this, &RichTextBox::getTopRightChar);
  hasSelection.bind(this, &RichTextBox::getHasSelection);
  selectedText.bind(this, &RichTextBox::getSelectedText, &RichTextBox::setSelectedText);
}

RichTextBox::RichTextBox() : readOnlyValue(false), leftMarginValue(0), rightMarginValue(0) {
  bindProperties();
}

RichTextBox::RichTextBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         int style, int exStyle)
    : RichTextBox() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, style, exStyle);
}

void RichTextBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                         const Control& parent, bool enabled_, bool visible_, bool centred,
                         int style, int exStyle) {
  detail::createChild(*this, "RICHEDIT", "RichTextBox",
                      static_cast<DWORD>(style) | richTextBoxStyle, static_cast<DWORD>(exStyle), x_,
                      y_, width_, height_, parent.hwnd, id_);
  LRESULT mask = detail::send(hwnd, EM_GETEVENTMASK);
  detail::send(hwnd, EM_SETEVENTMASK, 0, mask | ENM_CHANGE | ENM_SCROLL);
  Control::text = text_;
  moveTo(x_, y_);
  resize(width_, height_);
  detail::send(hwnd, EM_EXLIMITTEXT);  // the control's default limit
  detail::finishCreation(*this, centred, enabled_, visible_);
}

// ---------------------------------------------------------------------------
// Text, read-only state and margins

String RichTextBox::getText() const {
  std::wstring all = storedText(hwnd);
  return programText(all.data(), all.size());
}

void RichTextBox::setRichText(const char* chars) {
  SETTEXTEX how = {ST_DEFAULT, CP_ACP};
  detail::send(hwnd, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), detail::textArgument(chars));
  detail::announceWindow(hwnd);  // new text takes the colour scheme's colours
}

void RichTextBox::setText(String value) { setRichText(value.c_str()); }

void RichTextBox::setReadOnly(bool value) {
  detail::send(hwnd, EM_SETREADONLY, value ? TRUE : FALSE);
  readOnlyValue = value;
}

// Margins are units, sent in the box's device pixels.
void RichTextBox::setLeftMargin(int value) {
  detail::send(hwnd, EM_SETMARGINS, EC_LEFTMARGIN, static_cast<LPARAM>(scaled(value) & 0xFFFF));
  leftMarginValue = value;
}

void RichTextBox::setRightMargin(int value) {
  detail::send(hwnd, EM_SETMARGINS, EC_RIGHTMARGIN,
               static_cast<LPARAM>(static_cast<DWORD>(scaled(value)) << 16));
  rightMarginValue = value;
}

void RichTextBox::setMargins(int left, int right) {
  detail::send(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               static_cast<LPARAM>(MAKELONG(scaled(left) & 0xFFFF, scaled(right) & 0xFFFF)));
  leftMarginValue = left;
  rightMarginValue = right;
}

// ---------------------------------------------------------------------------
// Selection and lines

CHARRANGE RichTextBox::selection() const {
  CHARRANGE range = {0, 0};
  detail::send(hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

int RichTextBox::getLineCount() const {
  return static_cast<int>(detail::send(hwnd, EM_GETLINECOUNT));
}

void RichTextBox::setCaretPos(int position) { select(position, position); }

int RichTextBox::getCurrentLine() const { return lineFromCharEx(selection().cpMin); }

int RichTextBox::getSelLength() const {
  CHARRANGE range = selection();
  return range.cpMax - range.cpMin;
}

bool RichTextBox::getHasSelection() const {
  CHARRANGE range = selection();
  return range.cpMin != range.cpMax;
}

// The selection may reach past the window text (selecting 0..-1 ends two
// characters beyond it, at the final paragraph mark), so only the part inside
// the text is read.
String RichTextBox::getSelectedText() const {
  CHARRANGE range = selection();
  if (range.cpMin == range.cpMax) return String();
  std::wstring all = storedText(hwnd);
  std::size_t length = all.size();
  std::size_t start = std::min(static_cast<std::size_t>(std::max<LONG>(range.cpMin, 0)), length);
  std::size_t end = std::min(static_cast<std::size_t>(std::max<LONG>(range.cpMax, 0)), length);
  if (end <= start) return String();
  return programText(all.data() + start, end - start);
}

void RichTextBox::setSelectedText(String value) {
  LONG start = selection().cpMin;
  detail::send(hwnd, EM_REPLACESEL, 0, detail::textArgument(value));
  // The caret ends after the new text; its length in characters is the
  // control's to say (a multi-byte code page has more bytes than characters).
  select(start, selection().cpMax);
}

LRESULT RichTextBox::replaceSelection(const String& value) {
  return detail::send(hwnd, EM_REPLACESEL, 0, detail::textArgument(value));
}

int RichTextBox::lineFromChar(int index) const {
  return static_cast<int>(detail::send(hwnd, EM_LINEFROMCHAR, static_cast<WPARAM>(index)));
}

int RichTextBox::lineIndex(int line) const {
  return static_cast<int>(detail::send(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int RichTextBox::lineLength(int index) const {
  return static_cast<int>(detail::send(hwnd, EM_LINELENGTH, static_cast<WPARAM>(index)));
}

int RichTextBox::lineLengthOf(int line) const { return lineLength(lineIndex(line)); }

int RichTextBox::lineFromCharEx(int index) const {
  return static_cast<int>(detail::send(hwnd, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(index)));
}

LRESULT RichTextBox::select(int start, int end) {
  return detail::send(hwnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

LRESULT RichTextBox::undo() { return detail::send(hwnd, EM_UNDO); }

bool RichTextBox::canUndo() const { return detail::send(hwnd, EM_CANUNDO) != 0; }

// ---------------------------------------------------------------------------
// Edit commands

namespace {

// The rich-edit control reaches the clipboard through OLE, which needs OLE on
// this thread: started once, as for the image box.
void startOle() { detail::initialiseOle(); }

// Sends WM_COPY or WM_CUT; true when the clipboard's content changed (the
// control answers nothing, and the clipboard may have been busy).
bool toClipboard(HWND box, UINT message) {
  startOle();
  DWORD before = GetClipboardSequenceNumber();
  detail::send(box, message);
  return GetClipboardSequenceNumber() != before;
}

}  // namespace

bool RichTextBox::cut() {
  if (hwnd == NULL || hasStyle(ES_READONLY) || !getHasSelection()) return false;
  return toClipboard(hwnd, WM_CUT);
}

bool RichTextBox::copy() const {
  return hwnd != NULL && getHasSelection() && toClipboard(hwnd, WM_COPY);
}

bool RichTextBox::paste() {
  if (hwnd == NULL || hasStyle(ES_READONLY) || detail::send(hwnd, EM_CANPASTE) == 0) return false;
  startOle();
  // The control answers nothing to WM_PASTE: its modified flag, cleared for
  // the paste and then set back as the program had it, tells whether it
  // changed the text.
  bool wasModified = detail::send(hwnd, EM_GETMODIFY) != 0;
  detail::send(hwnd, EM_SETMODIFY, FALSE);
  detail::send(hwnd, WM_PASTE);
  bool changed = detail::send(hwnd, EM_GETMODIFY) != 0;
  detail::send(hwnd, EM_SETMODIFY, wasModified || changed);
  return changed;
}

void RichTextBox::selectAll() { detail::send(hwnd, EM_SETSEL, 0, -1); }

// ---------------------------------------------------------------------------
// Visible range

RECT RichTextBox::clientRect() const {
  RECT r = {0, 0, 0, 0};
  GetClientRect(hwnd, &r);
  return r;
}

int RichTextBox::charFromPoint(int x_, int y_) const {
  POINTL point = {x_, y_};
  return static_cast<int>(detail::send(hwnd, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)));
}

int RichTextBox::getLastVisibleChar() const {
  RECT r = clientRect();
  return charFromPoint(r.right, r.bottom);
}

int RichTextBox::getBottomLeftChar() const { return charFromPoint(0, clientRect().bottom); }
int RichTextBox::getTopRightChar() const { return charFromPoint(clientRect().right, 0); }

// ---------------------------------------------------------------------------
// Formatting and colours

LRESULT RichTextBox::setCharFormat(WPARAM scope, DWORD mask, DWORD effects, COLORREF colour) {
  CHARFORMATA format;
  std::memset(&format, 0, sizeof format);
  format.cbSize = sizeof format;
  format.dwMask = mask;
  format.dwEffects = effects;
  format.crTextColor = colour;
  return detail::send(hwnd, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

LRESULT RichTextBox::setBold() { return setCharFormat(SCF_SELECTION, CFM_BOLD, CFE_BOLD, 0); }
LRESULT RichTextBox::setItalic() { return setCharFormat(SCF_SELECTION, CFM_ITALIC, CFE_ITALIC, 0); }
LRESULT RichTextBox::setUnderline() {
  return setCharFormat(SCF_SELECTION, CFM_UNDERLINE, CFE_UNDERLINE, 0);
}
LRESULT RichTextBox::setSelectionColor(COLORREF colour) {
  return setCharFormat(SCF_SELECTION, CFM_COLOR, 0, colour);
}
LRESULT RichTextBox::setWordColor(COLORREF colour) {
  return setCharFormat(SCF_WORD | SCF_SELECTION, CFM_COLOR, 0, colour);
}
LRESULT RichTextBox::setTextColor(COLORREF colour) {
  detail::setProgramText(hwnd, colour);
  return setCharFormat(SCF_ALL, CFM_COLOR, 0, colour);
}

LRESULT RichTextBox::hideSelection() { return detail::send(hwnd, EM_HIDESELECTION, 1); }
LRESULT RichTextBox::showSelection() { return detail::send(hwnd, EM_HIDESELECTION); }

COLORREF RichTextBox::setBackColor(COLORREF colour) {
  detail::setProgramBack(hwnd, colour);
  return static_cast<COLORREF>(
      detail::send(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour)));
}

// The system's colour, or in the dark scheme the scheme's.
COLORREF RichTextBox::useSystemBackColor() {
  detail::clearProgramBack(hwnd);
  COLORREF previous = static_cast<COLORREF>(detail::send(hwnd, EM_SETBKGNDCOLOR, 1));
  detail::announceWindow(hwnd);
  return previous;
}

// ---------------------------------------------------------------------------
// Searching

// The control is asked only about a real range: a start of -1 would make it
// search from elsewhere, and a needle longer than the range cannot match.
int RichTextBox::search(const String& needle, int start, int end, bool wholeWord) const {
  if (start < 0 || end <= start) return -1;
  if (characterCount(needle) > end - start) return -1;
  FINDTEXTEXA find;
  find.chrg.cpMin = start;
  find.chrg.cpMax = end;
  find.lpstrText = needle.c_str();
  find.chrgText.cpMin = find.chrgText.cpMax = -1;
  WPARAM flags = FR_DOWN | (wholeWord ? FR_WHOLEWORD : 0);
  return static_cast<int>(
      detail::send(hwnd, EM_FINDTEXTEX, flags, reinterpret_cast<LPARAM>(&find)));
}

int RichTextBox::find(const String& needle, bool wholeWord) const {
  return search(needle, 0, textLength, wholeWord);
}

int RichTextBox::findInLine(const String& needle, int line, bool wholeWord) const {
  if (line < 0 || line >= getLineCount()) return -1;
  int start = lineIndex(line);
  if (start < 0) return -1;
  return search(needle, start, start + lineLengthOf(line), wholeWord);
}

// ---------------------------------------------------------------------------
// Loading a file

// Reads the whole file through one stream, in binary so that a Ctrl-Z byte
// does not end it early, and joins CR LF pairs into LF as a text-mode read
// would. The buffer is zero-filled, so the text stays terminated.
bool RichTextBox::loadFile(const String& path) {
  detail::StdioFile file(std::fopen(path.c_str(), "rb"));
  if (file == nullptr) return false;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  detail::GlobalBlock block(static_cast<SIZE_T>(size) + 1, GMEM_FIXED | GMEM_ZEROINIT);
  char* chars = block.data();
  if (chars == nullptr) return false;
  std::size_t got = std::fread(chars, 1, static_cast<std::size_t>(size), file);
  bool failed = std::ferror(file) != 0;
  file.close();  // done with the file before the control takes the text
  if (!failed) {
    chars[lineends::joinCrLf(chars, got)] = '\0';
    setRichText(chars);
    InvalidateRect(hwnd, NULL, TRUE);
  }
  return !failed;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

RichTextBox::RichTextBox(const Control& parent, const RichTextBoxOptions& o)
    : RichTextBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
                  o.visible, o.centred, o.style, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
