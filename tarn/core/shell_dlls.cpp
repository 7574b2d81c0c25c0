#include "tarn/core/shell_dlls.h"

#include <mmsystem.h>

namespace tarn {
namespace shell {

namespace {

// The address of `name` in `library`, loaded once; null when either is missing.
FARPROC find(HMODULE& module, const char* library, const char* name) {
  if (module == NULL) module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : NULL;
}

HMODULE shell32 = NULL;
HMODULE comdlg32 = NULL;
HMODULE winmm = NULL;

template <class Function>
Function bind(HMODULE& module, const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(find(module, library, name)));
}

}  // namespace

BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  static auto call =
      bind<decltype(&Shell_NotifyIconA)>(shell32, "shell32.dll", "Shell_NotifyIconA");
  return call ? call(message, data) : FALSE;
}

HINSTANCE execute(HWND window, const char* verb, const char* file, const char* parameters,
                  const char* directory, int show) {
  static auto call = bind<decltype(&ShellExecuteA)>(shell32, "shell32.dll", "ShellExecuteA");
  if (!call) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
  return call(window, verb, file, parameters, directory, show);
}

LPITEMIDLIST browseForFolder(BROWSEINFOA* request) {
  static auto call =
      bind<decltype(&SHBrowseForFolderA)>(shell32, "shell32.dll", "SHBrowseForFolderA");
  return call ? call(request) : NULL;
}

BOOL pathFromIdList(LPCITEMIDLIST item, char* path) {
  static auto call =
      bind<decltype(&SHGetPathFromIDListA)>(shell32, "shell32.dll", "SHGetPathFromIDListA");
  return call ? call(item, path) : FALSE;
}

void dragFinish(HDROP drop) {
  static auto call = bind<decltype(&DragFinish)>(shell32, "shell32.dll", "DragFinish");
  // Without shell32 the drop's memory is freed as DragFinish frees it.
  if (call)
    call(drop);
  else
    GlobalFree(drop);
}

void dragAcceptFiles(HWND window, BOOL accept) {
  static auto call = bind<decltype(&DragAcceptFiles)>(shell32, "shell32.dll", "DragAcceptFiles");
  if (call) call(window, accept);
}

BOOL getOpenFileName(OPENFILENAMEA* request) {
  static auto call =
      bind<decltype(&GetOpenFileNameA)>(comdlg32, "comdlg32.dll", "GetOpenFileNameA");
  return call ? call(request) : FALSE;
}

BOOL getSaveFileName(OPENFILENAMEA* request) {
  static auto call =
      bind<decltype(&GetSaveFileNameA)>(comdlg32, "comdlg32.dll", "GetSaveFileNameA");
  return call ? call(request) : FALSE;
}

BOOL chooseColor(CHOOSECOLORA* request) {
  static auto call = bind<decltype(&ChooseColorA)>(comdlg32, "comdlg32.dll", "ChooseColorA");
  return call ? call(request) : FALSE;
}

BOOL playSound(const char* sound, UINT flags) {
  static auto call = bind<decltype(&sndPlaySoundA)>(winmm, "winmm.dll", "sndPlaySoundA");
  return call ? call(sound, flags) : FALSE;
}

}  // namespace shell
}  // namespace tarn
