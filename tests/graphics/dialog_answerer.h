// Answers the common dialogs a test opens: a second thread watches for the
// dialog-class windows of the test's thread and hands each new one to an action.
#ifndef TARN_TESTS_GRAPHICS_DIALOG_ANSWERER_H
#define TARN_TESTS_GRAPHICS_DIALOG_ANSWERER_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

class DialogAnswerer {
 public:
  // action(dialog, n): n counts the dialogs seen, from 0. The action runs on the
  // watching thread once the dialog has handled what it posted to itself while
  // setting up; it must post, not send, anything that opens another modal
  // window. A dialog still open 5 s after its action is cancelled.
  using Action = std::function<void(HWND dialog, int n)>;
  explicit DialogAnswerer(Action action, DWORD thread = GetCurrentThreadId());
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  int seen() const { return count.load(); }
  // Dialogs that had to be cancelled because the action left them open.
  int forced() const { return forcedCount.load(); }

 private:
  void watch();

  Action action;
  DWORD thread;
  std::atomic<bool> stop{false};
  std::atomic<int> count{0};
  std::atomic<int> forcedCount{0};
  std::thread watcher;
};

// Posts a button press (WM_COMMAND with BN_CLICKED) to a dialog.
void pressButton(HWND dialog, int id);
// The control where a file dialog takes the typed file name.
HWND fileNameEdit(HWND dialog);
// Types a file name into a file dialog (its name box and the edit inside it).
void typeFileName(HWND dialog, const std::string& name);
// Sets a control's text (WM_SETTEXT).
void setItemText(HWND dialog, int id, const std::string& text);
// "class#id 'text'" lines for every child window, for diagnostics.
std::string describeChildren(HWND dialog);
// The window of class `className` among the dialog's children (any depth).
HWND findChild(HWND dialog, const char* className);

}  // namespace testing_support

#endif
