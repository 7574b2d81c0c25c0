// Controls on the system STATIC class: labels, icon and bitmap boxes, and
// sunken frames.
#include "tarn/controls.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_record.h"

namespace tarn {

namespace {

constexpr DWORD labelStyle = WS_CHILD | SS_EDITCONTROL;                      // 0x40002000
constexpr DWORD iconBoxStyle = WS_CHILD | WS_TABSTOP | SS_NOTIFY | SS_ICON;  // 0x40010103
constexpr DWORD bmpBoxStyle = WS_CHILD | WS_TABSTOP | SS_REALSIZEIMAGE | SS_CENTERIMAGE |
                              SS_NOTIFY | SS_BITMAP;  // 0x40010B0E
constexpr DWORD sunkenStyle = WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_NOTIFY | SS_BLACKFRAME;
constexpr int frameId = -1;

// The creation steps of the three captioned statics; `picture` runs between
// disabling and showing.
template <class Step>
void createStatic(Control& self, const char* name, DWORD style, const String& text, int id, int x,
                  int y, int width, int height, const Control& parent, bool enabled, bool visible,
                  bool centred, int exStyle, Step picture) {
  detail::createChild(self, "STATIC", name, style, static_cast<DWORD>(exStyle), x, y, width, height,
                      parent.hwnd, id);
  self.text = text;
  detail::placeChild(self, x, y, width, height);
  detail::settleChild(self, centred, enabled);
  picture();
  if (visible) self.show();
}

}  // namespace

Label::Label() { parentHwnd = NULL; }

Label::Label(const String& text_, int id_, int x_, int y_, int width_, int height_,
             const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle)
    : Label() {
  create(text_, id_, x_, y_, width_, height_, parent, enabled_, visible_, centred, exStyle);
}

void Label::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                   const Control& parent, bool enabled_, bool visible_, bool centred, int exStyle) {
  createStatic(*this, "Label", labelStyle, text_, id_, x_, y_, width_, height_, parent, enabled_,
               visible_, centred, exStyle, [] {});
}

IconBox::IconBox() { parentHwnd = NULL; }

IconBox::IconBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
                 const Control& parent, Icon icon, bool enabled_, bool visible_, bool centred,
                 int exStyle)
    : IconBox() {
  create(text_, id_, x_, y_, width_, height_, parent, icon, enabled_, visible_, centred, exStyle);
}

void IconBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                     const Control& parent, Icon icon, bool enabled_, bool visible_, bool centred,
                     int exStyle) {
  createStatic(*this, "IconBox", iconBoxStyle, text_, id_, x_, y_, width_, height_, parent,
               enabled_, visible_, centred, exStyle, [&] { setIcon(icon); });
}

HICON IconBox::setIcon(Icon icon) {
  return reinterpret_cast<HICON>(
      detail::send(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon.handle)));
}

BmpBox::BmpBox() { parentHwnd = NULL; }

BmpBox::BmpBox(const String& text_, int id_, int x_, int y_, int width_, int height_,
               const Control& parent, Bitmap bitmap, bool enabled_, bool visible_, bool centred,
               int exStyle)
    : BmpBox() {
  create(text_, id_, x_, y_, width_, height_, parent, bitmap, enabled_, visible_, centred, exStyle);
}

void BmpBox::create(const String& text_, int id_, int x_, int y_, int width_, int height_,
                    const Control& parent, Bitmap bitmap, bool enabled_, bool visible_,
                    bool centred, int exStyle) {
  createStatic(*this, "BmpBox", bmpBoxStyle, text_, id_, x_, y_, width_, height_, parent, enabled_,
               visible_, centred, exStyle, [&] { setBitmap(bitmap); });
}

namespace {

// Above 96 DPI a bitmap box shows a copy of its bitmap stretched to the same
// 96-DPI area: the part of its window record holding the copy it shows, and
// the program's bitmap the copy stands for. The copy goes with the window.
struct ScaledPicture {
  detail::GdiObject<HBITMAP> shown;
  HBITMAP original = NULL;
};

}  // namespace

// Answers the bitmap shown before, as the program gave it.
HANDLE BmpBox::setBitmap(Bitmap bitmap) {
  int dpi = this->dpi;
  HBITMAP shown = bitmap.bmp != NULL && dpi != detail::baseDpi && hwnd != NULL
                      ? detail::scaledBitmap(bitmap.bmp, dpi)
                      : NULL;
  HANDLE previous = reinterpret_cast<HANDLE>(detail::send(
      hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown ? shown : bitmap.bmp)));
  detail::WindowRecord* r = shown != NULL ? detail::record(hwnd) : detail::findRecord(hwnd);
  ScaledPicture* kept = r != nullptr ? r->findPart<ScaledPicture>() : nullptr;
  if (kept != nullptr && kept->shown != NULL && previous == kept->shown.get())
    previous = kept->original;
  if (shown == NULL) {
    if (r != nullptr) r->dropPart<ScaledPicture>();
    return previous;
  }
  if (r == nullptr) {  // nothing would free the copy with the window
    detail::send(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.bmp));
    DeleteObject(shown);
    return previous;
  }
  ScaledPicture& picture = r->part<ScaledPicture>();
  picture.shown.reset(shown);
  picture.original = bitmap.bmp;
  return previous;
}

SunkenFrame::SunkenFrame() { parentHwnd = NULL; }

// No clamping, minimum size or font: the frame keeps exactly what it is given.
SunkenFrame::SunkenFrame(int x_, int y_, int width_, int height_, const Control& parent) {
  detail::createChild(*this, "STATIC", "", sunkenStyle, 0, x_, y_, width_, height_, parent.hwnd,
                      frameId);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Label::Label(const Control& parent, const ControlOptions& o)
    : Label(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.enabled,
            o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

IconBox::IconBox(const Control& parent, const IconBoxOptions& o)
    : IconBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.icon,
              o.enabled, o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

BmpBox::BmpBox(const Control& parent, const BmpBoxOptions& o)
    : BmpBox(o.text, detail::optionsId(o.id), o.x, o.y, o.width, o.height, parent, o.bitmap,
             o.enabled, o.visible, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, o.width, o.height, o.centred);
}

SunkenFrame::SunkenFrame(const Control& parent, const SunkenFrameOptions& o)
    : SunkenFrame(o.x, o.y, o.width, o.height, parent) {}

}  // namespace tarn
