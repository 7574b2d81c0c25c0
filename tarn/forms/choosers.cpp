// One-call common dialogs: folder, open file, save file and colour.
#include <cstring>
#include <string>

#include "tarn/choosers.h"
#include "tarn/core/record_sizes.h"
#include "tarn/core/shell_dlls.h"
#include "tarn/system.h"
#include "tarn/system/file_dialog_filter.h"

#include <ole2.h>
#include <shlobj.h>

namespace tarn {

namespace {

constexpr DWORD saveFileFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;  // 0x80806

// The colour dialog's custom colours live as long as the process.
COLORREF customColourTable[16];

bool chooseFile(HWND owner, String& result, const String& filter, const String* defaultExtension) {
  // The caller's list gets two closing zero bytes, so the system never reads
  // past the text however it ends.
  std::string filterText = filedialog::terminatedFilter(filter.str());
  char name[FileDialog::maxName];
  std::memset(name, 0, sizeof name);

  OPENFILENAMEA request;
  std::memset(&request, 0, sizeof request);
  request.lStructSize = records::openFileRequestSize;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.str().empty() ? NULL : filterText.c_str();
  request.lpstrFile = name;
  request.nMaxFile = sizeof name;
  BOOL chosen;
  if (defaultExtension != nullptr) {
    request.lpstrDefExt = defaultExtension->str().empty() ? NULL : defaultExtension->c_str();
    request.Flags = saveFileFlags;
    chosen = shell::getSaveFileName(&request);
  } else {
    chosen = shell::getOpenFileName(&request);
  }
  if (!chosen) return false;
  name[sizeof name - 1] = '\0';
  result = String(name);
  return true;
}

}  // namespace

bool chooseFolder(HWND owner, String& result) {
  char displayName[MAX_PATH + 1];
  std::memset(displayName, 0, sizeof displayName);
  BROWSEINFOA request;
  std::memset(&request, 0, sizeof request);
  request.hwndOwner = owner;
  // The browser writes the chosen item's display name here when given a buffer
  // (MAX_PATH characters); one is given so that no system reads a null pointer.
  request.pszDisplayName = displayName;

  // The browser is a COM client and needs a single-threaded apartment on this
  // thread. As for the image box, the result is ignored (S_FALSE when OLE is
  // already up) and the application object's OleUninitialize at exit balances it.
  OleInitialize(NULL);
  LPITEMIDLIST item = shell::browseForFolder(&request);
  if (item == NULL) return false;
  char folder[MAX_PATH + 1];
  std::memset(folder, 0, sizeof folder);
  BOOL named = shell::pathFromIdList(item, folder);
  CoTaskMemFree(item);
  folder[MAX_PATH] = '\0';
  if (!named || folder[0] == '\0') return false;
  result = String(folder);
  return true;
}

bool chooseOpenFile(HWND owner, String& result, const String& filter) {
  return chooseFile(owner, result, filter, nullptr);
}

bool chooseSaveFile(HWND owner, String& result, const String& filter,
                    const String& defaultExtension) {
  return chooseFile(owner, result, filter, &defaultExtension);
}

bool chooseColor(HWND owner, COLORREF& colour) {
  // One record per call: a call made while another colour dialog is up (from a
  // timer or another window) must not rewrite the record that dialog uses.
  CHOOSECOLORA colourRequest;
  std::memset(&colourRequest, 0, sizeof colourRequest);
  colourRequest.lStructSize = sizeof colourRequest;  // 36
  colourRequest.hwndOwner = owner;
  colourRequest.hInstance = NULL;
  colourRequest.rgbResult = colour;
  colourRequest.lpCustColors = customColourTable;
  colourRequest.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!shell::chooseColor(&colourRequest)) return false;
  colour = colourRequest.rgbResult;
  return true;
}

COLORREF* customColors() { return customColourTable; }

}  // namespace tarn
