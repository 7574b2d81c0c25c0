// The DPI of a window, the default font per DPI and a form's WM_DPICHANGED.
#include "tarn/core/dpi.h"

#include <map>
#include <vector>

#include "tarn/core/child_layout.h"
#include "tarn/core/detail.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_layout.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

// GetDpiForWindow where user32 has it (Windows 10 1607 and later), else null.
DpiForWindow dpiForWindow() {
  static const DpiForWindow found = [] {
    HMODULE user = GetModuleHandleA("user32.dll");
    FARPROC address = user != NULL ? GetProcAddress(user, "GetDpiForWindow") : nullptr;
    return reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(address));
  }();
  return found;
}

int forcedDpi = 0;

// How many windows were told a DPI and live: while there are none, no window
// needs its ancestors searched.
int windowsTold = 0;

// The part of a form's record: the DPI its last WM_DPICHANGED announced.
struct AnnouncedDpi {
  int dpi = 0;
  AnnouncedDpi() { ++windowsTold; }
  AnnouncedDpi(const AnnouncedDpi&) = delete;
  AnnouncedDpi& operator=(const AnnouncedDpi&) = delete;
  ~AnnouncedDpi() { --windowsTold; }
};

// The fonts defaultFont made, one per DPI, deleted at exit.
struct ScaledFonts {
  std::map<int, HFONT> byDpi;
  ~ScaledFonts() {
    for (auto& entry : byDpi) DeleteObject(entry.second);
  }
};

ScaledFonts& scaledFonts() {
  static ScaledFonts fonts;
  return fonts;
}

HFONT stockFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The DPI announced to `window` or the nearest window it is inside: the walk
// goes to parents only, so a pop-up form answers its own DPI, not its owner's.
int announcedDpi(HWND window) {
  if (windowsTold == 0) return 0;
  HWND desktop = GetDesktopWindow();
  for (HWND w = window; w != NULL && w != desktop; w = GetAncestor(w, GA_PARENT))
    if (const WindowRecord* r = findRecord(w))
      if (const AnnouncedDpi* told = r->findPart<AnnouncedDpi>()) return told->dpi;
  return 0;
}

}  // namespace

int screenDpi() {
  static const int dpi = [] {
    if (!IsProcessDPIAware()) return baseDpi;
    WindowDC screen(NULL);
    int found = screen != NULL ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    return found > 0 ? found : baseDpi;
  }();
  return dpi;
}

int dpiOf(HWND window) {
  if (forcedDpi != 0) return forcedDpi;
  if (int told = announcedDpi(window)) return told;
  if (window != NULL)
    if (DpiForWindow query = dpiForWindow()) {
      UINT dpi = query(window);
      if (dpi != 0) return static_cast<int>(dpi);
    }
  return screenDpi();
}

HFONT defaultFont(int dpi) {
  if (dpi == screenDpi() || dpi <= 0) return stockFont();
  std::map<int, HFONT>& fonts = scaledFonts().byDpi;
  auto found = fonts.find(dpi);
  if (found != fonts.end()) return found->second;
  LOGFONTA face = {};
  if (GetObjectA(stockFont(), sizeof face, &face) != sizeof face) return stockFont();
  face.lfHeight = MulDiv(face.lfHeight, dpi, screenDpi());
  face.lfWidth = MulDiv(face.lfWidth, dpi, screenDpi());
  HFONT made = CreateFontIndirectA(&face);
  if (made == NULL) return stockFont();
  fonts[dpi] = made;
  return made;
}

bool isDefaultFont(HFONT font) {
  if (font == NULL || font == stockFont()) return true;  // no font set: the system's
  for (const auto& entry : scaledFonts().byDpi)
    if (entry.second == font) return true;
  return false;
}

HBITMAP scaledBitmap(HBITMAP picture, int dpi) {
  BITMAP info = {};
  if (picture == NULL || GetObjectA(picture, sizeof info, &info) == 0) return NULL;
  int w = scale(info.bmWidth, dpi), h = scale(info.bmHeight, dpi);
  if (w <= 0 || h <= 0) return NULL;
  WindowDC screen(NULL);
  MemoryDC source(screen);
  MemoryDC target(screen);
  GdiObject<HBITMAP> stretched(CreateCompatibleBitmap(screen, w, h));
  if (source == NULL || target == NULL || stretched == NULL) return NULL;
  {
    Selection sourceSelected(source, picture);
    Selection targetSelected(target, stretched);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, NULL);  // as HALFTONE asks
    StretchBlt(target, 0, 0, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  return stretched.release();
}

void forceDpi(int dpi) { forcedDpi = dpi > 0 ? dpi : 0; }

namespace {

// Every window inside `form`, parents before their children.
BOOL CALLBACK collectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

int rescale(int value, int from, int to) { return MulDiv(value, to, from); }

void applyDpiChange(WindowRecord& form, WPARAM wParam, LPARAM lParam) {
  HWND window = form.window;
  int from = dpiOf(window);
  int to = LOWORD(wParam);
  if (to <= 0) return;
  std::vector<HWND> children;
  EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
  form.part<AnnouncedDpi>().dpi = to;
  if (from != to) {
    // Anchored children are rescaled with the rest: the client size each
    // container's are laid out for becomes the old one at the new DPI first,
    // so the WM_SIZE the rescaling sends moves none of them twice.
    rescaleChildLayout(window, from, to);
    for (HWND child : children) rescaleChildLayout(child, from, to);
    for (HWND child : children) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(NULL, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
      MoveWindow(child, rescale(r.left, from, to), rescale(r.top, from, to),
                 rescale(r.right - r.left, from, to), rescale(r.bottom - r.top, from, to), TRUE);
      HFONT current = reinterpret_cast<HFONT>(send(child, WM_GETFONT));
      if (current != NULL && isDefaultFont(current))
        send(child, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont(to)), TRUE);
    }
  }
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested != nullptr)
    SetWindowPos(window, NULL, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (from != to) layoutAfterDpiChange(window, children);
}

bool followDpi(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
  if (message == WM_DPICHANGED) applyDpiChange(record, wParam, lParam);
  return false;  // then the window's own procedure sees the message
}

}  // namespace

void followDpiChanges(HWND form) {
  if (WindowRecord* r = record(form)) r->addHook(followDpi);
}

}  // namespace detail
}  // namespace tarn
