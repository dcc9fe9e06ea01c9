#!/usr/bin/env bash
# Start-up time of the real window beside a bare Qt window showing the same captions in the same
# faces (bench/startup_probe.cpp built both ways; each quits once painted), timed with hyperfine
# on an X server of their own, in alternating rounds so that both meet the same machine load.
# Prints each one's median and the ratio.
# Usage: bench/startup.sh [QT_MAJOR] [RUNS]   (RUNS of each, in rounds of 10)
#   QT_MAJOR 6 (the default) builds in build/, 5 in build-qt5/; BUILD_DIR names another folder.
set -euo pipefail
cd "$(dirname "$0")/.."
major=${1:-6}
runs=${2:-60}
default_dir=build
[[ $major == 6 ]] || default_dir=build-qt$major
build_dir=${BUILD_DIR:-$default_dir}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -z ${QUOTARA_STARTUP_ON_X:-} ]]; then
  for tool in hyperfine xvfb-run; do
    command -v "$tool" >/dev/null || { echo "startup: $tool is missing; scripts/setup.sh installs it" >&2; exit 1; }
  done
  cmake -S . -B "$build_dir" -DQUOTARA_QT_MAJOR="$major" >/dev/null
  cmake --build "$build_dir" --target startup_probe_real startup_probe_bare >/dev/null
  # A bus that is not there, so that Qt starts none; a screen at 96 dpi, as a desktop reports.
  QUOTARA_STARTUP_ON_X=1 XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/quotara-bench-bus \
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$major" "$runs"
  exit
fi

for round in $(seq $(((runs + 9) / 10))); do
  hyperfine --shell=none --warmup 2 --runs 10 --export-json "$work/round-$round.json" \
    --command-name bare "$build_dir/bench/startup_probe_bare" \
    --command-name real "$build_dir/bench/startup_probe_real" >/dev/null
done

/usr/bin/python3 - "$major" "$work"/round-*.json <<'PY'
import json, statistics, sys
times = {}
for path in sys.argv[2:]:
    for result in json.load(open(path))["results"]:
        times.setdefault(result["command"], []).extend(result["times"])
bare, real = (statistics.median(times[name]) * 1000 for name in ("bare", "real"))
print(f"Qt {sys.argv[1]}: bare {bare:.1f} ms, real {real:.1f} ms (medians of {len(times['real'])}"
      f" runs each), ratio {real / bare:.3f}")
PY
