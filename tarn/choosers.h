// Tarn choosers: the one-call common dialogs for a folder, a file to open or
// save, and a colour.
//
// Functions in this file (sources):
//   chooseFolder, chooseOpenFile, chooseSaveFile, chooseColor, customColors   forms/choosers.cpp
#ifndef TARN_CHOOSERS_H
#define TARN_CHOOSERS_H

#include "text.h"

namespace tarn {

// ===========================================================================
// Choosers
// ===========================================================================

/// One-call common dialogs. Each returns true only when the user confirmed a
/// choice; on cancel or failure the output argument keeps its value.

/// The folder browser; `result` := the chosen folder's full path.
bool chooseFolder(HWND owner, String& result);
/// The open dialog, starting with an empty name. `filter` is in the system's
/// form: description, zero byte, patterns, zero byte, ...; two zero bytes are
/// always added after it, so a list without its closing zeros still ends.
bool chooseOpenFile(HWND owner, String& result, const String& filter);
/// The save dialog; `defaultExtension` (without the dot) is appended to names
/// typed without one. Asks before replacing an existing file.
bool chooseSaveFile(HWND owner, String& result, const String& filter,
                    const String& defaultExtension);
/// The colour dialog, starting from `colour`. The 16 custom colours are kept for
/// the whole process.
bool chooseColor(HWND owner, COLORREF& colour);
/// The process-wide table of the colour dialog's 16 custom colours.
COLORREF* customColors();

}  // namespace tarn

#endif  // TARN_CHOOSERS_H
