// A multiple-document frame: one child browses a folder (a tree of its
// folders, a splitter, and a table of the files in the folder chosen), the
// others are text views of files opened from it. The Window menu tiles and
// cascades the children. The folder is the one named on the command line, or
// the program's own.
#include <tarn/tarn.h>

#include <string>
#include <vector>

using namespace tarn;

namespace {

// The menu's commands; the splitter tells its moves as a command of its own.
enum Command { cmdOpenFile = 100, cmdExit, cmdTile, cmdCascade, cmdNext, splitterId = 300 };

MDIForm frame(
    {.caption = "Tarn MDI", .width = 800, .height = 560, .visible = false, .centred = true});
Menu menuBar(frame);

Form browser = frame.addChild("Folder", 10, 10, 520, 300, 0, 0);
TreeView folders(browser, {.width = 180, .height = 100, .exStyle = WS_EX_CLIENTEDGE});
Splitter splitter(browser, {.id = splitterId, .thickness = 5});
TableView files(browser, {.x = 185, .width = 300, .height = 100, .exStyle = WS_EX_CLIENTEDGE});

std::vector<String> folderPaths;  // a tree item's value indexes this
std::vector<String> fileNames;    // the table's rows, in order
String shownFolder;

String join(const String& folder, const std::string& name) { return folder.str() + "\\" + name; }

// Adds `path`'s subfolders under `parent`, `depth` levels deep.
void addFolders(const TreeItem& parent, const String& path, int depth) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(join(path, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == "..")
      continue;
    // A copy: the list may move its elements when it grows below.
    String folder = join(path, name);
    folderPaths.push_back(folder);
    TreeItem item = parent.addChild(name, static_cast<int>(folderPaths.size()) - 1);
    if (depth > 1) addFolders(item, folder, depth - 1);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// Lists the files of a folder in the table.
void showFiles(const String& path) {
  files.clear();
  fileNames.clear();
  shownFolder = path;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(join(path, "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      fileNames.push_back(found.cFileName);
      files.addRow(found.cFileName, 0);
      // The table's counters only grow, so the new row is addressed as the last one.
      ULONGLONG size = (ULONGLONG(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      files.setCell(1, files.count() - 1, std::to_string(size) + " bytes");
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  browser.text = "Folder - " + path.str();
}

// Opens a text view, a child form holding a read-only rich text box, showing
// the file at `path`, or `text` when no path is given. The box keeps to the
// view's client area.
void openTextView(const String& caption, const String& path, const String& text) {
  Form view = frame.addChild(caption, 40, 40, 360, 240, 0, 0);
  RichTextBox box("", 400, 0, 0, view.clientWidth, view.clientHeight, view);
  if (path.str().empty())
    box.text = text;
  else if (!box.loadFile(path))
    box.text = "Cannot open " + path.str();
  box.readOnly = true;
  view.onResize([box](int width, int height) mutable { box.resize(width, height); });
}

void openFile(int row) {
  if (row < 0 || row >= static_cast<int>(fileNames.size())) {
    frame.infoBox("Choose a file in the folder's table first.", "Tarn MDI");
    return;
  }
  const String& name = fileNames[static_cast<std::size_t>(row)];
  openTextView(name, join(shownFolder, name.str()), "");
}

// Fits the browser's panes to its client area: the splitter keeps its place.
void layoutBrowser(int w, int h) {
  splitter.setLimits(60, w - 60);
  splitter.height = h;
  folders.height = h;
  files.height = h;
  files.width = w - files.x;
  splitter.layoutPanes();
}

// The browser lays out its panes on resize and when the splitter moves, lists
// a folder's files when it is chosen in the tree, and opens a file on a
// double-click or Enter in the table.
void bindBrowser() {
  browser.onResize(layoutBrowser);
  browser.onCommand(splitterId, [] { splitter.layoutPanes(); });
  folders.onSelectionChange([](const TreeItem&) {
    std::size_t folder = static_cast<std::size_t>(int(folders.selectedValue));
    if (folder < folderPaths.size()) showFiles(folderPaths[folder]);
  });
  files.onActivate(openFile);
}

// The Window menu's commands are the MDI client's own messages.
void buildMenus() {
  MenuItem file = menuBar.addPopup("&File", 0);
  file.add("&Open selected file", cmdOpenFile).onClick([] { openFile(files.selectedRow); });
  file.addSeparator();
  file.add("E&xit", cmdExit).onClick(quit);
  MenuItem windows = menuBar.addPopup("&Window", 1);
  HWND client = frame.client.hwnd;
  windows.add("&Tile", cmdTile).onClick([client] {
    SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  });
  windows.add("&Cascade", cmdCascade).onClick([client] {
    SendMessageA(client, WM_MDICASCADE, 0, 0);
  });
  windows.add("&Next", cmdNext).onClick([client] { SendMessageA(client, WM_MDINEXT, 0, 0); });
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  buildMenus();
  frame.setClientColor(RGB(58, 110, 165));

  application.setCommandLine(commandLine);
  StringList args = application.arguments();
  String root = args.size() > 0 && !args[0].str().empty() ? args[0] : String(application.folder);

  files.addColumn("Name");
  files.addColumn("Size");
  files.setColumnWidth(0, 160);
  folderPaths.push_back(root);
  std::size_t slash = root.str().find_last_of("\\/");
  String rootName = root.str().substr(slash == std::string::npos ? 0 : slash + 1);
  TreeItem top = folders.addItem(TreeItem(), rootName, 0);
  addFolders(top, root, 2);
  top.expand();
  bindBrowser();
  splitter.addBefore(&folders);
  splitter.addAfter(&files);
  splitter.setPosition(180);
  layoutBrowser(browser.clientWidth, browser.clientHeight);
  top.select();  // lists the folder's own files

  openTextView("Welcome", "",
               "Choose a folder in the tree; double-click a file (or use File, "
               "Open selected file) to open it here.\r\n\r\nWindow, Tile "
               "puts the windows side by side; drag the bar between the "
               "tree and the table to share the space.");
  frame.show();
  return messageLoop();
}
