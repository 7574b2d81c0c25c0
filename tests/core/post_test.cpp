// Work posted to a window's thread from other threads: run once each, in each
// thread's order, inside whatever loop runs (a message box too), released
// without running when the window goes first; and the posts refused.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pumpUntil;

namespace {

Form postForm() {
  return Form("post", 40, 40, 200, 120, 0, true, true, false, false, false, Control(), false, 0);
}

constexpr UINT_PTR watchdogMs = 20000;
VOID CALLBACK endLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(-2); }

}  // namespace

// Four threads post to one window while its thread runs the message loop:
// every piece runs exactly once, each thread's in the order it posted them.
TEST(Post, EveryPieceRunsOnceInEachThreadsOrder) {
  constexpr int threads = 4, pieces = 5000;
  Form form = postForm();
  std::vector<int> next(threads, 0);
  int ran = 0, outOfOrder = 0;
  DWORD windowThread = GetCurrentThreadId();
  int wrongThread = 0;
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back([&, t] {
      for (int i = 0; i < pieces; ++i)
        post(form, [&, t, i] {
          if (next[t]++ != i) ++outOfOrder;
          if (GetCurrentThreadId() != windowThread) ++wrongThread;
          if (++ran == threads * pieces) PostQuitMessage(5);
        });
    });
  UINT_PTR watchdog = SetTimer(NULL, 0, watchdogMs, endLoop);
  EXPECT_EQ(5, messageLoop());
  KillTimer(NULL, watchdog);
  for (std::thread& w : workers) w.join();
  EXPECT_EQ(threads * pieces, ran);
  EXPECT_EQ(0, outOfOrder);
  EXPECT_EQ(0, wrongThread);
  form.destroy();
}

// Work still waiting when its window is destroyed is released without
// running: what it holds goes, on the window's thread.
TEST(Post, WorkForADestroyedWindowIsReleasedWithoutRunning) {
  Form form = postForm();
  Label target("target", 0, 10, 10, 60, 20, form, true, true, false, 0);
  auto held = std::make_shared<int>(0);
  std::atomic<int> posted{0};
  int ran = 0;
  std::thread worker([&] {
    for (int i = 0; i < 200; ++i)
      if (post(target, [&ran, held] { ++ran; })) ++posted;
  });
  worker.join();
  EXPECT_EQ(200, posted.load());
  EXPECT_EQ(201, held.use_count());  // waiting, not run
  target.destroy();
  EXPECT_FALSE(post(target, [] {}));  // the window is gone
  bool marker = false;
  ASSERT_TRUE(post(form, [&] { marker = true; }));
  EXPECT_TRUE(pumpUntil([&] { return marker; }, 5000));
  EXPECT_EQ(0, ran);
  EXPECT_EQ(1, held.use_count());
  form.destroy();
}

// Work runs inside a modal message box's loop too: here it ends the box.
TEST(Post, RunsInsideAMessageBox) {
  Form form = postForm();
  bool ran = false;
  std::thread worker([&] {
    HWND box = NULL;
    while ((box = FindWindowA("#32770", "Waiting")) == NULL) Sleep(5);  // the box is up
    post(form, [&ran, box] {
      ran = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
  });
  int answer = MessageBoxA(form.hwnd, "for the worker", "Waiting", MB_OKCANCEL);
  worker.join();
  EXPECT_TRUE(ran);
  EXPECT_EQ(IDOK, answer);
  form.destroy();
}

// Posts that cannot be taken answer false and run nothing; work that throws is
// reported and the next still runs; work may destroy its own window.
TEST(Post, RefusedPostsThrowingWorkAndWorkThatEndsItsWindow) {
  Form form = postForm();
  EXPECT_FALSE(post(Control(), [] {}));
  EXPECT_FALSE(post(form, nullptr));
  Control otherProcess(GetShellWindow() != NULL ? GetShellWindow() : GetDesktopWindow());
  DWORD process = 0;
  GetWindowThreadProcessId(otherProcess.hwnd, &process);
  if (process != GetCurrentProcessId()) {
    EXPECT_FALSE(post(otherProcess, [] {}));
  }

  testing_support::BoxAnswerer answerer(IDIGNORE);
  bool after = false;
  std::thread worker([&] {
    post(form, [] { throw 42; });
    post(form, [&] { after = true; });
  });
  worker.join();
  EXPECT_TRUE(pumpUntil([&] { return after; }, 5000));
  EXPECT_EQ(1u, answerer.boxes().size());

  Form doomed = postForm();
  bool ended = false;
  ASSERT_TRUE(post(doomed, [&] {
    doomed.destroy();
    ended = true;
  }));
  EXPECT_TRUE(pumpUntil([&] { return ended; }, 5000));
  EXPECT_FALSE(IsWindow(doomed.hwnd));
  form.destroy();
}
