// Builds a hidden form and a timer with the toolkit and reports what it saw.
#include <tarn/tarn.h>

#include <cstdio>

using namespace tarn;

int main() {
  Form form("consumer", 10, 10, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  bool started = form.startTimer("tick", 1000);
  String folder = application.folder;
  std::printf("form %d timer %d folder %s\n", form.isCreated() ? 1 : 0, started ? 1 : 0,
              folder.length > 0 ? "yes" : "no");
  form.destroy();
  return form.isCreated() && started ? 0 : 1;
}
