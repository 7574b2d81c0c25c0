// Private to the toolkit: holders for the temporaries a function takes from the
// system and gives back, so every exit gives each back exactly once. Each holds
// one handle, cannot be copied, and does nothing for a handle it never got.
#ifndef TARN_CORE_HOLDERS_H
#define TARN_CORE_HOLDERS_H

#include <cstdio>

#include "tarn/property.h"

namespace tarn {
namespace detail {

// A memory block from GlobalAlloc, locked for its lifetime and freed at the end.
// `data` is null when the block could not be had.
class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T bytes, UINT flags = GMEM_ZEROINIT)
      : handle(GlobalAlloc(flags, bytes)),
        bytes(static_cast<char*>(handle != NULL ? GlobalLock(handle) : nullptr)) {}
  ~GlobalBlock() {
    if (bytes != nullptr) GlobalUnlock(handle);
    if (handle != NULL) GlobalFree(handle);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  char* data() const { return bytes; }

 private:
  HGLOBAL handle;
  char* bytes;
};

// A window's device context (its client area, or with `wholeWindow` the whole
// window), released at the end. GetDC(NULL) is the screen's.
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool wholeWindow = false)
      : window(window), dc(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDC() {
    if (dc != NULL) ReleaseDC(window, dc);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  operator HDC() const { return dc; }
  // Releases now and answers what ReleaseDC answered (0 when there was no DC).
  int release() {
    int released = dc != NULL ? ReleaseDC(window, dc) : 0;
    dc = NULL;
    return released;
  }

 private:
  HWND window;
  HDC dc;
};

// A memory device context compatible with `like` (the screen's when null),
// deleted at the end.
class MemoryDC {
 public:
  explicit MemoryDC(HDC like) : dc(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc != NULL) DeleteDC(dc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  operator HDC() const { return dc; }
  // Deletes now and answers what DeleteDC answered (0 when there was no DC).
  BOOL release() {
    BOOL deleted = dc != NULL ? DeleteDC(dc) : FALSE;
    dc = NULL;
    return deleted;
  }

 private:
  HDC dc;
};

// A GDI object (pen, brush, bitmap, font, region) the function made, deleted at
// the end unless handed on with `release`.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = NULL) : handle(handle) {}
  ~GdiObject() {
    if (handle != NULL) DeleteObject(handle);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  operator Handle() const { return handle; }
  Handle get() const { return handle; }
  // Hands the object on: it is no longer deleted here.
  Handle release() {
    Handle kept = handle;
    handle = NULL;
    return kept;
  }
  // Deletes the object held and holds `replacement` instead.
  void reset(Handle replacement = NULL) {
    if (handle != NULL && handle != replacement) DeleteObject(handle);
    handle = replacement;
  }

 private:
  Handle handle;
};

// An object selected into a device context; the one it replaced is selected
// back at the end, before the object itself may be deleted.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object)
      : dc(dc), previous(dc != NULL ? SelectObject(dc, object) : NULL) {}
  ~Selection() {
    if (previous != NULL) SelectObject(dc, previous);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc;
  HGDIOBJ previous;
};

// A kernel handle (file, process, thread, token), closed at the end. Both the
// null handle and INVALID_HANDLE_VALUE count as none.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle = NULL) : handle(handle) {}
  ~KernelHandle() {
    if (valid()) CloseHandle(handle);
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

  bool valid() const { return handle != NULL && handle != INVALID_HANDLE_VALUE; }
  operator HANDLE() const { return handle; }
  // Closes now and answers whether CloseHandle succeeded (false when there was none).
  bool close() {
    bool closed = valid() && CloseHandle(handle) != 0;
    handle = NULL;
    return closed;
  }
  // Hands the handle on: it is no longer closed here.
  HANDLE release() {
    HANDLE kept = handle;
    handle = NULL;
    return kept;
  }

 private:
  HANDLE handle;
};

// A C runtime stream, closed at the end.
class StdioFile {
 public:
  explicit StdioFile(std::FILE* file = nullptr) : file(file) {}
  ~StdioFile() {
    if (file != nullptr) std::fclose(file);
  }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  operator std::FILE*() const { return file; }
  // Closes now and answers whether fclose succeeded (false when there was none).
  bool close() {
    bool closed = file != nullptr && std::fclose(file) == 0;
    file = nullptr;
    return closed;
  }

 private:
  std::FILE* file;
};

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CORE_HOLDERS_H
