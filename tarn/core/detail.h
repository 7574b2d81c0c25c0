// Private to the toolkit: the one path every wrapper sends a message by, its text
// argument, and the one routine that makes a control's child window. A trace, a
// check or a change of units for every control goes here, once.
#ifndef TARN_CORE_DETAIL_H
#define TARN_CORE_DETAIL_H

#include <cstddef>
#include <functional>

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
// stores its handle in the object. The position and size are 96-DPI units,
// scaled to the parent's DPI. `createParam` reaches WM_CREATE (the MDI
// client's record). Answers the new handle, 0 when the system refused.
HWND createChild(Control& owner, const char* className, const char* windowName, DWORD style,
                 DWORD exStyle, int x, int y, int width, int height, HWND parent, int id,
                 void* createParam = nullptr);

// The same window for a companion that no object stands for (a spin box's
// arrows): a child of `parent` in this module with the control identifier `id`.
// Answers its handle, 0 when the system refused.
HWND createChildWindow(const char* className, const char* windowName, DWORD style, DWORD exStyle,
                       int x, int y, int width, int height, HWND parent, int id,
                       void* createParam = nullptr);

// The steps after createChild. Each control runs them in its own order, with
// its own steps between them; the order is part of what the control sends.

// moveTo, resize (negative positions become 0, sizes below 10 become 10) and
// the default GUI font.
void placeChild(Control& owner, int x, int y, int width, int height);

// Centres the control in its parent when asked, then disables it when it is
// not to be enabled.
void settleChild(Control& owner, bool centred, bool enabled);

// The default GUI font, then settleChild, then showing when visible.
void finishCreation(Control& owner, bool centred, bool enabled, bool visible);

// Starts OLE on this thread once, for the controls that need it (core/ole.cpp):
// the program's application object ends it at exit.
void initialiseOle();

// The identifier a control made from an options struct is created with: `id`
// itself, or for 0 a fresh automatic one (0 again when none is left).
int optionsId(int id);

// The steps after a control made from an options struct: a window that could
// not be made gives its automatic identifier back and reads `id` 0, as the
// positional constructor with 0 would leave it; a width or height of 0 takes
// the natural one (and a centred control is centred again at its new size).
void finishOptions(Control& owner, int requestedId, int width, int height, bool centred);

// Reads a control's text: `request` fills a zeroed block of `capacity` bytes
// (at least 1) from GlobalAlloc, whose size it is handed as an int, and the
// text it holds comes back. List and tree views that cannot fit a text fill
// every byte and leave no terminating zero (Wine does), so the last byte is
// zeroed after the call: texts come back cut at capacity - 1. The empty text
// when no block could be had.
String readControlText(std::size_t capacity, const std::function<void(char*, int)>& request);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_DETAIL_H
