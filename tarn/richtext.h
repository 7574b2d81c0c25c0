// Tarn rich text: RichTextBox, the control over the system's rich-edit class
// "RICHEDIT", which takes RTF through `text` and selects, formats, colours,
// searches and loads files.
#ifndef TARN_RICHTEXT_H
#define TARN_RICHTEXT_H

#include "core.h"

#include <richedit.h>  // CHARRANGE and the rich-edit messages

namespace tarn {

// A rich-edit control. Positions are the control's character indices; under
// the 1.0 control a line end counts as the characters it was given ("\r\n" is
// two, "\n" one), so they agree with the window text.
//
// `text` reads the plain window text but writes through set-text-ex, so a
// string that starts with an RTF header is read as RTF. The window text as
// such stays reachable as `Control::text`. The inherited `textLength` property
// gives the length of the plain text as the control counts it. `text` and
// `selectedText` are read in UTF-16 and handed over in the program's code
// page, so with UTF-8 as that code page (the modern look) they come back whole
// while positions and lengths stay counts of characters, not bytes.
class RichTextBox : public Control {
 public:
  // Multi-line with a vertical scroll bar; the control adds WS_CHILD | WS_TABSTOP.
  static constexpr int defaultStyle = ES_MULTILINE | WS_VSCROLL;

  RichTextBox();
  RichTextBox(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled = true, bool visible = true, bool centred = false,
              int style = defaultStyle, int exStyle = 0);
  // Creates the window of an object built without arguments.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled = true, bool visible = true, bool centred = false,
              int style = defaultStyle, int exStyle = 0);

  Property<RichTextBox, String> text;
  Property<RichTextBox, bool> readOnly;
  Property<RichTextBox, int> leftMargin;         // the last value set (the control may ignore it)
  Property<RichTextBox, int> rightMargin;        // the last value set
  Property<RichTextBox, int> lineCount;          // read-only
  Property<RichTextBox, int> caretPos;           // write: an empty selection there
  Property<RichTextBox, int> currentLine;        // read-only: the line of the selection start
  Property<RichTextBox, int> currentLineLength;  // read-only
  Property<RichTextBox, int> currentLineStart;   // read-only
  Property<RichTextBox, int> selStart;           // read-only
  Property<RichTextBox, int> selEnd;             // read-only
  Property<RichTextBox, int> selLength;          // read-only
  Property<RichTextBox, int> firstVisibleChar;   // read-only: at the client's top left
  Property<RichTextBox, int> lastVisibleChar;    // read-only: at the client's bottom right
  Property<RichTextBox, int> bottomLeftChar;     // read-only
  Property<RichTextBox, int> topRightChar;       // read-only
  Property<RichTextBox, bool> hasSelection;      // read-only
  // Read: the selected characters of the window text. Write: replaces the
  // selection and leaves the new text selected.
  Property<RichTextBox, String> selectedText;

  // Replacing cannot be undone (the control is told so).
  LRESULT replaceSelection(const String& text);
  int lineFromChar(int index) const;
  int lineIndex(int line) const;     // first character of the line; -1 past the last
  int lineLength(int index) const;   // length of the line holding character `index`
  int lineLengthOf(int line) const;  // length of line `line`
  int lineFromCharEx(int index) const;
  LRESULT select(int start, int end);  // end -1: to the end
  void setMargins(int left, int right);
  LRESULT undo();

  // Each switches an effect on for the selection; nothing switches one off.
  LRESULT setBold();
  LRESULT setItalic();
  LRESULT setUnderline();
  LRESULT setSelectionColor(COLORREF colour);
  LRESULT setWordColor(COLORREF colour);  // the word at the caret, or the selection
  LRESULT setTextColor(COLORREF colour);  // all text

  LRESULT hideSelection();
  LRESULT showSelection();
  // Each returns the previous background colour.
  COLORREF setBackColor(COLORREF colour);
  COLORREF useSystemBackColor();

  // Position of the first match (case-insensitive), or -1. `find` searches
  // the whole text, `findInLine` one line; a line that does not exist, an
  // empty range or a text longer than the range gives -1 without a search.
  int find(const String& text, bool wholeWord = false) const;
  int findInLine(const String& text, int line, bool wholeWord = false) const;

  // Puts a file's contents into the box as `text` does (so RTF files show
  // formatted), with CR LF pairs read as LF. False, and the text unchanged,
  // when the file cannot be opened, measured or read, or memory runs out.
  bool loadFile(const String& path);

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
