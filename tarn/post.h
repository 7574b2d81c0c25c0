// Tarn post: work handed to a window's thread from any thread.
//
// Functions in this file (sources):
//   post   core/post.cpp
#ifndef TARN_POST_H
#define TARN_POST_H

#include <functional>

#include "core.h"

namespace tarn {

/// Hands `work` to the thread that owns `target`'s window: it runs there once,
/// inside that thread's message processing (messageLoop(), a modal dialog, a
/// message box), after the work posted before it, in the order each thread
/// posted. Callable from any thread; everything else in the toolkit is for the
/// window's own thread, so a worker thread that has a result for the window
/// posts the code that shows it. Answers false, and runs nothing, when the
/// window is already gone, belongs to another process, is null, or its thread
/// made no form (the toolkit takes posted work on threads that made one).
/// Work still waiting when its window is destroyed is released (its captures
/// destroyed) without running, on the window's thread. Work items do not nest:
/// one that opens a message box runs the next only after it returns. An
/// exception the work throws is reported with the runtime check.
bool post(const Control& target, std::function<void()> work);

}  // namespace tarn

#endif  // TARN_POST_H
