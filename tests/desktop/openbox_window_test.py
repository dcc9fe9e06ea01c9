"""Under a real window manager (openbox on Xvfb), seen through X11: the title bar's text, the
window active with the focus on the first count button, a size that cannot change, the icon
and class the desktop uses, minimising and restoring with everything typed kept, and closing."""
import unittest

import quotara_window as qw
import screen_reader as sr
from session import X, DesktopTest, wait_for


class OpenboxWindowTest(DesktopTest):
    NEEDS = ("x11", "wm", "atspi")

    def test_titled_fixed_window_with_icon_class_and_focus(self):
        s = self.session
        program = s.start_program()
        wid = wait_for("the program's window", lambda: (s.windows_of(program) or [None])[0])
        window = s.window(wid)
        app = sr.application(program)

        self.assertEqual(s.utf8_property(wid, "_NET_WM_NAME"), qw.caption())
        self.assertIn(s.utf8_property(wid, "_NET_WM_VISIBLE_NAME"), (None, qw.caption()),
                      "openbox shows another title")

        wait_for("the window to be active",
                 lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [wid])
        start_focus = wait_for("a focused control", lambda: sr.focused(app))
        self.assertEqual(start_focus.name, "2户", "the focus at start")
        self.assertNotIn("checked", sr.states(start_focus), "Option2 is chosen at start")

        hints = window.get_wm_normal_hints()
        self.assertEqual([(hints.min_width, hints.min_height), (hints.max_width, hints.max_height)],
                         [qw.SIZE, qw.SIZE], "size hints min and max")
        allowed = window.get_full_property(s.atom("_NET_WM_ALLOWED_ACTIONS"), X.AnyPropertyType)
        self.assertNotIn(s.atom("_NET_WM_ACTION_RESIZE"), allowed.value,
                         "openbox offers to resize the window")
        # A pager's request to resize: the window manager must keep the size.
        s.client_message(wid, "_NET_MOVERESIZE_WINDOW",
                         [(1 << 10) | (1 << 11) | (2 << 12), 0, 0, 600, 700])
        sr.settle()
        self.assertEqual(s.rectangle(wid)[2:], qw.SIZE, "the size after a request to resize")

        icon = list(window.get_full_property(s.atom("_NET_WM_ICON"), X.AnyPropertyType).value)
        sizes = set()
        while icon:
            width, height = icon[0], icon[1]
            pixels, icon = icon[2:2 + width * height], icon[2 + width * height:]
            sizes.add(width if width == height else (width, height))
            self.assertTrue(any(pixel >> 24 for pixel in pixels),
                            f"the {width}x{height} image in _NET_WM_ICON is wholly transparent")
        self.assertEqual(sizes, qw.icon_sizes(), "_NET_WM_ICON sizes")
        self.assertEqual(window.get_wm_class()[1], qw.desktop_entry()["StartupWMClass"],
                         "WM_CLASS class and the desktop file's StartupWMClass")

        # Type into the core-area entry with the keyboard, minimise, restore, and type on.
        s.key("Tab")
        sr.wait_for_focus(app, "核心部分面积", "Tab")
        s.type("30")
        wm_state = s.atom("WM_STATE")

        def state():
            value = window.get_full_property(wm_state, wm_state)
            return value.value[0] if value is not None else None

        s.client_message(wid, "WM_CHANGE_STATE", [3])  # IconicState
        wait_for("the window to be minimised", lambda: state() == 3)
        self.assertEqual(window.get_attributes().map_state, X.IsUnmapped,
                         "minimised but still shown")
        s.client_message(wid, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime, 0])
        wait_for("the window to be restored", lambda: state() == 1)
        wait_for("the restored window to be active",
                 lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [wid])
        sr.wait_for_focus(app, "核心部分面积", "restoring")
        s.type("5")
        wait_for("the typing to reach the entry", lambda: sr.text(qw.core(app)) == "305",
                 timeout=3)
        self.assertTrue(program.running(), "the program ended")

        # The window manager's close button ends the program at once, with status 0.
        s.client_message(wid, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])
        self.assertEqual(program.wait(timeout=10), 0, program.log()[-2000:])


if __name__ == "__main__":
    unittest.main(verbosity=2)
