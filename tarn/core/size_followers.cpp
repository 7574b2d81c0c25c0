// Children that lay themselves out again when their parent's client area
// changes size (kept apart so that programs without bars do not carry it).
#include "tarn/core/window_hooks.h"

namespace tarn {
namespace detail {

void followParentSize(HWND child, std::function<void(HWND)> follow) {
  WindowHooks* h = hooks(child != NULL ? GetParent(child) : NULL);
  if (h == nullptr) return;
  for (auto it = h->followers.begin(); it != h->followers.end(); ++it) {
    if (it->window != child) continue;
    if (follow)
      it->follow = std::move(follow);
    else
      h->followers.erase(it);
    return;
  }
  if (follow) h->followers.push_back(SizeFollower{child, std::move(follow)});
}

}  // namespace detail
}  // namespace tarn
