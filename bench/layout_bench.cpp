// Times the layout arithmetic: 1,000 controls in nested rows and columns (a
// column of 10 rows, each of 10 columns of 10 controls, everything
// stretching), laid out at 100 sizes. Three ways, alternated in rounds so the
// machine's load weighs on all alike: the geometry alone on a ready tree; the
// window side's whole walk (the layout value turned into the tree at a DPI,
// then the geometry); and the same rectangles worked out by hand with nested
// loops, as a program without layouts would. Prints the best round of each,
// per layout, and the ratios to the hand-written loops.
//
// Then the window side: two hidden forms of 1,000 labels each (hidden, as
// moving a child among a thousand shown siblings costs the system far more
// than either way's own work) (a row of 10 columns,
// each of 10 rows of 10 labels, everything stretching), resized 100 times:
// one laid out by its layout (one batch of moves per size), the other by hand
// (the same rectangles worked out with nested loops, each label moved with
// MoveWindow), alternated in rounds. Prints the best round of each per resize
// and the ratio.
//
//   tarn_layout_bench [rounds] [window rounds]   (defaults 5 and 3)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "clock.h"
#include "tarn/core/layout_geometry.h"
#include "tarn/core/layout_tree.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr int fanOut = 10;  // rows, columns per row, controls per column
constexpr int layouts = 100;
constexpr int gap = 4;

long long checksum = 0;  // what each way produced, so that none is left out

int widthAt(int i) { return 800 + 3 * i; }
int heightAt(int i) { return 600 + 2 * i; }

Layout nestedLayout() {
  LayoutOptions options{0, gap};
  Layout outer = Layout::column(options);
  int n = 0;
  for (int r = 0; r < fanOut; ++r) {
    Layout row = Layout::row(options);
    for (int c = 0; c < fanOut; ++c) {
      Layout column = Layout::column(options);
      for (int k = 0; k < fanOut; ++k)
        column.add(Control(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x10000 + 4 * ++n))),
                   LayoutItem{1, Align::fill, 1});
      row.add(column, LayoutItem{1, Align::fill, 1});
    }
    outer.add(row, LayoutItem{1, Align::fill, 1});
  }
  return outer;
}

detail::ControlMeasure measure(HWND) { return detail::ControlMeasure{30, 20}; }

void consume(const geometry::Arrangement& a) {
  for (const geometry::Rect& r : a.items) checksum += r.x + r.y + r.width + r.height;
}

double geometryRound(const geometry::Node& tree) {
  double start = seconds();
  for (int i = 0; i < layouts; ++i)
    consume(geometry::arrange(tree, geometry::Rect{0, 0, widthAt(i), heightAt(i)}));
  return seconds() - start;
}

double wholeWalkRound(const Layout& layout) {
  double start = seconds();
  for (int i = 0; i < layouts; ++i) {
    detail::LayoutTree tree = detail::layoutTree(layout, NULL, 96, measure);
    consume(geometry::arrange(tree.root, geometry::Rect{0, 0, widthAt(i), heightAt(i)}));
  }
  return seconds() - start;
}

// Equal shares with the remainder to the last, each level by hand.
void split(int length, int parts, int at, std::vector<int>& starts, std::vector<int>& sizes) {
  int room = length - gap * (parts - 1);
  for (int p = 0; p < parts; ++p) {
    starts[p] = at + p * (room / parts + gap);
    sizes[p] = room / parts + (p == parts - 1 ? room % parts : 0);
  }
}

double handRound() {
  std::vector<geometry::Rect> rects(fanOut * fanOut * fanOut);
  std::vector<int> rowY(fanOut), rowH(fanOut), colX(fanOut), colW(fanOut), itemY(fanOut),
      itemH(fanOut);
  double start = seconds();
  for (int i = 0; i < layouts; ++i) {
    split(heightAt(i), fanOut, 0, rowY, rowH);
    split(widthAt(i), fanOut, 0, colX, colW);
    std::size_t n = 0;
    for (int r = 0; r < fanOut; ++r) {
      split(rowH[r], fanOut, rowY[r], itemY, itemH);
      for (int c = 0; c < fanOut; ++c)
        for (int k = 0; k < fanOut; ++k) rects[n++] = {colX[c], itemY[k], colW[c], itemH[k]};
    }
    for (const geometry::Rect& r : rects) checksum += r.x + r.y + r.width + r.height;
  }
  return seconds() - start;
}

// ---------------------------------------------------------------------------
// The window side

constexpr int formWidth = 900, formHeight = 500;
int formWidthAt(int i) { return formWidth + 3 * (i % 50); }
int formHeightAt(int i) { return formHeight + 2 * (i % 50); }

struct Labels {
  Form form;
  std::vector<Label> labels;
  explicit Labels(int y) : form(FormOptions{.caption = "Layout bench", .x = 0, .y = y, .visible = false}) {
    labels.reserve(fanOut * fanOut * fanOut);
    for (int i = 0; i < fanOut * fanOut * fanOut; ++i)
      labels.emplace_back(form, LabelOptions{.width = 1, .height = 1});
  }
  void resize(int width, int height) {
    SetWindowPos(form.hwnd, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

// A row of 10 columns, each of 10 rows of 10 labels, everything stretching.
Layout labelLayout(const std::vector<Label>& labels) {
  LayoutOptions options{0, gap};
  LayoutItem stretching{1, Align::fill, 1};
  Layout outer = Layout::row(options);
  std::size_t n = 0;
  for (int c = 0; c < fanOut; ++c) {
    Layout column = Layout::column(options);
    for (int r = 0; r < fanOut; ++r) {
      Layout row = Layout::row(options);
      for (int k = 0; k < fanOut; ++k) row.add(labels[n++], stretching);
      column.add(row, stretching);
    }
    outer.add(column, stretching);
  }
  return outer;
}

void drain() {
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

double layoutWindowRound(Labels& laidOut) {
  double start = seconds();
  for (int i = 0; i < layouts; ++i) laidOut.resize(formWidthAt(i), formHeightAt(i));
  double took = seconds() - start;
  drain();
  return took;
}

double handWindowRound(Labels& byHand) {
  std::vector<int> colX(fanOut), colW(fanOut), rowY(fanOut), rowH(fanOut), itemX(fanOut),
      itemW(fanOut);
  double start = seconds();
  for (int i = 0; i < layouts; ++i) {
    byHand.resize(formWidthAt(i), formHeightAt(i));
    RECT client;
    GetClientRect(byHand.form.hwnd, &client);
    split(client.right, fanOut, 0, colX, colW);
    split(client.bottom, fanOut, 0, rowY, rowH);
    std::size_t n = 0;
    for (int c = 0; c < fanOut; ++c)
      for (int r = 0; r < fanOut; ++r) {
        split(colW[c], fanOut, colX[c], itemX, itemW);
        for (int k = 0; k < fanOut; ++k)
          MoveWindow(byHand.labels[n++].hwnd, itemX[k], rowY[r], itemW[k], rowH[r], TRUE);
      }
  }
  double took = seconds() - start;
  drain();
  return took;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  Layout layout = nestedLayout();
  detail::LayoutTree tree = detail::layoutTree(layout, NULL, 96, measure);
  int items = geometry::itemCount(tree.root);
  double geometryBest = 1e9, walkBest = 1e9, handBest = 1e9;
  for (int round = 0; round < rounds; ++round) {
    geometryBest = std::min(geometryBest, geometryRound(tree.root));
    walkBest = std::min(walkBest, wholeWalkRound(layout));
    handBest = std::min(handBest, handRound());
  }
  auto perLayout = [](double seconds) { return seconds / layouts * 1e6; };
  std::printf("%d controls in nested rows and columns, %d layouts, best of %d rounds\n", items,
              layouts, rounds);
  std::printf("  geometry alone            %8.1f us per layout (target: under 1000)\n",
              perLayout(geometryBest));
  std::printf("  layout value + geometry   %8.1f us per layout\n", perLayout(walkBest));
  std::printf("  by hand, nested loops     %8.1f us per layout\n", perLayout(handBest));
  std::printf("  geometry / by hand        %8.2f\n", geometryBest / handBest);
  std::printf("  value + geometry / hand   %8.2f\n", walkBest / handBest);
  std::printf("(checksum %lld)\n", checksum);

  int windowRounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  Labels laidOut(0), byHand(40);
  laidOut.form.setLayout(labelLayout(laidOut.labels));
  double layoutBest = 1e9, handMovesBest = 1e9;
  for (int round = 0; round < windowRounds; ++round) {
    layoutBest = std::min(layoutBest, layoutWindowRound(laidOut));
    handMovesBest = std::min(handMovesBest, handWindowRound(byHand));
  }
  std::printf("%d labels on a form, resized %d times, best of %d rounds\n",
              fanOut * fanOut * fanOut, layouts, windowRounds);
  std::printf("  layout (one batch)        %8.2f ms per resize\n", layoutBest / layouts * 1e3);
  std::printf("  by hand, MoveWindow       %8.2f ms per resize\n", handMovesBest / layouts * 1e3);
  std::printf("  layout / by hand          %8.2f (target: at most 1.10)\n",
              layoutBest / handMovesBest);
  laidOut.form.destroy();
  byHand.form.destroy();
  return 0;
}
