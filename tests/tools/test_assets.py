"""The committed icon and banner match their generators and are well-formed.

Run from the checkout root with Debian's Python, which has Pillow (python3-pil):
/usr/bin/python3 -m unittest discover -s tests/tools
"""

import struct
import subprocess
import sys
import tempfile
import unittest
from io import BytesIO
from pathlib import Path

from PIL import Image

ROOT = Path(__file__).resolve().parents[2]
ASSETS = ROOT / "assets"
sys.path.insert(0, str(ROOT / "tools"))
sys.dont_write_bytecode = True  # keep tools/ free of __pycache__

import make_banner  # noqa: E402
import make_icon  # noqa: E402

THEME_SIZES = tuple(make_icon.THEME_SIZES)
GENERATED = ["banner.gif", "quotara.ico"] + [f"icons/quotara-{s}.png" for s in THEME_SIZES]
CLEAR, BLACK = (0, 0, 0, 0), (0, 0, 0, 255)


def picture(name):
    """A committed image, decoded by Pillow from a copy of its bytes (no file left open)."""
    return Image.open(BytesIO((ASSETS / name).read_bytes()))


def theme_icon(size):
    return picture(f"icons/quotara-{size}.png")


def gif_parts(data):
    """Screen header fields, image descriptors and extension labels, in file order."""
    screen = struct.unpack("<6sHHBBB", data[:13])
    pos = 13 + (3 << ((screen[3] & 7) + 1) if screen[3] & 0x80 else 0)
    images, extensions = [], []
    while data[pos] != 0x3B:
        if data[pos] == 0x2C:
            images.append(struct.unpack("<HHHHB", data[pos + 1:pos + 10]))
            pos += 11  # descriptor and the LZW minimum code size
        else:
            assert data[pos] == 0x21, f"unexpected block 0x{data[pos]:02x}"
            extensions.append(data[pos + 1])
            pos += 2
        while data[pos]:  # data sub-blocks up to the empty one
            pos += 1 + data[pos]
        pos += 1
    return screen, images, extensions


class AssetsTest(unittest.TestCase):
    def assertPixels(self, image, expected):
        """Each pixel of the image is expected(x, y); names the first that is not."""
        pixels = image.load()
        for y in range(image.height):
            for x in range(image.width):
                if pixels[x, y] != expected(x, y):
                    self.fail(f"pixel {x},{y} is {pixels[x, y]}, not {expected(x, y)}")

    def test_generators_reproduce_committed_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            for tool in ("make_banner.py", "make_icon.py"):
                subprocess.run([sys.executable, str(ROOT / "tools" / tool), tmp],
                               check=True, capture_output=True)
            for name in GENERATED:
                with self.subTest(name):
                    self.assertEqual((Path(tmp) / name).read_bytes(),
                                     (ASSETS / name).read_bytes())
            # CMake builds in and installs every icon it finds there: none may be stale.
            self.assertEqual(sorted(p.name for p in (ASSETS / "icons").iterdir()),
                             sorted(p.name for p in (Path(tmp) / "icons").iterdir()))

    def test_banner_layout(self):
        screen, images, extensions = gif_parts((ASSETS / "banner.gif").read_bytes())
        sig, width, height, packed, _, _ = screen
        self.assertEqual((sig, width, height), (b"GIF89a", 350, 50))
        self.assertTrue(packed & 0x80, "no global colour table")
        self.assertEqual(packed & 7, 5)  # 64 entries
        self.assertEqual(len(images), 1)
        self.assertEqual(images[0][:4], (0, 0, 350, 50))
        self.assertEqual(images[0][4] & 0x40, 0x40, "not interlaced")
        self.assertEqual(images[0][4] & 0x80, 0, "local colour table")
        self.assertNotIn(0xF9, extensions, "graphic control extension (transparency)")

    def test_banner_shows_the_rendered_picture_in_its_64_colours(self):
        banner = picture("banner.gif")
        self.assertEqual(len(banner.getpalette()), 64 * 3)
        palette, indices = make_banner.render()
        self.assertPixels(banner.convert("RGB"), lambda x, y: palette[indices[y * 350 + x]])

    def test_theme_icons_are_rgba_squares_at_their_size(self):
        for size in THEME_SIZES:
            with self.subTest(size):
                icon = theme_icon(size)
                self.assertEqual((icon.mode, icon.size), ("RGBA", (size, size)))

    def test_theme_icons_enlarge_the_drawings_by_whole_factors_without_smoothing(self):
        # Each larger icon, read one pixel per factor x factor block, is the 16- or 32-pixel
        # icon itself, and every block is one colour: no blur, no uneven rows or columns.
        for size, base, factor in ((48, 16, 3), (64, 32, 2), (96, 32, 3), (128, 32, 4),
                                   (256, 32, 8)):
            with self.subTest(size):
                small = theme_icon(base).load()
                self.assertPixels(theme_icon(size), lambda x, y: small[x // factor, y // factor])

    def test_small_panel_sizes_frame_the_16_pixel_drawing_in_clear(self):
        small = theme_icon(16).load()
        for size in (22, 24):
            with self.subTest(size):
                margin = (size - 16) // 2
                inside = range(margin, margin + 16)
                self.assertPixels(theme_icon(size), lambda x, y: small[x - margin, y - margin]
                                  if x in inside and y in inside else CLEAR)

    def test_windows_icon_holds_16_colour_and_two_colour_images_with_masks(self):
        data = (ASSETS / "quotara.ico").read_bytes()
        self.assertEqual(struct.unpack("<HHH", data[:6]), (0, 1, 3))
        for i, (size, colours, bpp) in enumerate([(32, 16, 4), (16, 16, 4), (32, 2, 1)]):
            w, h, count, _, planes, bits, _, offset = struct.unpack(
                "<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
            self.assertEqual((w, h, count, planes, bits), (size, size, colours, 1, bpp))
            # A bitmap's height counts its colour image and its mask together.
            self.assertEqual(struct.unpack("<IiiHH", data[offset:offset + 16]),
                             (40, size, 2 * size, 1, bpp))

        # Decoded, mask applied: the 16-colour images are the theme icons of their size, and
        # the two-colour one has the 32-pixel outline, its walls black.
        icon = picture("quotara.ico").ico
        frames = {(e["width"], e["bpp"]): icon.frame(n) for n, e in enumerate(icon.entry)}
        for size in (32, 16):
            with self.subTest(size):
                theme = theme_icon(size).load()
                self.assertPixels(frames[size, 4], lambda x, y: theme[x, y])
        colour, mono = theme_icon(32).load(), frames[32, 1].load()
        for y in range(32):
            for x in range(32):
                self.assertEqual(mono[x, y][3], colour[x, y][3], f"mask at {x},{y}")
                self.assertIn(mono[x, y], (CLEAR, BLACK, (255, 255, 255, 255)), f"{x},{y}")
                if colour[x, y] == BLACK:
                    self.assertEqual(mono[x, y], BLACK, f"wall at {x},{y}")


if __name__ == "__main__":
    unittest.main()
