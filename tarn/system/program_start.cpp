// startProgram: a program started the way WinExec starts one, with the wait
// for it to become ready moved off the caller's thread.
#include <new>
#include <vector>

#include "tarn/system.h"

namespace tarn {

namespace {

// How long WinExec waits for a started program's first wait for input.
constexpr DWORD readyWaitMs = 30000;
// What WinExec answers for a started program.
constexpr unsigned startedResult = 33;

struct ReadyWait {
  HANDLE process;
  HWND window;
  DWORD threadId;  // the caller's thread, for window 0
  UINT message;
};

void report(HWND window, DWORD threadId, UINT message, unsigned result) {
  if (window != NULL)
    PostMessageA(window, message, result, 0);
  else
    PostThreadMessageA(threadId, message, result, 0);
}

// The end of a start: the program is ready for input, has ended, or the wait
// ran out. WinExec answers the same in every one of these cases.
void finish(const ReadyWait& wait) {
  WaitForInputIdle(wait.process, readyWaitMs);
  CloseHandle(wait.process);
  report(wait.window, wait.threadId, wait.message, startedResult);
}

DWORD WINAPI readyWaitThread(LPVOID parameter) {
  ReadyWait* wait = static_cast<ReadyWait*>(parameter);
  finish(*wait);
  delete wait;
  return 0;
}

// WinExec's error results are the system error codes below 32; any other
// failure is reported as a bad format.
unsigned startError(DWORD error) { return error < 32 ? error : ERROR_BAD_FORMAT; }

}  // namespace

unsigned startProgram(const String& commandLine, int showState, HWND window, UINT message) {
  const DWORD threadId = GetCurrentThreadId();
  // CreateProcessA may write into the command line, so it gets a copy.
  std::vector<char> line(commandLine.str().begin(), commandLine.str().end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &started)) {
    unsigned result = startError(GetLastError());
    report(window, threadId, message, result);
    return result;
  }
  CloseHandle(started.hThread);

  const ReadyWait wait = {started.hProcess, window, threadId, message};
  ReadyWait* handed = new (std::nothrow) ReadyWait(wait);
  HANDLE worker = handed ? CreateThread(NULL, 0, readyWaitThread, handed, 0, NULL) : NULL;
  if (worker != NULL) {
    CloseHandle(worker);
    return startedResult;
  }
  // No worker: wait here, as WinExec itself would.
  delete handed;
  finish(wait);
  return startedResult;
}

}  // namespace tarn
