#!/usr/bin/env python3
"""Draws the effect bitmaps of KFWS_Airdrop into a folder: 64x64 BMP files of 32 bits per
pixel (blue, green, red, alpha; bottom-up rows; BITMAPINFOHEADER, no compression), the
form of texture the simulator's effects read. Usage: make_textures.py OUTDIR"""
import math
import os
import struct
import sys

SIZE = 64


def write_bmp(path, pixels):
    """pixels: SIZE rows top first, each SIZE (r, g, b, a) tuples."""
    data = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


def canopy(x, y, jumper=True):
    """A round canopy seen from the side, its gores striped, lines down to the jumper
    (or, for a load, to the point the load hangs from)."""
    cx, top, rx, ry = 31.5, 6.0, 27.0, 20.0
    dx, dy = (x - cx) / rx, (y - (top + ry)) / ry
    if y <= top + ry and dx * dx + dy * dy <= 1.0:
        gore = int((math.atan2(y - (top + ry), x - cx) + math.pi) / (math.pi / 10)) % 2
        shade = 1.0 - 0.35 * (dx * dx)
        base = (150, 160, 110) if gore else (190, 196, 150)
        return tuple(int(c * shade) for c in base) + (255,)
    jumper_y = 52
    if top + ry < y < jumper_y:
        t = (y - (top + ry)) / (jumper_y - (top + ry))
        for edge in (cx - rx + 2, cx - rx / 2, cx + rx / 2, cx + rx - 2):
            lx = edge + (cx - edge) * t
            if abs(x - lx) < 0.6:
                return (60, 60, 60, 200)
    if jumper and jumper_y - 3 <= y <= jumper_y + 9 and abs(x - cx) <= 2.5:
        return (70, 80, 50, 255)
    return (0, 0, 0, 0)


def crate(x, y):
    """A wooden crate with a darker rim and two straps."""
    if not (8 <= x <= 55 and 12 <= y <= 55):
        return (0, 0, 0, 0)
    if x < 11 or x > 52 or y < 15 or y > 52:
        return (90, 60, 30, 255)
    if 22 <= x <= 25 or 38 <= x <= 41:
        return (60, 60, 55, 255)
    grain = 12 if (y // 5) % 2 else 0
    return (160 - grain, 110 - grain, 60 - grain // 2, 255)


def spray(x, y, seed=[12345]):
    """A soft round cloud of spray, denser in the middle, speckled with drops."""
    d = math.hypot(x - 31.5, y - 31.5) / 32.0
    seed[0] = (seed[0] * 1103515245 + 12345) & 0x7FFFFFFF
    speckle = (seed[0] >> 16) % 64
    alpha = max(0.0, 1.0 - d) ** 1.5 * 220 + (speckle if d < 0.9 else 0)
    return (215, 230, 255, min(255, int(alpha)))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, draw in (('fx_KFWS_Canopy.bmp', canopy),
                       ('fx_KFWS_CargoChute.bmp', lambda x, y: canopy(x, y, jumper=False)),
                       ('fx_KFWS_Crate.bmp', crate),
                       ('fx_KFWS_Spray.bmp', spray)):
        write_bmp(os.path.join(out, name),
                  [[draw(x, y) for x in range(SIZE)] for y in range(SIZE)])


if __name__ == '__main__':
    main()
