#!/usr/bin/env bash
# Regenerates docs/window.png and docs/window@2x.png: the window after a worked example,
# rendered offscreen at scale 1 and at scale 2, as on a high-DPI screen; and docs/report.png,
# the top of the A4 page of that example's calculation sheet saved as a PDF, at 96 dpi.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
scripts/setup.sh
scripts/build.sh >/dev/null
build_dir=$(preset_binary_dir "$quotara_preset")
cmake --build "$build_dir" --target window_screenshot >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A screen at 96 dpi, as a desktop reports one it does not scale: Qt 5's offscreen platform
# reports 100 and would scale the window by 100/96. The print plugin sits beside the program in
# the build tree.
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 QT_PLUGIN_PATH=$PWD/$build_dir/app
"$build_dir/tools/window_screenshot" docs/window.png "$work/sheet.pdf"
QT_SCALE_FACTOR=2 "$build_dir/tools/window_screenshot" docs/window@2x.png
pdftoppm -png -r 96 -singlefile -x 0 -y 0 -W 794 -H 540 "$work/sheet.pdf" docs/report
echo "wrote docs/window.png, docs/window@2x.png and docs/report.png"
