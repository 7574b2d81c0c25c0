// The image box: a list view with no items whose background is a picture.
#include <string>

#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/forms.h"

namespace tarn {

namespace {

constexpr DWORD imageBoxStyle = WS_CHILD | WS_TABSTOP;             // 0x40010000
constexpr ULONG tiledUrl = LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE;  // 0x12

std::string modulePathOf(HMODULE module) {
  char buffer[MAX_PATH + 1] = {0};
  GetModuleFileNameA(module, buffer, MAX_PATH);
  return buffer;
}

// --- Loading a picture ourselves, for list views that do not load URLs -----

struct ResourceUrl {
  bool valid = false;
  std::string module;
  unsigned type = 0;
  unsigned number = 0;
};

bool parseNumber(const std::string& text, unsigned& out) {
  if (text.empty() || text.size() > 10) return false;
  unsigned long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 0xFFFFFFFFull) return false;
  out = static_cast<unsigned>(value);
  return true;
}

// "res://<module>/#<type>/#<number>"
ResourceUrl parseResourceUrl(const std::string& url) {
  ResourceUrl r;
  const std::string scheme = "res://";
  if (url.compare(0, scheme.size(), scheme) != 0) return r;
  std::size_t numberMark = url.rfind("/#");
  if (numberMark == std::string::npos || numberMark < scheme.size()) return r;
  std::size_t typeMark = url.rfind("/#", numberMark - 1);
  if (typeMark == std::string::npos || typeMark < scheme.size()) return r;
  if (!parseNumber(url.substr(typeMark + 2, numberMark - typeMark - 2), r.type)) return r;
  // Resource numbers are 16-bit: a larger number names no resource (and must
  // not be cut down to one that does).
  if (!parseNumber(url.substr(numberMark + 2), r.number) || r.number > 0xFFFF) return r;
  r.module = url.substr(scheme.size(), typeMark - scheme.size());
  r.valid = !r.module.empty();
  return r;
}

HBITMAP iconToBitmap(HICON icon) {
  int w = 0;
  int h = 0;
  {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return NULL;
    // GetIconInfo makes copies of the icon's bitmaps, which are ours to delete.
    detail::GdiObject<HBITMAP> maskBitmap(info.hbmMask);
    detail::GdiObject<HBITMAP> colorBitmap(info.hbmColor);
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    w = mask.bmWidth;
    h = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
  }
  if (w <= 0 || h <= 0) return NULL;
  detail::WindowDC screenDc(NULL);
  detail::MemoryDC memory(screenDc);
  HBITMAP bitmap = CreateCompatibleBitmap(screenDc, w, h);
  detail::Selection selected(memory, bitmap);
  RECT all = {0, 0, w, h};
  FillRect(memory, &all, GetSysColorBrush(COLOR_WINDOW));
  DrawIconEx(memory, 0, 0, icon, w, h, 0, NULL, DI_NORMAL);
  return bitmap;
}

HBITMAP loadResourcePicture(const ResourceUrl& url) {
  HMODULE module = GetModuleHandleA(url.module.c_str());
  bool loaded = false;
  if (module == NULL) {
    module = LoadLibraryExA(url.module.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    loaded = module != NULL;
  }
  if (module == NULL) return NULL;
  HBITMAP bitmap = NULL;
  LPCSTR name = MAKEINTRESOURCEA(url.number);
  if (url.type == 2) {
    bitmap =
        static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  } else if (url.type == 3) {
    HICON icon = NULL;
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(3));  // one icon image
    if (found) {
      HGLOBAL data = LoadResource(module, found);
      DWORD size = SizeofResource(module, found);
      if (data && size)
        icon = CreateIconFromResourceEx(static_cast<PBYTE>(LockResource(data)), size, TRUE,
                                        0x00030000, 0, 0, LR_DEFAULTCOLOR);
    }
    if (icon == NULL)  // an icon group under that number
      icon = static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (icon) {
      bitmap = iconToBitmap(icon);
      DestroyIcon(icon);
    }
  }
  if (loaded) FreeLibrary(module);
  return bitmap;
}

HBITMAP loadPicture(const std::string& pathOrUrl) {
  if (pathOrUrl.empty()) return NULL;
  ResourceUrl url = parseResourceUrl(pathOrUrl);
  if (url.valid) return loadResourcePicture(url);
  std::string path = pathOrUrl;
  const std::string fileScheme = "file://";
  if (path.compare(0, fileScheme.size(), fileScheme) == 0) path = path.substr(fileScheme.size());
  return static_cast<HBITMAP>(
      LoadImageA(NULL, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// A bitmap of the control's client size with the picture repeated from the top left.
HBITMAP tileBitmap(HWND window, HBITMAP picture) {
  BITMAP info = {};
  GetObjectA(picture, sizeof info, &info);
  RECT client = {0, 0, 0, 0};
  GetClientRect(window, &client);
  int w = client.right > 0 ? client.right : info.bmWidth;
  int h = client.bottom > 0 ? client.bottom : info.bmHeight;
  if (info.bmWidth <= 0 || info.bmHeight <= 0 || w <= 0 || h <= 0) return NULL;
  detail::WindowDC screenDc(NULL);
  detail::MemoryDC source(screenDc);
  detail::MemoryDC target(screenDc);
  HBITMAP tiled = CreateCompatibleBitmap(screenDc, w, h);
  detail::Selection sourceSelected(source, picture);
  detail::Selection targetSelected(target, tiled);
  // One copy at the top left, then the filled part copied next to itself,
  // doubling across and then down: a few dozen copies at most, whatever the
  // sizes, instead of one per copy of the picture. The filled width and height
  // stay multiples of the picture's, so the copies line up from the top left.
  BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  int rowHeight = info.bmHeight < h ? info.bmHeight : h;
  for (int filled = info.bmWidth; filled < w;) {
    int n = filled < w - filled ? filled : w - filled;
    BitBlt(target, filled, 0, n, rowHeight, target, 0, 0, SRCCOPY);
    filled += n;
  }
  for (int filled = rowHeight; filled < h;) {
    int n = filled < h - filled ? filled : h - filled;
    BitBlt(target, 0, filled, w, n, target, 0, 0, SRCCOPY);
    filled += n;
  }
  return tiled;
}

// The picture to hand over: loaded, and tiled to the window's client size when
// asked; null when there is none.
// Above 96 DPI the picture is stretched to cover the same 96-DPI area.
HBITMAP preparePicture(HWND window, const std::string& pathOrUrl, bool tile) {
  detail::GdiObject<HBITMAP> original(loadPicture(pathOrUrl));
  int dpi = detail::dpiOf(window);
  HBITMAP stretched =
      original != NULL && dpi != detail::baseDpi ? detail::scaledBitmap(original, dpi) : NULL;
  detail::GdiObject<HBITMAP> loaded(stretched != NULL ? stretched : original.release());
  if (loaded == NULL || !tile) return loaded.release();
  return tileBitmap(window, loaded);
}

// The list view's own picture loading first; when it refuses the URL (list
// views without URL pictures, such as Wine's), the picture is loaded here, tiled
// here when asked (such list views may also ignore the tile style for bitmaps)
// and handed over as a bitmap, which the list view then owns.
bool requestPicture(HWND window, const std::string& pathOrUrl, bool tile) {
  LVBKIMAGEA request = {};
  request.ulFlags = tile ? tiledUrl : LVBKIF_SOURCE_URL;
  request.hbm = NULL;
  request.pszImage = const_cast<char*>(pathOrUrl.c_str());
  request.cchImageMax = 0;
  request.xOffsetPercent = 0;
  request.yOffsetPercent = 0;
  detail::initialiseOle();  // the list view loads URL pictures through OLE
  // The list view's own loading draws the picture at its size in pixels: above
  // 96 DPI the picture is loaded and stretched here.
  bool unscaled = detail::dpiOf(window) == detail::baseDpi;
  if (unscaled && detail::send(window, LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&request)) != 0)
    return true;

  if (window == NULL) return false;
  detail::GdiObject<HBITMAP> picture(preparePicture(window, pathOrUrl, tile));
  if (picture == NULL) return false;
  LVBKIMAGEA handover = {};
  handover.ulFlags = LVBKIF_SOURCE_HBITMAP | (tile ? LVBKIF_STYLE_TILE : 0);
  handover.hbm = picture;
  if (detail::send(window, LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&handover)) == 0)
    return false;
  picture.release();  // the list view's now
  InvalidateRect(window, NULL, TRUE);
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------

ImageBox::ImageBox() = default;

void ImageBox::create(int id_, int x_, int y_, int width_, int height_, const Control& parent,
                      int exStyle) {
  detail::createChild(*this, WC_LISTVIEWA, "ImageBox", imageBoxStyle, static_cast<DWORD>(exStyle),
                      static_cast<short>(x_), static_cast<short>(y_), static_cast<short>(width_),
                      static_cast<short>(height_), parent.hwnd, id_);
  detail::send(hwnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
  detail::send(hwnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
}

ImageBox::ImageBox(int id_, const std::string& path, int x_, int y_, int width_, int height_,
                   const Control& parent, int exStyle) {
  create(id_, x_, y_, width_, height_, parent, exStyle);
  setImage(path, true);
  ShowWindow(hwnd, SW_SHOW);
}

ImageBox::ImageBox(int id_, unsigned resourceId, int x_, int y_, int width_, int height_,
                   const Control& parent, int exStyle) {
  create(id_, x_, y_, width_, height_, parent, exStyle);
  setImage(std::string(), true);
  ShowWindow(hwnd, SW_SHOW);
  setImageFromResource(resourceId, 1);
}

std::string ImageBox::resourceUrl(const std::string& modulePath, unsigned resourceId, int kind) {
  return "res://" + modulePath + "/#" + (kind == 1 ? "2" : "3") + "/#" +
         toString(static_cast<double>(resourceId)).str();
}

bool ImageBox::setImage(const std::string& path, bool tile) {
  return requestPicture(hwnd, path, tile);
}

bool ImageBox::setImageFromResource(unsigned resourceId, int kind) {
  return requestPicture(hwnd, resourceUrl(modulePathOf(NULL), resourceId, kind), true);
}

bool ImageBox::setImageFromModule(const std::string& modulePath, unsigned resourceId, int kind) {
  return requestPicture(hwnd, resourceUrl(modulePath, resourceId, kind), true);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

// The path constructor with an empty path runs the resource constructor's
// steps up to the resource itself.
ImageBox::ImageBox(const Control& parent, const ImageBoxOptions& o)
    : ImageBox(detail::optionsId(o.id), o.path, o.x, o.y, o.width, o.height, parent, o.exStyle) {
  if (o.path.empty() && o.resourceId != 0) setImageFromResource(o.resourceId, 1);
  detail::finishOptions(*this, o.id, o.width, o.height, false);
}

}  // namespace tarn
