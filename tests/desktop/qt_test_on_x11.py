"""Runs a Qt Test program (QUOTARA_PROGRAM) on a fresh X server (Xvfb) at the scale factor in
QUOTARA_SCALE_FACTOR, as on a high-DPI screen."""
import unittest

from session import DesktopTest, given


class QtTestOnX11(DesktopTest):
    def test_qt_test_passes_at_scale_factor(self):
        factor = given("QUOTARA_SCALE_FACTOR")
        status = self.session.start_program(QT_SCALE_FACTOR=factor).wait(timeout=60)
        self.assertEqual(status, 0, f"failed at scale factor {factor}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
