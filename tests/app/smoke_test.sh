#!/usr/bin/env bash
# The built program as a user starts it, on a real X server (Xvfb) with no window manager: a
# window with the exact caption appears, centred, at its size; it closes on request; the
# process exits with status 0.
# Usage: smoke_test.sh QUOTARA X11_CLOSE
set -u
program=$1
closer=$2
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$program" "$closer" <<'INNER'
program=$1
closer=$2
"$program" &
pid=$!
geometry=$("$closer" "Quotara v0.97 －designed by Tamsel" 30) || { kill "$pid"; exit 1; }
read -r x y width height screen_width screen_height <<<"$geometry"
echo "window at $x,$y size ${width}x${height} on ${screen_width}x${screen_height}"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program did not end after its window was closed"
  kill "$pid"
  exit 1
fi
wait "$pid"
status=$?
[[ $status -eq 0 ]] || { echo "FAIL: exit status $status"; exit 1; }
[[ $width -eq 389 && $height -eq 494 ]] || { echo "FAIL: client area ${width}x${height}"; exit 1; }
centre_x=$(( (screen_width - width) / 2 ))
centre_y=$(( (screen_height - height) / 2 ))
if (( x < centre_x - 1 || x > centre_x + 1 || y < centre_y - 1 || y > centre_y + 1 )); then
  echo "FAIL: not centred (expected $centre_x,$centre_y)"
  exit 1
fi
echo "PASS"
INNER
