// Start-up globals: the rich-edit library and the common controls loaded
// before the program's own globals, and the end of the program's application
// object.
#include <ole2.h>

// The start-up globals' helpers are declared beside the globals, and the
// application object's destructor asks whether it is the global `application`.
#include "tarn/globals.h"

namespace tarn {

namespace detail {

HMODULE loadRichEdit() { return LoadLibraryA("riched32.dll"); }

bool registerCommonControls() {
  INITCOMMONCONTROLSEX icc;
  icc.dwSize = sizeof icc;  // 8
  icc.dwICC = 0x3FFF;       // ICC_LISTVIEW_CLASSES .. ICC_NATIVEFNTCTL_CLASS
  InitCommonControlsEx(&icc);
  return true;
}

}  // namespace detail

// ---------------------------------------------------------------------------
// The application object's end

// OLE counts its initialisations per thread. The image box initialises it on
// demand and the program's one application object undoes that at exit; a copy
// or a local Application must not, or it would end OLE under the image box.
Application::~Application() {
  if (this == &application) OleUninitialize();
}

}  // namespace tarn
