// Tarn graphics: Icon, Bitmap and ImageList (picture handles as values),
// drawBitmap and drawDib, and the one-call choosers (chooseFolder,
// chooseOpenFile, chooseSaveFile, chooseColor).
//
// Classes and functions in this file (sources):
//   Icon                     graphics/icon.cpp
//   Bitmap, drawBitmap       graphics/bitmap.cpp
//   ImageList                graphics/image_list.cpp
//   drawDib, drawDibWindow   graphics/draw_dib.cpp, dib.cpp
#ifndef TARN_GRAPHICS_H
#define TARN_GRAPHICS_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Pictures
// ===========================================================================

/// One icon handle. The toolkit never destroys the icon it holds: copies share
/// the handle, which lives until the process ends or the program frees it.
class Icon {
 public:
  /// The empty icon (handle 0).
  Icon() : handle(NULL) {}
  /// Holds `icon` (0: the empty icon).
  Icon(HICON icon) : handle(icon) {}
  /// The program's own icon resource; the number's low 16 bits name it.
  explicit Icon(unsigned resource);
  /// One of the system's predefined icons (IDI_APPLICATION, IDI_WARNING, ...).
  explicit Icon(const char* name);
  /// An icon file, loaded at 64 x 64 pixels whatever the DPI (a DPI-aware
  /// program that wants another size loads the icon itself).
  explicit Icon(const String& path);

  /// Whether the icon is empty (none given, or the load failed).
  bool isNull() const { return handle == NULL; }
  /// The icon handle; 0 when empty or when the load failed.

  HICON handle;  // 0 when empty or when the load failed
};

/// One bitmap handle with its BITMAP record. Copies share the handle; nothing is
/// freed. Building from a missing handle or resource raises the runtime check
/// "this->bmp!=NULL"; reading the size of an empty bitmap raises "bmp!=NULL" and
/// then reads 0.
class Bitmap {
 public:
  /// The empty bitmap.
  Bitmap();
  /// Holds `handle` and reads its BITMAP record.
  explicit Bitmap(HBITMAP handle);
  /// The program's bitmap resource; the number's low 16 bits name it.
  explicit Bitmap(unsigned resource);
  /// The program's bitmap resource by name.
  explicit Bitmap(const char* resourceName);

  /// Read-only: the width in pixels.
  Property<Bitmap, int> width;  // read-only, pixels
  /// Read-only: the height in pixels.
  Property<Bitmap, int> height;  // read-only, pixels
  /// The bitmap handle; 0 for the empty bitmap.
  HBITMAP bmp;
  /// The bitmap's record (size, depth), read when the object is built.
  BITMAP info;

  /// Whether the bitmap is empty.
  bool isNull() const { return bmp == NULL; }

 private:
  void bindProperties();
  void readInfo();
  int getWidth() const;
  int getHeight() const;
};

/// A system image list of icons, created on the first addIcon, with the icon
/// handles kept in `icons` in the order added (slot i holds the list's image i as
/// long as every icon loaded). The table grows past its first 100 slots.
class ImageList {
 public:
  /// The slots the icon table holds before it first grows.
  static constexpr int initialSlots = 100;

  /// An image list of the system's large icon size.
  ImageList();
  /// Non-zero: the system's large icon size; 0: the small icon size.
  explicit ImageList(int large);

  /// Append an icon; each returns the slot it took. A failed load still takes a
  /// slot (holding 0).
  int addIcon(const Icon& icon);
  /// Appends the program's icon resource `resource` (its low 16 bits name it).
  int addIcon(unsigned resource);
  /// An icon of another module; warns with a message box when it cannot be loaded.
  int addIcon(const char* name, HINSTANCE instance);

  /// The icon in slot `index`; an empty icon outside 0..count-1.
  Icon iconAt(int index) const;

  /// A new system image list from a bitmap strip resource of this program, cut
  /// into icons of this list's size. `list` is not changed.
  HIMAGELIST loadStrip(unsigned resource) const;

  /// The icon handles, slot by slot, in the order added.
  std::vector<HICON> icons;
  /// Non-zero for the large icon size, 0 for the small.
  int large;
  /// The number of slots taken.
  int count;
  /// The system image list; 0 until the first icon is added.
  HIMAGELIST list;  // 0 until the first icon is added

 private:
  void createList();
};

/// Copies the whole bitmap, unscaled, onto the window's client area with its top
/// left corner at (x, y). Returns the result of deleting the memory context;
/// FALSE when the bitmap is empty (after its runtime check) or the window object
/// has no window.
BOOL drawBitmap(const Control& window, Bitmap bitmap, int x, int y);

/// Draws `height` rows of `width` device-independent pixels (bottom row first,
/// each row padded to 4 bytes as in any DIB) at (x, y) of the window's client
/// area. bitsPerPixel: 1, 4, 8 (drawn as grey levels), 16 (5-5-5), 24 or 32
/// (blue, green, red, unused). Returns the result of ReleaseDC; 0 when nothing
/// could be drawn (no window, no pixels, an unknown depth or an empty size).
int drawDib(HWND window, int x, int y, int width, int height, const void* pixels, int bitsPerPixel);
/// The same, relative to the whole window including its frame.
int drawDibWindow(HWND window, int x, int y, int width, int height, const void* pixels,
                  int bitsPerPixel);

}  // namespace tarn

#endif  // TARN_GRAPHICS_H
