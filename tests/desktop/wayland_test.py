"""Natively on Wayland, under weston's headless backend: the program sets its title and the
desktop file's id as its app id (read from its own protocol log, WAYLAND_DEBUG=client), shows
its window, shows and closes a warning (driven through AT-SPI: the headless compositor has no
keyboard, so it gives no window the focus), prints no warning from the platform plugin and keeps
running."""
import re
import time
import unittest

import quotara_window as qw
import screen_reader as sr
from session import DesktopTest, wait_for


def requests(log, name):
    """The arguments of every request of that name the client sent, as written in the log."""
    return re.findall(r"^\[\s*[\d.]+\]\s+->\s+\S+\." + name + r"\((.*)\)$", log, re.MULTILINE)


class WaylandTest(DesktopTest):
    NEEDS = ("wayland", "atspi")

    def test_native_window_with_title_and_app_id(self):
        # Desktops match a window to its desktop file by this name.
        self.assertEqual(qw.desktop_file().name, f"{qw.app_id()}.desktop")
        program = self.session.start_program(platform="wayland", WAYLAND_DEBUG="client")
        wait_for("the window's first frame on the screen",
                 lambda: re.search(r"-> wl_surface@\d+\.commit\(\)", program.log())
                 and requests(program.log(), "set_app_id") or not program.running(), timeout=15)
        log = program.log()
        self.assertTrue(program.running(), f"the program ended: {program.process.returncode}")
        self.assertTrue(requests(log, "get_toplevel"), "no xdg toplevel window was made")
        self.assertEqual(requests(log, "set_title"), [f'"{qw.caption()}"'])
        self.assertEqual(requests(log, "set_app_id"), [f'"{qw.app_id()}"'])

        # A warning, opened and closed with the actions a screen reader invokes.
        app = sr.application(program)
        sr.set_text(qw.core(app), "30")
        sr.do_action(qw.calculate_button(app), "Press")
        alert = sr.find(app, "alert", "请输入数字！！", timeout=5)
        sr.do_action(sr.find(alert, "push button", "确定"), "Press")
        wait_for("the warning to close", lambda: sr.fresh(app).childCount == 1, timeout=5)

        # Past its start the program keeps running until it is closed, and says nothing.
        time.sleep(1)
        self.assertTrue(program.running(), f"the program ended: {program.process.returncode}")
        said = [line for line in program.log().splitlines()
                if line.strip() and not re.match(r"^\[\s*[\d.]+\] ", line)]  # not the protocol
        self.assertEqual(said, [], "the program printed")


if __name__ == "__main__":
    unittest.main(verbosity=2)
