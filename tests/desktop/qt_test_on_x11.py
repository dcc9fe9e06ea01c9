"""Runs a Qt Test program (QUOTARA_PROGRAM) on a fresh X server (Xvfb), scaled as on a high-DPI
screen by QUOTARA_SCALE_FACTOR: through Qt's QT_SCALE_FACTOR, or, with QUOTARA_FONT_DPI set,
through the desktop's font dpi in the X resources, as KDE and GNOME scale."""
import os
import unittest

from session import DesktopTest, given


class QtTestOnX11(DesktopTest):
    def test_qt_test_passes_at_scale_factor(self):
        factor = given("QUOTARA_SCALE_FACTOR")
        scaling = {"QT_SCALE_FACTOR": factor}
        if os.environ.get("QUOTARA_FONT_DPI"):
            self.session.set_font_dpi(os.environ["QUOTARA_FONT_DPI"])
            scaling = {}
        status = self.session.start_program(QUOTARA_SCALE_FACTOR=factor, **scaling).wait(timeout=60)
        self.assertEqual(status, 0, f"failed at scale factor {factor}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
