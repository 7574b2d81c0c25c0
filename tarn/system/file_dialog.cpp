// The open and save dialogs with a list of file-type filters.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tarn/core/record_sizes.h"
#include "tarn/core/shell_dlls.h"
#include "tarn/system.h"
#include "tarn/system/file_dialog_filter.h"

namespace tarn {

namespace {

constexpr DWORD openFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 0x80804
constexpr DWORD saveFlags = openFlags | OFN_OVERWRITEPROMPT;                      // 0x80806

// The one place a dialog's filter block is given back: it belongs to one
// object, which drops it when it goes, is assigned, or builds a new one.
void dropBlock(char*& block) {
  if (block != nullptr) GlobalFree(block);
  block = nullptr;
}

}  // namespace

FileDialog::FileDialog() : filterBlock(nullptr), owner(NULL), showing(false) {
  std::memset(&request, 0, sizeof request);
  std::memset(fileName, 0, sizeof fileName);
}

FileDialog::FileDialog(const Control& window) : FileDialog() { owner = window.hwnd; }

FileDialog::FileDialog(HWND window) : FileDialog() { owner = window; }

// The filter block belongs to one object; a copy builds its own at its first dialog.
FileDialog::FileDialog(const FileDialog& other)
    : filters(other.filters),
      filterBlock(nullptr),
      owner(other.owner),
      path(other.path),
      defaultExtension(other.defaultExtension),
      showing(false) {
  std::memset(&request, 0, sizeof request);
  std::memcpy(fileName, other.fileName, sizeof fileName);
}

// A move takes the filter block over; the request is filled afresh for each
// dialog, so it is not carried (it points into the source).
FileDialog::FileDialog(FileDialog&& other) noexcept
    : filters(std::move(other.filters)),
      filterBlock(std::exchange(other.filterBlock, nullptr)),
      owner(other.owner),
      path(std::move(other.path)),
      defaultExtension(std::move(other.defaultExtension)),
      showing(false) {
  std::memset(&request, 0, sizeof request);
  std::memcpy(fileName, other.fileName, sizeof fileName);
}

FileDialog& FileDialog::operator=(const FileDialog& other) {
  if (this == &other) return *this;
  dropBlock(filterBlock);
  std::memset(&request, 0, sizeof request);
  std::memcpy(fileName, other.fileName, sizeof fileName);
  filters = other.filters;
  owner = other.owner;
  path = other.path;
  defaultExtension = other.defaultExtension;
  return *this;
}

FileDialog& FileDialog::operator=(FileDialog&& other) noexcept {
  if (this == &other) return *this;
  dropBlock(filterBlock);
  filterBlock = std::exchange(other.filterBlock, nullptr);
  std::memset(&request, 0, sizeof request);
  std::memcpy(fileName, other.fileName, sizeof fileName);
  filters = std::move(other.filters);
  owner = other.owner;
  path = std::move(other.path);
  defaultExtension = std::move(other.defaultExtension);
  return *this;
}

FileDialog::~FileDialog() { dropBlock(filterBlock); }

void FileDialog::addFilter(const String& description, const String& pattern) {
  filters.push_back(Filter{description, pattern});
}

void FileDialog::rebuildFilterBlock() {
  std::vector<std::pair<std::string, std::string>> pairs;
  pairs.reserve(filters.size());
  for (const Filter& filter : filters)
    pairs.emplace_back(filter.description.str(), filter.pattern.str());
  std::string bytes = filedialog::filterBlock(pairs);

  dropBlock(filterBlock);
  // One spare zero byte past the list, so even an empty list ends in two zeros.
  filterBlock = static_cast<char*>(GlobalAlloc(GMEM_ZEROINIT, bytes.size() + 1));
  if (filterBlock != nullptr) std::memcpy(filterBlock, bytes.data(), bytes.size());
}

bool FileDialog::show(const String& initialName, bool saving) {
  // The running dialog reads the request, the name buffer and the filter block
  // until it returns; a second call meanwhile (from a timer or another window's
  // handler, which the dialog's own message loop dispatches) must not touch them.
  if (showing) return false;
  std::memset(&request, 0, sizeof request);
  request.hwndOwner = owner;
  filedialog::copyName(fileName, sizeof fileName, initialName.str());
  rebuildFilterBlock();
  request.lpstrFilter = filterBlock;
  request.lStructSize = records::openFileRequestSize;
  request.lpstrFile = fileName;
  request.nMaxFile = maxName;
  request.Flags = saving ? saveFlags : openFlags;
  // The system takes the extension without its dot; it must outlive the dialog.
  std::string extension = defaultExtension.str();
  if (!extension.empty() && extension[0] == '.') extension.erase(0, 1);
  if (!extension.empty()) request.lpstrDefExt = extension.c_str();

  showing = true;
  BOOL chosen = saving ? shell::getSaveFileName(&request) : shell::getOpenFileName(&request);
  showing = false;
  if (!chosen) return false;
  fileName[maxName - 1] = '\0';
  path = String(fileName);
  return true;
}

bool FileDialog::open(const String& initialName) { return show(initialName, false); }

bool FileDialog::save(const String& initialName) { return show(initialName, true); }

}  // namespace tarn
