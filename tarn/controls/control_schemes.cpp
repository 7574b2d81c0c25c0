// The standard controls in the colour schemes: the system's dark themes for
// buttons, text boxes, lists and combo boxes, and the status bar, which has a
// background colour message but none for its text, painted by the toolkit
// while the scheme is dark.
#include <string>
#include <utility>

#include "tarn/controls/schemes.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/holders.h"

#include <commctrl.h>

namespace tarn {
namespace detail {

namespace {

// Dark themes of the system (Windows 10 1809 and later); elsewhere the names
// match no theme and the window keeps its class's look.
const wchar_t explorerDark[] = L"DarkMode_Explorer";
const wchar_t fieldsDark[] = L"DarkMode_CFD";  // text boxes and combo boxes
// A name no theme has: the window is drawn without visual styles.
const wchar_t noTheme[] = L" ";

}  // namespace

namespace {

BOOL CALLBACK keepClearOf(HWND sibling, LPARAM erase) {
  auto& [box, dc] = *reinterpret_cast<std::pair<HWND, HDC>*>(erase);
  RECT theirs = {0, 0, 0, 0}, mine = {0, 0, 0, 0}, overlap;
  if (sibling == box || GetParent(sibling) != GetParent(box) || !IsWindowVisible(sibling))
    return TRUE;
  GetWindowRect(sibling, &theirs);
  GetWindowRect(box, &mine);
  if (IntersectRect(&overlap, &theirs, &mine)) {
    MapWindowPoints(NULL, box, reinterpret_cast<POINT*>(&overlap), 2);
    ExcludeClipRect(dc, overlap.left, overlap.top, overlap.right, overlap.bottom);
  }
  return TRUE;
}

// A group box draws its frame and caption and leaves what lies inside as it
// was, and a form clips its children when it erases: once a scheme coloured
// the box, it erases its inside itself, in the colour its parent answers for
// it, around the windows that lie over it (they paint themselves).
bool eraseGroupBox(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_ERASEBKGND) return false;
  HWND box = record.window;
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND parent = GetParent(box);
  auto brush = reinterpret_cast<HBRUSH>(
      send(parent, WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(box)));
  if (brush == NULL) return false;
  int saved = SaveDC(dc);
  std::pair<HWND, HDC> erase(box, dc);
  EnumChildWindows(parent, keepClearOf, reinterpret_cast<LPARAM>(&erase));
  RECT inside = {0, 0, 0, 0};
  GetClientRect(box, &inside);
  FillRect(dc, &inside, brush);
  RestoreDC(dc, saved);
  result = 1;
  return true;
}

}  // namespace

// Push buttons take the dark theme. Check boxes, radio buttons and group boxes
// draw their text in the theme's colour, whatever their parent answers: in the
// dark they go without visual styles, which draw it in the answered colour.
void buttonScheme(HWND button, bool dark) {
  LONG kind = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
  if (kind == BS_OWNERDRAW) return;
  if (kind == BS_GROUPBOX)
    if (WindowRecord* r = record(button)) r->addHook(eraseGroupBox);
  if (!dark) {
    setTheme(button, nullptr, nullptr);
  } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
    setTheme(button, explorerDark);
  } else {
    setTheme(button, noTheme, noTheme);
  }
}

void editScheme(HWND edit, bool dark) { setTheme(edit, dark ? fieldsDark : nullptr); }

void listBoxScheme(HWND list, bool dark) { setTheme(list, dark ? explorerDark : nullptr); }

void comboBoxScheme(HWND combo, bool dark) { setTheme(combo, dark ? fieldsDark : nullptr); }

// ---------------------------------------------------------------------------
// The extended combo box

namespace {

// The part of a ComboBoxEx32's record while it is dark.
struct DarkComboBox {};

// The combo box inside draws nothing itself: the extended box draws each item
// (and the chosen one in the field) in the system's colours on WM_DRAWITEM.
// While dark the toolkit draws them, picture and text, as the box would.
void drawItem(HWND box, const DRAWITEMSTRUCT& item) {
  const schemes::Palette& palette = schemes::darkPalette;
  bool chosen = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, chosen ? GetSysColorBrush(COLOR_HIGHLIGHT) : schemeBrush(palette.field));
  if (item.itemID == static_cast<UINT>(-1)) return;
  // Room for the whole text: the box writes nothing into too little (Wine).
  LRESULT length = send(box, CB_GETLBTEXTLEN, item.itemID);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 2, '\0');
  COMBOBOXEXITEMA entry = {};
  entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
  entry.iItem = static_cast<INT_PTR>(item.itemID);
  entry.pszText = &text[0];
  entry.cchTextMax = static_cast<int>(text.size());
  if (!send(box, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry))) return;
  text.back() = '\0';
  // The box may answer with a pointer to its own copy of the text instead.
  const char* shown =
      entry.pszText != NULL && entry.pszText != LPSTR_TEXTCALLBACKA ? entry.pszText : "";
  area.left += 2;
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(send(box, CBEM_GETIMAGELIST));
  int picture = chosen ? entry.iSelectedImage : entry.iImage;
  int width = 0, height = 0;
  if (images != NULL && ImageList_GetIconSize(images, &width, &height)) {
    if ((item.itemState & ODS_COMBOBOXEDIT) == 0) area.left += entry.iIndent * 10;
    if (picture >= 0)
      ImageList_Draw(images, picture, dc, area.left,
                     area.top + (area.bottom - area.top - height) / 2, ILD_TRANSPARENT);
    area.left += width + 4;
  }
  SetBkMode(dc, TRANSPARENT);
  COLORREF ink = chosen ? GetSysColor(COLOR_HIGHLIGHTTEXT) : palette.text;
  SetTextColor(dc, IsWindowEnabled(box) ? ink : palette.grayText);
  DrawTextA(dc, shown, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item.rcItem);
}

bool drawDark(WindowRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_DRAWITEM || record.findPart<DarkComboBox>() == nullptr) return false;
  const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item.CtlType != ODT_COMBOBOX) return false;
  drawItem(record.window, item);
  result = TRUE;
  return true;
}

}  // namespace

void comboBoxExScheme(HWND box, bool dark) {
  comboBoxScheme(box, dark);
  WindowRecord* r = record(box);
  if (r == nullptr) return;
  if (dark) {
    r->part<DarkComboBox>();
    r->addHook(drawDark);
  } else {
    r->dropPart<DarkComboBox>();
  }
  InvalidateRect(box, NULL, TRUE);
}

// ---------------------------------------------------------------------------
// The status bar

namespace {

// The part of a status bar's record while it is dark.
struct DarkStatusBar {
  COLORREF before = CLR_DEFAULT;  // the background it had
};

// Where a part's text goes: a text starting with a tab is centred, with two
// tabs it goes right, as the bar itself places it.
UINT alignment(std::string& text) {
  int tabs = 0;
  while (tabs < 2 && tabs < static_cast<int>(text.size()) && text[tabs] == '\t') ++tabs;
  text.erase(0, static_cast<std::size_t>(tabs));
  return tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT;
}

std::string partText(HWND bar, int index, bool& ownerDrawn) {
  LRESULT answer = send(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(index));
  ownerDrawn = (HIWORD(answer) & SBT_OWNERDRAW) != 0;
  if (ownerDrawn) return std::string();
  std::string text(static_cast<std::size_t>(LOWORD(answer)) + 1, '\0');
  send(bar, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

void drawGrip(HDC dc, const RECT& client, HBRUSH brush) {
  // Six squares in a triangle, as the system's grip sits in the corner.
  const int size = 2, step = 4;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column <= row; ++column) {
      int x = client.right - step * (column + 1);
      int y = client.bottom - step * (3 - row);
      RECT dot = {x, y, x + size, y + size};
      FillRect(dc, &dot, brush);
    }
}

void paintStatusBar(HWND bar, HDC dc) {
  const schemes::Palette& palette = schemes::darkPalette;
  COLORREF back = palette.window;
  programBack(bar, back);
  COLORREF text = schemes::readableText(back);
  RECT client = {0, 0, 0, 0};
  GetClientRect(bar, &client);
  FillRect(dc, &client, schemeBrush(back));
  HBRUSH line = schemeBrush(palette.line);
  HFONT font = reinterpret_cast<HFONT>(send(bar, WM_GETFONT));
  Selection chosen(dc,
                   font != NULL ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(bar) ? text : palette.grayText);
  bool simple = send(bar, SB_ISSIMPLE) != 0;
  int parts = simple ? 1 : static_cast<int>(send(bar, SB_GETPARTS));
  for (int i = 0; i < parts; ++i) {
    RECT area = client;
    if (!simple) send(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&area));
    if (!simple && i + 1 < parts) {
      RECT edge = {area.right - 1, area.top + 2, area.right, area.bottom - 2};
      FillRect(dc, &edge, line);
    }
    bool ownerDrawn = false;
    std::string chars = partText(bar, simple ? SB_SIMPLEID : i, ownerDrawn);
    if (ownerDrawn) continue;
    UINT align = alignment(chars);
    InflateRect(&area, -4, 0);
    DrawTextA(dc, chars.c_str(), static_cast<int>(chars.size()), &area,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if (GetWindowLongA(bar, GWL_STYLE) & SBARS_SIZEGRIP) drawGrip(dc, client, line);
}

bool paintDark(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (record.findPart<DarkStatusBar>() == nullptr) return false;
  switch (message) {
    case WM_ERASEBKGND: result = 1; return true;  // painted whole in WM_PAINT
    case WM_PRINTCLIENT: paintStatusBar(record.window, reinterpret_cast<HDC>(wParam)); break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(record.window, &paint);
      if (dc != NULL) paintStatusBar(record.window, dc);
      EndPaint(record.window, &paint);
      break;
    }
    default: return false;
  }
  result = 0;
  return true;
}

}  // namespace

// The bar's own colour message sets its background; its texts it draws in the
// system's colour, so while dark the toolkit paints the bar itself.
void statusBarScheme(HWND bar, bool dark) {
  WindowRecord* r = record(bar);
  if (r == nullptr) return;
  DarkStatusBar* painted = r->findPart<DarkStatusBar>();
  if (dark && painted == nullptr) {
    COLORREF before =
        static_cast<COLORREF>(send(bar, SB_SETBKCOLOR, 0, schemes::darkPalette.window));
    r->part<DarkStatusBar>().before = before;
    r->addHook(paintDark);
  } else if (!dark && painted != nullptr) {
    send(bar, SB_SETBKCOLOR, 0, static_cast<LPARAM>(painted->before));
    r->dropPart<DarkStatusBar>();
  }
  InvalidateRect(bar, NULL, TRUE);
}

}  // namespace detail
}  // namespace tarn
