// Work handed to the window's thread from four threads: post() against plain
// PostMessage with a heap-allocated payload, each delivering the same pieces
// while the window's thread runs its message loop. Checks that every piece ran
// exactly once and in each thread's order, and prints the time per piece and
// the ratio post / PostMessage.
//
//   tarn_post_bench [pieces per thread] [rounds]   (defaults 100000, 3)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "clock.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr int threads = 4;

struct Tally {
  std::vector<int> next = std::vector<int>(threads, 0);
  long long ran = 0;
  long long wrong = 0;  // out of order
  long long expected = 0;

  void take(int thread, int piece) {
    if (next[thread]++ != piece) ++wrong;
    if (++ran == expected) PostQuitMessage(0);
  }
};

Tally* plainTally = nullptr;

struct Piece {
  int thread;
  int piece;
};

LRESULT CALLBACK plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    Piece* p = reinterpret_cast<Piece*>(lParam);
    plainTally->take(p->thread, p->piece);
    delete p;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void runLoop() {
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
}

// Plain: PostMessage with a heap payload; a full queue (Windows holds 10,000
// posted messages per thread) is waited out.
double plainRound(int pieces, Tally& tally) {
  WNDCLASSA type = {};
  type.lpfnWndProc = plainProcedure;
  type.hInstance = GetModuleHandleA(NULL);
  type.lpszClassName = "PlainPostBench";
  RegisterClassA(&type);
  HWND window = CreateWindowExA(0, "PlainPostBench", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                GetModuleHandleA(NULL), NULL);
  plainTally = &tally;
  double start = seconds();
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back([window, pieces, t] {
      for (int i = 0; i < pieces; ++i) {
        Piece* p = new Piece{t, i};
        while (!PostMessageA(window, WM_APP, 0, reinterpret_cast<LPARAM>(p))) Sleep(0);
      }
    });
  runLoop();
  double spent = seconds() - start;
  for (std::thread& w : workers) w.join();
  DestroyWindow(window);
  return spent;
}

double postRound(int pieces, Tally& tally, const Form& form) {
  double start = seconds();
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back([&form, &tally, pieces, t] {
      for (int i = 0; i < pieces; ++i) post(form, [&tally, t, i] { tally.take(t, i); });
    });
  messageLoop();
  double spent = seconds() - start;
  for (std::thread& w : workers) w.join();
  return spent;
}

}  // namespace

int main(int argc, char** argv) {
  int pieces = argc > 1 ? std::atoi(argv[1]) : 100000;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (pieces <= 0) pieces = 100000;
  if (rounds <= 0) rounds = 3;
  Form form("post bench", 0, 0, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  double bestPlain = 1e9, bestPost = 1e9;
  bool allRight = true;
  for (int r = 0; r < rounds; ++r) {
    Tally plain, posted;
    plain.expected = posted.expected = static_cast<long long>(threads) * pieces;
    bestPlain = std::min(bestPlain, plainRound(pieces, plain));
    bestPost = std::min(bestPost, postRound(pieces, posted, form));
    for (const Tally* t : {&plain, &posted})
      if (t->ran != t->expected || t->wrong != 0) allRight = false;
    std::printf("round %d: PostMessage %.3f s, post %.3f s (ran %lld and %lld, out of order %lld)\n",
                r + 1, bestPlain, bestPost, plain.ran, posted.ran, posted.wrong);
  }
  double n = static_cast<double>(threads) * pieces;
  std::printf("%d threads x %d pieces, best of %d rounds:\n", threads, pieces, rounds);
  std::printf("  PostMessage + heap payload  %8.3f s  %6.2f us per piece\n", bestPlain,
              bestPlain / n * 1e6);
  std::printf("  post()                      %8.3f s  %6.2f us per piece\n", bestPost,
              bestPost / n * 1e6);
  std::printf("  ratio post / PostMessage    %8.2f\n", bestPost / bestPlain);
  std::printf("  every piece ran once, in each thread's order: %s\n", allRight ? "yes" : "NO");
  form.destroy();
  return allRight ? 0 : 1;
}
