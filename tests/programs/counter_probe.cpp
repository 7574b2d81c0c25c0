// Prints the identifiers a fresh program hands to its first forms and control.
#include <cstdio>

#include "tarn.h"

int main() {
  tarn::Form first;
  tarn::Form second("second", 0, 0, 50, 50, 0, true, false, false, false, false, tarn::Control(),
                    false, 0);
  int control = ++tarn::controlIdCounter;
  std::printf("first form %d, second form %d, first control %d\n", first.notifyId,
              second.notifyId, control);
  return 0;
}
