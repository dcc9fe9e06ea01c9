#!/usr/bin/env bash
# Sets up, builds the web edition with emscripten into ${WEB_BUILD_DIR:-build-web} and writes
# the one self-contained page dist/quotara.html. Extra CMake options go in QUOTARA_CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt.sh
install_build_deps web pkg.quotara.web
# WebKitGTK takes the browser's language from its locale: the tests run it as a Chinese user's.
generate_locales web zh_CN.UTF-8

# Debian's emscripten finds Node's acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
build_dir=${WEB_BUILD_DIR:-build-web}
# shellcheck disable=SC2086
emcmake cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
  -DQUOTARA_BUILD_GUI=OFF -DQUOTARA_BUILD_BENCH=OFF -DQUOTARA_BUILD_WEB=ON \
  ${QUOTARA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j2
mkdir -p dist
cp "$build_dir/quotara.html" dist/quotara.html
echo "wrote dist/quotara.html ($(stat -c %s dist/quotara.html) bytes)"
