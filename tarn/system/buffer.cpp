// Buffer: a block of bytes in global memory, exactly as long as its content.
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "tarn/core/holders.h"
#include "tarn/system.h"
#include "tarn/system/file_text.h"
#include "tarn/system/fixed_block.h"

namespace tarn {

namespace {

// A fixed, zero-filled block of `count` bytes (count > 0), or null.
char* allocateBlock(int count) {
  return static_cast<char*>(GlobalAlloc(GMEM_ZEROINIT, static_cast<SIZE_T>(count)));
}

}  // namespace

Buffer::Buffer() : block(nullptr), byteCount(0) { bindProperties(); }

Buffer::Buffer(const Buffer& other) : block(nullptr), byteCount(0) {
  bindProperties();
  assign(other);
}

Buffer::Buffer(const void* source, int count) : block(nullptr), byteCount(0) {
  bindProperties();
  if (count > 0 && source != nullptr) append(source, count);
}

Buffer::Buffer(int count) : block(nullptr), byteCount(0) {
  bindProperties();
  if (count <= 0) return;
  block = allocateBlock(count);
  if (block != nullptr) byteCount = count;
}

Buffer& Buffer::operator=(const Buffer& other) {
  if (this != &other) assign(other);
  return *this;
}

Buffer::~Buffer() { release(); }

void Buffer::bindProperties() {
  data.bind(this, &Buffer::getData);
  length.bind(this, &Buffer::getLength);
}

int Buffer::assign(const Buffer& other) {
  if (&other == this) return byteCount;
  if (other.byteCount == 0) {
    release();
    return 0;
  }
  // The copy is made before the old block goes, so a failed allocation loses nothing.
  char* fresh = allocateBlock(other.byteCount);
  if (fresh == nullptr) return -1;
  std::memcpy(fresh, other.block, static_cast<std::size_t>(other.byteCount));
  release();
  block = fresh;
  byteCount = other.byteCount;
  return byteCount;
}

void Buffer::release() {
  if (byteCount != 0 && block != nullptr) GlobalFree(block);
  block = nullptr;
  byteCount = 0;
}

// Sets the block to exactly `newCount` (> 0) bytes, keeping the bytes that fit.
// On failure the block and the count stay as they were.
bool Buffer::resize(int newCount) {
  if (newCount <= 0) return false;
  if (block == nullptr || byteCount == 0) {
    char* fresh = allocateBlock(newCount);
    if (fresh == nullptr) return false;
    block = fresh;
    return true;
  }
  // GMEM_MOVEABLE lets the system move a fixed block when it cannot grow in
  // place (it stays fixed, the address changes); without it a fixed block can
  // only be resized in place.
  HGLOBAL moved =
      GlobalReAlloc(block, static_cast<SIZE_T>(newCount), GMEM_MOVEABLE | GMEM_ZEROINIT);
  if (moved == NULL) return false;
  block = static_cast<char*>(moved);
  return true;
}

int Buffer::append(const void* source, int count) {
  if (count <= 0) return byteCount;
  if (source == nullptr) return -1;
  if (count > INT_MAX - byteCount) return -1;
  // A source inside this buffer moves with the block: remember its offset.
  const char* from = static_cast<const char*>(source);
  bool inside = byteCount != 0 && from >= block && from < block + byteCount;
  std::size_t offset = inside ? static_cast<std::size_t>(from - block) : 0;
  if (inside && static_cast<std::size_t>(count) > static_cast<std::size_t>(byteCount) - offset)
    return -1;
  if (!resize(byteCount + count)) return -1;
  if (inside) from = block + offset;
  std::memcpy(block + byteCount, from, static_cast<std::size_t>(count));
  byteCount += count;
  return byteCount;
}

void Buffer::push(unsigned char byte) {
  if (byteCount == INT_MAX || !resize(byteCount + 1)) return;
  block[byteCount] = static_cast<char>(byte);
  ++byteCount;
}

int Buffer::byteAt(int position) const {
  if (position < 0 || position >= byteCount) return 255;
  return static_cast<unsigned char>(block[position]);
}

Buffer Buffer::slice(int start, int count) const {
  if (count <= 0 || start < 0 || start > byteCount - count) return Buffer();
  return Buffer(block + start, count);
}

bool Buffer::loadFile(const String& path) {
  detail::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
  if (!file.valid()) return false;
  DWORD high = 0;
  DWORD size = GetFileSize(file, &high);
  bool sizeKnown = !(size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR);
  // Too large for a buffer: the content stays.
  if (!sizeKnown || high != 0 || size > static_cast<DWORD>(INT_MAX)) return false;
  if (size == 0) {
    file.close();
    release();
    return false;
  }
  // Read straight into the new block; the old content goes only when the new is complete.
  detail::FixedBlock fresh(size);
  if (fresh.data() == nullptr) return false;
  DWORD taken = 0;
  while (taken < size) {
    DWORD got = 0;
    if (!ReadFile(file, fresh.data() + taken, size - taken, &got, NULL)) return false;
    if (got == 0) break;  // the file became shorter since its size was read
    taken += got;
  }
  file.close();
  if (taken == 0) {
    release();
    return false;
  }
  if (taken < size) fresh.shrink(taken);
  release();
  block = fresh.release();
  byteCount = static_cast<int>(taken);
  return true;
}

bool Buffer::saveFile(const String& path) const {
  detail::StdioFile stream(std::fopen(path.c_str(), "w"));
  if (stream == nullptr) return false;
  std::size_t wanted = static_cast<std::size_t>(byteCount);
  std::size_t written = wanted != 0 ? std::fwrite(block, 1, wanted, stream) : 0;
  bool closed = stream.close();
  return closed && written == wanted;
}

String Buffer::text() const {
  // Built once and moved in; a text that does not fit in memory is empty.
  try {
    return String(filetext::upToZero(block, static_cast<std::size_t>(byteCount)));
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return String();
}

void Buffer::copyTo(void* destination) const {
  if (byteCount != 0 && destination != nullptr)
    std::memcpy(destination, block, static_cast<std::size_t>(byteCount));
}

}  // namespace tarn
