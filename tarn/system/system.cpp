// The system object: machine information, environment variables, ending the
// session; and the shell, file and sound helpers.
#include "tarn/system.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "tarn/core/holders.h"
#include "tarn/core/shell_dlls.h"
#include "tarn/system/exit_windows.h"
#include "tarn/system/system_text.h"

namespace tarn {

namespace detail {
ExitWindowsCall exitWindowsCall = &ExitWindowsEx;
}  // namespace detail

namespace {

// Reads a text with a call of the GetWindowsDirectoryA kind: given a buffer
// and its size it returns the length copied, 0 on failure, or, when the buffer
// is too small, the size it needs (terminator included). A longer value is
// read again into a buffer of the size asked for, so nothing is ever cut or
// overrun. `found` tells an empty result from a failure.
template <class Read>
std::string readSized(std::size_t size, Read read, bool* found = nullptr) {
  std::vector<char> buffer(size, '\0');
  // A value can grow between two calls; a few rounds are enough in practice.
  for (int round = 0; round < 8; ++round) {
    DWORD n = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) break;
    if (n < buffer.size()) {
      if (found) *found = true;
      return std::string(buffer.data(), n);
    }
    buffer.assign(static_cast<std::size_t>(n) + 1, '\0');
  }
  if (found) *found = false;
  return std::string();
}

std::string logicalDriveList() {
  std::vector<char> buffer(260, '\0');
  for (int round = 0; round < 8; ++round) {
    DWORD n = GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0) return std::string();
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.assign(static_cast<std::size_t>(n) + 1, '\0');
  }
  return std::string();
}

// Enables the shutdown privilege for this process; false when it cannot.
bool enableShutdownPrivilege() {
  HANDLE opened = NULL;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
    return false;
  detail::KernelHandle token(opened);
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
    return false;
  // Succeeds (with ERROR_NOT_ALL_ASSIGNED) even when the token lacks the
  // privilege, so the last error is what tells.
  SetLastError(ERROR_SUCCESS);
  BOOL adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, 0, NULL, NULL);
  return adjusted && GetLastError() == ERROR_SUCCESS;
}

// Ends the session with `flags`; nothing is ended when the shutdown privilege
// cannot be enabled.
bool exitWindows(UINT flags) {
  return enableShutdownPrivilege() && detail::exitWindowsCall(flags, 0) != 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// System

System::System() {
  uptime.bind(this, &System::getUptime);
  windowsDirectory.bind(this, &System::getWindowsDirectory);
  systemDirectory.bind(this, &System::getSystemDirectory);
  systemDrive.bind(this, &System::getSystemDrive);
  computerName.bind(this, &System::getComputerName, &System::putComputerName);
  currentDirectory.bind(this, &System::getCurrentDirectory, &System::putCurrentDirectory);
  userName.bind(this, &System::getUserName);
  osVersion.bind(this, &System::getOsVersion);
  drives.bind(this, &System::getDrives);
  driveTypes.bind(this, &System::getDriveTypes);
}

unsigned System::getUptime() const { return GetTickCount(); }

String System::getWindowsDirectory() const {
  return readSized(260, [](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
}

String System::getSystemDirectory() const {
  return readSized(260, [](char* b, DWORD n) { return GetSystemDirectoryA(b, n); });
}

String System::getSystemDrive() const { return getSystemDirectory().split(":")[0]; }

String System::getComputerName() const {
  std::vector<char> buffer(MAX_COMPUTERNAME_LENGTH + 1, '\0');  // 16
  for (int round = 0; round < 8; ++round) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (GetComputerNameA(buffer.data(), &size))
      return String(std::string(buffer.data(), size < buffer.size() ? size : buffer.size() - 1));
    // A longer name reports the size it needs.
    if (GetLastError() != ERROR_BUFFER_OVERFLOW || size <= buffer.size()) break;
    buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
  }
  return String();
}

bool System::setComputerName(const String& name) { return SetComputerNameA(name.c_str()) != 0; }

void System::putComputerName(String name) { setComputerName(name); }

String System::getCurrentDirectory() const {
  return readSized(260, [](char* b, DWORD n) { return GetCurrentDirectoryA(n, b); });
}

bool System::setCurrentDirectory(const String& path) {
  return SetCurrentDirectoryA(path.c_str()) != 0;
}

void System::putCurrentDirectory(String path) { setCurrentDirectory(path); }

String System::getUserName() const {
  std::vector<char> buffer(256, '\0');
  for (int round = 0; round < 8; ++round) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (GetUserNameA(buffer.data(), &size)) {
      buffer.back() = '\0';
      return String(buffer.data());
    }
    // A longer name reports the size it needs.
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) break;
    buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
  }
  return String();
}

String System::getOsVersion() const {
  return String(systemtext::versionText(static_cast<std::uint32_t>(GetVersion())));
}

StringList System::getDrives() const {
  StringList result;
  std::string list = logicalDriveList();
  for (const std::string& root : systemtext::driveRoots(list.data(), list.size()))
    result.add(String(systemtext::driveLetter(root)));
  return result;
}

StringList System::getDriveTypes() const {
  StringList result;
  std::string list = logicalDriveList();
  for (const std::string& root : systemtext::driveRoots(list.data(), list.size())) {
    const char* name = systemtext::driveTypeName(GetDriveTypeA(root.c_str()));
    if (name) result.add(String(name));
  }
  return result;
}

bool System::setEnv(const String& name, const String& value) {
  // The system keeps a name or value of at most 32766 characters (with its
  // terminator, 32767 wide characters) and refuses longer ones. Longer texts
  // are refused here without asking: Wine 8 crashes inside
  // SetEnvironmentVariableA on them instead of failing.
  const int longest = 32766;
  if (int(name.length) > longest || int(value.length) > longest) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
  }
  return SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
}

String System::getEnv(const String& name) const {
  bool found = false;
  std::string value = readSized(
      50000, [&name](char* b, DWORD n) { return GetEnvironmentVariableA(name.c_str(), b, n); },
      &found);
  // Missing and empty variables read the same.
  if (!found) return String("TRN_ERROR");
  return String(value);
}

bool System::shutdown(bool force) { return exitWindows(EWX_SHUTDOWN | (force ? EWX_FORCE : 0)); }
bool System::restart(bool force) { return exitWindows(EWX_REBOOT | (force ? EWX_FORCE : 0)); }
bool System::logOff(bool force) { return exitWindows(EWX_LOGOFF | (force ? EWX_FORCE : 0)); }

// ---------------------------------------------------------------------------
// Shell, files and sounds

INT_PTR run(const String& file, const String& parameters, HWND window) {
  HINSTANCE result =
      shell::execute(window, "open", file.c_str(), parameters.c_str(), NULL, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result);
}

bool fileExists(const String& path) {
  detail::StdioFile file(std::fopen(path.c_str(), "r"));
  return file != nullptr;
}

bool playWaveResource(int resourceId) {
  HMODULE module = GetModuleHandleA(NULL);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId & 0xFFFF), "WAVE");
  if (found == NULL) return false;
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == NULL) return false;
  bool played = false;
  if (const void* sound = LockResource(loaded))
    played = shell::playSound(static_cast<LPCSTR>(sound), SND_MEMORY | SND_NODEFAULT) != 0;
  FreeResource(loaded);
  return played;
}

}  // namespace tarn
