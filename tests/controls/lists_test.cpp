// List boxes and the combo box: one contract over all three list-like controls
// (items with data, searches and where they start, selection, removal, error
// answers turned into values, long items), then what each has of its own.
#include <string>

#include "support/control_host.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

// Where the list-like controls differ; the rest of their contract is shared.
template <class List>
struct ListKind;

template <>
struct ListKind<ListBox> {
  static constexpr int firstMatchOfAb = 0;  // findString("AB") over ab|ab2|cd
  static constexpr LPARAM dataPastTheEnd = -1;
  static ListBox make(const Control& parent) {
    return ListBox("", 701, 10, 10, 150, 120, parent, true, true, false, true, 0);
  }
  static int add(ListBox& list, const std::string& text, LPARAM data) {
    return list.addItem(text, data);
  }
};

// Its searches start after the first item (the list's starting point).
template <>
struct ListKind<MCListBox> {
  static constexpr int firstMatchOfAb = 1;
  static constexpr LPARAM dataPastTheEnd = -1;
  static MCListBox make(const Control& parent) {
    return MCListBox("", 702, 200, 10, 300, 120, parent, true, true, false, true, 60, 0);
  }
  static int add(MCListBox& list, const std::string& text, LPARAM data) {
    return list.addItem(text, data);
  }
};

// Its searches are prefix searches that examine item 0 last.
template <>
struct ListKind<ComboBox> {
  static constexpr int firstMatchOfAb = 1;
  static constexpr LPARAM dataPastTheEnd = 0;
  static ComboBox make(const Control& parent) {
    return ComboBox("", 740, 10, 10, 200, 200, parent, true, true, false, false, 0);
  }
  static int add(ComboBox& combo, const std::string& text, LPARAM data) {
    return combo.addItem(text, data, 0);
  }
};

template <class List>
std::string itemsOf(const List& list) {
  std::string out;
  for (int i = 0; i < list.count(); ++i) out += (i ? "|" : "") + list.itemText(i).str();
  return out;
}

template <class List>
class ListLike : public ControlHost {
 protected:
  using Kind = ListKind<List>;
  int add(const std::string& text, LPARAM data) { return Kind::add(list, text, data); }
  // Two items sharing a prefix, one with data 0.
  void fill() {
    add("ab", 10);
    add("ab2", 20);
    add("cd", 0);
  }
  List list = Kind::make(form);
};

using ListLikeControls = ::testing::Types<ListBox, MCListBox, ComboBox>;
TYPED_TEST_SUITE(ListLike, ListLikeControls);

}  // namespace

TYPED_TEST(ListLike, SearchesSelectionAndRemovalFollowWhereTheListStarts) {
  TypeParam& list = this->list;
  const int ab = TestFixture::Kind::firstMatchOfAb;
  this->fill();
  EXPECT_EQ("ab|ab2|cd", itemsOf(list));
  EXPECT_EQ(ab, list.findString("AB"));
  EXPECT_EQ(ab == 0 ? 10 : 20, list.itemDataOf("ab"));
  EXPECT_EQ(1, list.findString("ab2"));
  EXPECT_EQ(2, list.findString("c"));
  EXPECT_EQ(-1, list.findString("zz"));
  EXPECT_EQ(0, list.findStringExact("AB"));
  EXPECT_EQ(-1, list.findStringExact("a"));
  EXPECT_EQ(ab, list.selectString("ab"));
  EXPECT_EQ(ab, int(list.selectedIndex));
  EXPECT_EQ(-1, list.selectString("zz"));  // no match keeps the selection
  EXPECT_EQ(ab, int(list.selectedIndex));
  EXPECT_EQ(2, list.selectString("cd"));
  EXPECT_EQ(2, int(list.selectedIndex));
  // Missing text and data 0 both read 0.
  EXPECT_EQ(0, list.itemDataOf("zz"));
  EXPECT_EQ(0, list.itemDataOf("cd"));
  EXPECT_EQ(0, LPARAM(list.selectedData));
  ASSERT_TRUE(list.setSelectedIndex(1));
  EXPECT_EQ(20, LPARAM(list.selectedData));
  EXPECT_EQ(3, list.textLength(1));
  EXPECT_FALSE(list.removeString("zz"));
  EXPECT_EQ("ab|ab2|cd", itemsOf(list));  // nothing deleted
  EXPECT_TRUE(list.removeString("cd"));
  EXPECT_EQ("ab|ab2", itemsOf(list));
  EXPECT_TRUE(list.removeString("ab"));  // findString's item
  EXPECT_EQ(ab == 0 ? "ab2" : "ab", itemsOf(list));
  EXPECT_FALSE(list.removeItem(5));
  EXPECT_TRUE(list.removeItem(0));
  EXPECT_EQ(0, list.count());
  EXPECT_EQ(-1, list.findString(""));
  this->add("only", 9);
  EXPECT_EQ(0, list.findString("ON"));
}

TYPED_TEST(ListLike, ItemDataStaysWithItsItemAfterARemoval) {
  TypeParam& list = this->list;
  EXPECT_EQ(0, this->add("a", 1));
  EXPECT_EQ(1, this->add("b", 2));
  EXPECT_EQ(2, this->add("c", 3));
  EXPECT_TRUE(list.removeItem(0));
  EXPECT_EQ("b|c", itemsOf(list));
  EXPECT_EQ(2, list.itemData(0));
  EXPECT_EQ(3, list.itemData(1));
  EXPECT_EQ(2, this->add("d", 4));  // after the others
  EXPECT_EQ(4, list.itemData(2));
  EXPECT_EQ(3, list.itemDataOf("c"));
}

TYPED_TEST(ListLike, EmptyListsAndMissingIndicesGiveTheirFixedAnswers) {
  TypeParam& list = this->list;
  EXPECT_EQ(0, list.count());
  EXPECT_EQ(-1, int(list.selectedIndex));
  EXPECT_EQ(0, LPARAM(list.selectedData));
  EXPECT_EQ(TestFixture::Kind::dataPastTheEnd, list.itemData(0));
  EXPECT_EQ(0, list.textLength(0));
  EXPECT_EQ("", list.itemText(0).str());
  EXPECT_EQ("", list.itemText(-1).str());
  this->add("x", 5);
  EXPECT_TRUE(list.setSelectedIndex(0));
  EXPECT_EQ(5, LPARAM(list.selectedData));
  EXPECT_FALSE(list.setSelectedIndex(-1));  // clears, yet the control answers -1
  EXPECT_EQ(-1, int(list.selectedIndex));
  EXPECT_FALSE(list.setSelectedIndex(3));
  EXPECT_FALSE(list.removeItem(9));
  list.clear();
  EXPECT_EQ(0, list.count());
  EXPECT_EQ(0, this->add("again", 6));  // appended after clear
}

TYPED_TEST(ListLike, ItemsOfAnyLengthReadBackWhole) {
  TypeParam& list = this->list;
  const std::string huge(60000, 'q');
  ASSERT_EQ(0, this->add(huge, 42));
  ASSERT_EQ(1, this->add("", 7));
  ASSERT_EQ(2, this->add("short", 78));
  EXPECT_EQ(60000, list.textLength(0));
  EXPECT_EQ(huge, list.itemText(0).str());
  EXPECT_EQ(42, list.itemData(0));
  EXPECT_EQ("", list.itemText(1).str());
  EXPECT_EQ(7, list.itemData(1));
  EXPECT_EQ("short", list.itemText(2).str());
  for (int index : {-1, 3, 100}) EXPECT_EQ("", list.itemText(index).str()) << index;
}

// --- What each has of its own ----------------------------------------------

TEST_F(ControlHost, ColumnWidthAndItemHeightReachTheList) {
  MCListBox columns("", 730, 10, 10, 400, 100, form, true, true, false, false, 50, 0);
  columns.addItem("ab", 10);
  RECT item = {0, 0, 0, 0};
  SendMessageA(columns.hwnd, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(50, item.right - item.left);
  EXPECT_EQ(1, columns.setColumnWidth(80));
  SendMessageA(columns.hwnd, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(80, item.right - item.left);
  columns.setItemHeight(30);
  EXPECT_EQ(30, SendMessageA(columns.hwnd, LB_GETITEMHEIGHT, 0, 0));
}

TEST_F(ControlHost, ComboItemsGoWhereTheyAreCountedOrToTheEnd) {
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

TEST_F(ControlHost, ComboSelectionPastTheEndIsKeptAndTheTopIsTheFirstItem) {
  ComboBox combo("", 760, 10, 10, 200, 200, form, true, true, false, false, 0);
  ASSERT_EQ(0, combo.addItem("first", 77, 0));
  ASSERT_EQ(1, combo.addItem("short", 78, 0));
  EXPECT_TRUE(combo.setSelectedIndex(1));
  EXPECT_EQ(78, LPARAM(combo.selectedData));
  EXPECT_FALSE(combo.setSelectedIndex(5));
  EXPECT_EQ(1, int(combo.selectedIndex));
  EXPECT_FALSE(combo.setSelectedIndex(-1));
  EXPECT_EQ(0, int(combo.topIndex));
}

TEST_F(ControlHost, ComboTextsImagesAndTheListOnlyField) {
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
