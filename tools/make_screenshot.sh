#!/usr/bin/env bash
# Regenerates docs/window.png: the window after a worked example, rendered offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
cmake --build "${BUILD_DIR:-build}" --target window_screenshot >/dev/null
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-build}/tools/window_screenshot" docs/window.png
echo "wrote docs/window.png"
