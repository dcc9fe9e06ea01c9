#!/usr/bin/env bash
# Sets up, builds the web edition with emscripten (CMake's web preset: build-web/) and writes
# the one self-contained page dist/quotara.html. Extra CMake options go in QUOTARA_CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt.sh
source scripts/presets.sh
install_build_deps web pkg.quotara.web
# WebKitGTK takes the browser's language from its locale: the tests run it as a Chinese user's.
generate_locales web zh_CN.UTF-8

# Debian's emscripten finds Node's acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
# shellcheck disable=SC2086
emcmake cmake --preset web -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
  ${QUOTARA_CMAKE_ARGS:-} >/dev/null
cmake --build --preset web -j2
mkdir -p dist
cp "$(preset_binary_dir web)/quotara.html" dist/quotara.html
echo "wrote dist/quotara.html ($(stat -c %s dist/quotara.html) bytes)"
