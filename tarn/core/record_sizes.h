// Sizes of the system records the toolkit fills in with their older layouts,
// which every system version understands. Each is computed from the real record,
// so the 32-bit values (the ones the system documents for those layouts) and the
// 64-bit ones both come out right.
#ifndef TARN_CORE_RECORD_SIZES_H
#define TARN_CORE_RECORD_SIZES_H

#include <cstddef>

#include "tarn/property.h"

#include <commdlg.h>

namespace tarn {
namespace records {

constexpr bool is32Bit = sizeof(void*) == 4;

// The first tray-icon layout: up to a 64-character tip (88 bytes on 32-bit).
constexpr std::size_t trayTipCapacity = 64;
constexpr DWORD trayIconSize = offsetof(NOTIFYICONDATAA, szTip) + trayTipCapacity;
static_assert(!is32Bit || trayIconSize == 88, "the first tray-icon layout is 88 bytes");

// The tool record up to its lParam, understood by every comctl32 (44 bytes on 32-bit).
constexpr UINT toolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
static_assert(!is32Bit || toolInfoSize == 44, "the tool record up to lParam is 44 bytes");

// The file-dialog request without the reserved tail (76 bytes on 32-bit).
constexpr DWORD openFileRequestSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(!is32Bit || openFileRequestSize == 76, "the older file request is 76 bytes");

}  // namespace records
}  // namespace tarn

#endif
