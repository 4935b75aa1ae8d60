#!/usr/bin/env python3
"""Writes the program icon: a green kelp frond on a dark sea-blue tile,
in 16x16 and 32x32, 32-bit colour with an alpha channel.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SEA = (0x4A, 0x2E, 0x12, 0xFF)      # blue, green, red, alpha
KELP = (0x3C, 0xC8, 0x32, 0xFF)
EDGE = (0x20, 0x78, 0x1C, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, size):
    """Colour of pixel (x, y), y counted from the top."""
    unit = size / 16.0
    # A rounded tile: what lies outside the corner arcs stays clear.
    radius = 2 * unit
    cx = min(max(x + 0.5, radius), size - radius)
    cy = min(max(y + 0.5, radius), size - radius)
    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > radius ** 2:
        return CLEAR
    # The frond: a stem that sways, with leaves to either side.
    fy = (y + 0.5) / unit
    fx = (x + 0.5) / unit
    sway = 8 + 1.5 * ((fy // 4) % 2 * 2 - 1) * ((fy % 4) / 4.0)
    distance = abs(fx - sway)
    if 2 <= fy <= 15:
        leaf = 2.5 if int(fy) % 4 in (1, 2) else 1.0
        if distance <= leaf:
            return KELP if distance <= leaf - 0.6 else EDGE
    return SEA


def image(size):
    """BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         size * size * 4, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            colour = pixel(x, y, size)
            row += bytes(colour)
            if colour[3] == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b"".join(rows) + b"".join(mask_rows)


def icon(sizes):
    images = [image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    with open(sys.argv[1], "wb") as out:
        out.write(icon([16, 32]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
