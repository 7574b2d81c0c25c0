// An address book: a table of contacts that grows with the window, boxes to
// type one in, Add, Update and Remove, a File menu with shortcuts, and a status
// bar with the number of contacts and the file's name. Selecting a row fills
// the boxes; Remove asks first, and so do New, Open and closing the window
// while there are unsaved changes. File, Export writes a spreadsheet.
//
// The file is UTF-8 text: the line "Name<TAB>E-mail<TAB>Phone", then one line a
// contact, its name, e-mail address and phone number separated by tabs. Inside
// a field a backslash is written \\, a tab \t, a line feed \n and a carriage
// return \r, so any text round-trips (contacts_file.cpp reads and writes it).
// A file named on the command line is opened at start.
#include <tarn/tarn.h>

#include <string>
#include <vector>

#include "contacts_file.h"

using namespace tarn;
using contacts::Contact;

namespace {

enum Command { cmdNew = 100, cmdOpen, cmdSave, cmdSaveAs, cmdExport, cmdExit };
const char* const programName = "Contacts";

Form window({.caption = "Untitled - Contacts",
             .width = 560,
             .height = 440,
             .visible = false,
             .centred = true});
Menu menuBar(window);
StatusBar status(window, {.parts = 2});
TableView table(window, {.text = "Contacts"});
Label nameLabel(window, {.text = "&Name:"});
TextBox nameBox(window, {});
Label emailLabel(window, {.text = "&E-mail:"});
TextBox emailBox(window, {});
Label phoneLabel(window, {.text = "&Phone:"});
TextBox phoneBox(window, {});
Button addButton(window, {.text = "&Add", .isDefault = true});
Button updateButton(window, {.text = "&Update", .enabled = false});
Button removeButton(window, {.text = "&Remove", .enabled = false});

std::vector<Contact> book;  // the table's rows, in order
String path;                // the file the book was opened from or saved to; empty for a new one
bool modified = false;      // changed since it was opened or saved

// The table, the grid of boxes under it, and the buttons at the right under
// those; the table takes what the window gains.
void arrange() {
  Layout boxes = Layout::grid(2)
                     .add(nameLabel, {.align = Align::centre})
                     .add(nameBox, {.stretch = 1})
                     .add(emailLabel, {.align = Align::centre})
                     .add(emailBox, {.stretch = 1})
                     .add(phoneLabel, {.align = Align::centre})
                     .add(phoneBox, {.stretch = 1});
  Layout buttons = Layout::row().addStretch().add(addButton).add(updateButton).add(removeButton);
  window.setLayout(Layout::column().add(table, {.stretch = 1}).add(boxes).add(buttons));
}

String fileTitle() {
  if (path.str().empty()) return "Untitled";
  std::size_t slash = path.str().find_last_of("\\/");
  return path.str().substr(slash == std::string::npos ? 0 : slash + 1);
}

void showState() {
  window.text = (modified ? "*" : "") + fileTitle() + " - " + programName;
  std::size_t count = book.size();
  status.setText(0, std::to_string(count) + (count == 1 ? " contact" : " contacts"));
  status.setText(1, path.str().empty() ? String("Not saved yet") : path);
  bool selected = table.selectedRow >= 0;
  updateButton.enabled = selected;
  removeButton.enabled = selected;
}

void showRow(int row) {
  const Contact& contact = book[static_cast<std::size_t>(row)];
  table.setCell(0, row, contact.name);
  table.setCell(1, row, contact.email);
  table.setCell(2, row, contact.phone);
}

void showBook() {
  table.clear();
  for (std::size_t row = 0; row < book.size(); ++row) showRow(table.addRow("", 0).index);
}

Contact typed() {
  return {String(nameBox.text).str(), String(emailBox.text).str(), String(phoneBox.text).str()};
}

void fillBoxes(int row) {
  Contact contact = row >= 0 ? book[static_cast<std::size_t>(row)] : Contact();
  nameBox.text = contact.name;
  emailBox.text = contact.email;
  phoneBox.text = contact.phone;
}

// A contact needs at least a name; the box with the name gets the focus otherwise.
bool typedHasName() {
  if (!typed().name.empty()) return true;
  window.infoBox("Type the contact's name first.", programName);
  nameBox.focus();
  return false;
}

void addContact() {
  if (!typedHasName()) return;
  book.push_back(typed());
  int row = table.addRow("", 0).index;
  showRow(row);
  modified = true;
  table.select(row);
  nameBox.focus();
  showState();
}

// The boxes hold the first selected row; Update writes them back to it.
void updateContact() {
  int row = table.selectedRow;
  if (row < 0 || !typedHasName()) return;
  book[static_cast<std::size_t>(row)] = typed();
  showRow(row);
  modified = true;
  showState();
}

// Removes every selected row (Ctrl and Shift with a click select several).
void removeContact() {
  std::vector<int> rows = table.selectedRows();
  if (rows.empty()) return;
  std::string what = rows.size() == 1 ? book[static_cast<std::size_t>(rows[0])].name
                                      : std::to_string(rows.size()) + " contacts";
  if (!window.yesNoBox("Remove " + what + "?", programName)) return;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {  // bottom first: indices hold
    book.erase(book.begin() + *row);
    table.removeRow(*row);
  }
  modified = true;
  fillBoxes(-1);
  showState();
}

bool saveTo(const String& name) {
  TextFile file;
  if (!file.create(name) || !file.write(contacts::formatContacts(book))) {
    window.errorBox("Cannot write " + name + ".", programName);
    return false;
  }
  path = name;
  modified = false;
  showState();
  return true;
}

bool saveAs() {
  if (!window.saveFileDialog(fileTitle().str() + ".contacts")) return false;
  return saveTo(window.fileName);
}

bool save() { return path.str().empty() ? saveAs() : saveTo(path); }

// True when the book may be replaced: it is saved, or the user saved it or
// chose to drop the changes.
bool mayDiscard() {
  if (!modified) return true;
  switch (window.yesNoCancelBox("Save the changes to " + fileTitle() + "?", programName)) {
    case 0: return save();
    case 1: return true;
    default: return false;
  }
}

// Reads the file whole before anything changes: a file that cannot be read
// leaves the book, its name and its changes as they were.
void openFile(const String& name) {
  Buffer bytes;  // read-only access: a file the program may not write still opens
  if (!bytes.loadFile(name) && (!fileExists(name) || fileSize(name) != 0)) {
    window.errorBox("Cannot open " + name + ": there is no such file, or it cannot be read.",
                    programName);
    return;
  }
  const char* data = bytes.data;
  int length = bytes.length;
  contacts::ReadResult read =
      contacts::readContacts(length > 0 ? std::string(data, length) : std::string());
  if (!read.ok) {
    window.errorBox("Cannot open " + name + ". " + read.error, programName);
    return;
  }
  book = read.book;
  path = name;
  modified = false;
  showBook();
  fillBoxes(-1);
  showState();
}

void newBook() {
  if (!mayDiscard()) return;
  book.clear();
  path = "";
  modified = false;
  showBook();
  fillBoxes(-1);
  showState();
}

// The spreadsheet: a row of column names, then a row per contact.
void exportBook() {
  constexpr std::size_t maxRows = 32767;  // the file numbers its rows in 16 bits
  if (book.size() >= maxRows) {
    window.errorBox("A spreadsheet holds at most " + std::to_string(maxRows - 1) + " contacts.",
                    programName);
    return;
  }
  FileDialog dialog(window);
  dialog.addFilter("Spreadsheets (*.xls)", "*.xls");
  if (!dialog.save(fileTitle().str() + ".xls")) return;
  Spreadsheet sheet;
  sheet.addCell(0, 0, "Name");
  sheet.addCell(1, 0, "E-mail");
  sheet.addCell(2, 0, "Phone");
  for (std::size_t i = 0; i < book.size(); ++i) {
    int row = static_cast<int>(i) + 1;
    sheet.addCell(0, row, book[i].name);
    sheet.addCell(1, row, book[i].email);
    sheet.addCell(2, row, book[i].phone);
  }
  if (!sheet.save(dialog.path)) window.errorBox("Cannot write " + dialog.path + ".", programName);
}

void makeMenu() {
  MenuItem file = menuBar.addPopup("&File", 0);
  file.add("&New\tCtrl+N", cmdNew).onClick(newBook);
  file.add("&Open...\tCtrl+O", cmdOpen).onClick([] {
    if (mayDiscard() && window.openFileDialog("")) openFile(window.fileName);
  });
  file.add("&Save\tCtrl+S", cmdSave).onClick([] { save(); });
  file.add("Save &as...", cmdSaveAs).onClick([] { saveAs(); });
  file.add("&Export to spreadsheet...", cmdExport).onClick(exportBook);
  file.addSeparator();
  file.add("E&xit", cmdExit).onClick([] {
    if (mayDiscard()) quit();
  });
  window.addShortcut(FCONTROL, 'N', cmdNew);
  window.addShortcut(FCONTROL, 'O', cmdOpen);
  window.addShortcut(FCONTROL, 'S', cmdSave);
  window.fileDialog.addFilter("Contacts (*.contacts)", "*.contacts");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  makeMenu();
  table.addColumn("Name");
  table.addColumn("E-mail");
  table.addColumn("Phone");
  table.setColumnWidth(0, 150);
  table.setColumnWidth(1, 190);
  table.setColumnWidth(2, 130);
  table.setFullRowSelect(true);
  table.setShowSelectionAlways(true);
  status.setPartWidths({120, -1});
  arrange();

  table.onSelectionChange([](int row) {
    fillBoxes(row);
    showState();
  });
  addButton.onClick(addContact);
  updateButton.onClick(updateContact);
  removeButton.onClick(removeContact);
  window.onClose(mayDiscard);

  showState();
  window.show();
  nameBox.focus();
  // The command line after the program's name: one file name, quoted or not.
  application.setCommandLine(commandLine);
  StringList args = application.arguments();
  if (args.size() > 0 && !args[0].str().empty()) openFile(args[0]);
  return messageLoop();
}
