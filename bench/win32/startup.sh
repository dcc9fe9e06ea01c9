#!/usr/bin/env bash
# Start-up time of a Windows window beside the bare one (bare_window.exe: the window's captions
# in the same faces, nothing else), under Wine on an X server of their own with openbox. Both
# programs must quit once they have painted their first frame. A wineserver is kept running for
# the whole measurement, so that Wine's own start (half a second) is not counted, only the
# programs'. They take turns, two runs each, so that each pair meets the same machine load.
# Prints the medians of wall time and the ratio (the median of the rounds' ratios); the aim is a
# real window at most 1.10 times the bare one.
# Usage: bench/win32/startup.sh PROBE.exe [RUNS]
#   PROBE.exe is the real window's probe; RUNS for each program (default 60). The bare window
#   is built with the windows preset (build-windows/).
set -euo pipefail

# Inside the Wine session (see below): bench/win32/startup.sh --inside BARE PROBE RUNS WORK.
if [[ ${1:-} == --inside ]]; then
  bare=$2 probe=$3 runs=$4 work=$5
  "$WINESERVER" -p
  # The first start sets up the desktop and warms the file caches for both.
  "$WINE" "$bare" >/dev/null 2>&1
  "$WINE" "$probe" >/dev/null 2>&1
  for round in $(seq $(((runs + 1) / 2))); do
    hyperfine --shell=none --runs 2 --export-json "$work/round-$round.json" \
      --command-name bare "$WINE $bare" --command-name real "$WINE $probe" >/dev/null
  done
  exit 0
fi

[[ $# -ge 1 && $# -le 2 ]] || { sed -n 's/^# Usage: //p' "$0" >&2; exit 2; }
probe=$(realpath "$1")
runs=${2:-60}
[[ -f $probe ]] || { echo "startup: no $probe" >&2; exit 1; }
script=$(realpath "$0")
cd "$(dirname "$0")/../.."
for tool in hyperfine Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing; scripts/setup.sh and scripts/windows.sh install it" >&2; exit 1; }
done
[[ $probe != *" "* && $PWD != *" "* ]] || { echo "startup: hyperfine splits the commands at spaces: no spaces in their paths" >&2; exit 1; }
cmake --preset windows >/dev/null
cmake --build --preset windows --target bare_window >/dev/null
bare=$PWD/build-windows/bench/win32/bare_window.exe

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tests' prefix, with its font replacements; the session stops everything it started.
tests/win32/wine_session.sh build-windows/wine desktop "$script" --inside "$bare" "$probe" "$runs" "$work"

/usr/bin/python3 - "$work"/round-*.json <<'PY'
import json, statistics, sys
wall, ratios = {"bare": [], "real": []}, []
for path in sys.argv[1:]:
    results = {r["command"]: r for r in json.load(open(path))["results"]}
    for name, r in results.items():
        wall[name] += r["times"]
    ratios.append(statistics.median(results["real"]["times"]) /
                  statistics.median(results["bare"]["times"]))
print(f"Wine, {len(wall['real'])} runs each   wall (median)")
for name in ("bare", "real"):
    print(f"  {name:5}{statistics.median(wall[name]) * 1000:19.1f} ms")
print(f"  ratio{statistics.median(ratios):19.3f}   (aim: at most 1.10)")
PY
