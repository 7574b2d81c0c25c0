// Private to the system services: a fixed global memory block as a scoped
// temporary. A fixed block (GlobalAlloc without GMEM_MOVEABLE) is used at its
// address, which is also its handle, so unlike detail::GlobalBlock it is never
// locked; a Buffer keeps its bytes in such blocks.
#ifndef TARN_SYSTEM_FIXED_BLOCK_H
#define TARN_SYSTEM_FIXED_BLOCK_H

#include "tarn/property.h"

namespace tarn {
namespace detail {

// `count` zero-filled bytes, freed at the end unless handed on with `release`.
// `data` is null when the bytes could not be had.
class FixedBlock {
 public:
  explicit FixedBlock(SIZE_T count)
      : bytes(static_cast<char*>(GlobalAlloc(GMEM_ZEROINIT, count))) {}
  ~FixedBlock() {
    if (bytes != nullptr) GlobalFree(bytes);
  }
  FixedBlock(const FixedBlock&) = delete;
  FixedBlock& operator=(const FixedBlock&) = delete;

  char* data() const { return bytes; }
  // Cuts the block to `count` bytes, where it may move (it stays fixed); when
  // the system refuses, the block stays as it was.
  void shrink(SIZE_T count) {
    HGLOBAL moved = GlobalReAlloc(bytes, count, GMEM_MOVEABLE);
    if (moved != NULL) bytes = static_cast<char*>(moved);
  }
  // Hands the block on: it is no longer freed here.
  char* release() {
    char* kept = bytes;
    bytes = nullptr;
    return kept;
  }

 private:
  char* bytes;
};

}  // namespace detail
}  // namespace tarn

#endif  // TARN_SYSTEM_FIXED_BLOCK_H
