// Tarn tips: TipsDialog, the tip-of-the-day form, and tips files as bytes and
// as text (Tip, tipsFileBytes, parseTipsFile, readTipsText, writeTipsText).
//
// Classes and functions in this file (sources):
//   TipsDialog        forms/tips_dialog.cpp, tips_strip.cpp
//   TipsDialogOptions forms/tips_dialog.cpp
//   Tip, tips files   forms/tips_file.cpp, tips_records.cpp
#ifndef TARN_TIPS_H
#define TARN_TIPS_H

#include <array>
#include <string>
#include <vector>

#include "controls.h"
#include "forms.h"
#include "richtext.h"

namespace tarn {

/// One tip: a title and a body in the toolkit's markup (markupToRtf).
struct Tip {
  /// The tip's title.
  String title;
  /// The tip's body, in markup.
  String body;
};

// ===========================================================================
// Tips files
// ===========================================================================
//
/// A tips file: a 16-byte header ("TRT", a byte readers ignore, the 32-bit
/// little-endian numbers 1 and 2, then the number of the tip to show first),
/// then one 2000-byte record per tip: the title in bytes 0..999 and the body in
/// bytes 1000..1999, each zero-terminated and padded with zeros, so each holds
/// at most 999 characters.

/// The file's bytes; longer titles and bodies are cut to 999 characters.
std::string tipsFileBytes(const std::vector<Tip>& tips, int startTip);
/// The tips of a file's bytes and its stored starting tip; false when the
/// bytes are too short to hold a header. A partial last record is ignored.
bool parseTipsFile(const std::string& bytes, std::vector<Tip>& tips, int& startTip);

/// The text form of a list of tips: a line "# title" starts each tip, the lines
/// up to the next one are its body (leading and trailing empty lines dropped).
/// Lines before the first title are comments; a body line starting with '#' or
/// `'\'` is written with a `'\'` in front. LF or CR LF line ends.
std::vector<Tip> readTipsText(const String& text);
/// The text form of `tips`, as readTipsText reads it.
String writeTipsText(const std::vector<Tip>& tips);

// ===========================================================================
// Tips dialog
// ===========================================================================

/// The options of a TipsDialog, in its constructor's order.
struct TipsDialogOptions {
  /// The tips file loaded at once; empty for none.
  String tipsFile{};
  /// The form's caption.
  String caption{};
  /// The owner window; none by default.
  Control parent{};
  /// Whether the dialog shows at once.
  bool visible = true;
};

/// A tip-of-the-day form: a picture strip, a read-only rich text box with the
/// tip, a "Show tips on next startup" check box (its state is the program's to
/// read) and buttons that step through the tips with wrap-around. Closing hides
/// the form; the object can show it again.
class TipsDialog : public Form {
 public:
  /// The identifier of the tip view.
  static constexpr int viewId = 198;
  /// The identifier of the "Show tips on next startup" check box.
  static constexpr int showOnStartupId = 199;
  /// The identifier of the "Next >" button.
  static constexpr int nextId = 200;
  /// The identifier of the "< Previous" button.
  static constexpr int previousId = 201;
  /// What the view shows when the dialog was given no file.
  static constexpr const char* noFileText = "\n\nNo file associated with Control...";
  /// What the view shows when the file holds no tips.
  static constexpr const char* noTipsText = "\n\nNo tips found in the associated file...";
  /// What the view shows when the file cannot be read.
  static constexpr const char* unreadableText = "\n\nAssociated tips file cannot be read...";

  /// A dialog object with no window.
  TipsDialog();
  /// Builds the form and its controls, then loads `tipsFile` unless it is "".
  TipsDialog(const String& tipsFile, const String& caption, const Control& parent, bool visible);
  /// Builds the dialog from named options.
  explicit TipsDialog(const TipsDialogOptions& options);

  /// Read-only: the number of tips.
  Property<TipsDialog, int> tipCount;  // read-only
  /// The tip shown, from 1 (0 before the first); writing calls showTip.
  Property<TipsDialog, int> currentTip;  // write: showTip
  /// The read-only rich text box showing the tip.
  RichTextBox view;
  /// The "Show tips on next startup" check box; its state is the program's to read.
  CheckBox showOnStartup;
  /// The "Next >" button.
  Button nextButton;
  /// The "< Previous" button.
  Button previousButton;
  /// The tip shown, from 1; 0 before the first.
  int current;  // the tip shown, from 1; 0 before the first
  /// The 16-byte header of the tips file last read.
  std::array<unsigned char, 16> header;  // of the tips file last read
  /// The tips, in order.
  std::vector<Tip> tips;

  /// Appends a tip; the first tip of the list is shown at once.
  void addTip(const String& title, const String& body);
  /// Shows tip `number` (1..tipCount); any other number changes nothing.
  void showTip(int number);
  /// Step with wrap-around; nothing without tips. Both return 0.
  int nextTip();
  /// Steps back to the previous tip, wrapping to the last; nothing without tips. Returns 0.
  int previousTip();
  /// Writes every tip to `path`, starting tip `number` (-1: the tip shown).
  /// True only when the file was created and every byte written and closed.
  bool saveTips(const String& path, int number);

 private:
  friend INT_PTR CALLBACK tipsProcedure(HWND, UINT, WPARAM, LPARAM);
  static TipsDialog* dialogOf(HWND window);

  void bindProperties();
  void load(const String& path);
  void paintStrip();
  int getTipCount() const { return static_cast<int>(tips.size()); }
  int getCurrentTip() const { return current; }
  void setCurrentTip(int number) { showTip(number); }

  // Every TipsDialog object stands for its form in the form's record, which
  // the tips procedure finds the object through.
  detail::ObjectLink registration;
};

/// The tips dialog's procedure: hides the form on WM_CLOSE, steps on the
/// buttons' WM_COMMAND and paints the picture strip; answers 0 to every message.
INT_PTR CALLBACK tipsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarn

#endif  // TARN_TIPS_H
