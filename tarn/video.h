// Tarn video control: silent AVI clips through the system animation control.
//
// Classes in this file (sources):
//   VideoControl   forms/video.cpp
//   VideoControlOptions   forms/video.cpp
#ifndef TARN_VIDEO_H
#define TARN_VIDEO_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Video control
// ===========================================================================

/// The options of a VideoControl, in its constructor's order (see ControlOptions).
struct VideoControlOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The AVI clip opened at once; empty for none.
  String file{};
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 keeps the clip's size.
  int width = 0;
  /// The height in 96-DPI units; 0 keeps the clip's size.
  int height = 0;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the clip plays over and over at once.
  bool autoPlay = false;
  /// Whether the clip is centred in the control (else the control takes the clip's size).
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

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
  /// Makes the control from named options.
  VideoControl(const Control& parent, const VideoControlOptions& options);

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
