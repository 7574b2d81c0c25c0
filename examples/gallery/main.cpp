// The gallery: one form with a menu, a toolbar, a status bar and a tab control
// whose pages show the toolkit's controls family by family. Clicking, ticking,
// sliding and selecting report in the status bar.
#include <tarn/tarn.h>

#include <string>
#include <vector>

using namespace tarn;

namespace {

// Menu and toolbar commands, and the controls whose notifications the form handles.
enum Command {
  cmdExit = 100,
  cmdAbout,
  cmdNextPage,
  cmdPush = 200,
  cmdCheck,
  cmdRadioA,
  cmdRadioB,
  cmdColours,
  cmdScheme
};

Form window("Tarn Gallery", 0, 0, 660, 500, 0, true, false, false, false, true, Control(), false,
            0);
Menu menuBar(window);
Toolbar toolbar(10, window, 0, 0);
StatusBar status("Ready;6 pages", 11, window, 2, true, true, 0);
Tab tabs("", 12, 0, 0, 100, 100, window);
std::vector<TabPage> pages;

// Every page is a borderless child form; its commands go on to the main form.
Form page(const String& title) {
  Form f(title, 0, 0, 100, 100, 10, true, false, false, false, false, window, true, 0);
  f.procedure = commandForwardProcedure;
  pages.push_back(tabs.addTab(title));
  pages.back().setPage(f);
  return f;
}

// Page 1: buttons and boxes.
Form buttonsPage = page("Buttons");
Button pushButton("Push me", cmdPush, 20, 20, 110, 28, buttonsPage, true, true, false, true, 0,
                  false, Icon());
CheckBox checkBox("Check me", cmdCheck, 20, 60, 140, 22, buttonsPage, true, true, true, false, 0);
GroupBox choice("Choose one", -1, 200, 14, 180, 90, buttonsPage, true, true, false, 0);
RadioButton radioA("First choice", cmdRadioA, 214, 38, 150, 22, buttonsPage, true, true, false, 0);
RadioButton radioB("Second choice", cmdRadioB, 214, 66, 150, 22, buttonsPage, true, true, false, 0);
Label colourLabel("A colour button:", -1, 20, 120, 120, 20, buttonsPage, true, true, false, 0);
ColorButton colour(204, 140, 114, 60, 32, buttonsPage, RGB(40, 110, 200));
// The colour scheme: the system's choice, light or dark (ColorScheme's order).
Label schemeLabel("Colours:", -1, 20, 172, 120, 20, buttonsPage, true, true, false, 0);
ComboBox scheme("", cmdScheme, 140, 168, 120, 100, buttonsPage, true, true, false, true, 0);

// Page 2: text and spin.
Form textPage = page("Text");
Label nameLabel("Name:", -1, 20, 24, 80, 20, textPage, true, true, false, 0);
TextBox nameBox("Ada", 300, 110, 20, 200, 22, textPage, true, true, false, false, WS_EX_CLIENTEDGE);
Label secretLabel("Password:", -1, 20, 56, 80, 20, textPage, true, true, false, 0);
PasswordBox secretBox("secret", 301, 110, 52, 200, 22, textPage, true, true, false, false,
                      WS_EX_CLIENTEDGE);
Label countLabel("Count:", -1, 20, 88, 80, 20, textPage, true, true, false, 0);
spinBox countBox("7", 302, 110, 84, 80, 22, textPage, true, true, false, WS_EX_CLIENTEDGE);
TextBox notesBox("Several lines\r\nof text,\r\nwith scroll bars.", 303, 20, 120, 400, 130, textPage,
                 true, true, false, true, WS_EX_CLIENTEDGE);

// Page 3: lists and combos.
Form listsPage = page("Lists");
ListBox fruit("", 400, 20, 20, 160, 150, listsPage, true, true, false, true, 0);
ComboBox colours("", cmdColours, 200, 20, 160, 150, listsPage, true, true, false, true, 0);
MCListBox numbers("", 402, 200, 60, 380, 110, listsPage, true, true, false, true, 60, 0);

// Page 4: a table, a virtual table of a million generated rows, and a tree view.
Form viewsPage = page("Views");
TableView table("", 500, 20, 20, 200, 230, viewsPage);
TableView bigTable("", 502, 230, 20, 220, 230, viewsPage);
TreeView tree("", 501, 460, 20, 150, 230, viewsPage);

// A generated row of the virtual table: asked for only when it is painted.
String bigTableCell(int row, int column) {
  switch (column) {
    case 0: return String("Row " + std::to_string(row + 1));
    case 1: return String(std::to_string(static_cast<long long>(row) * row));
    default: return String(row % 2 == 0 ? "even" : "odd");
  }
}

// Page 5: bars and pickers.
Form barsPage = page("Bars");
Label trackLabel("Slide, and the progress bar follows:", -1, 20, 16, 300, 20, barsPage, true, true,
                 false, 0);
Track track(600, 20, 40, 260, 30, barsPage, 100);
Guage progress(601, 20, 80, 260, 20, barsPage, true, true, true, false, true);
ScrollBar scroll(602, 20, 116, 260, 18, barsPage);
DatePicker date("", 603, 20, 150, 160, 24, barsPage);
MonthCalendar calendar("", 604, 320, 16, 260, 180, barsPage);

// Page 6: rich text.
Form richPage = page("Rich text");
RichTextBox rich("", 700, 20, 20, 560, 230, richPage);

void fill() {
  for (const char* name : {"System", "Light", "Dark"}) scheme.addItem(name, 0, -1);
  scheme.setSelectedIndex(1);
  for (const char* name : {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig"})
    fruit.addItem(name, 0);
  fruit.setSelectedIndex(1);
  for (const char* name : {"Red", "Green", "Blue"}) colours.addItem(name, 0, -1);
  colours.setSelectedIndex(2);
  for (int i = 1; i <= 24; ++i) numbers.addItem(String(std::to_string(i * i)), i);

  table.addColumn("Planet");
  table.addColumn("Moons");
  table.addColumn("Day (hours)");
  const char* planets[][3] = {{"Mercury", "0", "4222"}, {"Venus", "0", "2802"},
                              {"Earth", "1", "24"},     {"Mars", "2", "25"},
                              {"Jupiter", "95", "10"},  {"Saturn", "146", "11"}};
  for (auto& p : planets) {
    TableRow row = table.addRow(p[0], 0);
    table.setCell(1, row.index, p[1]);
    table.setCell(2, row.index, p[2]);
  }
  bigTable.addColumn("Row");
  bigTable.addColumn("Square");
  bigTable.addColumn("Parity");
  bigTable.setColumnWidth(0, 80);
  bigTable.setColumnWidth(2, 50);
  bigTable.setFullRowSelect(true);
  bigTable.setVirtual(1000000, bigTableCell);
  TreeItem animals = tree.addItem(TreeItem(), "Animals");
  animals.addChild("Birds").addChild("Wren");
  animals.addChild("Fish");
  TreeItem plants = tree.addItem(TreeItem(), "Plants");
  plants.addChild("Trees");
  plants.addChild("Grasses");
  animals.expand();
  plants.expand();

  progress.value = 30;
  track.value = 30;
  scroll.position = 40;
  rich.text = rtfHeader() +
              markupToRtf(
                  "<B>Rich text</B> takes markup: <I>italic</I>, <U>underlined</U> "
                  "and <B>bold</B> words.") +
              rtfNewLines(2) + rtfBlue("Colours") + ", " + rtfRed("more colours") + " and " +
              rtfFontSize("sizes", 16) + "." + rtfNewLines(2) + rtfCenter("Centred text.") +
              rtfNewLines(1) + rtfEnd();  // a paragraph takes its alignment at its end
  calendar.titleBackColor = RGB(58, 110, 165);
}

// Lays the tab control out between the toolbar and the status bar, and its
// selected page inside it.
void layout() {
  RECT bar, strip;
  GetWindowRect(toolbar.hwnd, &bar);
  GetWindowRect(status.hwnd, &strip);
  int top = (bar.bottom - bar.top) + 4;
  tabs.moveTo(4, top);
  tabs.resize(window.clientWidth - 8, window.clientHeight - top - (strip.bottom - strip.top) - 4);
  for (TabPage& p : pages) p.hide();
  int selected = tabs.selected();
  if (selected < 0) return;
  TabPage& shown = pages[static_cast<std::size_t>(selected)];
  shown.layout();
  status.setText(1, shown.page.text);
}

void command(int id, int code) {
  switch (id) {
    case cmdExit: quit(); break;
    case cmdAbout:
      window.infoBox("Every control of the toolkit, one family per page.", "About Tarn Gallery");
      break;
    case cmdNextPage:
      tabs.select((tabs.selected() + 1) % tabs.count);
      layout();
      break;
    case cmdPush: {
      static int clicks = 0;
      ++clicks;
      status.setText(
          0, "Push me: clicked " + std::to_string(clicks) + (clicks == 1 ? " time" : " times"));
      break;
    }
    case cmdCheck: status.setText(0, checkBox.checked ? "Checked" : "Unchecked"); break;
    case cmdRadioA:
    case cmdRadioB:
      status.setText(0, String(id == cmdRadioA ? "First" : "Second") + " choice");
      break;
    case cmdScheme:
      if (code == CBN_SELCHANGE)
        setColorScheme(static_cast<ColorScheme>(int(scheme.selectedIndex)));
      break;
    case cmdColours:
      if (code == CBN_SELCHANGE)
        status.setText(0, "Colour: " + colours.itemText(colours.selectedIndex));
      break;
  }
}

INT_PTR CALLBACK procedure(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: command(LOWORD(wParam), HIWORD(wParam)); return 1;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) layout();
      return 0;
    case WM_SIZE: layout(); return 0;  // the bars follow the window by themselves
    case WM_CLOSE: quit(); return 1;
  }
  return 0;
}

// The bars page: the progress bar follows the slider.
INT_PTR CALLBACK barsProcedure(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == track.hwnd) {
    progress.value = track.value;
    status.setText(0, "Slider at " + std::to_string(int(track.value)));
    return 1;
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MenuItem file = menuBar.addPopup("&File", 0);
  file.add("&Next page", cmdNextPage);
  file.addSeparator();
  file.add("E&xit", cmdExit);
  menuBar.addPopup("&Help", 1).add("&About...", cmdAbout);
  // The toolbar's pictures: three of the system's own icons.
  ImageList icons;
  int next = icons.addIcon(IDI_APPLICATION, NULL);
  int about = icons.addIcon(IDI_INFORMATION, NULL);
  int exit = icons.addIcon(IDI_ERROR, NULL);
  toolbar.setImageList(icons);
  toolbar.setShowText(true);
  toolbar.addButton("Next page", next, cmdNextPage);
  toolbar.addSeparator();
  toolbar.addButton("About", about, cmdAbout);
  toolbar.addButton("Exit", exit, cmdExit);

  fill();
  window.procedure = procedure;
  barsPage.procedure = barsProcedure;
  layout();
  window.centreOnScreen();
  window.show();
  return messageLoop();
}
