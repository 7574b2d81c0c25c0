#!/usr/bin/env python3
"""Writes the small pictures the graphics tests load from their resources.

bars.bmp   5 x 3, 24-bit: top row red, middle row green, bottom row blue,
           except the top-left pixel, which is white.
strip.bmp  48 x 16, 24-bit: three 16 x 16 cells, red, green, blue.
tarn.ico   16 x 16 and 32 x 32, 32-bit: orange, the top-left quarter transparent.
"""
import struct


def bmp24(width, height, pixel):  # pixel(x, y) -> (r, g, b), y from the top
    stride = (width * 3 + 3) // 4 * 4
    rows = b""
    for y in range(height - 1, -1, -1):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 54) + header + rows


def bars(x, y):
    if (x, y) == (0, 0):
        return (255, 255, 255)
    return [(255, 0, 0), (0, 255, 0), (0, 0, 255)][y]


def strip(x, y):
    return [(255, 0, 0), (0, 255, 0), (0, 0, 255)][x // 16]


def icon_image(size):
    half = size // 2
    pixels = b""
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for y in range(size - 1, -1, -1):  # bottom-up
        bits = 0
        row = b""
        for x in range(size):
            clear = x < half and y < half
            row += bytes((0, 0, 0, 0)) if clear else bytes((0x20, 0x80, 0xFF, 0xFF))
            if clear:
                bits |= 1 << (size - 1 - x)
        pixels += row
        mask += bits.to_bytes(size // 8, "big") + b"\0" * (mask_stride - size // 8)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + pixels + mask


def ico(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


if __name__ == "__main__":
    open("bars.bmp", "wb").write(bmp24(5, 3, bars))
    open("strip.bmp", "wb").write(bmp24(48, 16, strip))
    open("tarn.ico", "wb").write(ico([16, 32]))
