// Private to the toolkit: the DPI of a window and the conversions between the
// 96-DPI units a program lays out in and the device pixels the system uses.
// Every position and size that crosses the toolkit's interface goes through
// scale on its way in and unscale on its way out, with the DPI of the window
// concerned; at 96 DPI both answer their argument unchanged.
#ifndef TARN_CORE_DPI_H
#define TARN_CORE_DPI_H

#include <windows.h>

namespace tarn {
namespace detail {

constexpr int baseDpi = 96;

// The DPI `window` is laid out for: the one announced by the last
// WM_DPICHANGED of the window or the nearest window it is inside (a pop-up's
// owner does not count), else what the system reports for the window
// (GetDpiForWindow where it exists), else the screen's LOGPIXELSX when the
// process is DPI aware, else 96. A null window answers the screen's.
int dpiOf(HWND window);

// The screen's DPI as the process sees it (96 for a process the system
// stretches).
int screenDpi();

// Device pixels for `units` 96-DPI units at `dpi`, rounded; and back.
inline int scale(int units, int dpi) {
  return dpi == baseDpi ? units : MulDiv(units, dpi, baseDpi);
}
inline int unscale(int pixels, int dpi) {
  return dpi == baseDpi ? pixels : MulDiv(pixels, baseDpi, dpi);
}

// The default control font at `dpi`: the stock GUI font when `dpi` is the
// screen's, else one font of the same face with its height scaled to `dpi`,
// made once per DPI, shared by every control and deleted at exit.
HFONT defaultFont(int dpi);
// True when `font` is the default font at some DPI (the stock one or one
// defaultFont made): such a font follows its window's DPI.
bool isDefaultFont(HFONT font);

// A new bitmap of `picture` stretched by `dpi` / 96 with smooth (halftone)
// stretching, so that it covers the same 96-DPI area; null when it cannot be
// made. The caller deletes it.
HBITMAP scaledBitmap(HBITMAP picture, int dpi);

// Has `form` follow its WM_DPICHANGED: every window inside it is rescaled
// (position, size and default font) from its current DPI to the announced one,
// keeping the 96-DPI layout, then the form takes the suggested rectangle and
// its own procedure sees the message. The DPI announced is kept in the form's
// window record and ends with it.
void followDpiChanges(HWND form);

// For benchmarks and tests: every window answers `dpi` (0 ends the forcing).
void forceDpi(int dpi);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_DPI_H
