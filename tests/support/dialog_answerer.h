// Answering the dialogs a test opens, without a person at the screen. Two ways,
// for two kinds of dialog:
//   BoxAnswerer     message boxes: a hook on the test's thread reads each box as
//                   it opens and answers it at once.
//   DialogAnswerer  common dialogs (files, colours, folders): a second thread
//                   watches for them and, once each has settled, hands it to an
//                   action that fills it in and presses its buttons.
// Both know a dialog by its class, the system dialog class "#32770".
#ifndef TARN_TESTS_SUPPORT_DIALOG_ANSWERER_H
#define TARN_TESTS_SUPPORT_DIALOG_ANSWERER_H

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

// True for a window of the system dialog class (message boxes, common dialogs
// and the toolkit's forms).
bool isDialog(HWND window);

// What a message box showed as it opened.
struct SeenBox {
  std::string caption;
  std::string text;
  std::vector<int> buttons;  // the identifiers IDOK ... IDNO it offers, in order
  HICON icon = NULL;         // the icon it shows, NULL for none
  HWND owner = NULL;
};
SeenBox readBox(HWND box);

// Answers the message boxes this thread opens while it exists, each once, as it
// is activated: records what it showed and posts the answer. Dialog-class
// windows made before the answerer (a form hosting the test) are left alone.
// One at a time.
class BoxAnswerer {
 public:
  // Answers other than a button identifier.
  static constexpr int pressEnter = 0;
  static constexpr int pressEscape = -1;
  static constexpr int closeBox = -2;

  explicit BoxAnswerer(int answer);
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  const std::vector<SeenBox>& boxes() const { return seen; }
  void clear() { seen.clear(); }
  void setAnswer(int next) { answer = next; }

 private:
  static LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam);
  void answerBox(HWND box);

  int answer;
  std::vector<HWND> opened;  // dialog-class windows made since, not answered yet
  std::vector<SeenBox> seen;
  HHOOK hook;
};

// Watches the dialogs of a thread (this one unless told) from a thread of its
// own and hands each new one to an action.
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

// What an action does to a dialog.
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
