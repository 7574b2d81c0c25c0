// List boxes and the combo box: items with data, searches and where they
// start, error answers turned into values, long items, and insert positions.
#include <string>

#include "controls/host.h"
#include "support/support.h"

using namespace tarn;
using namespace controls_test;

namespace {

void addTo(ListBox& list, const char* text, LPARAM data) { list.addItem(text, data); }
void addTo(ComboBox& combo, const char* text, LPARAM data) { combo.addItem(text, data, 0); }

// The same fill for every list: two items sharing a prefix, one with data 0.
template <class List>
void fill(List& list) {
  addTo(list, "ab", 10);
  addTo(list, "ab2", 20);
  addTo(list, "cd", 0);
}

template <class List>
std::string itemsOf(const List& list) {
  std::string out;
  for (int i = 0; i < list.count(); ++i) out += (i ? "|" : "") + list.itemText(i).str();
  return out;
}

}  // namespace

// --- List boxes -------------------------------------------------------------

TEST_F(Host, ListSearchesStartWhereEachListStarts) {
  ListBox single("", 701, 10, 10, 150, 120, form, true, true, false, true, 0);
  MCListBox columns("", 702, 200, 10, 300, 120, form, true, true, false, true, 60, 0);
  fill(single);
  fill(columns);
  struct Row {
    const char* name;
    ListBox& list;
    int prefixAb;  // findString / selectString of "ab"
  } rows[] = {{"ListBox", single, 0}, {"MCListBox", columns, 1}};
  for (Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListBox& list = row.list;
    EXPECT_EQ("ab|ab2|cd", itemsOf(list));
    EXPECT_EQ(row.prefixAb, list.findString("AB"));
    EXPECT_EQ(row.prefixAb == 0 ? 10 : 20, list.itemDataOf("ab"));
    EXPECT_EQ(2, list.findString("c"));
    EXPECT_EQ(-1, list.findString("zz"));
    EXPECT_EQ(0, list.findStringExact("AB"));
    EXPECT_EQ(-1, list.findStringExact("a"));
    EXPECT_EQ(row.prefixAb, list.selectString("ab"));
    EXPECT_EQ(row.prefixAb, int(list.selectedIndex));
    EXPECT_EQ(-1, list.selectString("zz"));  // no match keeps the selection
    EXPECT_EQ(row.prefixAb, int(list.selectedIndex));
    // Missing text and data 0 both read 0.
    EXPECT_EQ(0, list.itemDataOf("zz"));
    EXPECT_EQ(0, list.itemDataOf("cd"));
    ASSERT_TRUE(list.setSelectedIndex(2));
    EXPECT_EQ(0, LPARAM(list.selectedData));
    EXPECT_EQ(3, list.textLength(1));
    EXPECT_FALSE(list.removeString("zz"));
    EXPECT_EQ(3, list.count());
    EXPECT_TRUE(list.removeString("cd"));
    EXPECT_EQ("ab|ab2", itemsOf(list));
    EXPECT_FALSE(list.removeItem(5));
    EXPECT_TRUE(list.removeItem(0));
    EXPECT_EQ("ab2", itemsOf(list));
  }
}

TEST_F(Host, EmptyListsAndMissingIndicesGiveTheirFixedAnswers) {
  ListBox list("", 710, 10, 10, 150, 120, form, true, true, false, false, 0);
  EXPECT_EQ(0, list.count());
  EXPECT_EQ(-1, int(list.selectedIndex));
  EXPECT_EQ(0, LPARAM(list.selectedData));
  EXPECT_EQ(-1, list.itemData(0));
  EXPECT_EQ(0, list.textLength(0));
  EXPECT_EQ("", list.itemText(0).str());
  EXPECT_EQ("", list.itemText(-1).str());
  list.addItem("x", 5);
  EXPECT_TRUE(list.setSelectedIndex(0));
  EXPECT_EQ(5, LPARAM(list.selectedData));
  EXPECT_FALSE(list.setSelectedIndex(-1));  // clears, yet the control answers -1
  EXPECT_EQ(-1, int(list.selectedIndex));
  EXPECT_FALSE(list.setSelectedIndex(3));
  list.clear();
  EXPECT_EQ(0, list.count());
  EXPECT_EQ(0, list.addItem("again", 6));  // a list box appends after clear
}

TEST_F(Host, ListItemsOfAnyLengthReadBackWhole) {
  ListBox list("", 720, 10, 10, 150, 120, form, true, true, false, false, 0);
  const std::string huge(60000, 'q');
  int index = list.addItem(huge, 42);
  ASSERT_EQ(0, index);
  EXPECT_EQ(60000, list.textLength(0));
  EXPECT_EQ(huge, list.itemText(0).str());
  EXPECT_EQ(42, list.itemData(0));
  EXPECT_EQ(1, list.addItem("", 7));
  EXPECT_EQ("", list.itemText(1).str());
  EXPECT_EQ(7, list.itemData(1));
}

TEST_F(Host, ColumnWidthAndItemHeightReachTheList) {
  MCListBox columns("", 730, 10, 10, 400, 100, form, true, true, false, false, 50, 0);
  fill(columns);
  RECT item = {0, 0, 0, 0};
  SendMessageA(columns.hwnd, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(50, item.right - item.left);
  EXPECT_EQ(1, columns.setColumnWidth(80));
  SendMessageA(columns.hwnd, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(80, item.right - item.left);
  columns.setItemHeight(30);
  EXPECT_EQ(30, SendMessageA(columns.hwnd, LB_GETITEMHEIGHT, 0, 0));
}

// --- Combo box --------------------------------------------------------------

TEST_F(Host, ComboItemsGoWhereTheyAreCountedOrToTheEnd) {
  ComboBox combo("", 740, 10, 10, 200, 200, form, true, true, false, false, 0);
  EXPECT_EQ(0, combo.addItem("a", 1, 0));
  EXPECT_EQ(1, combo.addItem("b", 2, 0));
  EXPECT_EQ(2, combo.addItem("c", 3, 0));
  EXPECT_EQ("a|b|c", itemsOf(combo));
  EXPECT_EQ(3, combo.insertCount);
  combo.clear();
  EXPECT_EQ(3, combo.insertCount);  // kept across clear
  EXPECT_EQ(0, combo.addItem("d", 4, 0));  // position 3 is past the end: appended
  EXPECT_EQ(1, combo.addItem("e", 5, 0));
  EXPECT_EQ("d|e", itemsOf(combo));
  EXPECT_EQ(5, combo.itemData(1));
  EXPECT_TRUE(combo.removeItem(0));
  EXPECT_EQ(1, combo.addItem("f", 6, 0));
  EXPECT_EQ("e|f", itemsOf(combo));
  EXPECT_EQ(6, combo.itemData(1));
  EXPECT_EQ(6, combo.insertCount);
}

TEST_F(Host, ComboSearchesArePrefixSearchesAfterTheFirstItem) {
  ComboBox combo("", 750, 10, 10, 200, 200, form, true, true, false, false, 0);
  fill(combo);
  EXPECT_EQ(1, combo.findString("AB"));  // item 0 is examined last
  EXPECT_EQ(1, combo.findString("ab2"));
  EXPECT_EQ(2, combo.findString("c"));
  EXPECT_EQ(-1, combo.findString("missing"));
  EXPECT_EQ(0, combo.findStringExact("AB"));
  EXPECT_EQ(-1, combo.findStringExact("a"));
  EXPECT_EQ(20, combo.itemDataOf("ab"));
  EXPECT_EQ(0, combo.itemDataOf("missing"));
  EXPECT_FALSE(combo.removeString("missing"));
  EXPECT_EQ("ab|ab2|cd", itemsOf(combo));  // nothing deleted
  EXPECT_EQ(2, combo.selectString("cd"));
  EXPECT_EQ(2, int(combo.selectedIndex));
  EXPECT_EQ(-1, combo.selectString("zz"));
  EXPECT_EQ(2, int(combo.selectedIndex));  // kept
  EXPECT_EQ(0, LPARAM(combo.selectedData));
  EXPECT_TRUE(combo.removeString("ab"));
  EXPECT_EQ("ab|cd", itemsOf(combo));
  combo.clear();
  EXPECT_EQ(-1, combo.findString(""));
  combo.addItem("only", 9, 0);
  EXPECT_EQ(0, combo.findString("ON"));
}

TEST_F(Host, ComboErrorAnswersAndLongItems) {
  ComboBox combo("", 760, 10, 10, 200, 200, form, true, true, false, false, 0);
  EXPECT_EQ(-1, int(combo.selectedIndex));
  EXPECT_EQ(0, LPARAM(combo.selectedData));
  EXPECT_EQ(0, combo.itemData(0));  // where a list box answers -1
  EXPECT_EQ(0, combo.textLength(0));
  const std::string huge(60000, 'z');
  ASSERT_EQ(0, combo.addItem(huge, 77, 0));
  ASSERT_EQ(1, combo.addItem("short", 78, 0));
  EXPECT_EQ(60000, combo.textLength(0));
  EXPECT_EQ(huge, combo.itemText(0).str());
  EXPECT_EQ("short", combo.itemText(1).str());
  EXPECT_EQ(77, combo.itemData(0));
  for (int index : {-1, 2, 100}) EXPECT_EQ("", combo.itemText(index).str()) << index;
  EXPECT_TRUE(combo.setSelectedIndex(1));
  EXPECT_EQ(78, LPARAM(combo.selectedData));
  EXPECT_FALSE(combo.setSelectedIndex(5));
  EXPECT_EQ(1, int(combo.selectedIndex));
  EXPECT_FALSE(combo.setSelectedIndex(-1));
  EXPECT_EQ(0, int(combo.topIndex));
  EXPECT_FALSE(combo.removeItem(9));
}

TEST_F(Host, ComboTextsImagesAndTheListOnlyField) {
  ComboBox editable("typed", 770, 10, 10, 200, 200, form, true, true, false, false, 0);
  EXPECT_EQ("typed", String(editable.text).str());
  editable.addItem("picked", 1, 0);
  editable.setSelectedIndex(0);
  EXPECT_EQ("picked", String(editable.text).str());

  ComboBox listOnly("ignored", 771, 10, 60, 200, 200, form, true, true, false, true, 0);
  listOnly.addItem("first", 1, 0);
  listOnly.addItem("second", 2, 0);
  EXPECT_EQ(1, listOnly.selectString("SEC"));
  EXPECT_EQ(1, int(listOnly.selectedIndex));

  ImageList images;
  images.addIcon(Icon(LoadIconA(NULL, IDI_APPLICATION)));
  ASSERT_NE(HIMAGELIST(NULL), images.list);
  EXPECT_EQ(HIMAGELIST(NULL), editable.setImageList(images));
  EXPECT_EQ(images.list, editable.setImageList(images));
  EXPECT_EQ(images.list, reinterpret_cast<HIMAGELIST>(
                             SendMessageA(editable.hwnd, CBEM_GETIMAGELIST, 0, 0)));
  editable.addItem("with image", 3, 5);
  COMBOBOXEXITEMA item = {};
  item.mask = CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
  item.iItem = 1;
  ASSERT_TRUE(SendMessageA(editable.hwnd, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(5, item.iImage);
  EXPECT_EQ(5, item.iSelectedImage);
}
