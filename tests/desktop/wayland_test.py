"""Natively on Wayland, under weston's headless backend: the program sets its title and the
desktop file's id as its app id (read from its own protocol log, WAYLAND_DEBUG=client), shows
its window, shows and closes a warning (driven through AT-SPI: the headless compositor has no
keyboard, so it gives no window the focus), prints no warning from the platform plugin and keeps
running.
Usage: wayland_test.py QUOTARA SOURCE_DIR"""
import re
import sys
import time

import session
from session import check, wait_for


def requests(log, name):
    """The arguments of every request of that name the client sent, as written in the log."""
    return re.findall(r"^\[\s*[\d.]+\]\s+->\s+\S+\." + name + r"\((.*)\)$", log, re.MULTILINE)


def main(s):
    import quotara_window as qw

    desktop_id, _ = qw.desktop_file()
    program = s.start_program(platform="wayland", WAYLAND_DEBUG="client")
    wait_for("the window's first frame on the screen",
             lambda: re.search(r"-> wl_surface@\d+\.commit\(\)", program.log())
             and requests(program.log(), "set_app_id") or not program.running(), timeout=15)
    log = program.log()
    check(program.running(), f"the program ended with status {program.process.returncode}")
    check(requests(log, "get_toplevel"), "no xdg toplevel window was made")
    titles = requests(log, "set_title")
    check(titles == [f'"{qw.CAPTION}"'], f"titles set: {titles}, expected {qw.CAPTION!r}")
    app_ids = requests(log, "set_app_id")
    check(app_ids == [f'"{desktop_id}"'], f"app ids set: {app_ids}, expected {desktop_id!r}")

    # A warning, opened and closed with the actions a screen reader invokes.
    import screen_reader as sr
    app = sr.application(program)
    sr.set_text(qw.core(app), "30")
    sr.do_action(qw.calculate_button(app), "Press")
    alert = sr.find(app, "alert", "请输入数字！！", timeout=5)
    sr.do_action(sr.find(alert, "push button", "确定"), "Press")
    wait_for("the warning to close", lambda: sr.fresh(app).childCount == 1, timeout=5)

    # Past its start the program keeps running until it is closed, and says nothing.
    time.sleep(1)
    check(program.running(), f"the program ended with status {program.process.returncode}")
    said = [line for line in program.log().splitlines()
            if line.strip() and not re.match(r"^\[\s*[\d.]+\] ", line)]  # not the protocol log
    check(not said, "the program printed:\n" + "\n".join(said))


if __name__ == "__main__":
    session.run(main, needs=("wayland", "atspi"))
