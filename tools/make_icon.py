#!/usr/bin/env python3
"""Draws the program icon, a thermometer, and writes app/app.ico.

Seven images, 16 to 256 pixels square, 32 bits per pixel with alpha: the
smaller ones as bitmaps, the 256-pixel one as PNG. Only the standard library
is needed, so the icon can be remade anywhere: python3 tools/make_icon.py
"""
import math
import os
import struct
import zlib

SIZES = [16, 24, 32, 48, 64, 128, 256]
SAMPLES = 4  # per axis, for smooth edges

OUTLINE = (0x00, 0x6C, 0x96)
GLASS = (0xFF, 0xFF, 0xFF)
MERCURY = (0xBE, 0x1E, 0x2D)


def capsule(x, y, cx, top, bottom, r):
    """Signed distance to a vertical capsule (negative inside)."""
    yy = min(max(y, top), bottom)
    return math.hypot(x - cx, y - yy) - r


def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def layers(x, y):
    """Colour layers at a point of the unit square, bottom first."""
    outer = min(capsule(x, y, 0.5, 0.14, 0.62, 0.15), circle(x, y, 0.5, 0.76, 0.21))
    inner = min(capsule(x, y, 0.5, 0.14, 0.62, 0.09), circle(x, y, 0.5, 0.76, 0.15))
    mercury = min(capsule(x, y, 0.5, 0.40, 0.66, 0.045), circle(x, y, 0.5, 0.76, 0.11))
    if mercury < 0:
        return MERCURY
    if inner < 0:
        return GLASS
    if outer < 0:
        return OUTLINE
    return None


def render(size):
    """RGBA rows, top first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    c = layers(x, y)
                    if c:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            n = SAMPLES * SAMPLES
            if a:
                row.append((r // a, g // a, b // a, 255 * a // n))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bitmap_image(size, rows):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # alpha decides; the AND mask is all zero
    return header + pixels + mask


def png_image(size, rows):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in rows)
    ihdr = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw, 9)) +
            chunk(b'IEND', b''))


def main():
    images = []
    for size in SIZES:
        rows = render(size)
        images.append(png_image(size, rows) if size == 256 else bitmap_image(size, rows))
    out = struct.pack('<HHH', 0, 1, len(SIZES))
    offset = 6 + 16 * len(SIZES)
    for size, data in zip(SIZES, images):
        dim = size % 256  # 0 stands for 256
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    with open(os.path.join(top, 'app', 'app.ico'), 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
