// Device-independent bitmap arithmetic: the bytes of a BITMAPINFO record (the
// 40-byte header and its colour table) and the sizes of pixel rows. No Windows
// calls; the drawing functions pass these bytes to the system as they are.
#ifndef TARN_GRAPHICS_DIB_H
#define TARN_GRAPHICS_DIB_H

#include <cstdint>
#include <vector>

namespace tarn {
namespace dib {

constexpr std::uint32_t headerSize = 40;

// True for the depths an uncompressed DIB can have: 1, 4, 8, 16, 24, 32.
bool supportedDepth(int bitsPerPixel);

// Entries of the colour table a DIB of this depth is read with: 2, 16 or 256
// for the indexed depths, none for the others.
int colourEntries(int bitsPerPixel);

// Bytes of one stored row: the pixels' bits rounded up to whole 4-byte words.
std::uint64_t rowBytes(int width, int bitsPerPixel);

// Bytes the system reads for the whole picture: rowBytes x height.
std::uint64_t imageBytes(int width, int height, int bitsPerPixel);

// The header's image size as the toolkit states it: bits x width x height / 8,
// without row padding (an uncompressed DIB does not need it). 0 when it does
// not fit in 32 bits.
std::uint32_t statedImageSize(int width, int height, int bitsPerPixel);

// The BITMAPINFO bytes for an uncompressed bottom-up DIB: the header (planes 1,
// compression 0, resolution and colour counts 0) followed by the colour table.
// Indexed depths get a full table of evenly spaced greys (black to white); the
// others one cleared entry, as the record always has room for one.
std::vector<std::uint8_t> infoBytes(int width, int height, int bitsPerPixel);

// True when a picture of this size and depth can be drawn: a known depth, a
// positive width and height, and pixel data whose size fits in an int.
bool drawable(int width, int height, int bitsPerPixel);

}  // namespace dib
}  // namespace tarn

#endif
