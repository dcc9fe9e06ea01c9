"""The program as a user starts it, on a real X server (Xvfb) with no window manager: a window
with the exact caption appears, centred, at its size, with the WM_CLASS class that the desktop
file's StartupWMClass names; it closes on request; the process exits with status 0. Started
again with Qt's own options (a new caption, mirrored layout, a style sheet) and --help, it shows
the same caption and the very same pixels: the program takes no options.
The installed-package check runs it too, against the installed program and desktop file."""
import os
import tempfile
import unittest

import quotara_window as qw
from session import DesktopTest, wait_for


class SmokeTest(DesktopTest):
    def test_program_starts_ignores_options_and_closes(self):
        plain = self.start_and_close()
        with tempfile.TemporaryDirectory() as folder:
            style = os.path.join(folder, "style.qss")
            with open(style, "w") as sheet:
                sheet.write("QWidget { background: red; color: yellow; }\n")
            with_options = self.start_and_close("-qwindowtitle", "X", "-reverse",
                                                "-stylesheet", style, "--help")
        self.assertTrue(plain == with_options, "with options the window looks different")

    def start_and_close(self, *options):
        """Starts the program, checks its window, closes it; returns the window's pixels."""
        s = self.session
        program = s.start_program(*options)
        wid = wait_for(f"a window titled {qw.caption()!r}, options: {options or 'none'}",
                       lambda: s.window_titled(qw.caption()), timeout=30)
        x, y, width, height = s.rectangle(wid)
        self.assertEqual((width, height), qw.SIZE, "the window's size")
        screen = s.x.screen()
        centre = ((screen.width_in_pixels - width) // 2, (screen.height_in_pixels - height) // 2)
        self.assertLessEqual(max(abs(x - centre[0]), abs(y - centre[1])), 1,
                             f"the window at {x},{y} is not centred at {centre}")
        self.assertEqual(s.window(wid).get_wm_class()[1], qw.desktop_entry()["StartupWMClass"],
                         "WM_CLASS class and the desktop file's StartupWMClass")
        pixels = s.picture(wid)
        s.close(wid)
        self.assertEqual(program.wait(timeout=10), 0, "exit status after the window closed")
        return pixels


if __name__ == "__main__":
    unittest.main(verbosity=2)
