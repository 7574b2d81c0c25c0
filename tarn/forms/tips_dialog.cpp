// TipsDialog: the form and its controls, loading and saving tips files,
// stepping through the tips, and the tips procedure.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tarn/core.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_record.h"
#include "tarn/graphics/dib.h"
#include "tarn/graphics.h"
#include "tarn/text.h"
#include "tarn/forms/tips_file.h"
#include "tarn/forms/tips_strip.h"
#include "tarn/tips.h"

namespace tarn {

namespace {

constexpr int formWidth = 400;
constexpr int formHeight = 280;
constexpr int centringHeight = 290;  // the form is centred as if it were 290 high
constexpr int formKind = 8;
constexpr int stripWidth = tipsstrip::width;
constexpr int viewHeight = tipsstrip::height;
constexpr int viewStyle = WS_VSCROLL | WS_TABSTOP | ES_MULTILINE;  // 0x00210004
constexpr int viewMargin = 20;
constexpr int titlePoints = 16;

// Reads exactly `size` bytes; false on a failed or short read.
bool readAll(HANDLE file, void* into, DWORD size) {
  DWORD got = 0;
  return ReadFile(file, into, size, &got, NULL) && got == size;
}

bool writeAll(HANDLE file, const void* bytes, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, bytes, size, &written, NULL) && written == size;
}

}  // namespace

// ---------------------------------------------------------------------------
// Finding the dialog of a window

// The object the window's user-data slot names when it is one of the
// window's dialogs, else the newest of them; null when the window has none.
TipsDialog* TipsDialog::dialogOf(HWND window) {
  const detail::WindowRecord* r = detail::findRecord(window);
  if (r == nullptr || r->links[detail::ObjectLink::instance].empty()) return nullptr;
  const auto& dialogs = r->links[detail::ObjectLink::instance];
  Control* slot = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  for (const detail::ObjectLink* link : dialogs)
    if (link->owner() == slot) return static_cast<TipsDialog*>(slot);
  return static_cast<TipsDialog*>(dialogs.back()->owner());
}

// ---------------------------------------------------------------------------
// Construction

namespace {

// Where a window `units` long starts, in units, to be centred on a screen
// `pixels` long.
int centredStart(int pixels, int units) {
  return (detail::unscale(pixels, detail::screenDpi()) - units) / 2;
}

}  // namespace

void TipsDialog::bindProperties() {
  tipCount.bind(this, &TipsDialog::getTipCount);
  currentTip.bind(this, &TipsDialog::getCurrentTip, &TipsDialog::setCurrentTip);
  header.fill(0);
  registration.place(this, detail::ObjectLink::instance);
}

TipsDialog::TipsDialog() : current(0) { bindProperties(); }

TipsDialog::TipsDialog(const String& tipsFile, const String& caption, const Control& parent,
                       bool visible_)
    : Form(caption, centredStart(Screen().width, formWidth),
           centredStart(Screen().height, centringHeight), formWidth, formHeight, formKind, true,
           visible_, false, false, false, parent, false, 0),
      current(0) {
  bindProperties();
  // The system keeps the topmost state in the z-order: the style bit alone
  // does not lift the window, SetWindowPos with HWND_TOPMOST does.
  addExStyle(WS_EX_TOPMOST);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  int width_ = clientWidth;
  view.create(noFileText, viewId, stripWidth, 0, width_ - stripWidth, viewHeight, *this, true, true,
              false, viewStyle, 0);
  view.readOnly = true;
  view.leftMargin = viewMargin;
  view.rightMargin = viewMargin;
  showOnStartup.create("Show tips on next startup", showOnStartupId, 20, 225, 150, 20, *this, false,
                       true, true, false, 0);
  previousButton.create("< Previous", previousId, width_ - 160, 220, 70, 25, *this, true, true,
                        false, false, 0, false, Icon());
  nextButton.create("Next >", nextId, width_ - 90, 220, 70, 25, *this, true, true, false, false, 0,
                    false, Icon());
  setDialogProcedure(tipsProcedure);
  // Placing the controls painted the form under its first procedure: paint
  // the strip again under this one.
  RECT stripArea = {0, 0, scaled(stripWidth), scaled(viewHeight)};
  InvalidateRect(hwnd, &stripArea, TRUE);
  if (tipsFile != "") load(tipsFile);
}

// ---------------------------------------------------------------------------
// Tips

void TipsDialog::addTip(const String& title, const String& body) {
  tips.push_back({title, body});
  if (tips.size() == 1) showTip(1);
}

void TipsDialog::showTip(int number) {
  if (number < 1 || static_cast<std::size_t>(number) > tips.size()) return;
  current = number;
  const Tip& tip = tips[static_cast<std::size_t>(number) - 1];
  String title(tipsfile::titleRtf(tip.title.str()));
  view.text = rtfHeader() + rtfNewLines(1) + rtfGreen(rtfBold(rtfFontSize(title, titlePoints))) +
              rtfNewLines(3) + markupToRtf(tip.body) + rtfEnd();
}

int TipsDialog::nextTip() {
  if (tips.empty()) return 0;
  showTip(static_cast<std::size_t>(current) >= tips.size() ? 1 : current + 1);
  return 0;
}

int TipsDialog::previousTip() {
  if (tips.empty()) return 0;
  showTip(current <= 1 ? static_cast<int>(tips.size()) : current - 1);
  return 0;
}

// ---------------------------------------------------------------------------
// Tips files

// Opening is checked before the size is asked: GetFileSize of a failed handle
// answers its error value, which would pass as a size. A record that cannot
// be read whole ends the loading with the tips read so far.
void TipsDialog::load(const String& path) {
  detail::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
  if (!file.valid()) {
    view.Control::text = unreadableText;
    return;
  }
  DWORD high = 0;
  DWORD low = GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    view.Control::text = unreadableText;
    return;
  }
  std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
  if (size < tipsfile::headerSize) return;
  std::uint64_t count = tipsfile::recordCount(size);
  if (count == 0) {
    view.Control::text = noTipsText;
    return;
  }
  if (!readAll(file, header.data(), static_cast<DWORD>(header.size()))) {
    view.Control::text = unreadableText;
    return;
  }
  std::vector<char> record(tipsfile::recordSize);
  std::size_t before = tips.size();
  for (std::uint64_t i = 0; i < count; ++i) {
    if (!readAll(file, record.data(), static_cast<DWORD>(record.size()))) break;
    tipsfile::Record r = tipsfile::readRecord(record.data());
    tips.push_back({String(r.title), String(r.body)});
  }
  file.close();  // done with the file before the view changes
  if (tips.size() == before) {
    view.Control::text = unreadableText;
    return;
  }
  const char* stored = reinterpret_cast<const char*>(header.data());
  current = tipsfile::firstTip(tipsfile::startTip(stored), tips.size());
  showTip(current);
}

bool TipsDialog::saveTips(const String& path, int number) {
  detail::KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, NULL));
  if (!file.valid()) return false;
  std::string start = tipsfile::headerBytes(number == -1 ? current : number);
  bool written = writeAll(file, start.data(), static_cast<DWORD>(start.size()));
  std::vector<char> record(tipsfile::recordSize);
  for (std::size_t i = 0; written && i < tips.size(); ++i) {
    tipsfile::writeRecord(tips[i].title.str(), tips[i].body.str(), record.data());
    written = writeAll(file, record.data(), static_cast<DWORD>(record.size()));
  }
  bool closed = file.close();
  return written && closed;
}

// ---------------------------------------------------------------------------
// The tips procedure

// Painted between BeginPaint and EndPaint: drawn while the region is still
// invalid, the strip would be erased by the default painting that follows.
void TipsDialog::paintStrip() {
  PAINTSTRUCT paint;
  BeginPaint(hwnd, &paint);
  const tipsstrip::Picture& strip = tipsstrip::picture();
  int bits = strip.bytesPerPixel * 8;
  if (dpi == detail::baseDpi) {
    drawDib(hwnd, 0, 0, strip.width, strip.height, strip.pixels, bits);
  } else if (dib::drawable(strip.width, strip.height, bits)) {
    // Stretched smoothly over the strip's 96-DPI area.
    std::vector<std::uint8_t> info = dib::infoBytes(strip.width, strip.height, bits);
    SetStretchBltMode(paint.hdc, HALFTONE);
    SetBrushOrgEx(paint.hdc, 0, 0, NULL);
    StretchDIBits(paint.hdc, 0, 0, scaled(strip.width), scaled(strip.height), 0, 0, strip.width,
                  strip.height, strip.pixels, reinterpret_cast<const BITMAPINFO*>(info.data()),
                  DIB_RGB_COLORS, SRCCOPY);
  }
  EndPaint(hwnd, &paint);
}

INT_PTR CALLBACK tipsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  TipsDialog* dialog = TipsDialog::dialogOf(window);
  if (dialog == nullptr) return 0;
  switch (message) {
    case WM_CLOSE: ShowWindow(window, SW_HIDE); break;
    case WM_COMMAND:
      if (LOWORD(wParam) == dialog->nextButton.id)
        dialog->nextTip();
      else if (LOWORD(wParam) == dialog->previousButton.id)
        dialog->previousTip();
      break;
    case WM_PAINT: dialog->paintStrip(); break;
    default: break;
  }
  return 0;
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

TipsDialog::TipsDialog(const TipsDialogOptions& o)
    : TipsDialog(o.tipsFile, o.caption, o.parent, o.visible) {}

}  // namespace tarn
