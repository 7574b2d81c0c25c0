// The tree view on real windows: where items go, the records handed out, the
// selection properties, long texts, expansion and clearing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/message_host.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::MessageHost;

namespace {

HTREEITEM parentOf(HWND tree, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

// The texts of the children of `item` (TVI_ROOT: the top level), in order.
std::vector<std::string> childTexts(const TreeView& tree, HTREEITEM item) {
  std::vector<std::string> texts;
  HTREEITEM child = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree.hwnd, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
  while (child != NULL) {
    TreeItem record;
    record.control = tree.hwnd;
    record.handle = child;
    texts.push_back(record.getText().str());
    child = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree.hwnd, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
  }
  return texts;
}

bool isExpanded(const TreeItem& item) {
  return (SendMessageA(item.control, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item.handle),
                       TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

class TreeHost : public ::testing::Test {
 protected:
  MessageHost host;
  TreeView tree{"ignored", 301, 10, 10, 300, 300, host.control()};
};

}  // namespace

TEST_F(TreeHost, CreationStyleNameAndPlace) {
  EXPECT_EQ(0x4001006F | WS_VISIBLE, tree.currentStyle());
  EXPECT_EQ("TreeView", testing_support::windowText(tree.hwnd));
  EXPECT_EQ(301, tree.dialogId());
  EXPECT_EQ(10, int(tree.x));
  EXPECT_EQ(300, int(tree.width));
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), tree.font());
  TreeView hidden("", 302, 0, 0, 50, 50, host.control(), false, false, false, WS_EX_CLIENTEDGE);
  EXPECT_FALSE(bool(hidden.visible));
  EXPECT_FALSE(bool(hidden.enabled));
  EXPECT_TRUE(hidden.hasExStyle(WS_EX_CLIENTEDGE));
}

TEST_F(TreeHost, RootRecordsAndWhereItemsGo) {
  EXPECT_EQ(nullptr, treeRoot.parent);
  EXPECT_EQ(TVI_ROOT, treeRoot.handle);
  EXPECT_EQ(1, treeRoot.isRoot);
  EXPECT_EQ(0, TreeItem(TVI_ROOT, NULL).isRoot);

  TreeItem a = tree.addItem(TreeItem(), "a", 7);
  TreeItem b = tree.addItem(treeRoot, "b", 8);
  for (const TreeItem& top : {a, b}) {
    EXPECT_EQ(TVI_ROOT, top.parent) << top.text.str();
    EXPECT_NE(nullptr, top.handle) << top.text.str();
    EXPECT_EQ(nullptr, parentOf(tree.hwnd, top.handle)) << top.text.str();
    EXPECT_EQ(tree.hwnd, top.control) << top.text.str();
    EXPECT_EQ(0, top.isRoot) << top.text.str();
  }
  EXPECT_EQ(7, a.value);
  EXPECT_EQ("a", a.text.str());

  // A record the tree handed out is a parent; lastItem follows addItem only,
  // lastRootItem only the items that went to the root.
  TreeItem a1 = tree.addItem(a, "a1", 1);
  EXPECT_EQ(a.handle, a1.parent);
  EXPECT_EQ(a.handle, parentOf(tree.hwnd, a1.handle));
  EXPECT_EQ(a1.handle, tree.lastItem.handle);
  EXPECT_EQ(b.handle, tree.lastRootItem.handle);
  TreeItem a2 = a.addChild("a2", 2);
  EXPECT_EQ(a.handle, a2.parent);
  EXPECT_EQ(a1.handle, tree.lastItem.handle);
  TreeItem c = tree.addItem(treeRoot, "c");
  EXPECT_EQ(c.handle, tree.lastItem.handle);
  EXPECT_EQ(c.handle, tree.lastRootItem.handle);
  a2.addChild("a2x");
  a.addChild("a3");
  tree.addItem(a, "a4");

  EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), childTexts(tree, TVI_ROOT));
  EXPECT_EQ((std::vector<std::string>{"a1", "a2", "a3", "a4"}), childTexts(tree, a.handle));
  EXPECT_EQ((std::vector<std::string>{"a2x"}), childTexts(tree, a2.handle));
  EXPECT_EQ(8, int(tree.count));
}

TEST_F(TreeHost, SelectionPropertiesWithAndWithoutASelection) {
  TreeItem top = tree.addItem(treeRoot, "top", 11);
  TreeItem child = top.addChild("child", -5);
  struct Row {
    const TreeItem* item;  // null: no selection
    const char* text;
    int value;
    HTREEITEM parent;
  };
  const Row rows[] = {
      {nullptr, "", 0, NULL},
      {&child, "child", -5, top.handle},
      {&top, "top", 11, NULL},  // the control reports no parent for a top-level item
  };
  for (const Row& r : rows) {
    if (r.item != nullptr)
      EXPECT_TRUE(r.item->select()) << r.text;
    else
      EXPECT_TRUE(tree.clearSelection());
    TreeItem selected = tree.selectedItem;
    EXPECT_EQ(r.text, String(tree.selectedText).str());
    EXPECT_EQ(r.value, int(tree.selectedValue)) << r.text;
    EXPECT_EQ(r.item ? r.item->handle : NULL, selected.handle) << r.text;
    EXPECT_EQ(r.parent, selected.parent) << r.text;
    EXPECT_EQ(r.item ? tree.hwnd : NULL, selected.control) << r.text;
    EXPECT_EQ(r.text, selected.text.str());
    EXPECT_EQ(r.value, selected.value) << r.text;
  }
  // A selected top-level record names no parent, so it adds at the root.
  top.select();
  TreeItem added = tree.addItem(tree.selectedItem, "beside top");
  EXPECT_EQ(TVI_ROOT, added.parent);
  EXPECT_EQ(nullptr, parentOf(tree.hwnd, added.handle));
}

TEST_F(TreeHost, LongTextsAreCutAt1023Characters) {
  const int lengths[] = {1022, 1023, 1024, 3000};
  for (int n : lengths) {
    std::string text(static_cast<std::size_t>(n), 'q');
    TreeItem item = tree.addItem(treeRoot, text, n);
    item.select();
    std::size_t expected = static_cast<std::size_t>(n < 1023 ? n : 1023);
    EXPECT_EQ(std::string(expected, 'q'), String(tree.selectedText).str()) << n;
    EXPECT_EQ(std::string(expected, 'q'), item.getText().str()) << n;
    EXPECT_EQ(n, int(tree.selectedValue)) << n;  // the value survives a full buffer
  }
}

TEST_F(TreeHost, ExpandingFollowsTheSelectionAndTheState) {
  TreeItem parent = tree.addItem(treeRoot, "parent");
  parent.addChild("child");
  TreeItem leaf = tree.addItem(treeRoot, "leaf");

  host.refuseSelection = true;  // the host answers TVN_SELCHANGING with TRUE
  EXPECT_FALSE(parent.selectAndExpand());
  EXPECT_FALSE(isExpanded(parent));
  host.refuseSelection = false;
  EXPECT_TRUE(parent.selectAndExpand());
  EXPECT_TRUE(isExpanded(parent));
  EXPECT_EQ(parent.handle, TreeItem(tree.selectedItem).handle);
  EXPECT_TRUE(parent.selectAndCollapse());
  EXPECT_FALSE(isExpanded(parent));

  struct Step {
    bool (TreeItem::*operation)() const;
    bool expanded;
  };
  const Step steps[] = {{&TreeItem::toggle, true},
                        {&TreeItem::toggle, false},
                        {&TreeItem::expand, true},
                        {&TreeItem::expand, true},
                        {&TreeItem::collapse, false}};
  int i = 0;
  for (const Step& s : steps) {
    (parent.*s.operation)();
    EXPECT_EQ(s.expanded, isExpanded(parent)) << "step " << i++;
  }
  EXPECT_FALSE(leaf.expand());  // nothing below it

  TreeItem gone = tree.addItem(treeRoot, "gone");
  EXPECT_TRUE(gone.remove());
  EXPECT_FALSE(gone.selectAndExpand());
}

TEST_F(TreeHost, ClearRemovesEveryItem) {
  TreeItem a = tree.addItem(treeRoot, "a");
  a.addChild("a1").addChild("a11");
  tree.addItem(treeRoot, "b");
  EXPECT_EQ(4, int(tree.count));
  EXPECT_TRUE(tree.clear());
  EXPECT_EQ(0, int(tree.count));
  EXPECT_EQ("", String(tree.selectedText).str());
  EXPECT_EQ(nullptr, a.addChild("under a deleted item").handle);
  tree.addItem(treeRoot, "again");
  EXPECT_EQ(1, int(tree.count));

  TreeView none;
  EXPECT_EQ(0, int(none.count));
  EXPECT_EQ("", String(none.selectedText).str());
  EXPECT_EQ(nullptr, TreeItem(none.selectedItem).handle);
}
