// The byte logic of the file dialogs: the filter list in the system's form and
// the bounded copy of a file name. No Windows calls.
#ifndef TARN_SYSTEM_FILE_DIALOG_FILTER_H
#define TARN_SYSTEM_FILE_DIALOG_FILTER_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tarn {
namespace filedialog {

// The filter list as the open and save dialogs read it: for each filter its
// description, a zero byte, its patterns with every "," turned into ";", a zero
// byte; then one closing zero byte. Each text ends at its first zero byte, so a
// text can never split the list; "#" and every other character are kept.
// With no filters the list is the single closing zero byte.
std::string filterBlock(const std::vector<std::pair<std::string, std::string>>& filters);

// A caller-written filter list made safe to hand to the system: the text up to
// the end, followed by two zero bytes so that the list ends whatever it held.
std::string terminatedFilter(const std::string& filter);

// Copies `name` into `out` (capacity bytes, capacity >= 1): at most
// capacity - 1 characters, up to its first zero byte, always zero-terminated.
// Returns the number of characters copied.
std::size_t copyName(char* out, std::size_t capacity, const std::string& name);

}  // namespace filedialog
}  // namespace tarn

#endif
