"""What the tests expect of the window, and how they find its parts through AT-SPI. What the
build decides (the caption, the application id, the desktop file) comes from the caller."""
import configparser
import re
from pathlib import Path

import screen_reader as sr
from session import given

SIZE = (389, 494)
ICONS = Path(__file__).resolve().parents[2] / "assets" / "icons"


def caption():
    return given("QUOTARA_CAPTION")


def app_id():
    return given("QUOTARA_APP_ID")


def desktop_file():
    return Path(given("QUOTARA_DESKTOP_FILE"))


def desktop_entry():
    """The desktop file's [Desktop Entry] group, keys as written."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    if not entry.read(desktop_file(), encoding="utf-8"):
        raise AssertionError(f"no desktop file at {desktop_file()}")
    return entry["Desktop Entry"]


def icon_sizes():
    """The sizes of the window icon's images, from the files the program is built with."""
    return {int(re.fullmatch(r"quotara-(\d+)\.png", path.name).group(1))
            for path in ICONS.glob("quotara-*.png")}


def core(app):
    return sr.find(app, "text", "核心部分面积")


def usable(app, household):
    return sr.find(app, "text", f"第{household}户使用面积")


def building(app, household):
    return sr.find(app, "text", f"第{household}户建筑面积")


def total(app):
    return sr.find(app, "text", "总面积")


def rate(app):
    return sr.find(app, "text", "使用率（百分比）")


def count_button(app, count):
    return sr.find(app, "radio button", f"{count}户")


def calculate_button(app):
    return sr.find(app, "push button", "计算")


def clear_button(app):
    return sr.find(app, "push button", "清除")
