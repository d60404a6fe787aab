#!/usr/bin/env python3
"""Draws the program's icons (an eyedropper over a colour drop) and writes
resources/icons/*.ico. The .ico files are committed; run this again only to
change the pictures."""
import os
import struct

# The 16 colours of a 4-bit icon: the standard VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

# 16 x 16 picture: '.' transparent, letters are colours of the legend.
PICTURE = [
    "...........kk...",
    "..........kggk..",
    ".........kgggk..",
    "........kkgggk..",
    ".......kwkkgk...",
    "......kwwwkk....",
    ".....kwwwk......",
    "....kwwwk.......",
    "...kwwwk........",
    "..kwwwk.........",
    "..kwwk..........",
    ".kkkk...........",
    ".kdk............",
    "kdddk...........",
    "kdddk...........",
    ".kkk............",
]

SHOWN = {"k": (0, 0, 0), "g": (128, 128, 128), "w": (255, 255, 255), "d": (255, 0, 0)}
HIDDEN = {"k": (128, 128, 128), "g": (192, 192, 192), "w": (255, 255, 255), "d": (192, 192, 192)}


def pixels(size, legend):
    # Nearest neighbour: 20 and 24 pixels are no whole multiple of 16.
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            ch = PICTURE[y * 16 // size][x * 16 // size]
            row.append(None if ch == "." else legend[ch])
        rows.append(row)
    return rows


def mask_bytes(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def image_24(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    stride = ((size * 3 + 3) // 4) * 4
    xor = b""
    for row in reversed(rows):
        line = b"".join(bytes((b, g, r)) if p else b"\0\0\0" for p in row for (r, g, b) in [p or (0, 0, 0)])
        xor += line + b"\0" * (stride - len(line))
    return header + xor + mask_bytes(rows), 0, 24


def image_4(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in VGA)
    stride = ((size * 4 + 31) // 32) * 4
    xor = b""
    for row in reversed(rows):
        idx = [VGA.index(p) if p else 0 for p in row]
        line = bytearray(stride)
        for x, i in enumerate(idx):
            line[x // 2] |= i << (4 if x % 2 == 0 else 0)
        xor += bytes(line)
    return header + palette + xor + mask_bytes(rows), 16, 4


def write_ico(path, images):
    entries = b""
    data = b""
    offset = 6 + 16 * len(images)
    for (blob, colours, bits), size in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset + len(data))
        data += blob
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + data)


here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")
# Every small-icon size of the display scales 100 %, 125 %, 150 % and 200 %
# (16, 20, 24, 32): the tray loads the one its DPI asks for.
SIZES = [32, 24, 20, 16]
write_ico(os.path.join(here, "shown.ico"), [(image_24(pixels(n, SHOWN)), n) for n in SIZES])
write_ico(os.path.join(here, "shown16.ico"), [(image_4(pixels(n, SHOWN)), n) for n in SIZES])
write_ico(os.path.join(here, "hidden.ico"), [(image_24(pixels(n, HIDDEN)), n) for n in SIZES])
write_ico(os.path.join(here, "hidden16.ico"), [(image_4(pixels(n, HIDDEN)), n) for n in SIZES])
