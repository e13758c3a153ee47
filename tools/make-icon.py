#!/usr/bin/env python3
"""Draws the application icon and writes resources/velmaro.ico.

The icon is a teal rounded square with three white caption lines scrolling
past a gold coin. One drawing, rendered with 4x4 supersampling, gives every
image of the icon group: 16, 32 and 48 pixels at 4, 8 and 32 bits per pixel
and 128 pixels at 32 bits.
"""
import math
import struct
import sys

TEAL = (0x00, 0x75, 0x65)
TEAL_DARK = (0x00, 0x5A, 0x4E)
WHITE = (0xFF, 0xFF, 0xFF)
GOLD = (0xF4, 0xB4, 0x00)
GOLD_DARK = (0xC8, 0x8A, 0x00)


def coverage_rounded_rect(x, y, x0, y0, x1, y1, r):
    """1 inside the rounded rectangle, else 0 (point sample)."""
    if x < x0 or x > x1 or y < y0 or y > y1:
        return 0
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return 1 if (x - cx) ** 2 + (y - cy) ** 2 <= r * r else 0


def shade(u, v):
    """Colour and alpha of the unit-square point (u, v), both 0..1."""
    if not coverage_rounded_rect(u, v, 0.04, 0.04, 0.96, 0.96, 0.2):
        return None
    colour = TEAL if v < 0.8 else TEAL_DARK
    # The coin: a gold disc with a darker ring, right of the lines.
    d = math.hypot(u - 0.7, v - 0.42)
    if d <= 0.2:
        return GOLD_DARK if d > 0.15 else GOLD
    # Three caption lines, left-aligned, of falling length.
    for top, right in ((0.3, 0.46), (0.46, 0.42), (0.62, 0.84)):
        if coverage_rounded_rect(u, v, 0.17, top, right, top + 0.09, 0.045):
            return WHITE
    return colour


def render(size):
    """size x size rows of (r, g, b, a), top row first."""
    n = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    c = shade((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits:
                row.append(tuple(int(round(acc[i] / hits)) for i in range(3)) + (int(round(255 * hits / (n * n))),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
         (0, 255, 255), (255, 255, 255)]


def palette_256(rows):
    """The image's own colours first (most frequent), filled up with a colour cube."""
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= 128:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = [c for c, _ in sorted(counts.items(), key=lambda kv: -kv[1])][:40]
    for r in range(6):
        for g in range(6):
            for b in range(6):
                palette.append((r * 51, g * 51, b * 51))
    palette = palette[:256]
    while len(palette) < 256:
        palette.append((0, 0, 0))
    return palette


def nearest(palette, colour):
    return min(range(len(palette)), key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def and_mask(rows, size):
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def dib(rows, size, bpp):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0, 0, 0)
    if bpp == 32:
        pixels = bytearray()
        for row in reversed(rows):
            for r, g, b, a in row:
                pixels += bytes((b, g, r, a))
        return header + bytes(pixels) + and_mask(rows, size)
    palette = VGA16 if bpp == 4 else palette_256(rows)
    colour_table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = ((size * bpp + 31) // 32) * 4
    pixels = bytearray()
    cache = {}
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            index = 0
            if a >= 128:
                key = (r, g, b)
                if key not in cache:
                    cache[key] = nearest(palette, key)
                index = cache[key]
            if bpp == 8:
                line[x] = index
            else:
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += line
    return header + colour_table + bytes(pixels) + and_mask(rows, size)


def main(path):
    images = []
    for size in (16, 32, 48):
        rows = render(size)
        for bpp in (4, 8, 32):
            images.append((size, bpp, dib(rows, size, bpp)))
    images.append((128, 32, dib(render(128), 128, 32)))

    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        colours = 16 if bpp == 4 else 0
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/velmaro.ico')
