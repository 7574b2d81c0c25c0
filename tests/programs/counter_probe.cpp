// Prints the identifiers a fresh program hands to its first forms and control,
// and, from a global's destructor, that the toolkit's globals outlive the
// program's own.
#include <cstdio>

#include <tarn/tarn.h>

namespace {
struct LastWords {
  ~LastWords() {
    tarn::String folder = tarn::application.folder;
    std::printf("at exit: folder %s, screen width %d\n", folder.c_str(), int(tarn::screen.width));
    std::fflush(stdout);
  }
} lastWords;
}  // namespace

int main() {
  tarn::Form first;
  tarn::Form second("second", 0, 0, 50, 50, 0, true, false, false, false, false, tarn::Control(),
                    false, 0);
  int control = ++tarn::controlIdCounter;
  std::printf("first form %d, second form %d, first control %d\n", first.notifyId,
              second.notifyId, control);
  std::printf("folder %s\n", tarn::String(tarn::application.folder).c_str());
  std::fflush(stdout);
  return 0;
}
