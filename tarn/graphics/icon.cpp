// Icons: one system icon handle, loaded from the program's resources, the
// system's predefined icons or an icon file. Nothing is ever destroyed here.
#include "tarn/graphics.h"

namespace tarn {

namespace {

LPCSTR resourceName(unsigned number) { return MAKEINTRESOURCEA(number & 0xFFFF); }

}  // namespace

Icon::Icon(unsigned resource) : handle(LoadIconA(GetModuleHandleA(NULL), resourceName(resource))) {}

Icon::Icon(const char* name) : handle(name ? LoadIconA(NULL, name) : NULL) {}

Icon::Icon(const String& path)
    : handle(
          static_cast<HICON>(LoadImageA(NULL, path.c_str(), IMAGE_ICON, 64, 64, LR_LOADFROMFILE))) {
}

}  // namespace tarn
