// Tarn rich text: RichTextBox, the control over the system's rich-edit class
// "RICHEDIT", which takes RTF through `text` and selects, formats, colours,
// searches and loads files.
//
// Classes and functions in this file (sources):
//   RichTextBox, RichTextBoxOptions   commctl/rich_text_box.cpp
//   RichTextBox::onChange             commctl/control_events.cpp
#ifndef TARN_RICHTEXT_H
#define TARN_RICHTEXT_H

#include <functional>

#include "core.h"

#include <richedit.h>  // CHARRANGE and the rich-edit messages

namespace tarn {

/// The options of a RichTextBox, in its constructor's order (see ControlOptions).
struct RichTextBoxOptions {
  /// The first text: RTF or plain.
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// The window style (RichTextBox::defaultStyle: several lines, a vertical scroll bar).
  int style = ES_MULTILINE | WS_VSCROLL;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A rich-edit control. Positions are the control's character indices; under
/// the 1.0 control a line end counts as the characters it was given (`"\r\n"` is
/// two, `"\n"` one), so they agree with the window text.
///
/// `text` reads the plain window text but writes through set-text-ex, so a
/// string that starts with an RTF header is read as RTF. The window text as
/// such stays reachable as `Control::text`. The inherited `textLength` property
/// gives the length of the plain text as the control counts it. `text` and
/// `selectedText` are read in UTF-16 and handed over in the program's code
/// page, so with UTF-8 as that code page (the modern look) they come back whole
/// while positions and lengths stay counts of characters, not bytes.
class RichTextBox : public Control {
 public:
  /// Multi-line with a vertical scroll bar; the control adds WS_CHILD | WS_TABSTOP.
  static constexpr int defaultStyle = ES_MULTILINE | WS_VSCROLL;

  /// An object with no window (hwnd 0).
  RichTextBox();
  /// Makes the box with `text` (RTF or plain) and identifier `id` in `parent`; `style` gives
  /// its window style.
  RichTextBox(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled = true, bool visible = true, bool centred = false,
              int style = defaultStyle, int exStyle = 0);
  /// Makes the box from named options.
  RichTextBox(const Control& parent, const RichTextBoxOptions& options);
  /// Creates the window of an object built without arguments.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled = true, bool visible = true, bool centred = false,
              int style = defaultStyle, int exStyle = 0);

  /// The plain text (read); writing takes RTF (a text starting with an RTF header shows
  /// formatted) or plain text.
  Property<RichTextBox, String> text;
  /// Whether the user cannot change the text; writing sets it.
  Property<RichTextBox, bool> readOnly;
  /// The left margin in units: the last value set (the control may ignore it).
  Property<RichTextBox, int> leftMargin;  // the last value set (the control may ignore it)
  /// The right margin in units: the last value set.
  Property<RichTextBox, int> rightMargin;  // the last value set
  /// Read-only: the number of lines.
  Property<RichTextBox, int> lineCount;  // read-only
  /// The caret's position (the selection's start); writing leaves an empty selection there.
  Property<RichTextBox, int> caretPos;  // write: an empty selection there
  /// Read-only: the line of the selection start.
  Property<RichTextBox, int> currentLine;  // read-only: the line of the selection start
  /// Read-only: the length of the caret's line.
  Property<RichTextBox, int> currentLineLength;  // read-only
  /// Read-only: the position of the caret's line's first character.
  Property<RichTextBox, int> currentLineStart;  // read-only
  /// Read-only: the selection's start.
  Property<RichTextBox, int> selStart;  // read-only
  /// Read-only: the selection's end.
  Property<RichTextBox, int> selEnd;  // read-only
  /// Read-only: the number of characters selected.
  Property<RichTextBox, int> selLength;  // read-only
  /// Read-only: the character at the client's top left.
  Property<RichTextBox, int> firstVisibleChar;  // read-only: at the client's top left
  /// Read-only: the character at the client's bottom right.
  Property<RichTextBox, int> lastVisibleChar;  // read-only: at the client's bottom right
  /// Read-only: the character at the client's bottom left.
  Property<RichTextBox, int> bottomLeftChar;  // read-only
  /// Read-only: the character at the client's top right.
  Property<RichTextBox, int> topRightChar;  // read-only
  /// Read-only: whether any character is selected.
  Property<RichTextBox, bool> hasSelection;  // read-only
  /// Read: the selected characters of the window text. Write: replaces the
  /// selection and leaves the new text selected.
  Property<RichTextBox, String> selectedText;

  /// Replacing cannot be undone (the control is told so).
  LRESULT replaceSelection(const String& text);
  /// The line (0-based) holding character `index`.
  int lineFromChar(int index) const;
  /// The first character of the line; -1 past the last line.
  int lineIndex(int line) const;  // first character of the line; -1 past the last
  /// The length of the line holding character `index`.
  int lineLength(int index) const;  // length of the line holding character `index`
  /// The length of line `line`.
  int lineLengthOf(int line) const;  // length of line `line`
  /// The line holding character `index`, through the extended message (for long texts).
  int lineFromCharEx(int index) const;
  /// Selects the characters from `start` up to `end` (end -1: to the end); the control's answer.
  LRESULT select(int start, int end);  // end -1: to the end
  /// Sets both margins in units (and keeps them for leftMargin and rightMargin).
  void setMargins(int left, int right);
  /// Undoes the last change; non-zero when something was undone.
  LRESULT undo();
  /// Whether undo() has something to undo.
  bool canUndo() const;

  // The edit commands a program's Edit menu calls. The control itself puts its
  // selection on the clipboard, as RTF and as plain text, and pastes the
  // richest form the clipboard holds; it does so through OLE, which the
  // commands start on this thread when it is not running yet. Unlike
  // Clipboard, the control does not wait for a clipboard another program
  // holds: the command then answers false.

  /// Puts the selection on the clipboard and deletes it (the deletion can be
  /// undone). False, with nothing changed, when nothing is selected, for a
  /// read-only box, and when the clipboard did not take it.
  bool cut();
  /// Puts the selection on the clipboard. False when nothing is selected and
  /// when the clipboard did not take it; a read-only box copies.
  bool copy() const;
  /// Replaces the selection with what the clipboard holds (text, or RTF kept
  /// formatted); the replacement can be undone. False, with nothing changed,
  /// for a read-only box, when the clipboard holds nothing the box can paste,
  /// and when the paste changed nothing (the empty text).
  bool paste();
  /// Selects the whole text.
  void selectAll();

  /// Each switches an effect on for the selection; nothing switches one off.
  LRESULT setBold();
  /// Switches italics on for the selection.
  LRESULT setItalic();
  /// Switches underlining on for the selection.
  LRESULT setUnderline();
  /// Colours the selection.
  LRESULT setSelectionColor(COLORREF colour);
  /// Colours the word at the caret, or the selection.
  LRESULT setWordColor(COLORREF colour);  // the word at the caret, or the selection
  /// Colours all the text.
  LRESULT setTextColor(COLORREF colour);  // all text

  /// Hides the selection's highlight (the selection stays); the control's answer.
  LRESULT hideSelection();
  /// Shows the selection's highlight again; the control's answer.
  LRESULT showSelection();
  /// Each returns the previous background colour.
  COLORREF setBackColor(COLORREF colour);
  /// Goes back to the system's window colour for the background.
  COLORREF useSystemBackColor();

  /// Position of the first match (case-insensitive), or -1. `find` searches
  /// the whole text, `findInLine` one line; a line that does not exist, an
  /// empty range or a text longer than the range gives -1 without a search.
  int find(const String& text, bool wholeWord = false) const;
  /// Like find(), within line `line` only.
  int findInLine(const String& text, int line, bool wholeWord = false) const;

  /// Puts a file's contents into the box as `text` does (so RTF files show
  /// formatted), with CR LF pairs read as LF. False, and the text unchanged,
  /// when the file cannot be opened, measured or read, or memory runs out.
  bool loadFile(const String& path);

  /// Runs `handler` after the text changed: typed, pasted, undone, or set by
  /// the program (`text`, replaceSelection, loadFile). Runs as the standard
  /// controls' events do (controls.h).
  void onChange(std::function<void()> handler);

 private:
  void bindProperties();
  CHARRANGE selection() const;
  int charFromPoint(int x, int y) const;
  RECT clientRect() const;
  LRESULT setCharFormat(WPARAM scope, DWORD mask, DWORD effects, COLORREF colour);
  int search(const String& text, int start, int end, bool wholeWord) const;
  void setRichText(const char* chars);

  String getText() const;
  void setText(String value);
  bool getReadOnly() const { return readOnlyValue; }
  void setReadOnly(bool value);
  int getLeftMargin() const { return leftMarginValue; }
  void setLeftMargin(int value);
  int getRightMargin() const { return rightMarginValue; }
  void setRightMargin(int value);
  int getLineCount() const;
  int getCaretPos() const { return selection().cpMin; }
  void setCaretPos(int position);
  int getCurrentLine() const;
  int getCurrentLineLength() const { return lineLengthOf(getCurrentLine()); }
  int getCurrentLineStart() const { return lineIndex(getCurrentLine()); }
  int getSelStart() const { return selection().cpMin; }
  int getSelEnd() const { return selection().cpMax; }
  int getSelLength() const;
  int getFirstVisibleChar() const { return charFromPoint(0, 0); }
  int getLastVisibleChar() const;
  int getBottomLeftChar() const;
  int getTopRightChar() const;
  bool getHasSelection() const;
  String getSelectedText() const;
  void setSelectedText(String value);

  bool readOnlyValue;
  int leftMarginValue;
  int rightMarginValue;
};

}  // namespace tarn

#endif  // TARN_RICHTEXT_H
