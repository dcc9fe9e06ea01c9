"""Warnings under a real window manager (openbox on Xvfb): each kind, closed with Enter, with
Escape and with a click on 确定, leaves the focus in the entry it names, and typing goes there
(with no count chosen: on the count buttons). While open, a warning stands over the window and
is modal: clicks on 计算 and 清除 do nothing."""
import unittest

import quotara_window as qw
import screen_reader as sr
from session import X, DesktopTest, wait_for

NOT_A_NUMBER = "请输入数字！！"
TOO_LARGE = "输入的数字太大，无法计算！！"


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


class OpenboxWarningsTest(DesktopTest):
    NEEDS = ("x11", "wm", "atspi")

    def test_warnings_are_modal_and_return_focus_to_entry(self):
        for closing in ("Return", "Escape", "确定"):
            with self.subTest(closing=closing):
                self.closing = closing
                self.program = self.session.start_program()
                try:
                    self.round()
                finally:
                    self.program.stop()

    def round(self):
        """One run of the program, every warning in it closed the same way."""
        s = self.session
        self.wid = wait_for("the program's window",
                            lambda: (s.windows_of(self.program) or [None])[0])
        self.app = app = sr.application(self.program)
        calculate = sr.extents(qw.calculate_button(app))
        clear = sr.extents(qw.clear_button(app))

        # No count chosen: the warning sends the focus to the count buttons.
        sr.set_text(qw.core(app), "30")
        s.click_centre(calculate)
        alert = self.warning(NOT_A_NUMBER)
        self.check_stands_over_the_window_and_is_modal(calculate, clear)
        self.close(alert)
        sr.wait_for_focus(app, "2户", f"closing with {self.closing}")
        s.key("space")
        wait_for("Space to choose 2 households",
                 lambda: "sensitive" in sr.states(sr.fresh(qw.usable(app, 2))), timeout=3)

        # An entry that is not a number.
        for household, value in ((1, "40"), (2, "6O")):
            sr.set_text(qw.usable(app, household), value)
        s.click_centre(calculate)
        self.close(self.warning(NOT_A_NUMBER))
        self.expect_typing_into(qw.usable(app, 2), "1", "6O1")

        # A number too large for single precision.
        sr.set_text(qw.usable(app, 2), "60")
        sr.set_text(qw.usable(app, 1), "1e39")
        s.click_centre(calculate)
        self.close(self.warning(TOO_LARGE))
        self.expect_typing_into(qw.usable(app, 1), "2", "1e392")

    def warning(self, prompt):
        s = self.session
        alert = sr.find(self.app, "alert", prompt, timeout=5)
        self.box = wait_for("the warning's X window",
                            lambda: ([w for w in s.windows_of(self.program)
                                      if w != self.wid] or [None])[0])
        wait_for("the warning to be the active window",
                 lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [self.box])
        return alert

    def check_stands_over_the_window_and_is_modal(self, calculate, clear):
        s, box = self.session, self.box
        transient = s.window(box).get_wm_transient_for()
        self.assertEqual(transient and transient.id, self.wid, "the warning's transient-for")
        wm_state = s.window(box).get_full_property(s.atom("_NET_WM_STATE"), X.AnyPropertyType)
        self.assertIn(s.atom("_NET_WM_STATE_MODAL"), wm_state.value if wm_state else [],
                      "the warning is not marked modal for the window manager")
        stacking = list(s.root_property("_NET_CLIENT_LIST_STACKING"))
        self.assertGreater(stacking.index(box), stacking.index(self.wid),
                           "the warning is under the window")
        self.assertTrue(overlap(s.rectangle(self.wid), s.rectangle(box)),
                        f"the warning at {s.rectangle(box)} is not over the window at "
                        f"{s.rectangle(self.wid)}")

        # Move the warning off the buttons, as a user might, then click them.
        s.client_message(box, "_NET_MOVERESIZE_WINDOW",
                         [(1 << 8) | (1 << 9) | (2 << 12), 760, 620, 0, 0])
        wait_for("the warning to move aside",
                 lambda: not overlap(s.rectangle(box), calculate)
                 and not overlap(s.rectangle(box), clear))
        s.click_centre(calculate)
        s.click_centre(clear)
        sr.settle(0.5)
        alerts = [n for n in sr.descendants(sr.fresh(self.app)) if sr.role(n) == "alert"]
        self.assertEqual(len(alerts), 1, "warnings open after clicking 计算 behind one")
        self.assertEqual(sr.text(qw.core(self.app)), "30",
                         "清除 emptied the fields behind the warning")
        wait_for("the warning to be active again",
                 lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [box])

    def close(self, alert):
        if self.closing == "确定":
            self.session.click_centre(sr.extents(sr.find(alert, "push button", "确定")))
        else:
            self.session.key(self.closing)
        wait_for(f"{self.closing} to close the warning",
                 lambda: self.box not in self.session.client_windows(), timeout=5)

    def expect_typing_into(self, entry, typed, expected):
        sr.wait_for_focus(self.app, entry.name, f"closing with {self.closing}")
        self.session.type(typed)
        wait_for(f"typing to reach {entry.name}", lambda: sr.text(entry) == expected, timeout=3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
