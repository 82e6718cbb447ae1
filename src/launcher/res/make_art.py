#!/usr/bin/env python3
"""Draws the launcher's artwork: the side picture (164 x 314, 8-bit BMP with a palette
of 131 colours) and the application icon (16, 32 and 48 pixels, 32-bit with alpha, each
image a PNG file). Run it from this folder to regenerate side.bmp (and side.bmp.z, the
same file zlib-compressed, which is what the launcher carries) and quillmere.ico; the
outputs are committed beside it."""
import math
import os
import shutil
import struct
import subprocess
import tempfile
import zlib

W, H = 164, 314


def packed(data):
    """data as a zlib stream: zopfli's when the zopfli program is installed (about a tenth
    smaller), else zlib's at level 9. The launcher's inflater reads either."""
    if shutil.which('zopfli'):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, 'data')
            with open(path, 'wb') as f:
                f.write(data)
            out = subprocess.run(['zopfli', '--zlib', '--i100', '-c', path], check=True,
                                 stdout=subprocess.PIPE).stdout
        if zlib.decompress(out) == data:
            return out
    return zlib.compress(data, 9)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# Palette: background ramp, feather ramp, ink ramp, and a few solid colours. The ramps
# hold no more shades than the eye tells apart here (the background's green climbs 74
# levels over 64 shades; the feather's stripes hide steps of a few levels), since every
# shade more makes the packed picture larger.
BG_TOP, BG_BOTTOM = (20, 38, 72), (36, 112, 128)
FEATHER_LIGHT, FEATHER_DARK = (246, 242, 230), (186, 168, 126)
INK_LIGHT, INK_DARK = (70, 60, 150), (18, 14, 48)
BG_SHADES, FEATHER_SHADES, INK_SHADES = 64, 32, 32
FEATHER, INK = BG_SHADES, BG_SHADES + FEATHER_SHADES  # first index of each ramp
palette = [lerp(BG_TOP, BG_BOTTOM, i / (BG_SHADES - 1)) for i in range(BG_SHADES)]
palette += [lerp(FEATHER_LIGHT, FEATHER_DARK, i / (FEATHER_SHADES - 1)) for i in range(FEATHER_SHADES)]
palette += [lerp(INK_LIGHT, INK_DARK, i / (INK_SHADES - 1)) for i in range(INK_SHADES)]
SPINE, NIB, SPARK = len(palette), len(palette) + 1, len(palette) + 2
palette += [(120, 92, 52), (44, 44, 56), (150, 200, 210)]

# The quill: an axis from the nib to the tip, a gently bowed shaft, two vanes.
NIB_AT, TIP_AT = (38.0, 292.0), (146.0, 18.0)
AX = (TIP_AT[0] - NIB_AT[0], TIP_AT[1] - NIB_AT[1])
L = math.hypot(*AX)
UX, UY = AX[0] / L, AX[1] / L
VX, VY = -UY, UX


def quill(x, y):
    """(kind, shade) of a point: kind 'vane', 'spine', 'nib' or None."""
    dx, dy = x - NIB_AT[0], y - NIB_AT[1]
    u, v = dx * UX + dy * UY, dx * VX + dy * VY
    if -24 <= u < 0:
        if abs(v) < (u + 24) / 24 * 3.2:
            return 'nib', 0
        return None, 0
    if u < 0 or u > L:
        return None, 0
    s = u / L
    spine = 10 * math.sin(math.pi * s)
    d = v - spine
    if abs(d) < 1.3:
        return 'spine', 0
    if s < 0.2:
        return None, 0
    base = math.sin(math.pi * (s - 0.2) / 0.8) ** 0.75
    left, right = 27 * base, 18 * base
    # A few gaps between barbs make the vanes look used.
    for centre, width, side in ((0.46, 0.012, 1), (0.63, 0.01, -1), (0.78, 0.014, 1)):
        if abs(s - centre) < width and (d > 0) == (side > 0):
            return None, 0
    limit = left if d > 0 else right
    if abs(d) >= limit:
        return None, 0
    stripe = 0.5 + 0.5 * math.sin(2 * math.pi * (u + 0.9 * abs(d)) / 3.4)
    shade = 0.15 + 0.45 * abs(d) / limit + 0.3 * stripe * (abs(d) / limit)
    return 'vane', min(1.0, shade)


def side_picture():
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            t = y / (H - 1) + 0.08 * math.sin(x / 23.0 + y / 41.0)
            index = max(0, min(BG_SHADES - 1, int(t * (BG_SHADES - 1))))
            kind, shade = quill(x, y)
            if kind == 'vane':
                index = FEATHER + int(shade * (FEATHER_SHADES - 1))
            elif kind == 'spine':
                index = SPINE
            elif kind == 'nib':
                index = NIB
            else:
                # An ink pool under the nib and a few sparks in the sky.
                pool = ((x - 34) / 26.0) ** 2 + ((y - 303) / 6.5) ** 2
                if pool < 1:
                    index = INK + int((1 - pool) * (INK_SHADES - 1))
                for sx, sy, r in ((30, 40, 1.6), (112, 196, 1.3), (62, 96, 1.1), (140, 250, 1.4)):
                    if (x - sx) ** 2 + (y - sy) ** 2 <= r * r:
                        index = SPARK
            row.append(index)
        rows.append(row)
    return rows


def write_bmp8(path, rows):
    stride = (W + 3) & ~3
    pixels = b''.join(bytes(r) + b'\0' * (stride - W) for r in reversed(rows))
    pal = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    header_size = 14 + 40 + len(pal)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', header_size + len(pixels), 0, 0, header_size))
        f.write(struct.pack('<IiiHHIIiiII', 40, W, H, 1, 8, 0, len(pixels), 3780, 3780, len(palette), 0))
        f.write(pal + pixels)


def icon_image(size):
    """BGRA rows (top first) of the icon: a rounded tile with a small quill."""
    n = 4  # samples per pixel side
    out = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = icon_sample(x, y)
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i]
                        acc[3] += 1
            a = acc[3] / (n * n)
            if acc[3]:
                r, g, b = (int(acc[i] / acc[3]) for i in range(3))
            else:
                r = g = b = 0
            row.append((b, g, r, int(round(a * 255))))
        out.append(row)
    return out


def icon_sample(x, y):
    # Rounded square tile.
    m, radius = 0.06, 0.2
    cx = min(max(x, m + radius), 1 - m - radius)
    cy = min(max(y, m + radius), 1 - m - radius)
    if (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2:
        return None
    colour = lerp(BG_TOP, BG_BOTTOM, y)
    # The quill, reusing the side picture's shape scaled into the tile.
    qx = 20 + x * 128
    qy = 12 + y * 290
    kind, shade = quill(qx, qy)
    if kind == 'vane':
        colour = lerp(FEATHER_LIGHT, FEATHER_DARK, shade)
    elif kind in ('spine', 'nib'):
        colour = palette[SPINE]
    return colour


def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def png_filtered(raw, stride, kind):
    """The rows of raw (stride bytes each, 4 bytes a pixel) under one PNG filter."""
    out = b''
    previous = bytes(stride)
    for start in range(0, len(raw), stride):
        row = raw[start:start + stride]
        line = bytearray()
        for i, x in enumerate(row):
            a = row[i - 4] if i >= 4 else 0
            b = previous[i]
            c = previous[i - 4] if i >= 4 else 0
            predictor = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
            line.append((x - predictor) & 0xFF)
        out += bytes((kind,)) + bytes(line)
        previous = row
    return out


def png_image(rows):
    """A PNG file of BGRA rows (top first): 8-bit RGBA, the filter that packs smallest."""
    size = len(rows)
    raw = b''.join(bytes(c for (b, g, r, a) in row for c in (r, g, b, a)) for row in rows)
    data = min((packed(png_filtered(raw, 4 * size, kind)) for kind in range(5)), key=len)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header) + png_chunk(b'IDAT', data) +
            png_chunk(b'IEND', b''))


def write_ico(path, sizes):
    """An icon file whose images are PNG files (read by Windows Vista and later)."""
    images = [(size, png_image(icon_image(size))) for size in sizes]
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)))
        offset = 6 + 16 * len(images)
        for size, data in images:
            f.write(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset))
            offset += len(data)
        for _, data in images:
            f.write(data)


if __name__ == '__main__':
    write_bmp8('side.bmp', side_picture())
    with open('side.bmp', 'rb') as f, open('side.bmp.z', 'wb') as z:
        z.write(packed(f.read()))
    write_ico('quillmere.ico', (16, 32, 48))
