// The shell, common-dialog and sound libraries, bound on first use.
//
// Only the file dialog, the choosers, the tray icon, dropped files, starting
// documents and playing sounds need shell32, comdlg32 and winmm, and loading a library costs
// start-up time in every program that imports it. These wrappers load the
// library and find the function the first time they are called; when either is
// missing they fail the way the system call fails.
#ifndef TARN_CORE_SHELL_DLLS_H
#define TARN_CORE_SHELL_DLLS_H

#include "tarn/property.h"

#include <commdlg.h>
#include <shlobj.h>

namespace tarn {
namespace shell {

BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data);
HINSTANCE execute(HWND window, const char* verb, const char* file, const char* parameters,
                  const char* directory, int show);
LPITEMIDLIST browseForFolder(BROWSEINFOA* request);
BOOL pathFromIdList(LPCITEMIDLIST item, char* path);
void dragFinish(HDROP drop);
void dragAcceptFiles(HWND window, BOOL accept);
BOOL getOpenFileName(OPENFILENAMEA* request);
BOOL getSaveFileName(OPENFILENAMEA* request);
BOOL chooseColor(CHOOSECOLORA* request);
BOOL playSound(const char* sound, UINT flags);

}  // namespace shell
}  // namespace tarn

#endif
