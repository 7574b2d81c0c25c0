// Times markupToRtf on 1 MB and 8 MB of markup. The converter should grow
// linearly, so the 8 MB time should be about eight times the 1 MB time.
//
//   tarn_markup_bench [repeats]      (default 3; the best run is reported)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

// Markup like a long tip body: words, every tag, line breaks, paths, braces.
std::string mixedMarkup(std::size_t bytes) {
  static const char* const pieces[] = {
      "Press <B>F1</B> for help. ",
      "Files live in C:\\Tarn\\data\\. ",
      "<i>Note:</i> settings {like this} are kept.\r\n",
      "<U>Underlined</U> and <u>more</u> text<BR>",
      "<CENTER>A centred line</CENTER>\n",
      "<right>right</right><b>bold</b><I>it</I> plain words here ",
      "Unknown <P> and <Br> tags stay. ",
      "<center>x</center><RIGHT>y</RIGHT><br>",
  };
  const std::size_t n = sizeof pieces / sizeof pieces[0];
  std::string out;
  out.reserve(bytes + 64);
  for (std::size_t i = 0; out.size() < bytes; ++i) out += pieces[i % n];
  out.resize(bytes);
  return out;
}

// Every character replaced: the worst case for a converter that shifts the
// text per occurrence.
std::string denseMarkup(std::size_t bytes) {
  std::string out;
  out.reserve(bytes + 8);
  while (out.size() < bytes) out += "\\\n{}<B>";
  out.resize(bytes);
  return out;
}

struct Run {
  double best;
  std::size_t outBytes;
};

Run time(const String& markup, int repeats) {
  Run run{1e30, 0};
  for (int r = 0; r < repeats; ++r) {
    double start = seconds();
    String rtf = markupToRtf(markup);
    double took = seconds() - start;
    if (took < run.best) run.best = took;
    run.outBytes = rtf.str().size();
  }
  return run;
}

void measure(const char* name, std::string (*make)(std::size_t), int repeats) {
  const std::size_t mb = 1024 * 1024;
  Run small = time(String(make(1 * mb)), repeats);
  Run large = time(String(make(8 * mb)), repeats);
  std::printf("%-6s  1 MB: %8.1f ms (%6.1f MB/s, output %9u bytes)\n", name, small.best * 1000.0,
              1.0 / small.best, static_cast<unsigned>(small.outBytes));
  std::printf("%-6s  8 MB: %8.1f ms (%6.1f MB/s, output %9u bytes)\n", name, large.best * 1000.0,
              8.0 / large.best, static_cast<unsigned>(large.outBytes));
  std::printf("%-6s  8 MB / 1 MB time ratio: %.2f (8.00 is linear)\n", name,
              large.best / small.best);
}

}  // namespace

int main(int argc, char** argv) {
  int repeats = argc > 1 ? std::atoi(argv[1]) : 3;
  if (repeats < 1) repeats = 1;
  std::printf("markupToRtf, best of %d runs\n", repeats);
  measure("mixed", mixedMarkup, repeats);
  measure("dense", denseMarkup, repeats);
  std::fflush(stdout);
  return 0;
}
