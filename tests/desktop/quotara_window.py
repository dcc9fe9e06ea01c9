"""What the tests expect of the window, and how they find its parts through AT-SPI."""
import configparser
import glob
import os
import re

import screen_reader as sr

CAPTION = "Quotara v0.97 \uff0ddesigned by Tamsel"
SIZE = (389, 494)


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


def desktop_file(source_dir):
    paths = glob.glob(os.path.join(source_dir, "app", "resources", "*.desktop"))
    assert len(paths) == 1, paths
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str  # keys are case-sensitive
    entry.read(paths[0], encoding="utf-8")
    return os.path.basename(paths[0]).removesuffix(".desktop"), entry["Desktop Entry"]


def icon_sizes(source_dir):
    """The sizes of the window icon's images, from the files the program is built with."""
    sizes = set()
    for path in glob.glob(os.path.join(source_dir, "assets", "icons", "quotara-*.png")):
        sizes.add(int(re.search(r"quotara-(\d+)\.png$", path).group(1)))
    return sizes
