// The events of the list, table and tree views: a change of the selected row
// or item, and the activation of a row. Each is a handler for what the view
// tells its parent, kept in the view's window record and ended with it.
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/views.h"

namespace tarn {

namespace {

using detail::WindowRecord;

// The keys of the events among the handlers of what a view tells its parent.
const char selectionKey = 0;
const char activateKey = 0;

// What a list view asks of its own events, posted or sent to itself: wParam
// the view, lParam what to do.
UINT viewMessage() {
  static const UINT message = RegisterWindowMessageA("TarnViewEvent");
  return message;
}
constexpr LPARAM checkSelection = 1;   // the selection may have changed: report it if so
constexpr LPARAM activateFocused = 2;  // Enter: activate the focused (or first) selected row

// The part of a list view's record: the row its handler was last told, and
// whether a look at the selection is on its way.
struct ReportedSelection {
  int row = -1;
  bool checkPosted = false;
};

int nextItem(HWND view, int after, UINT flags) {
  return static_cast<int>(
      detail::send(view, LVM_GETNEXTITEM, static_cast<WPARAM>(after), static_cast<LPARAM>(flags)));
}

int firstSelected(HWND view) { return nextItem(view, -1, LVNI_SELECTED); }

// The row Enter activates: the selected row with the focus, else the first
// selected; -1 when none is.
int activeRow(HWND view) {
  int focused = nextItem(view, -1, LVNI_FOCUSED | LVNI_SELECTED);
  return focused >= 0 ? focused : firstSelected(view);
}

// Runs `view`'s event `key` for one of the calls above (from a copy: it may
// replace itself or end the view).
void callEvent(WindowRecord& record, const void* key, LPARAM call) {
  for (const detail::ParentMessageHandler& handler : record.toParent)
    if (handler.key == key) {
      auto run = handler.run;
      LRESULT ignored = 0;
      run(viewMessage(), reinterpret_cast<WPARAM>(record.window), call, ignored);
      return;
    }
}

bool hasEvent(const WindowRecord& record, const void* key) {
  for (const detail::ParentMessageHandler& handler : record.toParent)
    if (handler.key == key) return true;
  return false;
}

// The view's own side of its events: the posted looks at the selection, and
// Enter, which a view with an activation handler takes from the dialog manager
// (which would click the default button with it) and activates a row with.
bool viewHook(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == viewMessage()) {
    callEvent(record, lParam == checkSelection ? &selectionKey : &activateKey, lParam);
    result = 0;
    return true;
  }
  if ((message != WM_GETDLGCODE && message != WM_KEYDOWN && message != WM_CHAR) ||
      !hasEvent(record, &activateKey))
    return false;
  if (message == WM_GETDLGCODE) {
    const MSG* asked = reinterpret_cast<const MSG*>(lParam);
    if (asked == nullptr || asked->message != WM_KEYDOWN || asked->wParam != VK_RETURN)
      return false;
    result = detail::callNext(record, message, wParam, lParam) | DLGC_WANTALLKEYS;
    return true;
  }
  if (wParam != (message == WM_KEYDOWN ? VK_RETURN : '\r')) return false;
  if (message == WM_KEYDOWN) callEvent(record, &activateKey, activateFocused);
  result = 0;
  return true;
}

void hookView(HWND view) {
  if (WindowRecord* r = detail::record(view)) r->addHook(viewHook);
}

ReportedSelection* reportedOf(HWND view) {
  WindowRecord* r = detail::findRecord(view);
  return r != nullptr ? &r->part<ReportedSelection>() : nullptr;
}

// Has the view look at its selection again once it has done what it is doing.
void postCheck(HWND view, ReportedSelection& reported) {
  if (!reported.checkPosted)
    reported.checkPosted =
        PostMessageA(view, viewMessage(), reinterpret_cast<WPARAM>(view), checkSelection) != FALSE;
}

// Reports the selected row when it is not the one last reported.
void reportSelection(HWND view, const std::function<void(int)>& handler) {
  ReportedSelection* reported = reportedOf(view);
  if (reported == nullptr) return;
  int now = firstSelected(view);
  if (now == reported->row) return;
  reported->row = now;
  detail::runHandler(handler, now);
}

// A change of selection comes as one report per row that changes: moving it
// from row 2 to row 5 reports row 2 unselected, then row 5 selected (or the
// other way round). A selected row is reported at once; a selection that
// looks empty is looked at again once the view has done, so a row about to be
// selected is not reported as none first.
void selectionChanged(HWND view, const std::function<void(int)>& handler) {
  ReportedSelection* reported = reportedOf(view);
  if (reported == nullptr) return;
  if (firstSelected(view) >= 0)
    reportSelection(view, handler);
  else if (reported->row != -1)
    postCheck(view, *reported);
}

// Rows inserted or deleted before the selected one move it without changing
// the selection; deleting the selected row (or all) does change it, once the
// deletion is done (the view tells of it before).
void rowsMoved(HWND view, UINT code, int item) {
  ReportedSelection* reported = reportedOf(view);
  if (reported == nullptr || reported->row < 0) return;
  if (code == LVN_INSERTITEM && item <= reported->row)
    ++reported->row;
  else if (code == LVN_DELETEITEM && item < reported->row)
    --reported->row;
  else if (code == LVN_DELETEALLITEMS || (code == LVN_DELETEITEM && item == reported->row))
    postCheck(view, *reported);
}

void setSelectionEvent(HWND view, std::function<void(int)> handler) {
  if (!handler) {
    detail::setControlEvent(view, &selectionKey, nullptr);
    return;
  }
  hookView(view);
  if (ReportedSelection* reported = reportedOf(view)) reported->row = firstSelected(view);
  detail::setControlEvent(
      view, &selectionKey,
      [handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == viewMessage()) {
          HWND view = reinterpret_cast<HWND>(wParam);
          if (ReportedSelection* reported = reportedOf(view)) reported->checkPosted = false;
          reportSelection(view, handler);
          return;
        }
        if (message != WM_NOTIFY) return;
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        switch (header->code) {
          case LVN_ITEMCHANGED:
            if (change->uChanged & LVIF_STATE) selectionChanged(header->hwndFrom, handler);
            break;
          case LVN_ODSTATECHANGED: selectionChanged(header->hwndFrom, handler); break;
          case LVN_INSERTITEM:
          case LVN_DELETEITEM:
          case LVN_DELETEALLITEMS: rowsMoved(header->hwndFrom, header->code, change->iItem); break;
          default: break;
        }
      });
}

void setActivateEvent(HWND view, std::function<void(int)> handler) {
  if (!handler) {
    detail::setControlEvent(view, &activateKey, nullptr);
    return;
  }
  hookView(view);
  detail::setControlEvent(
      view, &activateKey,
      [handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam) {
        int row = -1;
        if (message == viewMessage() && lParam == activateFocused) {
          row = activeRow(reinterpret_cast<HWND>(wParam));
        } else if (message == WM_NOTIFY &&
                   reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMACTIVATE) {
          row = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
        }
        if (row >= 0) detail::runHandler(handler, row);
      });
}

}  // namespace

void ListView::onSelectionChange(std::function<void(int row)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setSelectionEvent(hwnd, std::move(handler));
}

void ListView::onActivate(std::function<void(int row)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setActivateEvent(hwnd, std::move(handler));
}

void TableView::onSelectionChange(std::function<void(int row)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setSelectionEvent(hwnd, std::move(handler));
}

void TableView::onActivate(std::function<void(int row)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setActivateEvent(hwnd, std::move(handler));
}

// The tree reports each change once, after it; the item is read as
// `selectedItem` reads it.
void TreeView::onSelectionChange(std::function<void(const TreeItem& item)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  if (!handler) {
    detail::setControlEvent(hwnd, &selectionKey, nullptr);
    return;
  }
  detail::setControlEvent(hwnd, &selectionKey,
                          [handler = std::move(handler)](UINT message, WPARAM, LPARAM lParam) {
                            if (message != WM_NOTIFY) return;
                            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
                            if (header->code != TVN_SELCHANGEDA && header->code != TVN_SELCHANGEDW)
                              return;
                            HWND from = header->hwndFrom;
                            detail::runHandler([&] {
                              TreeView tree;
                              tree.hwnd = from;
                              handler(tree.getSelectedItem());
                            });
                          });
}

}  // namespace tarn
