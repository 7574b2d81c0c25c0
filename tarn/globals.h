// Tarn start-up globals: the toolkit's global objects, constructed in a fixed
// order before any global the program defines after including this header
// (tarn.h includes it last).
//
// Objects in this file (sources):
//   richEditLibrary, commonControlsReady, application, screen, cursor   core/startup.cpp
//   treeRoot                                                           commctl/tree_item.cpp
//   systemInfo                                                         system/system.cpp
#ifndef TARN_GLOBALS_H
#define TARN_GLOBALS_H

#include "core.h"
#include "system.h"
#include "views.h"

namespace tarn {

// ===========================================================================
// Start-up globals
// ===========================================================================

namespace detail {
HMODULE loadRichEdit();
bool registerCommonControls();
}  // namespace detail

// Constructed in this order before any global the program defines after
// including this header (inline variables are initialised in the order of their
// definitions in every translation unit).
inline HMODULE richEditLibrary = detail::loadRichEdit();
inline bool commonControlsReady = detail::registerCommonControls();
// The record standing for the root of every tree: parent 0, handle TVI_ROOT.
inline TreeItem treeRoot(NULL, TVI_ROOT);
inline System systemInfo;
inline Cursor cursor;
inline Application application;
inline Screen screen;
inline StringList emptyStringList;

}  // namespace tarn

#endif  // TARN_GLOBALS_H
