// Private to the toolkit: the one path every wrapper sends a message by, its text
// argument, and the one routine that makes a control's child window. A trace, a
// check or a change of units for every control goes here, once.
#ifndef TARN_CORE_DETAIL_H
#define TARN_CORE_DETAIL_H

#include "tarn/core.h"

namespace tarn {
namespace detail {

// Sends `message` to `window` and answers what its procedure returned.
inline LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(window, message, wParam, lParam);
}

// A text as a message argument. The text must outlive the send.
inline LPARAM textArgument(const char* text) { return reinterpret_cast<LPARAM>(text); }
inline LPARAM textArgument(const String& text) { return textArgument(text.c_str()); }
inline LPARAM textArgument(const std::string& text) { return textArgument(text.c_str()); }

// Makes `owner`'s window: records `id` and `parent` in the object, then creates a
// child window of `parent` in this module with the control identifier `id` and
// stores its handle in the object. `createParam` reaches WM_CREATE (the MDI
// client's record). Answers the new handle, 0 when the system refused.
HWND createChild(Control& owner, const char* className, const char* windowName, DWORD style,
                 DWORD exStyle, int x, int y, int width, int height, HWND parent, int id,
                 void* createParam = nullptr);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_DETAIL_H
