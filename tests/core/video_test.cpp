// The video control on a tiny clip written here: opening, playing once, from a
// frame, repeating until stopped, and playing on open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

constexpr int videoId = 600;
constexpr int clipSide = 32;
// One solid colour per frame, in this order (0x00BBGGRR).
const COLORREF frameColours[] = {RGB(220, 30, 30), RGB(30, 200, 40), RGB(40, 50, 210),
                                 RGB(230, 220, 20)};
constexpr int frameCount = 4;

std::string le(unsigned v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

std::string chunk(const std::string& id, const std::string& data) {
  return id + le(static_cast<unsigned>(data.size()), 4) + data;
}

std::string list(const std::string& type, const std::string& data) {
  return chunk("LIST", type + data);
}

// An uncompressed 8-bit AVI: 32x32 frames at 5 per second, a 4-colour palette,
// frame i filled with colour i, with an index.
std::string tinyClip() {
  const unsigned frameBytes = clipSide * clipSide;
  std::string avih = le(200000, 4) + le(frameBytes * 5, 4) + le(0, 4) + le(0x10, 4) +
                     le(frameCount, 4) + le(0, 4) + le(1, 4) + le(frameBytes, 4) +
                     le(clipSide, 4) + le(clipSide, 4) + std::string(16, '\0');
  std::string strh = std::string("vids") + le(0, 4) + le(0, 4) + le(0, 2) + le(0, 2) + le(0, 4) +
                     le(1, 4) + le(5, 4) + le(0, 4) + le(frameCount, 4) + le(frameBytes, 4) +
                     le(0xFFFFFFFF, 4) + le(0, 4) + le(0, 2) + le(0, 2) + le(clipSide, 2) +
                     le(clipSide, 2);
  std::string strf = le(40, 4) + le(clipSide, 4) + le(clipSide, 4) + le(1, 2) + le(8, 2) +
                     le(0, 4) + le(frameBytes, 4) + le(0, 4) + le(0, 4) + le(frameCount, 4) +
                     le(frameCount, 4);
  for (COLORREF c : frameColours)
    strf += std::string{static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                        static_cast<char>(GetRValue(c)), '\0'};
  std::string movi, index;
  for (int i = 0; i < frameCount; ++i) {
    index += std::string("00db") + le(0x10, 4) + le(static_cast<unsigned>(4 + movi.size()), 4) +
             le(frameBytes, 4);
    movi += chunk("00db", std::string(frameBytes, static_cast<char>(i)));
  }
  std::string hdrl = list("hdrl", chunk("avih", avih) +
                                      list("strl", chunk("strh", strh) + chunk("strf", strf)));
  return chunk("RIFF", "AVI " + hdrl + list("movi", movi) + chunk("idx1", index));
}

struct Notice {
  int id;
  int code;
};
std::vector<Notice> notices;

INT_PTR CALLBACK noticeProcedure(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) notices.push_back({LOWORD(wParam), HIWORD(wParam)});
  return 0;
}

int countOf(int code) {
  int n = 0;
  for (const Notice& notice : notices)
    if (notice.id == videoId && notice.code == code) ++n;
  return n;
}

// Which frame a colour is, or -1.
int frameOf(COLORREF c) {
  for (int i = 0; i < frameCount; ++i)
    if (frameColours[i] == c) return i;
  return -1;
}

struct Stage {
  Stage()
      : parent("Video parent", 60, 60, 300, 200, 0, true, true, false, false, false, Control(),
               false, 0) {
    parent.procedure = noticeProcedure;
    clip.write(tinyClip());
    notices.clear();
  }
  ~Stage() {
    parent.destroy();
    pump(0);
  }
  VideoControl make(const String& file, bool autoPlay = false) {
    return VideoControl(videoId, parent, file, 10, 10, 120, 100, true, autoPlay, false, 0);
  }
  // The frames shown until `done`, each once, in the order they appeared.
  template <class Done>
  std::vector<int> watch(const VideoControl& video, Done done) {
    std::vector<int> seen;
    pumpUntil(
        [&] {
          int f = frameOf(pixelAt(video.hwnd, 5, 5));
          if (f >= 0 && (seen.empty() || seen.back() != f)) seen.push_back(f);
          return done(seen);
        },
        10000);
    return seen;
  }

  Form parent;
  TempFile clip{".avi"};
};

bool ascending(const std::vector<int>& frames) {
  for (std::size_t i = 1; i < frames.size(); ++i)
    if (frames[i] <= frames[i - 1]) return false;
  return true;
}

}  // namespace

TEST(VideoControl, OpensClipsAndRefusesEmptyAndMissingNames) {
  Stage stage;
  VideoControl video = stage.make("");
  ASSERT_TRUE(video.isCreated());
  EXPECT_EQ(videoId, GetDlgCtrlID(video.hwnd));
  EXPECT_FALSE(video.open(""));
  EXPECT_FALSE(video.open(stage.clip.path() + ".missing"));
  EXPECT_TRUE(video.open(stage.clip.path()));
  EXPECT_EQ(clipSide, int(video.width));  // not centred: the control takes the clip's size
  // An empty name sends nothing: the open clip stays and plays.
  EXPECT_FALSE(video.open(""));
  EXPECT_TRUE(video.play(0, false, 0));
  EXPECT_TRUE(pumpUntil([] { return countOf(ACN_STOP) == 1; }, 10000));

  VideoControl none;
  EXPECT_FALSE(none.open(stage.clip.path()));
}

TEST(VideoControl, PlaysOnceFromTheStartOrFromAFrame) {
  Stage stage;
  struct Row {
    int from;
  };
  const Row rows[] = {{0}, {2}};
  for (const Row& r : rows) {
    // A fresh control shows nothing until it plays.
    VideoControl video = stage.make(stage.clip.path());
    notices.clear();
    ASSERT_TRUE(video.play(r.from, false, 7)) << r.from;  // the count only counts with repeat
    std::vector<int> seen = stage.watch(video, [](const std::vector<int>&) {
      return countOf(ACN_STOP) == 1;
    });
    EXPECT_EQ(1, countOf(ACN_START)) << r.from;
    EXPECT_EQ(1, countOf(ACN_STOP)) << r.from;
    ASSERT_FALSE(seen.empty()) << r.from;
    EXPECT_GE(seen.front(), r.from);
    EXPECT_TRUE(ascending(seen)) << r.from;  // one pass, in order
    EXPECT_TRUE(pumpUntil([&] { return frameOf(pixelAt(video.hwnd, 5, 5)) == frameCount - 1; },
                          3000))
        << r.from;  // it ends on the last frame
    video.destroy();
  }
}

TEST(VideoControl, RepeatsUntilStopped) {
  Stage stage;
  VideoControl video = stage.make(stage.clip.path());
  ASSERT_TRUE(video.play(0, true, -1));
  // Wait until the clip has come round again after its last frame.
  std::vector<int> seen = stage.watch(video, [](const std::vector<int>& s) {
    return !s.empty() && !ascending(s);
  });
  EXPECT_FALSE(ascending(seen));
  EXPECT_EQ(0, countOf(ACN_STOP));
  EXPECT_TRUE(video.stop());
  EXPECT_TRUE(pumpUntil([] { return countOf(ACN_STOP) == 1; }, 3000));
}

TEST(VideoControl, AutoPlayStartsOnOpen) {
  Stage stage;
  VideoControl video = stage.make(stage.clip.path(), true);
  EXPECT_TRUE(video.hasStyle(ACS_AUTOPLAY));
  EXPECT_TRUE(pumpUntil([] { return countOf(ACN_START) >= 1; }, 3000));
  std::vector<int> seen = stage.watch(video, [](const std::vector<int>& s) { return s.size() >= 2; });
  EXPECT_GE(seen.size(), 2u);
  video.stop();
}

TEST(VideoControl, AParentWithoutAWindowShowsTheCheck) {
  BoxAnswerer answer(IDIGNORE);
  VideoControl video(videoId, Control(), "", 0, 0, 10, 10, true, false, false, 0);
  EXPECT_EQ(NULL, video.hwnd);
  ASSERT_EQ(1u, answer.boxes().size());
  EXPECT_NE(std::string::npos,
            answer.boxes()[0].text.find("Expression: Parent_Control_Handle != NULL\r\n"));
}
