// Tarn video control: silent AVI clips through the system animation control.
//
// Classes in this file (sources):
//   VideoControl   forms/video.cpp
#ifndef TARN_VIDEO_H
#define TARN_VIDEO_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Video control
// ===========================================================================

/// Plays silent AVI clips (uncompressed or RLE) through the system animation
/// control. Start and stop come to the parent as WM_COMMAND with ACN_START and
/// ACN_STOP in the high word.
class VideoControl : public Control {
 public:
  /// An object with no window (hwnd 0).
  VideoControl();
  /// Makes the control with identifier `id` in `parent`, opens `file` and, with `autoPlay`,
  /// plays it over and over.
  VideoControl(int id, const Control& parent, const String& file, int x, int y, int width,
               int height, bool visible, bool autoPlay, bool centred, int exStyle);

  /// False for an empty name (nothing is sent) or a clip the control refuses.
  bool open(const String& file);
  /// Plays from frame `from` to the end: once, or `count` times when `repeat`
  /// (-1: until stop).
  bool play(int from, bool repeat, int count);
  /// Stops the clip; true on success.
  bool stop();
};

}  // namespace tarn

#endif  // TARN_VIDEO_H
