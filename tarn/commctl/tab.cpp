// The tab control: Tab, and the TabPage records naming its tabs and pages.
#include <algorithm>

#include "tarn/commctl.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/window_events.h"

namespace tarn {

namespace {

// WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP | TCS_MULTILINE
constexpr DWORD tabStyle = 0x42010200;
constexpr int pageMarginUnits = 5;

// Commands from controls on the tab control (its pages) that no handler took
// go on to the window holding it, so they reach the form's procedure.
bool forwardCommands(detail::WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
  if (message != WM_COMMAND) return false;
  detail::send(GetParent(record.window), WM_COMMAND, wParam, lParam);
  result = 0;
  return true;
}

RECT itemRect(HWND control, int index) {
  RECT r = {0, 0, 0, 0};
  detail::send(control, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// Where a page goes, in the tab control's client area. With the tabs on top
// the page sits below this tab's row; with tabs at the bottom or the side it
// takes the control's display area. Either way 5 units in from the edges.
RECT pageRect(HWND control, int index) {
  const int pageMargin = detail::scale(pageMarginUnits, detail::dpiOf(control));
  RECT client = {0, 0, 0, 0};
  GetClientRect(control, &client);
  RECT page;
  if (GetWindowLongA(control, GWL_STYLE) & (TCS_BOTTOM | TCS_VERTICAL)) {
    page = client;
    detail::send(control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, -pageMargin, -pageMargin);
    return page;
  }
  RECT window = {0, 0, 0, 0};
  GetWindowRect(control, &window);
  int tabBottom = itemRect(control, index).bottom;
  page.left = pageMargin;
  page.top = tabBottom + 1 + pageMargin;
  page.right = page.left + (window.right - window.left) - 2 * pageMargin;
  page.bottom = page.top + client.bottom - tabBottom - 2 - 2 * pageMargin;
  return page;
}

}  // namespace

// ---------------------------------------------------------------------------
// TabPage

TabPage::TabPage() : hasPage(false), item(), index(-1), control(NULL) { bindProperties(); }

TabPage::TabPage(const TCITEMA& item_, int index_, HWND control_)
    : hasPage(false), item(item_), index(index_), control(control_) {
  bindProperties();
}

void TabPage::bindProperties() {
  width.bind(this, &TabPage::getWidth);
  height.bind(this, &TabPage::getHeight);
}

int TabPage::getWidth() const {
  if (index == -1) return 0;
  RECT r = itemRect(control, index);
  return detail::unscale(r.right - r.left, detail::dpiOf(control));
}

int TabPage::getHeight() const {
  if (index == -1) return 0;
  RECT r = itemRect(control, index);
  return detail::unscale(r.bottom - r.top, detail::dpiOf(control));
}

bool TabPage::isSelected() const { return detail::send(control, TCM_GETCURSEL) == index; }

TabPage& TabPage::setPage(const Control& window) {
  page = Control::wrap(window);
  hasPage = true;
  SetParent(page.hwnd, control);
  page.parentHwnd = control;
  if (isSelected())
    layout();
  else
    page.hide();
  return *this;
}

int TabPage::layout() {
  if (index == -1 || !hasPage) return 1;
  RECT r = pageRect(control, index);
  LONG smallest = detail::scale(10, detail::dpiOf(control));
  MoveWindow(page.hwnd, std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0),
             std::max<LONG>(r.right - r.left, smallest), std::max<LONG>(r.bottom - r.top, smallest),
             TRUE);
  if (isSelected()) page.show();
  return 1;
}

void TabPage::select() {
  detail::send(control, TCM_SETCURSEL, static_cast<WPARAM>(index));
  if (hasPage) page.show();
}

int TabPage::hide() {
  if (index != -1 && hasPage) page.hide();
  return 1;
}

bool TabPage::remove() {
  if (index == -1) return true;
  if (hasPage) {
    page.destroy();
    page = Control();
    hasPage = false;
  }
  return detail::send(control, TCM_DELETEITEM, static_cast<WPARAM>(index)) != 0;
}

RECT TabPage::rect() const { return itemRect(control, index); }

// ---------------------------------------------------------------------------
// Tab

DWORD Tab::typeStyle(int type) {
  static constexpr DWORD styles[] = {
      0,                           // 0: tabs on top
      TCS_VERTICAL,                // 1
      TCS_BOTTOM,                  // 2
      TCS_BOTTOM,                  // 3
      TCS_BUTTONS,                 // 4
      TCS_BUTTONS | TCS_VERTICAL,  // 5
      TCS_BUTTONS | TCS_BOTTOM,    // 6
      TCS_BUTTONS | TCS_BOTTOM,    // 7
      0,                           // 8: tabs on top, modal frame (see typeExStyle)
  };
  constexpr int types = sizeof styles / sizeof styles[0];
  return type >= 0 && type < types ? styles[type] : 0;
}

DWORD Tab::typeExStyle(int type) { return type == 8 ? WS_EX_DLGMODALFRAME : 0; }

Tab::Tab() { count.bind(this, &Tab::getCount); }

Tab::Tab(const String&, int id_, int x_, int y_, int width_, int height_, const Control& parent,
         int type, bool enabled_, bool visible_, bool centred, int exStyle) {
  count.bind(this, &Tab::getCount);
  detail::createChild(*this, WC_TABCONTROLA, "Tab", tabStyle | typeStyle(type),
                      static_cast<DWORD>(exStyle) | typeExStyle(type), x_, y_, width_, height_,
                      parent.hwnd, id_);
  detail::placeChild(*this, x_, y_, width_, height_);
  detail::settleChild(*this, centred, enabled_);
  if (visible_) show();
  // Handlers for the commands and notifications of controls on the pages
  // (on the tab, the page or the nearest form) run first; other commands go on.
  detail::routeChildMessages(hwnd);
  if (detail::WindowRecord* r = detail::findRecord(hwnd)) r->addHook(forwardCommands);
  registerObject();
}

int Tab::getCount() const { return static_cast<int>(detail::send(hwnd, TCM_GETITEMCOUNT)); }

TabPage Tab::addTab(const String& tabText, int image) {
  TCITEMA request = {};
  request.mask = TCIF_TEXT | TCIF_IMAGE;
  request.pszText = const_cast<char*>(tabText.c_str());
  request.cchTextMax = static_cast<int>(tabText.str().size());
  request.iImage = image;
  int index =
      static_cast<int>(detail::send(hwnd, TCM_INSERTITEMA, detail::send(hwnd, TCM_GETITEMCOUNT),
                                    reinterpret_cast<LPARAM>(&request)));
  request.pszText = NULL;
  return TabPage(request, index, hwnd);
}

TabPage Tab::tab(int index) const {
  TCITEMA request = {};
  if (!detail::send(hwnd, TCM_GETITEMA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&request)))
    return TabPage();
  return TabPage(request, index, hwnd);
}

bool Tab::removeTab(int index) {
  return detail::send(hwnd, TCM_DELETEITEM, static_cast<WPARAM>(index)) != 0;
}
bool Tab::clear() { return detail::send(hwnd, TCM_DELETEALLITEMS) != 0; }
RECT Tab::tabRect(int index) const { return itemRect(hwnd, index); }
int Tab::selected() const { return static_cast<int>(detail::send(hwnd, TCM_GETCURSEL)); }
int Tab::select(int index) {
  return static_cast<int>(detail::send(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index)));
}

int Tab::select(const TabPage& tabPage) {
  int previous = select(tabPage.index);
  if (tabPage.hasPage) ShowWindow(tabPage.page.hwnd, SW_SHOW);
  return previous;
}

HIMAGELIST Tab::setImageList(const ImageList& images) {
  return reinterpret_cast<HIMAGELIST>(
      detail::send(hwnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.list)));
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Tab::Tab(const Control& parent, const TabOptions& o)
    : Tab(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.type, o.enabled,
          o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

}  // namespace tarn
