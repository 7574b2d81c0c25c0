// Records the styles windows of one class are created with, as the system is
// asked for them: common controls add bits of their own afterwards.
#ifndef TARN_TESTS_CREATION_STYLES_H
#define TARN_TESTS_CREATION_STYLES_H

#include <vector>

#include <tarn/tarn.h>

namespace testing_support {

// Watches this thread from construction to destruction.
class CreationStyles {
 public:
  explicit CreationStyles(const char* windowClass) : wanted(windowClass) {
    current = this;
    hook = SetWindowsHookExA(WH_CBT, onEvent, NULL, GetCurrentThreadId());
  }
  ~CreationStyles() {
    UnhookWindowsHookEx(hook);
    current = nullptr;
  }
  CreationStyles(const CreationStyles&) = delete;
  CreationStyles& operator=(const CreationStyles&) = delete;
  std::vector<DWORD> styles;

 private:
  static LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current != nullptr) {
      char name[64] = {};
      GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
      if (lstrcmpiA(name, current->wanted) == 0)
        current->styles.push_back(
            static_cast<DWORD>(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style));
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
  }
  static inline CreationStyles* current = nullptr;
  const char* wanted;
  HHOOK hook;
};

}  // namespace testing_support

#endif
