// The two dialog answerers and what their actions do to a dialog.
#include "support/dialog_answerer.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "support/support.h"

namespace testing_support {

bool isDialog(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

SeenBox readBox(HWND box) {
  constexpr int iconControl = 0x440;  // the static showing a message box's icon
  SeenBox seen;
  seen.caption = windowText(box);
  seen.text = boxText(box);
  for (int id = IDOK; id <= IDNO; ++id)
    if (GetDlgItem(box, id)) seen.buttons.push_back(id);
  seen.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, iconControl, STM_GETICON, 0, 0));
  seen.owner = GetWindow(box, GW_OWNER);
  return seen;
}

// ---------------------------------------------------------------------------
// BoxAnswerer

namespace {
BoxAnswerer* installed = nullptr;
}  // namespace

BoxAnswerer::BoxAnswerer(int first) : answer(first) {
  installed = this;
  hook = SetWindowsHookExA(WH_CBT, onEvent, NULL, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
  if (hook != NULL) UnhookWindowsHookEx(hook);
  installed = nullptr;
}

LRESULT CALLBACK BoxAnswerer::onEvent(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (installed != nullptr) {
    std::vector<HWND>& opened = installed->opened;
    auto at = std::find(opened.begin(), opened.end(), window);
    if (code == HCBT_CREATEWND && isDialog(window)) {
      opened.push_back(window);
    } else if (code == HCBT_ACTIVATE && at != opened.end()) {
      opened.erase(at);
      installed->answerBox(window);
    } else if (code == HCBT_DESTROYWND && at != opened.end()) {
      opened.erase(at);  // the handle may come back for another window
    }
  }
  return CallNextHookEx(NULL, code, wParam, lParam);
}

void BoxAnswerer::answerBox(HWND box) {
  seen.push_back(readBox(box));
  if (answer == pressEnter || answer == pressEscape)
    PostMessageA(box, WM_KEYDOWN, answer == pressEnter ? VK_RETURN : VK_ESCAPE, 0);
  else if (answer == closeBox)
    PostMessageA(box, WM_CLOSE, 0, 0);
  else
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

// ---------------------------------------------------------------------------
// DialogAnswerer

namespace {

struct Search {
  std::vector<HWND> found;
};

// A dialog is settled once its thread has taken from its queue a marker posted
// after the dialog appeared: whatever the dialog posted to itself while setting
// up came before the marker and has been handled by then. A message hook on the
// dialog's thread sees the marker come out.
UINT markerMessage() {
  static const UINT message = RegisterWindowMessageA("tarn dialog answerer marker");
  return message;
}

std::atomic<WPARAM> lastMarkerTaken{0};

LRESULT CALLBACK noteMarker(int code, WPARAM removal, LPARAM data) {
  const MSG* message = reinterpret_cast<const MSG*>(data);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == markerMessage())
    lastMarkerTaken = message->wParam;
  return CallNextHookEx(NULL, code, removal, data);
}

// Waits (up to 5 s) until the dialog's thread has emptied the queue it had.
void waitUntilSettled(HWND dialog) {
  static std::atomic<WPARAM> serial{0};
  const WPARAM mine = ++serial;
  if (!PostMessageA(dialog, markerMessage(), mine, 0)) return;
  DWORD start = GetTickCount();
  while (lastMarkerTaken.load() < mine && IsWindow(dialog) && GetTickCount() - start < 5000)
    Sleep(5);
}

BOOL CALLBACK collectDialog(HWND window, LPARAM data) {
  if (isDialog(window) && IsWindowVisible(window))
    reinterpret_cast<Search*>(data)->found.push_back(window);
  return TRUE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(Action act, DWORD watched)
    : action(std::move(act)), thread(watched), watcher([this] { watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
  stop = true;
  watcher.join();
}

void DialogAnswerer::watch() {
  struct Pending {
    HWND dialog;
    DWORD since;
  };
  std::set<HWND> handled;
  std::vector<Pending> pending;
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, noteMarker, NULL, thread);
  while (!stop) {
    Sleep(20);
    Search search;
    EnumThreadWindows(thread, collectDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND dialog : search.found) {
      if (handled.count(dialog)) continue;
      handled.insert(dialog);
      waitUntilSettled(dialog);
      action(dialog, count++);
      pending.push_back({dialog, GetTickCount()});
    }
    for (auto it = pending.begin(); it != pending.end();) {
      if (!IsWindow(it->dialog) || !IsWindowVisible(it->dialog)) {
        handled.erase(it->dialog);
        it = pending.erase(it);
      } else if (GetTickCount() - it->since > 5000) {
        ++forcedCount;
        PostMessageA(it->dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        it->since = GetTickCount();
        ++it;
      } else {
        ++it;
      }
    }
  }
  if (hook != NULL) UnhookWindowsHookEx(hook);
}

// ---------------------------------------------------------------------------
// What an action does to a dialog

void pressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND fileNameEdit(HWND dialog) {
  // cmb13: the name box of explorer dialogs (a ComboBoxEx32 under Wine, a combo
  // box with an edit inside on Windows); edt1 in the older dialogs.
  HWND box = GetDlgItem(dialog, 0x47C);
  return box != NULL ? box : GetDlgItem(dialog, 0x480);
}

void typeFileName(HWND dialog, const std::string& name) {
  HWND box = fileNameEdit(dialog);
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  HWND edit = findChild(box, "Edit");
  if (edit != NULL)
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void setItemText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

namespace {

struct Describe {
  std::string text;
  HWND parent;
};

BOOL CALLBACK describeOne(HWND window, LPARAM data) {
  auto* out = reinterpret_cast<Describe*>(data);
  char name[64] = {0};
  char text[128] = {0};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, text, sizeof text);
  char line[300];
  std::snprintf(line, sizeof line, "%s#%d(0x%x)%s '%s'\n", name, GetDlgCtrlID(window),
                GetDlgCtrlID(window), IsWindowVisible(window) ? "" : " hidden", text);
  out->text += line;
  return TRUE;
}

struct FindClass {
  const char* name;
  HWND found;
};

BOOL CALLBACK findOne(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<FindClass*>(data);
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->name) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string describeChildren(HWND dialog) {
  Describe out{"", dialog};
  EnumChildWindows(dialog, describeOne, reinterpret_cast<LPARAM>(&out));
  return out.text;
}

HWND findChild(HWND dialog, const char* className) {
  FindClass search{className, NULL};
  EnumChildWindows(dialog, findOne, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace testing_support
