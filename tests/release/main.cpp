// Built against the unpacked release: makes a form with a button and checks that
// the compiled-in version is the package's.
#include <tarn/tarn.h>

#include <cstdio>
#include <cstring>

using namespace tarn;

int main() {
  Form form("release", 10, 10, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  Button button("OK", 1, 10, 10, 80, 24, form, true, true, false, true, 0, false, Icon());
  bool sameVersion = std::strcmp(tarn::version, TARN_PACKAGE_VERSION) == 0;
  std::printf("version %s package %s form %d button %d\n", tarn::version, TARN_PACKAGE_VERSION,
              form.isCreated() ? 1 : 0, button.isCreated() ? 1 : 0);
  form.destroy();
  return sameVersion && button.isCreated() ? 0 : 1;
}
