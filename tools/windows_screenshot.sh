#!/usr/bin/env bash
# Regenerates docs/window-windows.png: the Windows program after the worked example, under Wine
# in the tests' prefix (Windows 10's system colours, the CJK faces standing in for 宋体 and 黑体),
# driven by the Windows tests' own road to the worked example. Builds with scripts/windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ${1:-} == --inside ]]; then
  # On the desktop wine_session.sh made: the road pauses after the example for the picture.
  road=$2 program=$3 marker=$4
  touch "$marker"
  "$WINE" "$road" "$program" --pause-for-picture "$marker" &
  for _ in $(seq 300); do
    [[ -e $marker.ready ]] && break
    sleep 0.1
  done
  sleep 1  # the last paint
  window=$(xdotool search --onlyvisible --name "^Quotara v" | head -n 1)
  import -window "$window" docs/window-windows.png
  rm -f "$marker"
  wait
  exit 0
fi
scripts/windows.sh >/dev/null
build="build-windows"
cmake --build "$build" --target window_road >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tests/win32/wine_session.sh "$build/wine" start
tests/win32/wine_session.sh "$build/wine" desktop "$PWD/$0" --inside \
  "$PWD/$build/tests/win32/window_road.exe" "$PWD/$build/app/win32/quotara.exe" "$work/picture"
tests/win32/wine_session.sh "$build/wine" stop
echo "wrote docs/window-windows.png"
