// Uses the toolkit through one subsystem header, without <tarn.h> and its
// globals: a program that needs only forms and text builds and runs.
#include <tarn/forms.h>

#include <cstdio>

using namespace tarn;

int main() {
  Form form("subsystem", 10, 10, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  String rtf = markupToRtf("<B>bold</B>");
  bool ok = form.isCreated() && form.notifyId >= 3024 && rtf.find("\\b ") >= 0;
  std::printf("subsystem form %d notify id %d rtf %s\n", form.isCreated() ? 1 : 0, form.notifyId, rtf.c_str());
  form.destroy();
  return ok ? 0 : 1;
}
