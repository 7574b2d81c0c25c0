// The events of the track bar, the scroll bar, the tab control, the rich text
// box, toolbar buttons and menu entries. A control's events are handlers for
// what it tells its parent, kept in its window record; a menu entry's are kept
// by the form whose bar holds it. Each ends with its window.
#include <algorithm>
#include <utility>
#include <vector>

#include "tarn/bars.h"
#include "tarn/commctl.h"
#include "tarn/core/detail.h"
#include "tarn/core/window_events.h"
#include "tarn/menus.h"
#include "tarn/richtext.h"

namespace tarn {

namespace {

using detail::WindowRecord;

// The keys of the events among the handlers of what a control tells its parent.
const char changeKey = 0;
const char clickKey = 0;

bool isScroll(UINT message) { return message == WM_HSCROLL || message == WM_VSCROLL; }

// The part of a track's record: the position its handler was last told.
struct ReportedPosition {
  int position = 0;
};

// The part of a toolbar's record: its buttons' handlers, by command.
struct ToolbarClicks : detail::CommandHandlers {};

// Where the user's scrolling takes a scroll bar: `code` and the bar's state
// give the new position, within the range (the last page stays whole). False
// for codes that move nothing (SB_ENDSCROLL).
bool scrollTarget(int code, const SCROLLINFO& info, int& to) {
  int range = info.nMax - info.nMin;
  int page = info.nPage > 0 ? static_cast<int>(info.nPage) : std::max(1, range / 10);
  switch (code) {
    case SB_LINEUP: to = info.nPos - 1; break;
    case SB_LINEDOWN: to = info.nPos + 1; break;
    case SB_PAGEUP: to = info.nPos - page; break;
    case SB_PAGEDOWN: to = info.nPos + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: to = info.nTrackPos; break;  // 32 bits, where wParam has 16
    case SB_TOP: to = info.nMin; break;
    case SB_BOTTOM: to = info.nMax; break;
    default: return false;
  }
  int highest = info.nMax - std::max(0, static_cast<int>(info.nPage) - 1);
  to = std::max(info.nMin, std::min(to, std::max(info.nMin, highest)));
  return true;
}

struct MenuSearch {
  HMENU menu;
  HWND found;
};

BOOL CALLBACK findMenuBar(HWND window, LPARAM data) {
  MenuSearch& search = *reinterpret_cast<MenuSearch*>(data);
  if (GetMenu(window) != search.menu) return TRUE;
  search.found = window;
  return FALSE;
}

// The form whose menu bar `menu` is, among this thread's top-level windows.
HWND formShowing(HMENU menu) {
  MenuSearch search = {menu, NULL};
  EnumThreadWindows(GetCurrentThreadId(), findMenuBar, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

// ---------------------------------------------------------------------------
// Track and ScrollBar

void Track::onChange(std::function<void(int position)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  if (!handler) {
    detail::setControlEvent(hwnd, &changeKey, nullptr);
    return;
  }
  if (WindowRecord* r = detail::record(hwnd))
    r->part<ReportedPosition>().position = static_cast<int>(detail::send(hwnd, TBM_GETPOS));
  detail::setControlEvent(hwnd, &changeKey,
                          [handler = std::move(handler)](UINT message, WPARAM, LPARAM lParam) {
                            if (!isScroll(message)) return;
                            HWND track = reinterpret_cast<HWND>(lParam);
                            WindowRecord* r = detail::findRecord(track);
                            if (r == nullptr) return;
                            int now = static_cast<int>(detail::send(track, TBM_GETPOS));
                            int& reported = r->part<ReportedPosition>().position;
                            if (now == reported) return;  // the end of a drag, a key at an end
                            reported = now;
                            detail::runHandler(handler, now);
                          });
}

// A scroll bar only tells its parent what the user did; moving the thumb is
// the parent's work, done here for the handler.
void ScrollBar::onChange(std::function<void(int position)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  if (!handler) {
    detail::setControlEvent(hwnd, &changeKey, nullptr);
    return;
  }
  detail::setControlEvent(
      hwnd, &changeKey, [handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam) {
        if (!isScroll(message)) return;
        HWND bar = reinterpret_cast<HWND>(lParam);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        int to = 0;
        if (!GetScrollInfo(bar, SB_CTL, &info) || !scrollTarget(LOWORD(wParam), info, to)) return;
        if (to == info.nPos) return;
        SetScrollPos(bar, SB_CTL, to, TRUE);
        detail::runHandler(handler, to);
      });
}

// ---------------------------------------------------------------------------
// Tab and RichTextBox

void Tab::onChange(std::function<void(int index)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  if (!handler) {
    detail::setControlEvent(hwnd, &changeKey, nullptr);
    return;
  }
  detail::setControlEvent(
      hwnd, &changeKey, [handler = std::move(handler)](UINT message, WPARAM, LPARAM lParam) {
        if (message != WM_NOTIFY) return;
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return;
        detail::runHandler(handler,
                           static_cast<int>(detail::send(header->hwndFrom, TCM_GETCURSEL)));
      });
}

// The rich-edit control reports changes only when asked to (ENM_CHANGE).
void RichTextBox::onChange(std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  if (handler) {
    LRESULT mask = detail::send(hwnd, EM_GETEVENTMASK);
    if (!(mask & ENM_CHANGE)) detail::send(hwnd, EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
  }
  detail::setCommandEvent(hwnd, &changeKey, EN_CHANGE, std::move(handler));
}

// ---------------------------------------------------------------------------
// Toolbar buttons and menu entries

void ToolbarButton::onClick(std::function<void()> handler) const {
  handler = detail::sharedHandler(std::move(handler));
  WindowRecord* r = handler ? detail::record(control) : detail::findRecord(control);
  if (r == nullptr) return;
  ToolbarClicks& clicks = r->part<ToolbarClicks>();
  clicks.set(command, std::move(handler));
  if (clicks.handlers.empty()) {
    detail::setControlEvent(control, &clickKey, nullptr);
    r->dropPart<ToolbarClicks>();
    return;
  }
  detail::setControlEvent(control, &clickKey, [](UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return;
    WindowRecord* toolbar = detail::findRecord(reinterpret_cast<HWND>(lParam));
    if (const ToolbarClicks* clicks = toolbar ? toolbar->findPart<ToolbarClicks>() : nullptr)
      clicks->run(LOWORD(wParam));
  });
}

void MenuItem::onClick(std::function<void()> handler) const {
  handler = detail::sharedHandler(std::move(handler));
  HWND form = owner != NULL && GetMenu(owner) == rootMenu ? owner : formShowing(rootMenu);
  if (!handler) {
    if (form != NULL && !dropDown) detail::setMenuHandler(form, static_cast<int>(id), nullptr);
    return;
  }
  if (!runtimeCheck(!dropDown && rootMenu != NULL && form != NULL,
                    "onClick on an entry of a menu bar shown on a form", __FILE__, __LINE__))
    return;
  detail::setMenuHandler(form, id, std::move(handler));
}

}  // namespace tarn
