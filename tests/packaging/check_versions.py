#!/usr/bin/env python3
"""Fails when the package's own records of the release disagree with CMake's project version:
the newest entry of debian/changelog (its upstream part) and the newest release in the
AppStream metainfo.

Usage: check_versions.py CMAKE_PROJECT_VERSION
"""

import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CHANGELOG = ROOT / "debian" / "changelog"
METAINFO = ROOT / "app" / "resources" / "cn.quotara.Quotara.metainfo.xml"


def upstream_version(debian_version):
    """'1:0.97-2' -> '0.97': without the epoch and the Debian revision."""
    version = debian_version.split(":", 1)[-1]
    return version.rsplit("-", 1)[0] if "-" in version else version


def changelog_version(text):
    match = re.match(r"quotara \(([^)\s]+)\) ", text)
    if match is None:
        raise ValueError("the first line of debian/changelog is not a quotara entry")
    return match.group(1)


def metainfo_version(text):
    releases = ElementTree.fromstring(text).findall("./releases/release")
    if not releases:
        raise ValueError("the metainfo lists no release")
    return releases[0].get("version")  # newest first


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    expected = argv[1]
    found = {
        "debian/changelog": upstream_version(changelog_version(CHANGELOG.read_text("utf-8"))),
        METAINFO.name: metainfo_version(METAINFO.read_text("utf-8")),
    }
    wrong = {name: version for name, version in found.items() if version != expected}
    for name, version in wrong.items():
        print(f"FAIL: {name} says {version}, CMake's project version is {expected}")
    if not wrong:
        print(f"PASS: debian/changelog and the metainfo say {expected}, as CMake does")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
