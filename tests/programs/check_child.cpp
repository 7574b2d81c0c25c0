// Reads or writes an unbound or one-sided property, as the first argument says,
// so a test can watch the runtime check from outside. Prints what happened
// after the check returned and exits with 3 when the program went on.
#include <cstdio>
#include <cstring>

#include <tarn/tarn.h>

namespace {
struct Owner {
  int stored = 42;
  int get() const { return stored; }
  void set(int v) { stored = v; }
};
}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "unbound-read";
  Owner owner;
  tarn::Property<Owner, int> p;
  int result = -1;
  if (std::strcmp(mode, "unbound-read") == 0) {
    result = p;
  } else if (std::strcmp(mode, "read-only-write") == 0) {
    p.bind(&owner, &Owner::get);
    result = (p = 7);
    result = owner.stored;
  } else if (std::strcmp(mode, "write-only-read") == 0) {
    p.bind(&owner, nullptr, &Owner::set);
    result = p;
  } else if (std::strcmp(mode, "check") == 0) {
    result = TARN_CHECK(argc < 0) ? 1 : 0;
  }
  std::printf("continued %d\n", result);
  std::fflush(stdout);
  return 3;
}
