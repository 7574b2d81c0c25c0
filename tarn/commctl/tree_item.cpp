// TreeItem's constructors, apart from the tree view: every program constructs
// the global `treeRoot`, and a program without a tree view then links none of
// the tree view's code.
#include "tarn/views.h"

namespace tarn {

TreeItem::TreeItem() : control(NULL), parent(NULL), handle(NULL), isRoot(0), value(0) {}

TreeItem::TreeItem(HTREEITEM parent_, HTREEITEM handle_)
    : control(NULL), parent(parent_), handle(handle_), isRoot(parent_ == NULL), value(0) {}

}  // namespace tarn
