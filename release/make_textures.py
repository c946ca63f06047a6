#!/usr/bin/env python3
"""Draws the effect bitmaps of KFWS_Airdrop into a folder, in the form real effect bitmaps
take: 128x128 BMP files of 32 bits per pixel (blue, green, red, alpha; bottom-up rows;
BITMAPINFOHEADER, no compression), then the 20-byte FS70 block that announces the mip
levels, the top image at offset 74 and the full chain of mip levels down to 1x1 after it.
Each bitmap is an atlas of four 64x64 quarters holding the same picture: the effects
address one quarter (uv 0.00 to 0.50), as real atlases are addressed, and whichever
quarter the simulator takes, and whichever way up, it is the right picture.
Usage: make_textures.py OUTDIR"""
import math
import os
import struct
import sys

CELL = 64            # one picture
SIZE = 2 * CELL      # the atlas: two pictures a side
HEADER = 14 + 40 + 20


def mip_chain(pixels):
    """The top image and each half-size level after it down to 1x1. A level's pixel is
    the mean of the four below it, colours weighted by alpha, so that clear pixels do not
    darken the edges of a picture."""
    levels = [pixels]
    while len(levels[-1]) > 1:
        top = levels[-1]
        half = []
        for y in range(0, len(top), 2):
            row = []
            for x in range(0, len(top[0]), 2):
                quad = (top[y][x], top[y][x + 1], top[y + 1][x], top[y + 1][x + 1])
                alpha = sum(p[3] for p in quad)
                colour = tuple((sum(p[c] * p[3] for p in quad) + alpha // 2) // alpha if alpha else 0
                               for c in range(3))
                row.append(colour + ((alpha + 2) // 4,))
            half.append(row)
        levels.append(half)
    return levels


def write_bmp(path, pixels):
    """pixels: SIZE rows top first, each SIZE (r, g, b, a) tuples."""
    levels = mip_chain(pixels)
    data = bytearray()
    for level in levels:
        for row in reversed(level):
            for r, g, b, a in row:
                data += bytes((b, g, r, a))
    header = struct.pack('<2sIHHI', b'BM', HEADER + len(data), 0, 0, HEADER)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 32, 0, SIZE * SIZE * 4, 2835, 2835, 0, 0)
    # FS70, its own size, flags and a value we have no use for (0), the extra mip levels.
    fs70 = struct.pack('<4sIIII', b'FS70', 20, 0, 0, len(levels) - 1)
    with open(path, 'wb') as out:
        out.write(header + info + fs70 + data)


def atlas(draw):
    """The picture drawn once and laid into all four quarters."""
    cell = [[draw(x, y) for x in range(CELL)] for y in range(CELL)]
    return [cell[y % CELL] * 2 for y in range(SIZE)]


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
        write_bmp(os.path.join(out, name), atlas(draw))


if __name__ == '__main__':
    main()
