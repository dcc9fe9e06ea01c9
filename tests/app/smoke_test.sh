#!/usr/bin/env bash
# The program as a user starts it, on a real X server (Xvfb) with no window manager: a window
# with the exact caption appears, centred, at its size, with the WM_CLASS class that the
# desktop file's StartupWMClass names; it closes on request; the process exits with status 0.
# Started again with Qt's own options (a new caption, mirrored layout, a style sheet) and
# --help, it shows the same caption and the very same pixels: the program takes no options.
# Usage: smoke_test.sh QUOTARA X11_CLOSE CAPTION DESKTOP_FILE
set -u
program=$1
closer=$2
caption=$3
desktop_file=$4
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$program" "$closer" "$caption" \
  "$desktop_file" <<'INNER'
program=$1
closer=$2
caption=$3
desktop_file=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")

# run_once PICTURE [OPTIONS...]: starts the program, checks its window, closes it.
run_once() {
  local picture=$1
  shift
  "$program" "$@" &
  local pid=$!
  local report
  report=$("$closer" "$caption" 30 "$picture") || { kill "$pid"; wait "$pid"; return 1; }
  local x y width height screen_width screen_height class
  read -r x y width height screen_width screen_height class <<<"$report"
  echo "window at $x,$y size ${width}x${height} on ${screen_width}x${screen_height}," \
       "class $class, options: ${*:-none}"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after its window was closed"
    kill "$pid"
    return 1
  fi
  wait "$pid"
  local status=$?
  [[ $status -eq 0 ]] || { echo "FAIL: exit status $status"; return 1; }
  [[ $width -eq 389 && $height -eq 494 ]] || { echo "FAIL: client area ${width}x${height}"; return 1; }
  local centre_x=$(( (screen_width - width) / 2 ))
  local centre_y=$(( (screen_height - height) / 2 ))
  if (( x < centre_x - 1 || x > centre_x + 1 || y < centre_y - 1 || y > centre_y + 1 )); then
    echo "FAIL: not centred (expected $centre_x,$centre_y)"
    return 1
  fi
  [[ -n $wm_class && $class == "$wm_class" ]] ||
    { echo "FAIL: WM_CLASS class \"$class\", desktop file says \"$wm_class\""; return 1; }
}

printf 'QWidget { background: red; color: yellow; }\n' >"$work/style.qss"
run_once "$work/plain.ppm" || exit 1
run_once "$work/options.ppm" -qwindowtitle X -reverse -stylesheet "$work/style.qss" --help ||
  { echo "FAIL: with options the window with the exact caption did not come up as usual"; exit 1; }
cmp -s "$work/plain.ppm" "$work/options.ppm" ||
  { echo "FAIL: with options the window looks different"; exit 1; }
echo "PASS"
INNER
