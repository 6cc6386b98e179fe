#!/usr/bin/env python3
"""Writes the main window's background tile (back.bmp) and the program icon (velmar.png).

The pictures are committed; run this again only to change them: python3 make_art.py
"""
import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


def tile_pixel(x, y, size):
    """A pale water tone with faint ripples that join up across tile edges."""
    phase = 2 * math.pi / size
    ripple = math.sin(phase * (x + 2 * y)) * math.cos(phase * (2 * x - y))
    base = (226, 238, 236)
    shade = 5 * ripple
    return tuple(int(round(c + shade)) for c in base)


def write_bmp(path, size):
    row_bytes = size * 3  # a multiple of 4 for the sizes used here
    pixels = bytearray()
    for y in reversed(range(size)):  # BMP rows run bottom to top
        for x in range(size):
            r, g, b = tile_pixel(x, y, size)
            pixels += bytes((b, g, r))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    assert row_bytes % 4 == 0
    path.write_bytes(header + info + pixels)


def icon_pixel(x, y, size):
    """Reeds standing in water under a light sky, on a rounded square."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    corner = 0.18
    dx, dy = max(corner - u, u - (1 - corner), 0), max(corner - v, v - (1 - corner), 0)
    if dx * dx + dy * dy > corner * corner:
        return (0, 0, 0, 0)
    if v > 0.62:  # water, with two light ripples
        ripple = abs(v - 0.74) < 0.025 or abs(v - 0.87) < 0.025
        return (120, 180, 215, 255) if ripple else (40, 110, 170, 255)
    for stem_x, top in ((0.28, 0.30), (0.42, 0.18), (0.58, 0.26), (0.72, 0.36)):
        if abs(u - stem_x) < 0.035 and v > top:
            return (40, 120, 60, 255)
        if abs(u - stem_x) < 0.06 and top - 0.12 < v < top + 0.02:  # seed head
            return (120, 80, 40, 255)
    return (225, 240, 245, 255)


def write_png(path, size):
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        for x in range(size):
            raw += bytes(icon_pixel(x, y, size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    path.write_bytes(png)


if __name__ == "__main__":
    write_bmp(HERE / "back.bmp", 64)
    write_png(HERE / "velmar.png", 64)
