#!/usr/bin/python3
"""Regenerates the "Quotara" logo strip, assets/banner.gif.

Usage: make_banner.py [OUTPUT_DIR]     (default: assets)

The lettering comes from the pixel font below; Pillow (Debian's python3-pil,
hence Debian's own Python) writes the GIF.
"""

import os
import sys

from PIL import Image

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


def banner_image():
    """The banner as a palette image: the 64 colours, one index per pixel."""
    palette, pixels = render()
    image = Image.frombytes("P", (WIDTH, HEIGHT), bytes(pixels))
    image.putpalette([level for colour in palette for level in colour])
    return image


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(out_dir, exist_ok=True)
    image = banner_image()
    # Pillow writes GIF87a unless told the picture already is GIF89a.
    image.info["version"] = b"89a"
    path = os.path.join(out_dir, "banner.gif")
    # optimize=False keeps all 64 palette entries, black padding included, in their order.
    image.save(path, "GIF", interlace=True, optimize=False)
    print(os.path.normpath(path))


if __name__ == "__main__":
    main(sys.argv)
