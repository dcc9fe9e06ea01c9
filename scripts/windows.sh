#!/usr/bin/env bash
# Sets up and cross-builds the Windows edition with mingw-w64 (cmake --preset windows, into
# build-windows/), and writes the program dist/quotara.exe and its installer dist/quotara.msi.
# Extra CMake options go in QUOTARA_CMAKE_ARGS. The tests: ctest --preset windows (under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt.sh
install_build_deps windows pkg.quotara.windows

build_dir=build-windows
# shellcheck disable=SC2086
cmake --preset windows ${QUOTARA_CMAKE_ARGS:-} >/dev/null
cmake --build --preset windows
mkdir -p dist
rm -f dist/quotara.exe dist/quotara.msi
# CMake names where it built them (windows-outputs.txt): NAME=FILE lines.
outputs=$build_dir/windows-outputs.txt
declare -A built=()
if [[ -f $outputs ]]; then
  while IFS='=' read -r name file; do built[$name]=$file; done <"$outputs"
fi
for name in quotara.exe quotara.msi; do
  if [[ -z ${built[$name]:-} ]]; then
    echo "windows: no $name: the Win32 program (app/win32/CMakeLists.txt) is not in this tree yet" >&2
    continue
  fi
  cp "${built[$name]}" "dist/$name"
  echo "wrote dist/$name ($(stat -c %s "dist/$name") bytes)"
done
