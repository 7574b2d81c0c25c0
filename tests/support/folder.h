// A scratch folder for tests that run programs from a folder of their own, and
// the file helpers that read back what those programs recorded there.
#ifndef TARN_TESTS_SUPPORT_FOLDER_H
#define TARN_TESTS_SUPPORT_FOLDER_H

#include <windows.h>

#include <string>

namespace testing_support {

inline bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string readFile(const std::string& path) {
  std::string bytes;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                         OPEN_EXISTING, 0, NULL);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, NULL) && got > 0) bytes.append(buffer, got);
  CloseHandle(f);
  return bytes;
}

inline bool writeFile(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
  CloseHandle(f);
  return ok && written == bytes.size();
}

// True once the file exists; false when it has not appeared within `timeoutMs`.
inline bool waitForFile(const std::string& path, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!fileExists(path)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// The whole of a record another program writes (renamed into place when
// complete): read again until it holds `lastKey`, since the file may show
// before it can be read; what was read at the deadline otherwise.
inline std::string waitForRecord(const std::string& path, const std::string& lastKey,
                                 DWORD timeoutMs) {
  DWORD start = GetTickCount();
  std::string record = readFile(path);
  while (record.find(lastKey) == std::string::npos && GetTickCount() - start <= timeoutMs) {
    Sleep(20);
    record = readFile(path);
  }
  return record;
}

// Waits (at most 15 s) for a program started from a folder to end by itself,
// so that the folder can be removed.
inline void waitForProcess(DWORD processId) {
  if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId)) {
    WaitForSingleObject(process, 15000);
    CloseHandle(process);
  }
}

// The value of "key=value" in a record of such lines; "<none>" when missing.
inline std::string recordValue(const std::string& record, const std::string& key) {
  std::size_t at = record.find(key + "=");
  while (at != std::string::npos && at != 0 && record[at - 1] != '\n')
    at = record.find(key + "=", at + 1);
  if (at == std::string::npos) return "<none>";
  at += key.size() + 1;
  return record.substr(at, record.find('\n', at) - at);
}

// A fresh folder under the temporary folder, removed with its files at the end.
class Folder {
 public:
  Folder() {
    char temp[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    char name[64];
    wsprintfA(name, "tarn_test_%lu_%d", GetCurrentProcessId(), ++serial);
    path = std::string(temp) + name;
    CreateDirectoryA(path.c_str(), NULL);
  }
  ~Folder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
          DeleteFileA((path + "\\" + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string file(const std::string& name) const { return path + "\\" + name; }
  std::string path;
};

}  // namespace testing_support

#endif
