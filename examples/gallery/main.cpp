// The gallery: one form with a menu, a toolbar, a status bar and a tab control
// whose pages show the toolkit's controls family by family. Clicking, ticking,
// sliding and selecting report in the status bar; a worker thread fills a
// progress bar through post().
#include <tarn/tarn.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace tarn;

namespace {

// The commands of the menu and the toolbar: an entry and a button share one.
enum Command { cmdExit = 100, cmdAbout, cmdNextPage };

Form window(
    {.caption = "Tarn Gallery", .width = 660, .height = 500, .visible = false, .centred = true});
Menu menuBar(window);
Toolbar toolbar(window, {});
StatusBar status(window, {.text = "Ready;6 pages", .parts = 2});
Tab tabs(window, {.width = 100, .height = 100});
std::vector<TabPage> pages;

// Every page is a borderless child form.
Form page(const String& title) {
  Form f({.caption = title,
          .width = 100,
          .height = 100,
          .kind = 10,
          .visible = false,
          .parent = window,
          .child = true});
  pages.push_back(tabs.addTab(title));
  pages.back().setPage(f);
  return f;
}

// Page 1: buttons and boxes. Sizes left out are the controls' natural ones.
Form buttonsPage = page("Buttons");
Button pushButton(
    buttonsPage,
    {.text = "Push me", .x = 20, .y = 20, .width = 110, .height = 28, .isDefault = true});
CheckBox checkBox(buttonsPage, {.text = "Check me", .x = 20, .y = 60, .checked = true});
GroupBox choice(buttonsPage, {.text = "Choose one", .x = 200, .y = 14, .width = 180, .height = 90});
RadioButton radioA(buttonsPage, {.text = "First choice", .x = 214, .y = 38});
RadioButton radioB(buttonsPage, {.text = "Second choice", .x = 214, .y = 66});
Label colourLabel(buttonsPage, {.text = "A colour button:", .x = 20, .y = 124});
ColorButton colour(
    buttonsPage,
    {.id = 204, .x = 140, .y = 114, .width = 60, .height = 32, .colour = RGB(40, 110, 200)});
// The colour scheme: the system's choice, light or dark (ColorScheme's order).
Label schemeLabel(buttonsPage, {.text = "Colours:", .x = 20, .y = 172});
ComboBox scheme(buttonsPage, {.x = 140, .y = 168, .width = 120, .height = 100, .listOnly = true});

// Page 2: text and spin.
Form textPage = page("Text");
Label nameLabel(textPage, {.text = "Name:", .x = 20, .y = 24});
TextBox nameBox(textPage,
                {.text = "Ada", .x = 110, .y = 20, .width = 200, .exStyle = WS_EX_CLIENTEDGE});
Label secretLabel(textPage, {.text = "Password:", .x = 20, .y = 56});
PasswordBox secretBox(
    textPage, {.text = "secret", .x = 110, .y = 52, .width = 200, .exStyle = WS_EX_CLIENTEDGE});
Label countLabel(textPage, {.text = "Count:", .x = 20, .y = 88});
spinBox countBox(
    textPage,
    {.text = "7", .x = 110, .y = 84, .width = 80, .height = 22, .exStyle = WS_EX_CLIENTEDGE});
TextBox notesBox(textPage, {.text = "Several lines\r\nof text,\r\nwith scroll bars.",
                            .x = 20,
                            .y = 120,
                            .width = 400,
                            .height = 130,
                            .multiLine = true,
                            .exStyle = WS_EX_CLIENTEDGE});

// Page 3: lists and combos.
Form listsPage = page("Lists");
ListBox fruit(listsPage, {.x = 20, .y = 20, .width = 160, .height = 150});
ComboBox colours(listsPage, {.x = 200, .y = 20, .width = 160, .height = 150, .listOnly = true});
MCListBox numbers(listsPage, {.x = 200, .y = 60, .width = 380, .height = 110, .columnWidth = 60});

// Page 4: a table, a virtual table of a million generated rows, and a tree view.
Form viewsPage = page("Views");
TableView table(viewsPage, {.id = 500, .x = 20, .y = 20, .width = 200, .height = 230});
TableView bigTable(viewsPage, {.id = 502, .x = 230, .y = 20, .width = 220, .height = 230});
TreeView tree(viewsPage, {.x = 460, .y = 20, .width = 150, .height = 230});

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
Label trackLabel(barsPage, {.text = "Slide, and the progress bar follows:", .x = 20, .y = 16});
Track track(barsPage, {.x = 20, .y = 40, .width = 260, .height = 30});
Guage progress(barsPage, {.x = 20, .y = 80, .width = 260, .height = 20, .smooth = true});
ScrollBar scroll(barsPage, {.x = 20, .y = 116, .width = 260, .height = 18});
DatePicker date(barsPage, {.x = 20, .y = 150, .width = 160});
MonthCalendar calendar(barsPage, {.x = 320, .y = 16, .width = 260, .height = 180});
Button countButton(barsPage, {.text = "Count in the background", .x = 20, .y = 196});
Guage counted(barsPage, {.x = 20, .y = 232, .width = 260, .height = 20, .smooth = true});
Label countedLabel(barsPage, {.text = "Not started", .x = 290, .y = 234, .width = 200});

// Page 6: rich text.
Form richPage = page("Rich text");
RichTextBox rich(richPage, {.x = 20, .y = 20, .width = 560, .height = 230});

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
  int top = toolbar.height + 4;
  tabs.moveTo(4, top);
  tabs.resize(window.clientWidth - 8, window.clientHeight - top - status.height - 4);
  for (TabPage& p : pages) p.hide();
  int selected = tabs.selected();
  if (selected < 0) return;
  TabPage& shown = pages[static_cast<std::size_t>(selected)];
  shown.layout();
  status.setText(1, shown.page.text);
}

void nextPage() {
  tabs.select((tabs.selected() + 1) % tabs.count);  // selecting in code runs no onChange
  layout();
}

// The counting runs on a worker thread, which must not touch the window: it
// posts each step to the window's thread, where the bar and the label are
// changed. `working` is the window thread's own; `stopping` asks the worker
// to end early.
std::thread worker;
std::atomic<bool> stopping{false};
bool working = false;

void showCount(int step) {
  counted.value = step;
  countedLabel.text = "Counted " + std::to_string(step) + " of 100";
}

void finishCount(const String& text) {
  working = false;
  countedLabel.text = text;
  countButton.text = "Count in the background";
}

void count() {
  for (int step = 1; step <= 100; ++step) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a piece of real work
    if (stopping) {
      post(counted, [step] { finishCount("Cancelled at " + std::to_string(step - 1)); });
      return;
    }
    if (!post(counted, [step] { showCount(step); })) return;  // the window is gone
  }
  post(counted, [] { finishCount("Done: counted 100"); });
}

// The button starts the count, and cancels it while it runs.
void startOrCancelCount() {
  if (working) {
    stopping = true;
    return;
  }
  if (worker.joinable()) worker.join();  // the previous count, ended already
  stopping = false;
  working = true;
  countButton.text = "Cancel";
  showCount(0);
  worker = std::thread(count);
}

// Ends the count before the window goes: no work is left to post to it.
void endCount() {
  stopping = true;
  if (worker.joinable()) worker.join();
}

void bindEvents() {
  pushButton.onClick([clicks = 0]() mutable {
    ++clicks;
    status.setText(
        0, "Push me: clicked " + std::to_string(clicks) + (clicks == 1 ? " time" : " times"));
  });
  checkBox.onClick([] { status.setText(0, checkBox.checked ? "Checked" : "Unchecked"); });
  radioA.onClick([] { status.setText(0, "First choice"); });
  radioB.onClick([] { status.setText(0, "Second choice"); });
  colours.onSelectionChange(
      [](int index) { status.setText(0, "Colour: " + colours.itemText(index)); });
  scheme.onSelectionChange([](int index) { setColorScheme(static_cast<ColorScheme>(index)); });
  track.onChange([](int position) {  // the progress bar follows the slider
    progress.value = position;
    status.setText(0, "Slider at " + std::to_string(position));
  });
  countButton.onClick(startOrCancelCount);
  tabs.onChange([](int) { layout(); });
  window.onResize([](int, int) { layout(); });  // the bars follow the window by themselves
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MenuItem file = menuBar.addPopup("&File", 0);
  MenuItem next = file.add("&Next page", cmdNextPage);
  file.addSeparator();
  MenuItem exit = file.add("E&xit", cmdExit);
  MenuItem about = menuBar.addPopup("&Help", 1).add("&About...", cmdAbout);
  auto showAbout = [] {
    window.infoBox("Every control of the toolkit, one family per page.", "About Tarn Gallery");
  };
  next.onClick(nextPage);
  exit.onClick(quit);
  about.onClick(showAbout);
  // The toolbar's pictures: three of the system's own icons.
  ImageList icons;
  int nextIcon = icons.addIcon(IDI_APPLICATION, NULL);
  int aboutIcon = icons.addIcon(IDI_INFORMATION, NULL);
  int exitIcon = icons.addIcon(IDI_ERROR, NULL);
  toolbar.setImageList(icons);
  toolbar.setShowText(true);
  toolbar.addButton("Next page", nextIcon, cmdNextPage).onClick(nextPage);
  toolbar.addSeparator();
  toolbar.addButton("About", aboutIcon, cmdAbout).onClick(showAbout);
  toolbar.addButton("Exit", exitIcon, cmdExit).onClick(quit);

  fill();
  bindEvents();
  layout();
  window.centreOnScreen();
  window.show();
  int code = messageLoop();  // closing the window ends it
  endCount();
  return code;
}
