// The one call through which the system object ends the session. It points at
// ExitWindowsEx; the toolkit's tests point it at a recorder so that the
// privilege handling and the flags can be exercised without ending anything.
#ifndef TARN_SYSTEM_EXIT_WINDOWS_H
#define TARN_SYSTEM_EXIT_WINDOWS_H

#include "tarn/property.h"

namespace tarn {
namespace detail {

using ExitWindowsCall = BOOL(WINAPI*)(UINT flags, DWORD reason);
extern ExitWindowsCall exitWindowsCall;

}  // namespace detail
}  // namespace tarn

#endif
