// Image lists: a system image list of icons with the icon handles kept in order.
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/graphics.h"

namespace tarn {

ImageList::ImageList() : ImageList(0) {}

ImageList::ImageList(int largeIcons) : large(largeIcons), count(0), list(NULL) {
  icons.reserve(initialSlots);
}

void ImageList::createList() {
  int cx = GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  int cy = GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  list = ImageList_Create(cx, cy, ILC_COLOR8 | ILC_MASK, 0, 1000);
}

namespace {

// A bitmap of `cx` x `cy` pixels in the screen's format.
HBITMAP screenBitmap(int cx, int cy) {
  detail::WindowDC screen(NULL);
  return CreateCompatibleBitmap(screen, cx, cy);
}

// Sets every bit of a mask, so that every pixel shows the background.
void setAllBits(HBITMAP mask, int cx, int cy) {
  detail::MemoryDC memory(NULL);
  detail::Selection chosen(memory, mask);
  PatBlt(memory, 0, 0, cx, cy, WHITENESS);
}

// Appends a fully transparent image, so that an icon that could not be added
// still takes its index and the icons after it keep matching their slots.
void appendBlank(HIMAGELIST list) {
  int cx = 0, cy = 0;
  if (!ImageList_GetIconSize(list, &cx, &cy) || cx <= 0 || cy <= 0) return;
  detail::GdiObject<HBITMAP> image(screenBitmap(cx, cy));
  detail::GdiObject<HBITMAP> mask(CreateBitmap(cx, cy, 1, 1, NULL));
  if (image == NULL || mask == NULL) return;
  setAllBits(mask, cx, cy);
  ImageList_Add(list, image, mask);  // the list keeps copies
}

}  // namespace

int ImageList::addIcon(const Icon& icon) {
  if (list == NULL) createList();
  if (list != NULL) {
    int before = ImageList_GetImageCount(list);
    if (ImageList_ReplaceIcon(list, -1, icon.handle) < 0 && ImageList_GetImageCount(list) == before)
      appendBlank(list);
  }
  icons.push_back(icon.handle);
  return count++;
}

// Above 96 DPI the list's slots are larger than at 96: the image is taken from
// the resource at the slot's size where it has one, rather than stretched
// from the standard icon (which iconAt still answers).
int ImageList::addIcon(unsigned resource) {
  Icon standard(resource);
  if (detail::screenDpi() == detail::baseDpi || standard.handle == NULL) return addIcon(standard);
  if (list == NULL) createList();
  int cx = 0, cy = 0;
  if (list == NULL || !ImageList_GetIconSize(list, &cx, &cy)) return addIcon(standard);
  HICON sized =
      static_cast<HICON>(LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resource & 0xFFFF),
                                    IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
  if (sized == NULL) return addIcon(standard);
  int before = ImageList_GetImageCount(list);
  if (ImageList_ReplaceIcon(list, -1, sized) < 0 && ImageList_GetImageCount(list) == before)
    appendBlank(list);
  DestroyIcon(sized);  // the list keeps a copy
  icons.push_back(standard.handle);
  return count++;
}

int ImageList::addIcon(const char* name, HINSTANCE instance) {
  HICON handle = name ? LoadIconA(instance, name) : NULL;
  if (handle == NULL)
    MessageBoxA(NULL, "There is problem loading external icon", "WARNING", MB_ICONWARNING);
  return addIcon(Icon(handle));
}

Icon ImageList::iconAt(int index) const {
  if (index < 0 || index >= count || static_cast<std::size_t>(index) >= icons.size()) return Icon();
  return Icon(icons[static_cast<std::size_t>(index)]);
}

HIMAGELIST ImageList::loadStrip(unsigned resource) const {
  int cx = GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  int cy = GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  // The icon height goes in as the growth count; the image height is the strip's.
  return ImageList_LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resource & 0xFFFF), cx, cy,
                              CLR_NONE, IMAGE_BITMAP, 0);
}

}  // namespace tarn
