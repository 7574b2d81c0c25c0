// Creation steps shared by the standard controls: making the child window,
// placing it, and the closing centre / disable / show steps.
#ifndef TARN_CONTROLS_CREATION_H
#define TARN_CONTROLS_CREATION_H

#include "tarn/core.h"

namespace tarn {
namespace detail {

// Stores `id` and the parent's window as the object's parent, then creates the
// child window with `style` as given and stores its handle (0 when creation failed).
HWND createChild(Control& self, const char* windowClass, const char* name, DWORD style, int x,
                 int y, int width, int height, const Control& parent, int id, int exStyle);

// moveTo, resize (negative positions become 0, sizes below 10 become 10) and
// the default GUI font.
void placeChild(Control& self, int x, int y, int width, int height);

// Centres the control in its parent when asked, then disables it when it is
// not to be enabled.
void settleChild(Control& self, bool centred, bool enabled);

}  // namespace detail
}  // namespace tarn

#endif
