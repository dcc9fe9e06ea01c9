#!/usr/bin/env bash
# Configures and builds Quotara into ${BUILD_DIR:-build}. Extra CMake options go in
# QUOTARA_CMAKE_ARGS (for example -DWERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${QUOTARA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
