// A plain top-level window (not a form) that records the commands, scroll
// messages and notifications its children send it, and can refuse a tree's
// change of selection: the parent for tests that read what a control tells it.
#ifndef TARN_TESTS_SUPPORT_MESSAGE_HOST_H
#define TARN_TESTS_SUPPORT_MESSAGE_HOST_H

#include <functional>
#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

class MessageHost {
 public:
  struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT code;  // WM_NOTIFY's code
  };

  MessageHost(int x = 40, int y = 30, int width = 500, int height = 400) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "TarnCommctlTestHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);  // fails harmlessly once the class exists
    hwnd = CreateWindowExA(0, wc.lpszClassName, "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x,
                           y, width, height, NULL, NULL, wc.hInstance, NULL);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~MessageHost() { DestroyWindow(hwnd); }
  MessageHost(const MessageHost&) = delete;
  MessageHost& operator=(const MessageHost&) = delete;

  tarn::Control control() const { return tarn::Control(hwnd); }

  int countOf(UINT message) const {
    int n = 0;
    for (const Seen& s : seen) n += s.message == message;
    return n;
  }

  HWND hwnd = NULL;
  std::vector<Seen> seen;
  bool refuseSelection = false;
  std::function<void(const Seen&)> onScroll;  // called for each WM_HSCROLL / WM_VSCROLL

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageHost* self = reinterpret_cast<MessageHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
      switch (message) {
        case WM_COMMAND:
          self->seen.push_back({message, wParam, lParam, 0});
          return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
          self->seen.push_back({message, wParam, lParam, 0});
          if (self->onScroll) self->onScroll(self->seen.back());
          return 0;
        case WM_NOTIFY: {
          UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
          self->seen.push_back({message, wParam, lParam, code});
          if ((code == TVN_SELCHANGINGA || code == TVN_SELCHANGINGW) && self->refuseSelection)
            return TRUE;
          return 0;
        }
      }
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
};

}  // namespace testing_support

#endif
