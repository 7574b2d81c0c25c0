// Helper for the system suite.
//   tarn_system_child write <path> [words...]  writes "ran:" and the words to <path>
//   tarn_system_child refuse                   drops the shutdown privilege from
//     its token, then asks to shut down, restart and log off with the session
//     call replaced by a recorder; prints the results and the recorded calls.
#include <cstdio>
#include <cstring>

#include "tarn/system/exit_windows.h"
#include <tarn/tarn.h>

namespace {

int recordedCalls = 0;

BOOL WINAPI recordExit(UINT, DWORD) {
  ++recordedCalls;
  return TRUE;
}

bool dropShutdownPrivilege() {
  HANDLE token = NULL;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_REMOVED;
  bool ok = LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, NULL, NULL) &&
            GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "write") == 0) {
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) return 2;
    std::fputs("ran:", out);
    for (int i = 3; i < argc; ++i) std::fprintf(out, " %s", argv[i]);
    std::fclose(out);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "refuse") == 0) {
    // The recorder goes in first: nothing here may end the session.
    tarn::detail::exitWindowsCall = recordExit;
    if (!dropShutdownPrivilege()) {
      std::printf("privilege not dropped\n");
      return 3;
    }
    bool shutdown = tarn::systemInfo.shutdown(false);
    bool restart = tarn::systemInfo.restart(true);
    bool logOff = tarn::systemInfo.logOff(false);
    std::printf("shutdown=%d restart=%d logoff=%d calls=%d\n", shutdown, restart, logOff,
                recordedCalls);
    return 0;
  }
  return 1;
}
