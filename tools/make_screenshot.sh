#!/usr/bin/env bash
# Regenerates docs/window.png and docs/window@2x.png: the window after a worked example,
# rendered offscreen at scale 1 and at scale 2, as on a high-DPI screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
cmake --build "${BUILD_DIR:-build}" --target window_screenshot >/dev/null
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-build}/tools/window_screenshot" docs/window.png
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "${BUILD_DIR:-build}/tools/window_screenshot" \
  docs/window@2x.png
echo "wrote docs/window.png and docs/window@2x.png"
