#!/usr/bin/env python3
"""Regenerates the "Quotara" logo strip, assets/banner.gif.

Usage: make_banner.py [OUTPUT_DIR]     (default: assets)

Standard library only, so the asset can be rebuilt on a bare machine. The
lettering comes from the pixel font below; the GIF encoder (LZW included) is
written out here because the standard library has none.
"""

import os
import struct
import sys

WIDTH, HEIGHT = 350, 50

GROUND = (255, 204, 51)  # golden yellow
SHADOW = (255, 153, 0)   # orange
INK = (204, 0, 0)        # dark red

CELL = 2     # screen pixels per font cell
SUB = 4      # samples per pixel along each axis, for the anti-aliased edges
DEPTH = 3    # length of the orange extrusion towards the bottom right, in pixels
GAP = 3      # font cells between letters
CAP_ROWS = 17  # rows 0-16 stand on the baseline; the rows below hold the Q's tail

# Bold geometric letters, three cells per stroke. Square corners are fine here:
# the renderer bevels every outer corner and fills every inner one, which turns
# the stair steps into smooth diagonals.
FONT = {
    "Q": [
        ".....#######........",
        "....#########.......",
        "...###########......",
        "..####.....####.....",
        ".####.......####....",
        "####.........####...",
        "###...........###...",
        "###...........###...",
        "###...........###...",
        "###...........###...",
        "###.....####..###...",
        "####.....########...",
        ".####.....######....",
        "..####.....####.....",
        "...#############....",
        "....#############...",
        ".....#######..####..",
        "...............####.",
        "................####",
        ".................###",
    ],
    "u": [
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "####...####",
        ".##########",
        "..#########",
        "...########",
        "...........",
        "...........",
        "...........",
    ],
    "o": [
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "...#####...",
        "..#######..",
        ".#########.",
        "####...####",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "####...####",
        ".#########.",
        "..#######..",
        "...#####...",
        "...........",
        "...........",
        "...........",
    ],
    "t": [
        ".........",
        "..###....",
        "..###....",
        "..###....",
        "..###....",
        "#########",
        "#########",
        "..###....",
        "..###....",
        "..###....",
        "..###....",
        "..###....",
        "..###....",
        "..###....",
        "..####...",
        "...######",
        "....#####",
        ".........",
        ".........",
        ".........",
    ],
    "a": [
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "...########",
        "..#########",
        ".##########",
        "####...####",
        "###.....###",
        "###.....###",
        "###.....###",
        "###.....###",
        "####...####",
        ".##########",
        "..#########",
        "...########",
        "...........",
        "...........",
        "...........",
    ],
    "r": [
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "###..####",
        "###.#####",
        "#######..",
        "#####....",
        "####.....",
        "###......",
        "###......",
        "###......",
        "###......",
        "###......",
        "###......",
        "###......",
        ".........",
        ".........",
        ".........",
    ],
}


def text_cells(text):
    """The whole line as one grid of booleans, letters GAP cells apart."""
    rows = len(FONT[text[0]])
    grid = [[] for _ in range(rows)]
    for n, ch in enumerate(text):
        glyph = FONT[ch]
        if len(glyph) != rows or len({len(r) for r in glyph}) != 1:
            raise ValueError(f"glyph {ch!r} is not a {rows}-row rectangle")
        for y in range(rows):
            if n:
                grid[y].extend([False] * GAP)
            grid[y].extend(c == "#" for c in glyph[y])
    return grid


def smoothed(grid):
    """Coverage test for a point in cell units, with bevelled corners.

    A filled cell loses the corner triangle where both neighbours along that
    corner are empty; an empty cell gains it where both are filled. On the
    three-cell-wide strokes this turns each stair step into a 45-degree edge.
    """
    h, w = len(grid), len(grid[0])

    def filled(x, y):
        return 0 <= x < w and 0 <= y < h and grid[y][x]

    def inside(u, v):
        x, y = int(u // 1), int(v // 1)
        fu, fv = u - x, v - y
        me = filled(x, y)
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
            du = fu if dx < 0 else 1 - fu
            dv = fv if dy < 0 else 1 - fv
            if du + dv >= 0.5:
                continue
            side, upright = filled(x + dx, y), filled(x, y + dy)
            if me and not side and not upright:
                return False
            if not me and side and upright:
                return True
        return me

    return inside


def render():
    """Row-major palette indices for the banner, top row first."""
    text = "Quotara"
    grid = text_cells(text)
    inside = smoothed(grid)
    cols = len(grid[0])
    ink_w = cols * CELL + DEPTH
    ink_h = CAP_ROWS * CELL + DEPTH
    # Centre on the letters standing on the baseline; the Q's tail may hang below.
    left = (WIDTH - ink_w) // 2
    top = (HEIGHT - ink_h) // 2
    if top + len(grid) * CELL + DEPTH > HEIGHT:
        raise ValueError("lettering does not fit the banner")

    sw, sh = WIDTH * SUB, HEIGHT * SUB
    face = [bytearray(sw) for _ in range(sh)]
    for sy in range(sh):
        v = ((sy + 0.5) / SUB - top) / CELL
        if not 0 <= v < len(grid):
            continue
        row = face[sy]
        for sx in range(sw):
            u = ((sx + 0.5) / SUB - left) / CELL
            if 0 <= u < cols and inside(u, v):
                row[sx] = 1

    # The extrusion: samples within DEPTH pixels diagonally below-right of the face.
    reach = DEPTH * SUB
    far = reach + 1
    dist = [[far] * sw for _ in range(sh)]
    layer = [bytearray(sw) for _ in range(sh)]  # 0 ground, 1 orange, 2 red
    for sy in range(sh):
        for sx in range(sw):
            if face[sy][sx]:
                dist[sy][sx] = 0
                layer[sy][sx] = 2
            elif sy and sx:
                d = min(dist[sy - 1][sx - 1] + 1, far)
                dist[sy][sx] = d
                if d <= reach:
                    layer[sy][sx] = 1

    palette, mixes = build_palette()
    pixels = bytearray(WIDTH * HEIGHT)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            counts = [0, 0, 0]
            for sy in range(y * SUB, y * SUB + SUB):
                row = layer[sy]
                for sx in range(x * SUB, x * SUB + SUB):
                    counts[row[sx]] += 1
            pixels[y * WIDTH + x] = nearest_mix(mixes, counts)
    return palette, pixels


def build_palette():
    """64 colours: the three pure ones, blends between them, black padding.

    Mixes are kept as sample counts (ground, orange, red) out of SUB*SUB, so a
    pixel is matched by how much of each layer it covers, not by RGB distance.
    """
    total = SUB * SUB
    mixes = [(total, 0, 0), (0, total, 0), (0, 0, total)]
    for a, b in ((0, 1), (1, 2), (0, 2)):  # pairwise edges in 1/16 steps
        for k in range(1, total):
            m = [0, 0, 0]
            m[a], m[b] = total - k, k
            mixes.append(tuple(m))
    third = total / 6  # three-way blends on a coarser sixths lattice
    for i in range(1, 5):
        for j in range(1, 6 - i):
            m = (i * third, j * third, (6 - i - j) * third)
            mixes.append(m)
    palette = []
    for g, o, r in mixes:
        palette.append(tuple(round((g * c0 + o * c1 + r * c2) / total)
                             for c0, c1, c2 in zip(GROUND, SHADOW, INK)))
    palette += [(0, 0, 0)] * (64 - len(palette))
    assert len(palette) == 64
    return palette, mixes


def nearest_mix(mixes, counts):
    best, best_d = 0, None
    for i, m in enumerate(mixes):
        d = sum((p - q) ** 2 for p, q in zip(m, counts))
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def interlaced_rows(height):
    """Row numbers in the order a GIF with the interlace flag stores them."""
    order = []
    for start, step in ((0, 8), (4, 8), (2, 4), (1, 2)):
        order.extend(range(start, height, step))
    return order


def lzw_encode(data, min_size):
    """Variable-width GIF LZW, least significant bit first, clear code up front."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out = bytearray()
    acc = nbits = 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    prefix = b""
    for byte in data:
        grown = prefix + bytes([byte])
        if grown in table:
            prefix = grown
            continue
        emit(table[prefix], width)
        if next_code < 4096:
            table[grown] = next_code
            next_code += 1
            # The decoder adds this entry one code later, so it widens when the
            # table holds more than 2**width codes, not when it holds exactly that.
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        prefix = bytes([byte])
    if prefix:
        emit(table[prefix], width)
    emit(end, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif_bytes(palette, pixels):
    size_field = 5  # 2 ** (5 + 1) = 64 table entries
    head = b"GIF89a" + struct.pack("<HHBBB", WIDTH, HEIGHT,
                                   0x80 | (7 << 4) | size_field, 0, 0)
    table = b"".join(bytes(c) for c in palette)
    stored = b"".join(pixels[y * WIDTH:(y + 1) * WIDTH]
                      for y in interlaced_rows(HEIGHT))
    min_size = 6
    data = lzw_encode(stored, min_size)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0x40)
    return head + table + image + bytes([min_size]) + blocks + b"\x00" + b"\x3b"


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(out_dir, exist_ok=True)
    palette, pixels = render()
    path = os.path.join(out_dir, "banner.gif")
    with open(path, "wb") as f:
        f.write(gif_bytes(palette, pixels))
    print(os.path.normpath(path))


if __name__ == "__main__":
    main(sys.argv)
