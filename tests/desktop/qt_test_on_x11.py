"""Runs a Qt Test program on a fresh X server (Xvfb) at a scale factor, as on a high-DPI screen.
Usage: qt_test_on_x11.py TEST_PROGRAM SOURCE_DIR SCALE_FACTOR"""
import subprocess
import sys

import session
from session import check


def main(s):
    env = dict(s.env, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=sys.argv[3])
    status = subprocess.run([s.program_path], env=env, timeout=60).returncode
    check(status == 0, f"{s.program_path} failed at scale factor {sys.argv[3]}")


if __name__ == "__main__":
    session.run(main, needs=("x11",))
