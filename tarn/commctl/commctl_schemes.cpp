// The common controls in the colour schemes: list, table and tree views and
// the rich text box through their own colour messages, headers and scroll bars
// through the system's dark themes, and the tab control, which has no colour
// message of its own, painted by the toolkit while the scheme is dark.
#include <string>

#include "tarn/commctl/schemes.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_events.h"

#include <commctrl.h>
#include <richedit.h>

namespace tarn {
namespace detail {

namespace {

const wchar_t explorerDark[] = L"DarkMode_Explorer";
const wchar_t itemsViewDark[] = L"DarkMode_ItemsView";  // the headers of views

// The part of a view's record while the scheme has made it dark: the colours
// it had before, given back when the scheme is light again.
struct ViewColours {
  COLORREF back = CLR_NONE;
  COLORREF textBack = CLR_NONE;
  COLORREF text = CLR_NONE;
  COLORREF lines = CLR_NONE;
};

struct Owned {
  bool back = false;
  bool text = false;
};

Owned ownedBy(HWND window) {
  const ProgramColours* own = programColours(window);
  return own == nullptr ? Owned{} : Owned{own->hasBack, own->hasText};
}

}  // namespace

// A view that paints no background of its own (CLR_NONE: it shows its
// parent, an image box) keeps it so.
void listViewScheme(HWND view, bool dark) {
  WindowRecord* r = record(view);
  if (r == nullptr) return;
  const schemes::Palette& palette = schemes::darkPalette;
  Owned owned = ownedBy(view);
  ViewColours* saved = r->findPart<ViewColours>();
  if (dark && saved == nullptr) {
    ViewColours& before = r->part<ViewColours>();
    before.back = static_cast<COLORREF>(send(view, LVM_GETBKCOLOR));
    before.textBack = static_cast<COLORREF>(send(view, LVM_GETTEXTBKCOLOR));
    before.text = static_cast<COLORREF>(send(view, LVM_GETTEXTCOLOR));
    if (!owned.back && before.back != CLR_NONE) {
      send(view, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(palette.field));
      send(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(palette.field));
    }
    if (!owned.text && !owned.back) send(view, LVM_SETTEXTCOLOR, 0, palette.text);
    setTheme(view, explorerDark);
  } else if (!dark && saved != nullptr) {
    if (!owned.back && saved->back != CLR_NONE) {
      send(view, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(saved->back));
      send(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(saved->textBack));
    }
    if (!owned.text && !owned.back) send(view, LVM_SETTEXTCOLOR, 0, saved->text);
    r->dropPart<ViewColours>();
    setTheme(view, nullptr);
  }
  InvalidateRect(view, NULL, TRUE);
}

// The toolbar draws its buttons' text in the system's colour unless its parent
// answers NM_CUSTOMDRAW: while dark, the toolbar's own handler there gives the
// text the scheme's colour.
void toolbarScheme(HWND bar, bool dark) {
  static const char customDraw = 0;
  if (!dark) {
    setParentHandler(bar, &customDraw, nullptr);
  } else {
    setParentHandler(bar, &customDraw, [](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
      if (message != WM_NOTIFY || !schemeIsDark()) return false;
      auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(lParam);
      if (draw->nmcd.hdr.code != NM_CUSTOMDRAW) return false;
      switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: result = CDRF_NOTIFYITEMDRAW; return true;
        case CDDS_ITEMPREPAINT:
          // A hot, pressed or checked button is drawn on the system's light face.
          if ((draw->nmcd.uItemState & (CDIS_HOT | CDIS_SELECTED | CDIS_CHECKED)) == 0)
            draw->clrText = schemes::darkPalette.text;
          result = CDRF_DODEFAULT;
          return true;
        default: return false;
      }
    });
  }
  InvalidateRect(bar, NULL, TRUE);
}

void headerScheme(HWND header, bool dark) { setTheme(header, dark ? itemsViewDark : nullptr); }

void scrollBarScheme(HWND bar, bool dark) { setTheme(bar, dark ? explorerDark : nullptr); }

// The tree's default colours read -1 and are given back as -1.
void treeViewScheme(HWND tree, bool dark) {
  WindowRecord* r = record(tree);
  if (r == nullptr) return;
  const schemes::Palette& palette = schemes::darkPalette;
  Owned owned = ownedBy(tree);
  ViewColours* saved = r->findPart<ViewColours>();
  if (dark && saved == nullptr) {
    ViewColours& before = r->part<ViewColours>();
    before.back = static_cast<COLORREF>(send(tree, TVM_GETBKCOLOR));
    before.text = static_cast<COLORREF>(send(tree, TVM_GETTEXTCOLOR));
    before.lines = static_cast<COLORREF>(send(tree, TVM_GETLINECOLOR));
    if (!owned.back) send(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(palette.field));
    if (!owned.text) send(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(palette.text));
    send(tree, TVM_SETLINECOLOR, 0, static_cast<LPARAM>(palette.grayText));
    setTheme(tree, explorerDark);
  } else if (!dark && saved != nullptr) {
    if (!owned.back) send(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(saved->back));
    if (!owned.text) send(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(saved->text));
    send(tree, TVM_SETLINECOLOR, 0, static_cast<LPARAM>(saved->lines));
    r->dropPart<ViewColours>();
    setTheme(tree, nullptr);
  }
  InvalidateRect(tree, NULL, TRUE);
}

// ---------------------------------------------------------------------------
// The rich text box

namespace {

// The part of a rich text box's record while it is dark.
struct DarkRichText {};

CHARFORMATA colourFormat(COLORREF colour, bool automatic) {
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.dwEffects = automatic ? CFE_AUTOCOLOR : 0;
  format.crTextColor = colour;
  return format;
}

// Gives the text of [from, to) in the automatic colour the scheme's marker
// colour (dark), or the marker's text the automatic colour again (light). The
// box reports a colour for a range only when the whole range has it, so a
// range of mixed colours is halved until each part has one.
void recolour(HWND box, LONG from, LONG to, bool dark) {
  CHARRANGE range = {from, to};
  send(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  send(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  if ((format.dwMask & CFM_COLOR) != 0) {
    bool automatic = (format.dwEffects & CFE_AUTOCOLOR) != 0;
    bool marked = !automatic && format.crTextColor == schemes::richTextMarker;
    if (dark ? automatic : marked) {
      CHARFORMATA change = colourFormat(schemes::richTextMarker, !dark);
      send(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&change));
    }
    return;
  }
  if (to - from < 2) return;
  LONG middle = from + (to - from) / 2;
  recolour(box, from, middle, dark);
  recolour(box, middle, to, dark);
}

// Recolours the whole text while the box shows nothing of it: the selection,
// the notifications the program asked for, the modified flag and, when there
// was nothing to undo, the undo list are as they were afterwards.
void recolourText(HWND box, bool dark) {
  CHARRANGE kept = {0, 0};
  send(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  LRESULT events = send(box, EM_SETEVENTMASK, 0, 0);
  bool modified = send(box, EM_GETMODIFY) != 0;
  bool history = send(box, EM_CANUNDO) != 0;
  send(box, WM_SETREDRAW, FALSE);
  CHARRANGE all = {0, -1};
  send(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  send(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&all));
  if (all.cpMax > 0) recolour(box, 0, all.cpMax, dark);
  send(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  if (!history) send(box, EM_EMPTYUNDOBUFFER);
  send(box, EM_SETMODIFY, modified ? TRUE : FALSE);
  send(box, EM_SETEVENTMASK, 0, events);
  send(box, WM_SETREDRAW, TRUE);
}

}  // namespace

// The background through EM_SETBKGNDCOLOR; text of the automatic colour (what
// the program did not colour) through its character formats, as the box has
// no colour message for it. The program's text colour (setTextColor) leaves
// the text alone. Called again for each new text while dark.
void richTextScheme(HWND box, bool dark) {
  WindowRecord* r = record(box);
  if (r == nullptr) return;
  Owned owned = ownedBy(box);
  bool wasDark = r->findPart<DarkRichText>() != nullptr;
  if (!dark && !wasDark) return;
  if (!owned.back)
    send(box, EM_SETBKGNDCOLOR, dark ? 0 : 1, static_cast<LPARAM>(schemes::darkPalette.field));
  // The colour of what is typed into an empty box: the scheme's while dark,
  // unless the program coloured the text; back to automatic once light.
  CHARFORMATA typed = {};
  typed.cbSize = sizeof typed;
  send(box, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&typed));
  bool marked =
      (typed.dwEffects & CFE_AUTOCOLOR) == 0 && typed.crTextColor == schemes::richTextMarker;
  if (dark ? !owned.text : marked) {
    typed = colourFormat(schemes::richTextMarker, !dark);
    send(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&typed));
  }
  if (!owned.text) recolourText(box, dark);
  if (dark)
    r->part<DarkRichText>();
  else
    r->dropPart<DarkRichText>();
  InvalidateRect(box, NULL, TRUE);
}

// ---------------------------------------------------------------------------
// The tab control

namespace {

// The part of a tab control's record while it is dark.
struct DarkTabs {};

std::string tabText(HWND tab, int index) {
  char text[256] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  send(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  text[sizeof text - 1] = '\0';
  return item.pszText != nullptr ? std::string(item.pszText) : std::string();
}

void frame(HDC dc, const RECT& area, HBRUSH brush) { FrameRect(dc, &area, brush); }

void paintTabs(HWND tab, HDC dc) {
  const schemes::Palette& palette = schemes::darkPalette;
  RECT client = {0, 0, 0, 0};
  GetClientRect(tab, &client);
  FillRect(dc, &client, schemeBrush(palette.window));
  HBRUSH line = schemeBrush(palette.line);
  RECT display = client;
  send(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, 2, 2);
  frame(dc, display, line);
  HFONT font = reinterpret_cast<HFONT>(send(tab, WM_GETFONT));
  Selection chosen(dc,
                   font != NULL ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  int selected = static_cast<int>(send(tab, TCM_GETCURSEL));
  int count = static_cast<int>(send(tab, TCM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) {
    RECT item = {0, 0, 0, 0};
    if (!send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    FillRect(dc, &item, schemeBrush(i == selected ? palette.window : palette.field));
    frame(dc, item, line);
    SetTextColor(dc, IsWindowEnabled(tab) ? palette.text : palette.grayText);
    std::string text = tabText(tab, i);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &item,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (i == selected && GetFocus() == tab) {
      InflateRect(&item, -2, -2);
      DrawFocusRect(dc, &item);
    }
  }
}

bool paintDarkTabs(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (record.findPart<DarkTabs>() == nullptr) return false;
  switch (message) {
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PRINTCLIENT: paintTabs(record.window, reinterpret_cast<HDC>(wParam)); break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(record.window, &paint);
      if (dc != NULL) paintTabs(record.window, dc);
      EndPaint(record.window, &paint);
      break;
    }
    default: return false;
  }
  result = 0;
  return true;
}

}  // namespace

// Tabs along the top or bottom are painted by the toolkit while dark (the
// pages are forms, which take the scheme's colours themselves); tabs down the
// side, with their turned text, keep the control's own look.
void tabScheme(HWND tab, bool dark) {
  WindowRecord* r = record(tab);
  if (r == nullptr) return;
  bool side = (GetWindowLongA(tab, GWL_STYLE) & TCS_VERTICAL) != 0;
  if (dark && !side) {
    r->part<DarkTabs>();
    r->addHook(paintDarkTabs);
  } else {
    r->dropPart<DarkTabs>();
  }
  InvalidateRect(tab, NULL, TRUE);
}

}  // namespace detail
}  // namespace tarn
