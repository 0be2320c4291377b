#!/usr/bin/env python3
"""Draws the pictures of the shipped program folder.

The fast-info panel's backgrounds, data/InfoBackQ1.gif, InfoBackQ2.gif and
InfoBackQ3.gif, are drawn here from a few shapes and written as GIF89a
files by the small encoder below; only the Python standard library is
used. The panel writes coloured captions over them (white, yellow, red,
green, cyan, magenta and blue), so every picture stays dark: no pixel is
brighter than MAX_LEVEL on any channel.

    python3 scripts/make_pictures.py            # writes into data/
    python3 scripts/make_pictures.py --check    # exit 1 if data/ differs
"""

import math
import pathlib
import struct
import sys

WIDTH, HEIGHT = 243, 200  # the panel's size in the main window
MAX_LEVEL = 72
DATA = pathlib.Path(__file__).resolve().parent.parent / "data"


def clamp(value):
    return max(0, min(MAX_LEVEL, int(round(value))))


def mix(a, b, t):
    return tuple(clamp(x + (y - x) * t) for x, y in zip(a, b))


def quake1(x, y):
    """Brown stone: a vertical gradient, mortar lines between blocks and a
    faint rune circle."""
    colour = mix((40, 28, 20), (16, 11, 8), y / HEIGHT)
    row = y // 25
    if y % 25 == 0 or (x + (row % 2) * 30) % 60 == 0:
        colour = mix(colour, (6, 4, 3), 0.7)
    r = math.hypot(x - WIDTH / 2, y - HEIGHT / 2)
    if abs(r - 70) < 1.2 or abs(r - 58) < 0.8:
        colour = mix(colour, (64, 44, 26), 0.5)
    return colour


def quake2(x, y):
    """Green-grey metal plates with seams and rivets."""
    colour = mix((30, 34, 26), (12, 14, 11), (x + y) / (WIDTH + HEIGHT))
    if y % 50 == 0 or x % 81 == 0:
        colour = mix(colour, (4, 5, 4), 0.8)
    elif y % 50 == 1 or x % 81 == 1:
        colour = mix(colour, (48, 54, 40), 0.5)
    if (x % 81 - 6) ** 2 + (y % 50 - 6) ** 2 <= 3:
        colour = (56, 60, 48)
    return colour


def quake3(x, y):
    """Dark red fading to deep blue, with the arcs of a ring behind."""
    colour = mix((44, 10, 12), (10, 10, 30), x / WIDTH)
    colour = mix(colour, (6, 4, 8), y / HEIGHT * 0.6)
    r = math.hypot(x - WIDTH * 0.72, y - HEIGHT * 0.55)
    if 52 < r < 60 or 34 < r < 37:
        colour = mix(colour, (70, 24, 20), 0.35)
    return colour


PICTURES = {"InfoBackQ1.gif": quake1, "InfoBackQ2.gif": quake2, "InfoBackQ3.gif": quake3}


def quantise(pixels):
    """Maps the colours to at most 256 palette entries: exact when there are
    few, otherwise by dropping low bits until they fit."""
    shift = 0
    while True:
        reduced = [tuple((c >> shift) << shift for c in p) for p in pixels]
        palette = sorted(set(reduced))
        if len(palette) <= 256:
            index = {c: i for i, c in enumerate(palette)}
            return palette, [index[p] for p in reduced]
        shift += 1


def lzw(indices, min_code_size):
    """GIF's variable-length LZW: codes packed least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    current = ()
    for value in indices:
        candidate = current + (value,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        current = (value,)
    if current:
        emit(table[current], size)
    emit(end, size)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(width, height, pixels):
    palette, indices = quantise(pixels)
    depth = max(1, (len(palette) - 1).bit_length())
    colours = palette + [(0, 0, 0)] * ((1 << depth) - len(palette))
    data = lzw(indices, max(2, depth))
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (depth - 1), 0, 0)
            + b"".join(bytes(c) for c in colours)
            + b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
            + bytes([max(2, depth)]) + blocks + b"\x00;")


def draw(painter):
    return gif(WIDTH, HEIGHT, [painter(x, y) for y in range(HEIGHT) for x in range(WIDTH)])


def main(argv):
    check = "--check" in argv
    stale = []
    for name, painter in PICTURES.items():
        path = DATA / name
        picture = draw(painter)
        if check:
            if not path.exists() or path.read_bytes() != picture:
                stale.append(name)
        else:
            path.write_bytes(picture)
            print("wrote", path)
    if stale:
        print("out of date:", ", ".join(stale), "(run scripts/make_pictures.py)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
