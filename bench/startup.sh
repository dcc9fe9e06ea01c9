#!/usr/bin/env bash
# Start-up time and memory of the real window beside a bare window set in the same fonts (both
# built from bench/startup_probe.cpp, each quitting once painted), on an X server of its own.
# Prints each one's median wall time, CPU time and peak memory (RSS), and the ratios.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
runs=${2:-60}
for tool in hyperfine xvfb-run python3; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing (apt-get install ${tool/xvfb-run/xvfb})" >&2; exit 1; }
done
cmake --build "$build_dir" --target startup_probe_real startup_probe_bare >/dev/null
real=$build_dir/bench/startup_probe_real
bare=$build_dir/bench/startup_probe_bare

if [[ -z ${QUOTARA_STARTUP_ON_X:-} ]]; then
  # Names a bus that is not there, so that Qt starts none, and a private runtime folder.
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  QUOTARA_STARTUP_ON_X=1 XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/quotara-bench-bus \
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build_dir" "$runs"
  exit
fi

json=$XDG_RUNTIME_DIR/times.json
hyperfine --shell=none --warmup 5 --runs "$runs" --export-json "$json" \
  --command-name bare "$bare" --command-name real "$real" >/dev/null
# Peak memory, alternating the two so that both see the same machine.
for _ in $(seq 15); do
  for name in bare real; do
    probe=$bare
    [[ $name == real ]] && probe=$real
    /usr/bin/time -f "$name %M" -a -o "$XDG_RUNTIME_DIR/rss" "$probe"
  done
done

python3 - "$json" "$XDG_RUNTIME_DIR/rss" <<'PY'
import json, statistics, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
rss = {}
for line in open(sys.argv[2]):
    name, kib = line.split()
    rss.setdefault(name, []).append(int(kib))
def row(name):
    r = results[name]
    # hyperfine gives each run's wall time, but only the mean user and system times.
    return (statistics.median(r["times"]) * 1000, (r["user"] + r["system"]) * 1000,
            statistics.median(rss[name]) / 1024)
bare, real = row("bare"), row("real")
print(f"{'':6}{'wall ms':>10}{'CPU ms':>10}{'RSS MiB':>10}   (medians; CPU a mean)")
for name, values in (("bare", bare), ("real", real)):
    print(f"{name:6}" + "".join(f"{v:10.1f}" for v in values))
print(f"{'ratio':6}" + "".join(f"{r / b:10.2f}" for r, b in zip(real, bare)))
PY
