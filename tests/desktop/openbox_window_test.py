"""Under a real window manager (openbox on Xvfb), seen through X11: the title bar's text, the
window active with the focus on the first count button, a size that cannot change, the icon
and class the desktop uses, minimising and restoring with everything typed kept, and closing.
Usage: openbox_window_test.py QUOTARA SOURCE_DIR"""
import sys

import session
from session import check, wait_for


def main(s):
    import quotara_window as qw
    import screen_reader as sr
    from Xlib import X

    program = s.start_program()
    wid = wait_for("the program's window", lambda: (s.windows_of(program) or [None])[0])
    app = sr.application(program)

    title = s.utf8_property(wid, "_NET_WM_NAME")
    check(title == qw.CAPTION, f"title {title!r}, expected {qw.CAPTION!r}")
    shown = s.utf8_property(wid, "_NET_WM_VISIBLE_NAME")
    check(shown in (None, qw.CAPTION), f"openbox shows the title as {shown!r}")

    wait_for("the window to be active", lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [wid])
    start_focus = wait_for("a focused control", lambda: sr.focused(app))
    check(start_focus.name == "2户", f"the focus starts on {start_focus.name!r}, not on Option2")
    check("checked" not in sr.states(start_focus), "Option2 is chosen at start")

    hints = s.window(wid).get_wm_normal_hints()
    check((hints.min_width, hints.min_height) == qw.SIZE == (hints.max_width, hints.max_height),
          f"size hints min {hints.min_width}x{hints.min_height} max "
          f"{hints.max_width}x{hints.max_height}, expected both {qw.SIZE}")
    allowed = set(s.window(wid).get_full_property(s.atom("_NET_WM_ALLOWED_ACTIONS"),
                                                  X.AnyPropertyType).value)
    check(s.atom("_NET_WM_ACTION_RESIZE") not in allowed, "openbox offers to resize the window")
    # A pager's request to resize: the window manager must keep the size.
    s.client_message(wid, "_NET_MOVERESIZE_WINDOW", [(1 << 10) | (1 << 11) | (2 << 12), 0, 0,
                                                     600, 700])
    sr.settle()
    geometry = s.window(wid).get_geometry()
    check((geometry.width, geometry.height) == qw.SIZE,
          f"the window became {geometry.width}x{geometry.height}")

    icon = list(s.window(wid).get_full_property(s.atom("_NET_WM_ICON"), X.AnyPropertyType).value)
    sizes, opaque = set(), True
    while icon:
        width, height = icon[0], icon[1]
        pixels = icon[2:2 + width * height]
        sizes.add(width if width == height else (width, height))
        opaque = opaque and any(pixel >> 24 for pixel in pixels)
        icon = icon[2 + width * height:]
    expected_sizes = qw.icon_sizes(sys.argv[2])
    check(sizes == expected_sizes, f"_NET_WM_ICON sizes {sorted(sizes)}, "
                                   f"expected {sorted(expected_sizes)}")
    check(opaque, "an image in _NET_WM_ICON is wholly transparent")

    _, entry = qw.desktop_file()
    instance, wm_class = s.window(wid).get_wm_class()
    check(wm_class == entry["StartupWMClass"],
          f"WM_CLASS class {wm_class!r}, the desktop file says {entry['StartupWMClass']!r}")

    # Type into the core-area entry with the keyboard, minimise, restore, and type on.
    s.key("Tab")
    wait_for("the focus on the core-area entry", lambda: sr.focused(app).name == "核心部分面积")
    s.type("30")
    wm_state = s.atom("WM_STATE")

    def state():
        value = s.window(wid).get_full_property(wm_state, wm_state)
        return value.value[0] if value is not None else None

    s.client_message(wid, "WM_CHANGE_STATE", [3])  # IconicState
    wait_for("the window to be minimised", lambda: state() == 3)
    check(s.window(wid).get_attributes().map_state == X.IsUnmapped, "minimised but still shown")
    s.client_message(wid, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime, 0])
    wait_for("the window to be restored", lambda: state() == 1)
    wait_for("the restored window to be active",
             lambda: list(s.root_property("_NET_ACTIVE_WINDOW")) == [wid])
    wait_for("the focus back on the core-area entry",
             lambda: (sr.focused(app) or app).name == "核心部分面积")
    s.type("5")
    wait_for("the typing to reach the entry", lambda: sr.text(qw.core(app)) == "305", timeout=3)
    check(program.running(), "the program ended")

    # The window manager's close button ends the program at once, with status 0.
    s.client_message(wid, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])
    wait_for("the program to end", lambda: not program.running(), timeout=10)
    check(program.process.returncode == 0, f"exit status {program.process.returncode}:\n"
                                           f"{program.log()[-2000:]}")


if __name__ == "__main__":
    session.run(main, needs=("x11", "wm", "atspi"))
