// The DPI of a window, the default font per DPI and a form's WM_DPICHANGED.
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"

#include <map>
#include <vector>

#include "tarn/core/window_hooks.h"

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

// The DPI each form was told by its last WM_DPICHANGED. Never destroyed:
// windows may still be served while other statics go away.
std::map<HWND, int>& announced() {
  static std::map<HWND, int>* all = new std::map<HWND, int>;
  return *all;
}

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

}  // namespace

int screenDpi() {
  static const int dpi = [] {
    if (!IsProcessDPIAware()) return baseDpi;
    HDC screen = GetDC(NULL);
    int found = screen != NULL ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != NULL) ReleaseDC(NULL, screen);
    return found > 0 ? found : baseDpi;
  }();
  return dpi;
}

int dpiOf(HWND window) {
  if (forcedDpi != 0) return forcedDpi;
  if (!announced().empty())
    for (HWND w = window; w != NULL; w = GetParent(w)) {
      auto found = announced().find(w);
      if (found != announced().end()) return found->second;
    }
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
  HDC screen = GetDC(NULL);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP stretched = CreateCompatibleBitmap(screen, w, h);
  if (source != NULL && target != NULL && stretched != NULL) {
    HGDIOBJ oldSource = SelectObject(source, picture);
    HGDIOBJ oldTarget = SelectObject(target, stretched);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, NULL);  // as HALFTONE asks
    StretchBlt(target, 0, 0, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
  }
  if (source != NULL) DeleteDC(source);
  if (target != NULL) DeleteDC(target);
  ReleaseDC(NULL, screen);
  return stretched;
}

void setWindowDpi(HWND window, int dpi) {
  if (window != NULL && dpi > 0) announced()[window] = dpi;
}

void forgetWindowDpi(HWND window) {
  if (!announced().empty()) announced().erase(window);
}

void forceDpi(int dpi) { forcedDpi = dpi > 0 ? dpi : 0; }

namespace {

// Every window inside `form`, parents before their children.
BOOL CALLBACK collectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

int rescale(int value, int from, int to) { return MulDiv(value, to, from); }

}  // namespace

void applyDpiChange(HWND form, WPARAM wParam, LPARAM lParam) {
  int from = dpiOf(form);
  int to = LOWORD(wParam);
  if (to <= 0) return;
  std::vector<HWND> children;
  EnumChildWindows(form, collectChild, reinterpret_cast<LPARAM>(&children));
  setWindowDpi(form, to);
  if (from != to) {
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
    // Anchored children were just rescaled with the rest: the client size they
    // are laid out for is the old one at the new DPI.
    if (WindowHooks* h = findHooks(form))
      h->lastClient =
          SIZE{rescale(h->lastClient.cx, from, to), rescale(h->lastClient.cy, from, to)};
  }
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested != nullptr)
    SetWindowPos(form, NULL, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace detail
}  // namespace tarn
