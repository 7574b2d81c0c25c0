// The runtime check: a message box naming the program, the source place and the
// failed condition; Abort ends the process with exit code 0.
#include <cstdio>
#include <cstdlib>

#include "tarn/property.h"

namespace tarn {

std::size_t formatRuntimeCheck(char* out, std::size_t size, const char* program, const char* file,
                               long line, const char* expression, const char* date,
                               const char* time) {
  if (out == nullptr || size == 0) return 0;
  int n = std::snprintf(out, size,
                        "Assertion failed!\r\n\r\nProgram: %s\r\nFILE: %s\r\nLINE: %ld\r\n\r\n"
                        "Expression: %s\r\n\r\nCompiled on : %s at %s\r\n\r\n\r\n"
                        "Please consult the Tarn help manual at https://tarn.dev/manual "
                        "to find out what this check means.",
                        program ? program : "", file ? file : "", line,
                        expression ? expression : "", date ? date : "", time ? time : "");
  if (n < 0) {
    out[0] = '\0';
    return 0;
  }
  std::size_t written = static_cast<std::size_t>(n);
  return written < size ? written : size - 1;
}

void runtimeCheckFailed(const char* conditionText, const char* file, long line, const char* date,
                        const char* time) {
  char program[MAX_PATH + 1] = {0};
  GetModuleFileNameA(GetModuleHandleA(NULL), program, MAX_PATH);
  char message[runtimeCheckBufferSize];
  formatRuntimeCheck(message, sizeof message, program, file, line, conditionText, date, time);
  if (MessageBoxA(NULL, message, runtimeCheckCaption, runtimeCheckFlags) == IDABORT) {
    std::exit(0);
  }
}

}  // namespace tarn
