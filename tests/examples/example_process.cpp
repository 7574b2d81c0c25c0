// Starting example programs, finding their controls from outside, and taking
// pictures of their windows.
#include "example_process.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <psapi.h>

#include "support/support.h"

namespace examples_test {

namespace {

const DWORD startTimeoutMs = 30000;

struct TopLevelSearch {
  DWORD processId;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopLevelSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  if (*search->caption != text) return TRUE;
  search->found = window;
  return FALSE;
}

struct ChildSearch {
  const std::string* className;
  const char* text;
  HWND parent;
  bool directOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK matchChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (search->directOnly && GetParent(window) != search->parent) return TRUE;
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->className->c_str()) != 0) return TRUE;
  if (search->text != nullptr && textOf(window) != search->text) return TRUE;
  search->found.push_back(window);
  return TRUE;
}

}  // namespace

namespace {

// The address of `function` (loaded in this process) in the process
// `process`, found through the module both have loaded under one name; 0 when
// the process has not loaded it.
FARPROC inProcess(HANDLE process, FARPROC function) {
  HMODULE own = NULL;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(function), &own))
    return NULL;
  char name[MAX_PATH] = "";
  GetModuleBaseNameA(GetCurrentProcess(), own, name, sizeof name);
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return NULL;
  for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
    char other[MAX_PATH] = "";
    GetModuleBaseNameA(process, modules[i], other, sizeof other);
    if (lstrcmpiA(name, other) == 0)
      return reinterpret_cast<FARPROC>(reinterpret_cast<const char*>(modules[i]) +
                                       (reinterpret_cast<const char*>(function) -
                                        reinterpret_cast<const char*>(own)));
  }
  return NULL;
}

}  // namespace

// The block is allocated by a thread of the example running CoTaskMemAlloc
// (one argument, as a thread's start routine takes): a block of the process
// heap, which GlobalSize measures and GlobalFree frees, as for a fixed global
// block. Its address comes back as the thread's exit code, 32 bits.
bool dropFiles(const ExampleProcess& example, HWND target, const std::vector<std::wstring>& names,
               POINT at) {
  HGLOBAL local = testing_support::makeDrop(names, at, true);
  if (local == NULL) return false;
  std::string bytes(static_cast<const char*>(GlobalLock(local)), GlobalSize(local));
  GlobalUnlock(local);
  GlobalFree(local);

  HMODULE ole = LoadLibraryA("ole32.dll");
  FARPROC allocate = inProcess(example.process.hProcess, GetProcAddress(ole, "CoTaskMemAlloc"));
  if (allocate == NULL) return false;
  HANDLE thread = CreateRemoteThread(example.process.hProcess, NULL, 0,
                                     reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void (*)()>(allocate)),
                                     reinterpret_cast<void*>(bytes.size()), 0, NULL);
  if (thread == NULL) return false;
  DWORD address = 0;
  bool ended = WaitForSingleObject(thread, startTimeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeThread(thread, &address);
  CloseHandle(thread);
  void* block = reinterpret_cast<void*>(static_cast<ULONG_PTR>(address));
  SIZE_T written = 0;
  if (!ended || block == nullptr ||
      !WriteProcessMemory(example.process.hProcess, block, bytes.data(), bytes.size(), &written) ||
      written != bytes.size())
    return false;
  return PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0) != 0;
}

// The window text as the window itself answers it (WM_GETTEXT crosses the
// process boundary; GetWindowText would give a control's creation text).
std::string textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return std::string();
  std::string text(length + 1, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 5000, &got);
  text.resize(got);
  return text;
}

ExampleProcess::~ExampleProcess() {
  if (process.hProcess == NULL) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool ExampleProcess::start(const std::string& name, const std::string& arguments,
                           const std::string& caption) {
  std::string folder = TARN_EXAMPLES_DIR;
  std::string line = "\"" + folder + "\\" + name + ".exe\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                      &process))
    return false;
  WaitForInputIdle(process.hProcess, startTimeoutMs);
  // Stops waiting when the program ends first (it failed to start).
  waitFor([&] {
    window = findTopLevel(caption);
    return window != NULL || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
  }, startTimeoutMs);
  return window != NULL;
}

long ExampleProcess::waitForExit() {
  if (WaitForSingleObject(process.hProcess, startTimeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  return static_cast<long>(code);
}

HWND ExampleProcess::findTopLevel(const std::string& caption) const {
  TopLevelSearch search = {process.dwProcessId, &caption, NULL};
  EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findChild(HWND parent, const std::string& className, const char* text) {
  ChildSearch search = {&className, text, parent, false, {}};
  EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? NULL : search.found.front();
}

std::vector<HWND> childrenOf(HWND parent, const std::string& className) {
  ChildSearch search = {&className, nullptr, parent, true, {}};
  EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool waitFor(const std::function<bool()>& done, DWORD ms) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(20);  // polling another process: there is no message of ours to wait on
  }
  return true;
}

bool waitForText(HWND window, const std::string& expected, DWORD ms) {
  return waitFor([&] { return textOf(window) == expected; }, ms);
}

namespace {

// A block of memory in the process that owns `window`, freed with the object.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, owner);
    if (process != NULL)
      address = VirtualAllocEx(process, NULL, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address != nullptr) VirtualFreeEx(process, address, 0, MEM_RELEASE);
    if (process != NULL) CloseHandle(process);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool put(std::size_t offset, const void* bytes, std::size_t size) {
    return address != nullptr &&
           WriteProcessMemory(process, static_cast<char*>(address) + offset, bytes, size, NULL);
  }
  bool get(std::size_t offset, void* bytes, std::size_t size) const {
    return address != nullptr &&
           ReadProcessMemory(process, static_cast<char*>(address) + offset, bytes, size, NULL);
  }
  LPARAM at(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address) + offset);
  }

 private:
  HANDLE process = NULL;
  void* address = nullptr;
};

}  // namespace

bool setListViewItemState(HWND list, int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  RemoteBlock block(list, sizeof item);
  if (!block.put(0, &item, sizeof item)) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), block.at(0),
                             SMTO_ABORTIFHUNG, 5000, &result) &&
         result != 0;
}

std::string listViewCellText(HWND list, int row, int column) {
  const std::size_t textSize = 1024;
  LVITEMA item = {};
  item.iSubItem = column;
  item.cchTextMax = static_cast<int>(textSize);
  RemoteBlock block(list, sizeof item + textSize);
  item.pszText = reinterpret_cast<LPSTR>(block.at(sizeof item));
  if (!block.put(0, &item, sizeof item)) return std::string();
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), block.at(0),
                           SMTO_ABORTIFHUNG, 5000, &length))
    return std::string();
  std::string text(std::min<std::size_t>(length, textSize - 1), '\0');
  if (!text.empty() && !block.get(sizeof item, &text[0], text.size())) return std::string();
  return text;
}

COLORREF screenPixel(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  HDC screen = GetDC(NULL);
  COLORREF colour = GetPixel(screen, p.x, p.y);
  ReleaseDC(NULL, screen);
  return colour;
}

namespace {

// What the screen shows in `r`, as 0x00RRGGBB pixels, top row first; empty
// when it could not be read.
std::vector<unsigned> capture(const RECT& r) {
  int w = r.right - r.left, h = r.bottom - r.top;
  std::vector<unsigned> pixels;
  if (w <= 0 || h <= 0) return pixels;
  HDC screen = GetDC(NULL);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  if (picture != NULL) {
    HGDIOBJ old = SelectObject(memory, picture);
    if (BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY)) {
      GdiFlush();
      const unsigned* first = static_cast<const unsigned*>(bits);
      pixels.assign(first, first + static_cast<std::size_t>(w) * h);
    }
    SelectObject(memory, old);
    DeleteObject(picture);
  }
  DeleteDC(memory);
  ReleaseDC(NULL, screen);
  return pixels;
}

}  // namespace

bool saveScreenshot(HWND window, const std::string& name) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  // Waits for the picture to settle: the program paints one window each time
  // round its message loop, and each sent message below waits for one round.
  // Three rounds without a change in a row: nothing is left to paint.
  std::vector<unsigned> pixels = capture(r);
  int unchanged = 0;
  DWORD start = GetTickCount();
  while (unchanged < 3 && GetTickCount() - start < startTimeoutMs) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    std::vector<unsigned> again = capture(r);
    unchanged = again == pixels ? unchanged + 1 : 0;
    pixels.swap(again);
  }
  if (unchanged < 3 || pixels.empty()) return false;
  int w = r.right - r.left, h = r.bottom - r.top;

  std::string folder = TARN_SCREENSHOT_DIR;
  CreateDirectoryA(folder.c_str(), NULL);
  std::string png = encodePng(w, h, pixels);
  FILE* file = std::fopen((folder + "\\" + name + ".png").c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}

// ---------------------------------------------------------------------------
// PNG: 8-bit RGB, no filtering, the image data in stored (uncompressed)
// deflate blocks. scripts/screenshots recompresses the pictures it keeps.

namespace {

void putBig32(std::string& out, unsigned v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

unsigned crc32(const std::string& bytes, std::size_t from) {
  static unsigned table[256];
  static bool made = false;
  if (!made) {
    for (unsigned n = 0; n < 256; ++n) {
      unsigned c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    made = true;
  }
  unsigned c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < bytes.size(); ++i)
    c = table[(c ^ static_cast<unsigned char>(bytes[i])) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void putChunk(std::string& out, const char* type, const std::string& data) {
  putBig32(out, static_cast<unsigned>(data.size()));
  std::size_t start = out.size();
  out += type;
  out += data;
  putBig32(out, crc32(out, start));
}

}  // namespace

std::string encodePng(int w, int h, const std::vector<unsigned>& pixels) {
  std::string raw;
  raw.reserve(static_cast<std::size_t>(h) * (1 + 3 * static_cast<std::size_t>(w)));
  for (int y = 0; y < h; ++y) {
    raw += '\0';  // filter: none
    for (int x = 0; x < w; ++x) {
      unsigned p = pixels[static_cast<std::size_t>(y) * w + x];
      raw += static_cast<char>((p >> 16) & 0xFF);
      raw += static_cast<char>((p >> 8) & 0xFF);
      raw += static_cast<char>(p & 0xFF);
    }
  }
  std::string zlib = "\x78\x01";
  unsigned a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  const std::size_t block = 65535;
  std::size_t at = 0;
  do {
    std::size_t n = std::min(block, raw.size() - at);
    bool last = at + n == raw.size();
    zlib += static_cast<char>(last ? 1 : 0);
    zlib += static_cast<char>(n & 0xFF);
    zlib += static_cast<char>(n >> 8);
    zlib += static_cast<char>(~n & 0xFF);
    zlib += static_cast<char>((~n >> 8) & 0xFF);
    zlib.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  putBig32(zlib, (b << 16) | a);

  std::string header;
  putBig32(header, static_cast<unsigned>(w));
  putBig32(header, static_cast<unsigned>(h));
  // 8 bits a sample, RGB, deflate, no filter, no interlace.
  header += std::string("\x08\x02\x00\x00\x00", 5);
  std::string png = "\x89PNG\r\n\x1a\n";
  putChunk(png, "IHDR", header);
  putChunk(png, "IDAT", zlib);
  putChunk(png, "IEND", std::string());
  return png;
}

}  // namespace examples_test
