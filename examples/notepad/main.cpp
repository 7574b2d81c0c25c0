// A small editor on the rich text box: open and save text files through the
// file dialog, cut, copy and paste through the clipboard, find text, choose a
// font, see the caret's line and column in the status bar, and get asked
// before unsaved changes are thrown away. A file named on the command line, or
// dropped on the window, is opened.
#include <tarn/tarn.h>

#include <cctype>
#include <functional>
#include <string>

using namespace tarn;

namespace {

// The commands of the menu entries; the toolbar's buttons and the shortcuts share them.
enum Command {
  cmdNew = 100,
  cmdOpen,
  cmdSave,
  cmdSaveAs,
  cmdExit,
  cmdFind,
  cmdCut = 110,
  cmdCopy,
  cmdPaste,
  cmdSelectAll,
  cmdFontFirst = 120  // one per entry of `faces`
};
const char* const faces[] = {"Courier New", "Arial", "Times New Roman"};
// The kind of each face, for machines that lack it and pick a similar one.
const BYTE families[] = {FIXED_PITCH | FF_MODERN, VARIABLE_PITCH | FF_SWISS,
                         VARIABLE_PITCH | FF_ROMAN};
constexpr int faceCount = 3;

Form window({.caption = "Untitled - Notepad",
             .width = 640,
             .height = 460,
             .visible = false,
             .centred = true});
Menu menuBar(window);
Toolbar toolbar(window, {});
StatusBar status(window, {.text = "Ln 1, Col 1;", .parts = 2});
RichTextBox editor(window, {.id = 12,
                            .width = 100,
                            .height = 100,
                            .style = RichTextBox::defaultStyle | ES_AUTOVSCROLL | ES_NOHIDESEL,
                            .exStyle = WS_EX_CLIENTEDGE});

// The find bar: a small tool window with the text to look for.
Form findForm(
    {.caption = "Find", .width = 330, .height = 90, .kind = 8, .visible = false, .parent = window});
TextBox findText(findForm, {.id = 200, .x = 10, .y = 12, .width = 200});
Button findNext(
    findForm,
    {.text = "Find next", .x = 220, .y = 10, .width = 90, .height = 26, .isDefault = true});

String path;                    // the file being edited; empty for a new one
String savedText;               // the text as last opened or saved
MenuItem faceItems[faceCount];  // Format > Font entries, checked for the face in use
MenuItem cutItem, copyItem;     // greyed while nothing is selected

bool modified() { return String(editor.text) != savedText; }

String fileTitle() {
  if (path.str().empty()) return "Untitled";
  std::size_t slash = path.str().find_last_of("\\/");
  return path.str().substr(slash == std::string::npos ? 0 : slash + 1);
}

void showState() {
  window.text = (modified() ? "*" : "") + fileTitle().str() + " - Notepad";
  int line = editor.currentLine;
  int column = editor.caretPos - editor.currentLineStart;
  status.setText(0, "Ln " + std::to_string(line + 1) + ", Col " + std::to_string(column + 1));
  status.setText(1, String(std::to_string(int(editor.textLength)) + " characters"));
  bool selected = editor.hasSelection;
  selected ? cutItem.enable() : cutItem.disable();
  selected ? copyItem.enable() : copyItem.disable();
}

// The file holds lines ended by CR LF; the box may hold any of CR, LF, CR LF.
String withLineFeeds(const String& text) {
  std::string out;
  const std::string& in = text.str();
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\r')
      out += in[i];
    else if (i + 1 >= in.size() || in[i + 1] != '\n')
      out += '\n';
  }
  return out;
}

bool saveTo(const String& name) {
  TextFile file;
  if (!file.create(name) || !file.write(withLineFeeds(editor.text))) {
    window.errorBox("Cannot write " + name, "Notepad");
    return false;
  }
  path = name;
  savedText = editor.text;
  return true;
}

bool saveAs() {
  return window.saveFileDialog(fileTitle().str() + ".txt") && saveTo(window.fileName);
}

bool save() { return path.str().empty() ? saveAs() : saveTo(path); }

// True when the text may be replaced: it is saved, or the user saved it or
// chose to drop the changes.
bool mayDiscard() {
  if (!modified()) return true;
  switch (window.yesNoCancelBox("Save the changes to " + fileTitle() + "?", "Notepad")) {
    case 0: return save();
    case 1: return true;
    default: return false;
  }
}

void open(const String& name) {
  if (!editor.loadFile(name)) {
    window.errorBox("Cannot open " + name, "Notepad");
    return;
  }
  // The box shows an RTF file formatted; saving its plain text over the file
  // would lose the formatting, so such a file is saved under a new name.
  TextFile file(name);
  bool richText = file.read(5) == "{\\rtf";
  path = richText ? String() : name;
  savedText = editor.text;
  editor.caretPos = 0;
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Looks for the find bar's text, ignoring case, after the selection and then
// from the start. Positions in the window text are the box's positions.
void find() {
  std::string wanted = lowered(String(findText.text).str());
  if (wanted.empty()) return;
  std::string text = lowered(String(editor.text).str());
  std::size_t at = text.find(wanted, static_cast<std::size_t>(int(editor.selEnd)));
  if (at == std::string::npos) at = text.find(wanted);
  if (at == std::string::npos) {
    status.setText(0, "\"" + String(findText.text).str() + "\" not found");
    return;
  }
  editor.select(static_cast<int>(at), static_cast<int>(at + wanted.size()));
  showState();
}

void setFace(int index) {
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                           families[index], faces[index]);
  editor.setFont(font);
  static HFONT previous = NULL;  // the face in use until now, no longer needed
  if (previous != NULL) DeleteObject(previous);
  previous = font;
  for (int i = 0; i < faceCount; ++i) i == index ? faceItems[i].check() : faceItems[i].uncheck();
}

void newText() {
  if (!mayDiscard()) return;
  editor.text = "";
  path = "";
  savedText = "";
}

void openChosen() {
  if (mayDiscard() && window.openFileDialog("")) open(window.fileName);
}

// A drop opens its first file, after the same question as Open.
void openDropped(const StringList& paths, int, int) {
  if (paths.size() > 0 && mayDiscard()) open(paths[0]);
  editor.focus();
  showState();
}

void showFindBar() {
  findForm.show();
  findText.focus();
}

// An edit command of the menu and its shortcut, on the box with the focus:
// the editor, or the find bar's text when its shortcuts reach this window.
// The focus stays where it is.
template <class Operation>
std::function<void()> editCommand(Operation operation) {
  return [operation] {
    if (GetFocus() == findText.hwnd)
      operation(findText);
    else
      operation(editor);
    showState();
  };
}

// Runs a command of the menu (and of the toolbar button and the shortcut
// with its identifier), then gives the editor the focus back and shows the
// new state.
std::function<void()> command(void (*run)()) {
  return [run] {
    run();
    editor.focus();
    showState();
  };
}

void buildMenusAndToolbar() {
  auto newFile = command(newText);
  auto openFile = command(openChosen);
  auto saveFile = command([] { save(); });
  MenuItem file = menuBar.addPopup("&File", 0);
  file.add("&New\tCtrl+N", cmdNew).onClick(newFile);
  file.add("&Open...\tCtrl+O", cmdOpen).onClick(openFile);
  file.add("&Save\tCtrl+S", cmdSave).onClick(saveFile);
  file.add("Save &as...", cmdSaveAs).onClick(command([] { saveAs(); }));
  file.addSeparator();
  file.add("E&xit", cmdExit).onClick([] {
    if (mayDiscard()) quit();
  });

  MenuItem edits = menuBar.addPopup("&Edit", 1);
  cutItem = edits.add("Cu&t\tCtrl+X", cmdCut);
  copyItem = edits.add("&Copy\tCtrl+C", cmdCopy);
  cutItem.onClick(editCommand([](auto& box) { box.cut(); }));
  copyItem.onClick(editCommand([](auto& box) { box.copy(); }));
  edits.add("&Paste\tCtrl+V", cmdPaste).onClick(editCommand([](auto& box) { box.paste(); }));
  edits.addSeparator();
  edits.add("Select &all\tCtrl+A", cmdSelectAll).onClick(editCommand([](auto& box) {
    box.selectAll();
  }));
  edits.addSeparator();
  edits.add("&Find...", cmdFind).onClick(showFindBar);

  MenuItem fonts = menuBar.addPopup("F&ormat", 2).insertPopup("&Font", 0);
  for (int i = 0; i < faceCount; ++i) {
    faceItems[i] = fonts.add(faces[i], cmdFontFirst + i);
    faceItems[i].onClick([i] {
      setFace(i);
      editor.focus();
    });
  }
  const int shortcuts[][2] = {{'N', cmdNew},  {'O', cmdOpen},  {'S', cmdSave},     {'X', cmdCut},
                              {'C', cmdCopy}, {'V', cmdPaste}, {'A', cmdSelectAll}};
  for (const auto& [key, id] : shortcuts) window.addShortcut(FCONTROL, key, id);

  toolbar.setShowText(true);
  toolbar.addStandardButton(STD_FILENEW, cmdNew, "New").onClick(newFile);
  toolbar.addStandardButton(STD_FILEOPEN, cmdOpen, "Open").onClick(openFile);
  toolbar.addStandardButton(STD_FILESAVE, cmdSave, "Save").onClick(saveFile);
  toolbar.addStandardButton(STD_FIND, cmdFind, "Find").onClick(showFindBar);
}

// The find bar hides on its close box and Escape, and finds on its button and Enter.
void buildFindBar() {
  findForm.parentHwnd = window.hwnd;
  findForm.centre();
  findNext.onClick(find);
  findForm.onCommand(IDCANCEL, [] { findForm.hide(); });  // Escape
  findForm.onClose([] {
    findForm.hide();
    return false;
  });
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  buildMenusAndToolbar();
  buildFindBar();
  window.fileDialog.addFilter("Text files (*.txt)", "*.txt");
  setFace(0);

  // The command line after the program's name: one file name, quoted or not.
  application.setCommandLine(commandLine);
  StringList args = application.arguments();
  if (args.size() > 0 && !args[0].str().empty()) open(args[0]);

  editor.onChange(showState);
  // The caret's moves have no event of their own: the box tells them as EN_SELCHANGE.
  SendMessageA(editor.hwnd, EM_SETEVENTMASK, 0,
               SendMessageA(editor.hwnd, EM_GETEVENTMASK, 0, 0) | ENM_SELCHANGE);
  window.onNotify(editor.id, EN_SELCHANGE, [](NMHDR*) -> LRESULT {
    showState();
    return 0;
  });
  // A file dropped on the editor or anywhere else on the window opens.
  window.onDropFiles(openDropped);
  editor.onDropFiles(openDropped);
  window.onClose(mayDiscard);  // true: the window closes and the program ends

  // The editor fills the space between the bars, which follow the window by themselves.
  editor.moveTo(0, toolbar.height);
  editor.resize(window.clientWidth, window.clientHeight - toolbar.height - status.height);
  editor.anchor = anchorLeft | anchorTop | anchorRight | anchorBottom;
  showState();
  window.centreOnScreen();
  window.show();
  editor.focus();
  return messageLoop();
}
