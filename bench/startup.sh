#!/usr/bin/env bash
# Start-up time of the real window beside a bare Qt window showing the same captions in the same
# faces (bench/startup_probe.cpp built both ways; each quits once painted), timed with hyperfine
# on an X server of their own. They take turns, two runs each, so that each pair meets the same
# machine load. Prints the medians of wall time, the mean CPU times, and their ratios; the wall
# ratio is the median of the rounds' ratios.
# Usage: bench/startup.sh [QT_MAJOR] [RUNS]
#   QT_MAJOR 6 (the default) builds in build/, 5 in build-qt5/; BUILD_DIR names another folder.
set -euo pipefail
cd "$(dirname "$0")/.."
major=${1:-6}
runs=${2:-60}
default_dir=build
[[ $major == 6 ]] || default_dir=build-qt$major
build_dir=${BUILD_DIR:-$default_dir}
for tool in hyperfine Xvfb; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing; scripts/setup.sh installs it" >&2; exit 1; }
done
cmake -S . -B "$build_dir" -DQUOTARA_QT_MAJOR="$major" >/dev/null
cmake --build "$build_dir" --target startup_probe_real startup_probe_bare >/dev/null
bare=$build_dir/bench/startup_probe_bare
real=$build_dir/bench/startup_probe_real

work=$(mktemp -d)
# An X server on a display it picks itself (a fixed or guessed number may collide with another
# test's), at 96 dpi as a desktop reports a screen it does not scale.
Xvfb -displayfd 1 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=:$(<"$work/display")
# A bus that is not there, so that Qt starts none.
export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
  DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/quotara-bench-bus

"$bare" && "$real"  # the file caches warmed for both
for round in $(seq $(((runs + 1) / 2))); do
  hyperfine --shell=none --runs 2 --export-json "$work/round-$round.json" \
    --command-name bare "$bare" --command-name real "$real" >/dev/null
done

/usr/bin/python3 - "$major" "$work"/round-*.json <<'PY'
import json, statistics, sys
wall, cpu, ratios = {"bare": [], "real": []}, {"bare": [], "real": []}, []
for path in sys.argv[2:]:
    results = {r["command"]: r for r in json.load(open(path))["results"]}
    for name, r in results.items():
        wall[name] += r["times"]
        cpu[name].append(r["user"] + r["system"])
    ratios.append(statistics.median(results["real"]["times"]) /
                  statistics.median(results["bare"]["times"]))
ms = {name: (statistics.median(wall[name]) * 1000, statistics.mean(cpu[name]) * 1000)
      for name in wall}
print(f"Qt {sys.argv[1]}, {len(wall['real'])} runs each   wall (median)   CPU (mean)")
for name in ("bare", "real"):
    print(f"  {name:5}{ms[name][0]:19.1f} ms{ms[name][1]:12.1f} ms")
print(f"  ratio{statistics.median(ratios):19.3f}{ms['real'][1] / ms['bare'][1]:15.3f}")
PY
