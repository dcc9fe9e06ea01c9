#!/usr/bin/env bash
# Sets up, builds and runs every test: the desktop program's, the Windows edition's, then the web
# edition's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
scripts/setup.sh
scripts/build.sh
ctest --preset "$quotara_preset" -j"$(nproc)"

# The Windows edition, cross-built with mingw-w64: its tests under Wine.
scripts/windows.sh >/dev/null
ctest --preset windows

# The web edition: the toolkit-free unit tests under Node, then the page in Chromium, Firefox
# and WebKit.
scripts/web.sh >/dev/null
ctest --preset web -j"$(nproc)"
QUOTARA_RELEASE=$(realpath "$(preset_binary_dir web)/release.json")
export QUOTARA_RELEASE
(cd tests/web && npm ci --no-audit --no-fund >/dev/null && npm test)
