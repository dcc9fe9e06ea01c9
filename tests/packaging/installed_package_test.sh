#!/usr/bin/env bash
# The package that scripts/package.sh left in dist/, as a user gets it: installed with apt-get,
# the installed program started (tests/desktop/smoke_test.py, with Qt's options too), the
# installed desktop entry, metainfo, icons and manual pages validated, then purged; fails if any
# file of the package is left. Installs and purges the package system-wide: for CI and test
# machines.
set -euo pipefail
cd "$(dirname "$0")/../.."

deb="dist/quotara_$(dpkg-parsechangelog -SVersion)_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
source scripts/apt.sh
if dpkg-query -W quotara >/dev/null 2>&1; then apt_as_root purge -y -qq quotara >/dev/null; fi
apt_as_root install -y -qq "./$deb" >/dev/null
package_tmp=$(mktemp -d)
trap 'rm -rf "$package_tmp"' EXIT
# The caption and the application id, from CMake as the package's build had them.
source tests/packaging/release_facts.sh
release_facts_configure "$package_tmp/release"
desktop_file=/usr/share/applications/$(release_fact appId).desktop
# Debian's own Python, which has python3-xlib.
QUOTARA_PROGRAM=/usr/bin/quotara QUOTARA_CAPTION="$(release_fact caption)" \
  QUOTARA_DESKTOP_FILE="$desktop_file" /usr/bin/python3 -B tests/desktop/smoke_test.py
# Each check must pass and print nothing (manual pages: no warning on standard error).
out=$(desktop-file-validate "$desktop_file" 2>&1)
[[ -z $out ]] || { echo "FAIL: desktop-file-validate: $out"; exit 1; }
appstreamcli validate --no-net "/usr/share/metainfo/$(release_fact appId).metainfo.xml"
for page in /usr/share/man/man1/quotara.1.gz /usr/share/man/zh_CN/man1/quotara.1.gz; do
  # A Chinese reader's locale is a UTF-8 one.
  out=$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
  [[ -z $out ]] || { echo "FAIL: man $page: $out"; exit 1; }
done
dpkg-query -L quotara >"$package_tmp/files"
# Every icon the package installs is a PNG of its folder's size; 16 and 256 are among them.
python3 - "$package_tmp/files" <<'ICONS'
import re
import struct
import sys
sizes = []
for path in open(sys.argv[1]).read().split():
    match = re.fullmatch(r"/usr/share/icons/hicolor/(\d+)x\1/apps/quotara\.png", path)
    if match is None:
        continue
    with open(path, "rb") as f:
        head = f.read(24)
    size = int(match.group(1))
    assert head[:8] == b"\x89PNG\r\n\x1a\n", f"{path}: not a PNG"
    assert struct.unpack(">II", head[16:24]) == (size, size), f"{path}: not {size}x{size}"
    sizes.append(size)
assert 16 in sizes and 256 in sizes, f"hicolor sizes {sorted(sizes)}"
print("icons: hicolor", " ".join(map(str, sorted(sizes))), "pixels, each its size")
ICONS
apt_as_root purge -y -qq quotara >/dev/null
source tests/packaging/left_after_purge.sh
nothing_left_after_purge "$package_tmp/files" ""
echo "package: installed, ran, validated and purged without a trace"
