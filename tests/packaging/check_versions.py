#!/usr/bin/env python3
"""Fails when the release's records disagree: the newest entry of debian/changelog (its upstream
part) must be CMake's project version, and the newest release in the built AppStream metainfo
must carry that version and the changelog entry's date.

Usage: check_versions.py CMAKE_PROJECT_VERSION METAINFO
"""

import email.utils
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

CHANGELOG = Path(__file__).resolve().parents[2] / "debian" / "changelog"


def upstream_version(debian_version):
    """'1:2.5-2' -> '2.5', '2.5~deb11u1' -> '2.5': without the epoch, the Debian revision and
    the mark of a build for an older Debian release."""
    version = debian_version.split(":", 1)[-1]
    version = version.rsplit("-", 1)[0] if "-" in version else version
    return re.sub(r"~deb\d+u\d+$", "", version)


def changelog_release(text):
    """The newest entry's upstream version and its date as YYYY-MM-DD."""
    match = re.match(r"quotara \(([^)\s]+)\) ", text)
    if match is None:
        raise ValueError("the first line of debian/changelog is not a quotara entry")
    trailer = re.search(r"^ -- .*?>  (.+)$", text, re.MULTILINE)
    if trailer is None:
        raise ValueError("the newest entry of debian/changelog has no trailer line")
    date = email.utils.parsedate_to_datetime(trailer.group(1)).date().isoformat()
    return upstream_version(match.group(1)), date


def metainfo_release(text):
    releases = ElementTree.fromstring(text).findall("./releases/release")
    if not releases:
        raise ValueError("the metainfo lists no release")
    return releases[0].get("version"), releases[0].get("date")  # newest first


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    cmake_version, metainfo = argv[1], Path(argv[2])
    version, date = changelog_release(CHANGELOG.read_text("utf-8"))
    found = {
        "debian/changelog": (version, date),
        metainfo.name: metainfo_release(metainfo.read_text("utf-8")),
    }
    wrong = {name: release for name, release in found.items()
             if release != (cmake_version, date)}
    for name, (version, date_found) in wrong.items():
        print(f"FAIL: {name} says {version} of {date_found}; CMake's project version is "
              f"{cmake_version}, the changelog dates it {date}")
    if not wrong:
        print(f"PASS: debian/changelog and the metainfo say {cmake_version} of {date}, as CMake does")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
