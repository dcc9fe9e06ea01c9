#!/usr/bin/env bash
# Regenerates docs/window.png and docs/window@2x.png: the window after a worked example,
# rendered offscreen at scale 1 and at scale 2, as on a high-DPI screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
cmake --build "${BUILD_DIR:-build}" --target window_screenshot >/dev/null
# A screen at 96 dpi, as a desktop reports one it does not scale: Qt 5's offscreen platform
# reports 100 and would scale the window by 100/96.
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96
"${BUILD_DIR:-build}/tools/window_screenshot" docs/window.png
QT_SCALE_FACTOR=2 "${BUILD_DIR:-build}/tools/window_screenshot" docs/window@2x.png
echo "wrote docs/window.png and docs/window@2x.png"
