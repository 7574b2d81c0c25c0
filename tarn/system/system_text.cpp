// Version text, drive-type names and drive-list walking (no Windows calls).
#include "tarn/system/system_text.h"

namespace tarn {
namespace systemtext {

std::string versionText(std::uint32_t version) {
  unsigned major = version & 0xFFu;
  unsigned minor = (version >> 8) & 0xFFu;
  unsigned build = (version >> 16) & 0xFFFFu;
  std::string tail;
  if ((version & 0x80000000u) == 0)
    tail = "." + std::to_string(build) + "-Windows NT/2000/XP";
  else if (major > 3)
    tail = ".0-Windows 95/98/Me";
  else
    tail = ".0-Win32s/Undetermined";
  return std::to_string(major) + "." + std::to_string(minor) + tail;
}

const char* driveTypeName(unsigned type) {
  switch (type) {
    case 0:  // DRIVE_UNKNOWN
    case 1:  // DRIVE_NO_ROOT_DIR
      return "Unknwon";
    case 2:  // DRIVE_REMOVABLE
      return "Removable";
    case 3:  // DRIVE_FIXED
      return "Fixed";
    case 4:  // DRIVE_REMOTE
      return "Network";
    case 5:  // DRIVE_CDROM
      return "CDRom";
    case 6:  // DRIVE_RAMDISK
      return "Ram";
    default: return nullptr;
  }
}

std::vector<std::string> driveRoots(const char* list, std::size_t size) {
  std::vector<std::string> roots;
  if (list == nullptr) return roots;
  std::string entry;
  for (std::size_t i = 0; i < size; ++i) {
    if (list[i] != '\0') {
      entry += list[i];
      continue;
    }
    if (!entry.empty()) roots.push_back(entry);
    entry.clear();
  }
  if (!entry.empty()) roots.push_back(entry);
  return roots;
}

std::string driveLetter(const std::string& root) {
  std::string out;
  out.reserve(root.size());
  for (std::size_t i = 0; i < root.size(); ++i) {
    if (root[i] == ':' && i + 1 < root.size() && root[i + 1] == '\\') {
      ++i;
      continue;
    }
    out += root[i];
  }
  return out;
}

}  // namespace systemtext
}  // namespace tarn
