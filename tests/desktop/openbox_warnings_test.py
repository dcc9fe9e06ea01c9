"""Warnings under a real window manager (openbox on Xvfb): each kind, closed with Enter, with
Escape and with a click on 确定, leaves the focus in the entry it names, and typing goes there
(with no count chosen: on the count buttons). While open, a warning stands over the window and
is modal: clicks on 计算 and 清除 do nothing.
Usage: openbox_warnings_test.py QUOTARA SOURCE_DIR"""
import session
from session import check, wait_for

NOT_A_NUMBER = "请输入数字！！"
TOO_LARGE = "输入的数字太大，无法计算！！"


def main(s):
    for closing in ("Return", "Escape", "确定"):
        Round(s, closing).run()


class Round:
    """One run of the program, every warning in it closed the same way."""

    def __init__(self, s, closing):
        self.s = s
        self.closing = closing

    def run(self):
        import quotara_window as qw
        import screen_reader as sr

        s = self.s
        self.program = s.start_program()
        self.wid = wait_for("the program's window",
                            lambda: (s.windows_of(self.program) or [None])[0])
        self.app = app = sr.application(self.program)
        calculate = sr.extents(qw.calculate_button(app))
        clear = sr.extents(qw.clear_button(app))

        # No count chosen: the warning sends the focus to the count buttons.
        sr.set_text(qw.core(app), "30")
        s.click_centre(calculate)
        alert = self.warning(NOT_A_NUMBER)
        self.check_stands_over_the_window_and_is_modal(alert, calculate, clear)
        self.close(alert)
        self.expect_focus("2户")
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
        self.program.process.terminate()

    def warning(self, prompt):
        import screen_reader as sr

        alert = sr.find(self.app, "alert", prompt, timeout=5)
        self.box = wait_for("the warning's X window",
                            lambda: ([w for w in self.s.windows_of(self.program)
                                      if w != self.wid] or [None])[0])
        wait_for("the warning to be the active window",
                 lambda: list(self.s.root_property("_NET_ACTIVE_WINDOW")) == [self.box])
        return alert

    def check_stands_over_the_window_and_is_modal(self, alert, calculate, clear):
        import quotara_window as qw
        import screen_reader as sr
        from Xlib import X

        s, box = self.s, self.box
        transient = s.window(box).get_wm_transient_for()
        check(transient is not None and transient.id == self.wid,
              "the warning is not transient for the window")
        wm_state = s.window(box).get_full_property(s.atom("_NET_WM_STATE"), X.AnyPropertyType)
        check(wm_state is not None and s.atom("_NET_WM_STATE_MODAL") in wm_state.value,
              "the warning is not marked modal for the window manager")
        stacking = list(s.root_property("_NET_CLIENT_LIST_STACKING"))
        check(stacking.index(box) > stacking.index(self.wid), "the warning is under the window")
        window_box = _rectangle(s, self.wid)
        warning_box = _rectangle(s, box)
        check(_overlap(window_box, warning_box), f"the warning at {warning_box} is not over the "
                                                 f"window at {window_box}")

        # Move the warning off the buttons, as a user might, then click them.
        s.client_message(box, "_NET_MOVERESIZE_WINDOW", [(1 << 8) | (1 << 9) | (2 << 12), 760,
                                                         620, 0, 0])
        wait_for("the warning to move aside", lambda: not _overlap(_rectangle(s, box), calculate)
                 and not _overlap(_rectangle(s, box), clear))
        s.click_centre(calculate)
        s.click_centre(clear)
        sr.settle(0.5)
        alerts = [n for n in sr.descendants(sr.fresh(self.app)) if sr.role(n) == "alert"]
        check(len(alerts) == 1, f"{len(alerts)} warnings open after clicking 计算 behind one")
        check(sr.text(qw.core(self.app)) == "30", "清除 emptied the fields behind the warning")
        wait_for("the warning to be active again",
                 lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [box])

    def close(self, alert):
        import screen_reader as sr

        if self.closing == "确定":
            self.s.click_centre(sr.extents(sr.find(alert, "push button", "确定")))
        else:
            self.s.key(self.closing)
        wait_for(f"{self.closing} to close the warning",
                 lambda: self.box not in self.s.client_windows(), timeout=5)

    def expect_focus(self, name):
        import screen_reader as sr

        def on_it():
            focus = sr.focused(self.app)
            return focus is not None and focus.name == name

        try:
            wait_for(f"the focus on {name}", on_it, timeout=3)
        except session.TestFailure:
            focus = sr.focused(self.app)
            raise session.TestFailure(
                f"after closing with {self.closing} the focus is on "
                f"{focus.name if focus else None!r}, not on {name!r}")

    def expect_typing_into(self, entry, typed, expected):
        import screen_reader as sr

        self.expect_focus(entry.name)
        self.s.type(typed)
        wait_for(f"typing to reach {entry.name}", lambda: sr.text(entry) == expected, timeout=3)


def _rectangle(s, wid):
    geometry = s.window(wid).get_geometry()
    origin = s.window(wid).translate_coords(s.x.screen().root, 0, 0)
    return (-origin.x, -origin.y, geometry.width, geometry.height)


def _overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


if __name__ == "__main__":
    session.run(main, needs=("x11", "wm", "atspi"))
