#!/usr/bin/env bash
# Configures and builds Quotara with the CMake preset QUOTARA_PRESET (default: build/,
# RelWithDebInfo; qt5: build-qt5/). Extra CMake options go in QUOTARA_CMAKE_ARGS (for example
# -DWERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
# shellcheck disable=SC2086
cmake --preset "$quotara_preset" ${QUOTARA_CMAKE_ARGS:-} >/dev/null
cmake --build --preset "$quotara_preset" -j"$(nproc)"
