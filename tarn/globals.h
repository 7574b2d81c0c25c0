// Tarn start-up globals: the toolkit's global objects, constructed in a fixed
// order before any global the program defines after including this header
// (tarn.h includes it last).
//
// Objects in this file (sources):
//   richEditLibrary, commonControlsReady, application, screen, cursor   forms/startup.cpp
//   treeRoot                                                           commctl/tree_item.cpp
//   systemInfo                                                         system/system.cpp
#ifndef TARN_GLOBALS_H
#define TARN_GLOBALS_H

#include "core.h"
#include "system.h"
#include "views.h"

/// Everything the toolkit defines: window objects, controls, text, graphics,
/// files and system services, and the global objects a program starts with.
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

/// The rich-edit library, loaded so rich text boxes can be made; 0 when it could not be.
inline HMODULE richEditLibrary = detail::loadRichEdit();
/// Whether the common controls were registered.
inline bool commonControlsReady = detail::registerCommonControls();
/// The record standing for the root of every tree: parent 0, handle TVI_ROOT.
inline TreeItem treeRoot(NULL, TVI_ROOT);
/// The system object (machine facts, environment, session).
inline System systemInfo;
/// The mouse cursor.
inline Cursor cursor;
/// The running program (path, folder, arguments, build stamp).
inline Application application;
/// The primary screen's size.
inline Screen screen;
/// An empty list, for arguments that take a StringList.
inline StringList emptyStringList;

}  // namespace tarn

#endif  // TARN_GLOBALS_H
