// Texts the system object derives from raw system values: the version text,
// drive-type names and the pieces of a logical-drive list. Pure functions over
// numbers and bytes, with no Windows calls, so they can be fed any value.
#ifndef TARN_SYSTEM_SYSTEM_TEXT_H
#define TARN_SYSTEM_SYSTEM_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarn {
namespace systemtext {

// The version text for a packed version value as GetVersion() returns it:
// major in bits 0-7, minor in bits 8-15, build in bits 16-31 (bit 31 set on the
// 95 family and Win32s, where ".0" stands for the build).
//   0x0A280105 -> "5.1.2600-Windows NT/2000/XP"
std::string versionText(std::uint32_t version);

// The name shown for a GetDriveTypeA result, or nullptr for a value that has
// no name (the drive then gets no entry in the type list).
const char* driveTypeName(unsigned type);

// The root paths ("C:\") in a logical-drive list: entries ended by a zero byte,
// `size` bytes in all (the list's final extra zero not counted). Bytes after
// the last zero byte within `size` form a last entry; empty entries are kept
// out.
std::vector<std::string> driveRoots(const char* list, std::size_t size);

// A root path without its colon-backslash pairs: "C:\" -> "C".
std::string driveLetter(const std::string& root);

}  // namespace systemtext
}  // namespace tarn

#endif
