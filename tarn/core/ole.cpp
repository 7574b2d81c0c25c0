// OLE, started once for the controls that need it (the image box's picture
// loading, the rich text box's clipboard).
#include <ole2.h>

#include "tarn/core/detail.h"

namespace tarn {
namespace detail {

// OLE counts its initialisations per thread, and the program's application
// object undoes one at exit: the toolkit makes exactly one, the first time a
// control needs it.
void initialiseOle() {
  static const bool initialised = SUCCEEDED(OleInitialize(NULL));
  (void)initialised;
}

}  // namespace detail
}  // namespace tarn
