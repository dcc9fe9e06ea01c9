#!/usr/bin/python3
"""Regenerates the program icon: assets/quotara.ico and the PNG sizes under
assets/icons/ for the Linux icon theme (hicolor, 16 to 256 pixels).

Usage: make_icon.py [OUTPUT_DIR]     (default: assets)

The picture is a floor plan seen from above: the grey stair-and-lift core in the
middle, one room in each quarter, and a dimension line over the top right. It is
drawn below one character per pixel; Pillow (Debian's python3-pil, hence Debian's
own Python) writes the PNGs.
"""

import os
import struct
import sys

from PIL import Image

# The standard Windows 16-colour palette, in its usual index order.
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Drawing character -> index into VGA. '.' is outside the plan (transparent).
LEGEND = {
    "K": 0,   # walls and the dimension line
    "l": 7,   # core floor
    "d": 8,   # stair treads and lift shaft
    "c": 14,  # top left room
    "C": 6,   # ... its furniture
    "m": 13,  # top right room
    "M": 5,
    "g": 10,  # bottom left room
    "G": 2,
    "r": 9,   # bottom right room
    "R": 1,
}
CLEAR = "."

PLAN_32 = [
    "................................",
    "......................KKKKKKKK..",
    "................................",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
    ".KcccccccccccccKmmmmmmmmmmmmmK..",
    ".KcCCCCCcccccCcKmmmmmmmmmmmmmK..",
    ".KcCcccCcccccCcKmmmmmmMmmmmmmK..",
    ".KcCCCCCcccccCcKmmmmmmmmmmmmmK..",
    ".KcCcccCcccccCcKmmmmmMMMmmmmmK..",
    ".KcCcccCcccccCcKmmmMmMMMmMmmmK..",
    ".KcCcccCcccccccKmmmmmMMMmmmmmK..",
    ".KcCCCCCcccccccKmmmmmmmmmmmmmK..",
    ".KcccccccccccccKmmmmmmMmmmmmmK..",
    ".KcccccccccKKKKKKKKKmmmmmmmmmK..",
    ".KcccccccccKlllllllKmmmmmmmmmK..",
    ".KcccccccccKldldldlKmmmmmmmmmK..",
    ".KcccccccccKldldldlKmmmmmmmmmK..",
    ".KKKKKKKKKKKldldldlKKKKKKKKKKK..",
    ".KgggggggggKldldldlKrrrrrrrrrK..",
    ".KgggggggggKldldldlKrrrrrrRRrK..",
    ".KgggggggggKlllllllKrrrrrrRRrK..",
    ".KgggggggggKKKKKKKKKrrrrrrrrrK..",
    ".KgGgggggggggggKrrrrrrrrrrrrrK..",
    ".KgGgggggggggggKrrrrrrrrrrrrrK..",
    ".KgGgggGGggggggKrrrrrrrrrrrrrK..",
    ".KgGgggGGggggggKrrrrrrrRRRRRrK..",
    ".KgGgggggggggggKrrrrrrrRrrrRrK..",
    ".KgGgggggggggggKrrrrrrrRrrrRrK..",
    ".KgGGGGGgggggggKrrrrrrrRrrrRrK..",
    ".KgggggggggggggKrrrrrrrRRRRRrK..",
    ".KgggggggggggggKrrrrrrrrrrrrrK..",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
]

# Drawn on its own rather than shrunk: at 16 pixels only one mark per room fits.
PLAN_16 = [
    "................",
    "..........KKKK..",
    "................",
    ".KKKKKKKKKKKKK..",
    ".KcccccKmmmmmK..",
    ".KcCcccKmmMMmK..",
    ".KcCcccKmmmmmK..",
    ".KcccKKKKKmmmK..",
    ".KcccKldlKmmmK..",
    ".KKKKKldlKKKKK..",
    ".KgggKldlKrrrK..",
    ".KgggKKKKKrrrK..",
    ".KgggggKrrrRrK..",
    ".KgGGggKrrrRrK..",
    ".KgggggKrrrrrK..",
    ".KKKKKKKKKKKKK..",
]

# The two-colour image keeps walls, core and furniture black and blanks the room
# floors to white, which leaves each room as a black outline.
MONO_BLACK = set("KldCMGR")


def pixels(rows, size):
    """Rows of palette indices, None where transparent; checks the drawing."""
    if len(rows) != size or any(len(r) != size for r in rows):
        raise ValueError(f"drawing is not {size}x{size}")
    out = []
    for r in rows:
        line = []
        for ch in r:
            if ch == CLEAR:
                line.append(None)
            elif ch in LEGEND:
                line.append(LEGEND[ch])
            else:
                raise ValueError(f"unknown drawing character {ch!r}")
        out.append(line)
    return out


def mono(rows):
    """The 32x32 plan in two colours: index 0 black, 1 white."""
    return [[None if ch == CLEAR else (0 if ch in MONO_BLACK else 1) for ch in r]
            for r in rows]


def pack_row(values, bpp):
    """One bottom-up bitmap row, most significant bits first, padded to 32 bits."""
    bits = 0
    for v in values:
        bits = (bits << bpp) | v
    nbits = len(values) * bpp
    stride = (nbits + 31) // 32 * 4
    bits <<= stride * 8 - nbits
    return bits.to_bytes(stride, "big")


# Written here, not by Pillow: Pillow stores an icon's images as PNG, or as bitmaps of 8 bits
# or more with an empty mask, never the 4- and 1-bit bitmaps with a mask this icon holds.
def bmp_image(image, palette, bpp):
    """An icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(image)
    xor = b"".join(pack_row([0 if v is None else v for v in row], bpp)
                   for row in reversed(image))
    mask = b"".join(pack_row([1 if v is None else 0 for v in row], 1)
                    for row in reversed(image))
    # Height counts the XOR bitmap and the AND mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + table + xor + mask


def ico_bytes(entries):
    """entries: (image, palette, bpp) in directory order."""
    blobs = [bmp_image(*e) for e in entries]
    offset = 6 + 16 * len(entries)
    head = struct.pack("<HHH", 0, 1, len(entries))
    directory = b""
    for (image, palette, bpp), blob in zip(entries, blobs):
        size = len(image)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, len(palette) % 256,
                                 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    return head + directory + b"".join(blobs)


def theme_icon(image, palette, factor, margin=0):
    """The image as RGBA, each pixel a factor x factor square, inside a clear margin."""
    size = len(image)
    drawn = Image.new("RGBA", (size, size))  # (0, 0, 0, 0): clear
    drawn.putdata([(0, 0, 0, 0) if v is None else palette[v] + (255,)
                   for row in image for v in row])
    side = size * factor + 2 * margin
    icon = Image.new("RGBA", (side, side))
    icon.paste(drawn.resize((size * factor,) * 2, Image.Resampling.NEAREST), (margin, margin))
    return icon


# The sizes desktops ask for, each as (drawing, whole scale factor, clear margin).
# Whole factors keep every drawn pixel a sharp square; 22 and 24, which no factor
# reaches, frame the 16-pixel drawing in a clear margin, as panel icons often are.
THEME_SIZES = {
    16: ("small", 1, 0),
    22: ("small", 1, 3),
    24: ("small", 1, 4),
    32: ("big", 1, 0),
    48: ("small", 3, 0),
    64: ("big", 2, 0),
    96: ("big", 3, 0),
    128: ("big", 4, 0),
    256: ("big", 8, 0),
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "..", "assets")
    big, small = pixels(PLAN_32, 32), pixels(PLAN_16, 16)
    two = mono(PLAN_32)
    bw = [(0, 0, 0), (255, 255, 255)]

    written = []
    os.makedirs(os.path.join(out_dir, "icons"), exist_ok=True)
    path = os.path.join(out_dir, "quotara.ico")
    with open(path, "wb") as f:
        f.write(ico_bytes([(big, VGA, 4), (small, VGA, 4), (two, bw, 1)]))
    written.append(path)
    drawings = {"small": small, "big": big}
    for size, (drawing, factor, margin) in THEME_SIZES.items():
        path = os.path.join(out_dir, "icons", f"quotara-{size}.png")
        theme_icon(drawings[drawing], VGA, factor, margin).save(path)
        written.append(path)
    for path in written:
        print(os.path.normpath(path))


if __name__ == "__main__":
    main(sys.argv)
