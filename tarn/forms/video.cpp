// VideoControl: silent AVI clips through the system animation control.
#include "tarn/core/detail.h"
#include "tarn/video.h"

namespace tarn {

VideoControl::VideoControl() = default;

VideoControl::VideoControl(int id_, const Control& parent, const String& file, int x_, int y_,
                           int width_, int height_, bool visible_, bool autoPlay, bool centred,
                           int exStyle) {
  id = id_;
  if (!runtimeCheck(parent.hwnd != NULL, "Parent_Control_Handle != NULL", __FILE__, __LINE__))
    return;
  DWORD style = WS_CHILD | WS_TABSTOP | (visible_ ? WS_VISIBLE : 0) | (centred ? ACS_CENTER : 0) |
                (autoPlay ? ACS_AUTOPLAY : 0);
  detail::createChild(*this, ANIMATE_CLASSA, "Video Control", style, static_cast<DWORD>(exStyle),
                      x_, y_, width_, height_, parent.hwnd, id);
  if (!runtimeCheck(hwnd != NULL, "VideWindow_Handle != NULL", __FILE__, __LINE__)) return;
  open(file);
}

bool VideoControl::open(const String& file) {
  // An empty name would close the clip: it opens nothing.
  if (file.str().empty()) return false;
  return detail::send(hwnd, ACM_OPENA, 0, detail::textArgument(file)) != 0;
}

bool VideoControl::play(int from, bool repeat, int count) {
  // Some versions of the control loop forever on a count of 0; one pass is 1.
  WPARAM times = repeat ? static_cast<WPARAM>(count) : 1;
  return detail::send(hwnd, ACM_PLAY, times, MAKELONG(from & 0xFFFF, 0xFFFF)) != 0;
}

bool VideoControl::stop() { return detail::send(hwnd, ACM_STOP) != 0; }

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

VideoControl::VideoControl(const Control& parent, const VideoControlOptions& o)
    : VideoControl(detail::optionsId(o.id), parent, o.file, o.x, o.y, o.width, o.height, o.visible,
                   o.autoPlay, o.centred, o.exStyle) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
