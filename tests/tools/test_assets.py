"""The committed icon and banner match their generators and are well-formed.

Run from the checkout root: python3 -m unittest discover -s tests/tools
"""

import random
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
RESOURCES = ROOT / "assets"
BANNER = RESOURCES / "banner.gif"
sys.path.insert(0, str(ROOT / "tools"))
sys.dont_write_bytecode = True  # keep tools/ free of __pycache__

import make_banner  # noqa: E402

THEME_SIZES = (16, 22, 24, 32, 48, 64, 96, 128, 256)
ASSETS = ["quotara.ico"] + [f"icons/quotara-{s}.png" for s in THEME_SIZES]


def lzw_decode(data, min_size):
    """Plain GIF LZW decoder, written independently of the encoder."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, pos, prev, width, table = bytearray(), 0, None, min_size + 1, None
    while True:
        chunk = int.from_bytes(data[pos // 8:pos // 8 + 3], "little")
        code = (chunk >> (pos % 8)) & ((1 << width) - 1)
        pos += width
        if code == clear:
            table = [bytes([i]) for i in range(clear)] + [b"", b""]
            width, prev = min_size + 1, None
            continue
        if code == end:
            return bytes(out)
        if code < len(table):
            entry = table[code]
        elif code == len(table) and prev is not None:
            entry = prev + prev[:1]
        else:
            raise ValueError(f"code {code} past the table at bit {pos}")
        if prev is not None and len(table) < 4096:
            table.append(prev + entry[:1])
        if len(table) == 1 << width and width < 12:
            width += 1
        out += entry
        prev = entry


def png_pixels(data):
    """Width and rows of RGBA pixels (4-byte strings) of an 8-bit RGBA PNG whose rows all use
    filter 0, the form the icon generator writes; anything else fails the test."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, header, idat = 8, None, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        assert struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0] == \
            zlib.crc32(kind + body), f"bad CRC in {kind}"
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert (depth, colour, interlace) == (8, 6, 0), "not 8-bit RGBA, non-interlaced"
    raw = zlib.decompress(idat)
    stride = 1 + 4 * width
    assert len(raw) == stride * height
    rows = []
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        assert line[0] == 0, "row filter other than none"
        rows.append([line[1 + 4 * x:5 + 4 * x] for x in range(width)])
    return width, rows


def gif_parts(data):
    """Screen header fields, image descriptors, extension labels, and the first
    image's LZW minimum code size and joined data sub-blocks."""
    screen = struct.unpack("<6sHHBBB", data[:13])
    pos = 13 + (3 << ((screen[3] & 7) + 1) if screen[3] & 0x80 else 0)
    images, extensions, lzw = [], [], None
    while data[pos] != 0x3B:
        is_image = data[pos] == 0x2C
        if not is_image:
            assert data[pos] == 0x21, f"unexpected block 0x{data[pos]:02x}"
            extensions.append(data[pos + 1])
            pos += 2
        else:
            images.append(struct.unpack("<HHHHB", data[pos + 1:pos + 10]))
            min_size = data[pos + 10]
            pos += 11
        blocks = bytearray()
        while data[pos]:
            blocks += data[pos + 1:pos + 1 + data[pos]]
            pos += 1 + data[pos]
        pos += 1
        if is_image and lzw is None:
            lzw = (min_size, bytes(blocks))
    return screen, images, extensions, lzw


class AssetsTest(unittest.TestCase):
    def test_generators_reproduce_committed_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            for tool in ("make_banner.py", "make_icon.py"):
                subprocess.run([sys.executable, str(ROOT / "tools" / tool), tmp],
                               check=True, capture_output=True)
            committed = {name: RESOURCES / name for name in ASSETS}
            committed["banner.gif"] = BANNER
            for name, path in committed.items():
                with self.subTest(name):
                    self.assertEqual((Path(tmp) / name).read_bytes(), path.read_bytes())

    def test_banner_layout(self):
        screen, images, extensions, _ = gif_parts(BANNER.read_bytes())
        sig, width, height, packed, _, _ = screen
        self.assertEqual((sig, width, height), (b"GIF89a", 350, 50))
        self.assertTrue(packed & 0x80, "no global colour table")
        self.assertEqual(packed & 7, 5)  # 64 entries
        self.assertEqual(len(images), 1)
        self.assertEqual(images[0][:4], (0, 0, 350, 50))
        self.assertEqual(images[0][4] & 0x40, 0x40, "not interlaced")
        self.assertEqual(images[0][4] & 0x80, 0, "local colour table")
        self.assertNotIn(0xF9, extensions, "graphic control extension (transparency)")

    def test_banner_decodes_to_the_rendered_rows_in_interlaced_order(self):
        data = BANNER.read_bytes()
        _, _, _, (min_size, lzw) = gif_parts(data)
        self.assertEqual(min_size, 6)
        stored = lzw_decode(lzw, min_size)
        self.assertEqual(len(stored), 350 * 50)
        rows = [stored[i * 350:(i + 1) * 350] for i in range(50)]
        picture = [None] * 50
        for stored_row, y in zip(rows, make_banner.interlaced_rows(50)):
            picture[y] = stored_row
        _, expected = make_banner.render()
        self.assertEqual(b"".join(picture), bytes(expected))
        # Pass order itself, so a wrong interlaced_rows() cannot hide behind render().
        self.assertEqual(make_banner.interlaced_rows(10), [0, 8, 4, 2, 6, 1, 3, 5, 7, 9])

    def test_lzw_round_trip_through_table_resets(self):
        rng = random.Random(7)  # 64 symbols of noise overflow the 4096-code table often
        for data in (bytes(rng.randrange(64) for _ in range(30000)), bytes(5000), b"\x3f"):
            self.assertEqual(lzw_decode(make_banner.lzw_encode(data, 6), 6), data)

    def test_theme_icons_are_square_at_their_size(self):
        for size in THEME_SIZES:
            with self.subTest(size):
                width, rows = png_pixels((RESOURCES / f"icons/quotara-{size}.png").read_bytes())
                self.assertEqual((width, len(rows)), (size, size))

    def test_theme_icons_enlarge_the_drawings_by_whole_factors_without_smoothing(self):
        # Each larger icon, read one pixel per factor x factor block, is the 16- or 32-pixel
        # icon itself, and every block is one colour: no blur, no uneven rows or columns.
        drawn = {s: png_pixels((RESOURCES / f"icons/quotara-{s}.png").read_bytes())[1]
                 for s in THEME_SIZES}
        for size, base, factor in ((48, 16, 3), (64, 32, 2), (96, 32, 3), (128, 32, 4),
                                   (256, 32, 8)):
            with self.subTest(size):
                rows = drawn[size]
                for y in range(size):
                    for x in range(size):
                        self.assertEqual(rows[y][x], drawn[base][y // factor][x // factor],
                                         f"pixel {x},{y}")

    def test_small_panel_sizes_frame_the_16_pixel_drawing_in_clear(self):
        small = png_pixels((RESOURCES / "icons/quotara-16.png").read_bytes())[1]
        for size in (22, 24):
            with self.subTest(size):
                rows = png_pixels((RESOURCES / f"icons/quotara-{size}.png").read_bytes())[1]
                margin = (size - 16) // 2
                for y in range(size):
                    for x in range(size):
                        inside = margin <= x < margin + 16 and margin <= y < margin + 16
                        expected = (small[y - margin][x - margin] if inside
                                    else b"\0\0\0\0")
                        self.assertEqual(rows[y][x], expected, f"pixel {x},{y}")

    def test_icon_directory(self):
        data = (RESOURCES / "quotara.ico").read_bytes()
        self.assertEqual(struct.unpack("<HHH", data[:6]), (0, 1, 3))
        expected = [(32, 16, 4), (16, 16, 4), (32, 2, 1)]
        for i, (size, colours, bpp) in enumerate(expected):
            w, h, count, _, planes, bits, length, offset = struct.unpack(
                "<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
            self.assertEqual((w, h, count, planes, bits), (size, size, colours, 1, bpp))
            self.assertLessEqual(offset + length, len(data))
            hsize, bw, bh, _, bbits = struct.unpack("<IiiHH", data[offset:offset + 16])
            self.assertEqual((hsize, bw, bh, bbits), (40, size, 2 * size, bpp))
            # AND mask is the last block; bottom-up, so its first row is the image's
            # bottom row (plan wall from column 1) and its last the clear top row.
            stride = (size + 31) // 32 * 4
            mask = data[offset + length - size * stride:offset + length]
            self.assertEqual(mask[0] & 0xC0, 0x80)
            top = mask[len(mask) - stride:]
            self.assertEqual(top[:size // 8], b"\xff" * (size // 8))


if __name__ == "__main__":
    unittest.main()
