// The consumer program with the modern look: it must run with UTF-8 as its code
// page and keep a non-ASCII caption byte for byte.
#include <tarn/tarn.h>

#include <cstdio>
#include <string>

using namespace tarn;

int main() {
  const std::string caption = u8"Grüße \u65E5\u672C";
  Form form(caption, 10, 10, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  bool utf8 = GetACP() == CP_UTF8;
  bool kept = String(form.text).str() == caption;
  std::printf("code page %u caption %s\n", GetACP(), kept ? "kept" : "changed");
  form.destroy();
  return utf8 && kept ? 0 : 1;
}
