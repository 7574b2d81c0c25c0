// The one routine that makes a control's child window, the steps that follow
// it, and reading a control's text through a memory block.
#include "tarn/core/automatic_ids.h"
#include "tarn/core/color_scheme.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/window_record.h"

namespace tarn {
namespace detail {

// Set by the first setColorScheme (core/color_scheme.cpp): until then, making
// a window costs one test of this pointer.
std::atomic<void (*)(HWND)> schemeWindowMade{nullptr};

HWND createChild(Control& owner, const char* className, const char* windowName, DWORD style,
                 DWORD exStyle, int x, int y, int width, int height, HWND parent, int id,
                 void* createParam) {
  owner.id = id;
  owner.parentHwnd = parent;
  owner.hwnd = createChildWindow(className, windowName, style, exStyle, x, y, width, height, parent,
                                 id, createParam);
  announceWindow(owner.hwnd);
  return owner.hwnd;
}

HWND createChildWindow(const char* className, const char* windowName, DWORD style, DWORD exStyle,
                       int x, int y, int width, int height, HWND parent, int id,
                       void* createParam) {
  int dpi = dpiOf(parent);  // a new child is laid out for its parent's DPI
  return CreateWindowExA(exStyle, className, windowName, style, scale(x, dpi), scale(y, dpi),
                         scale(width, dpi), scale(height, dpi), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL),
                         createParam);
}

void placeChild(Control& owner, int x, int y, int width, int height) {
  owner.moveTo(x, y);
  owner.resize(width, height);
  owner.setDefaultFont();
}

void settleChild(Control& owner, bool centred, bool enabled) {
  if (centred) owner.centre();
  if (!enabled) owner.disable();
}

void finishCreation(Control& owner, bool centred, bool enabled, bool visible) {
  owner.setDefaultFont();
  settleChild(owner, centred, enabled);
  if (visible) owner.show();
}

int optionsId(int id) { return id == 0 ? takeAutomaticId() : id; }

namespace {

// The part of a window's record holding the automatic identifier it was made
// with: given back to the pool when the window ends.
struct AutomaticId {
  int id = 0;
  AutomaticId() = default;
  AutomaticId(const AutomaticId&) = delete;
  AutomaticId& operator=(const AutomaticId&) = delete;
  ~AutomaticId() { releaseAutomaticId(id); }
};

}  // namespace

void finishOptions(Control& owner, int requestedId, int width, int height, bool centred) {
  if (requestedId == 0 && owner.hwnd != NULL) {
    if (WindowRecord* r = record(owner.hwnd)) r->part<AutomaticId>().id = owner.id;
  }
  if (owner.hwnd == NULL) {
    if (requestedId == 0) {
      releaseAutomaticId(owner.id);
      owner.id = 0;
    }
    return;
  }
  if (width != 0 && height != 0) return;
  Size natural = owner.naturalSize();
  owner.resize(width != 0 ? owner.width.get() : natural.width,
               height != 0 ? owner.height.get() : natural.height);
  if (centred) owner.centre();
}

String readControlText(std::size_t capacity, const std::function<void(char*, int)>& request) {
  GlobalBlock block(capacity);
  char* buffer = block.data();
  if (buffer == nullptr) return String();
  request(buffer, static_cast<int>(capacity));
  buffer[capacity - 1] = '\0';
  return String(buffer);
}

}  // namespace detail
}  // namespace tarn
