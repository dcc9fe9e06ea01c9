#!/usr/bin/env bash
# The one Wine environment the Windows tests run in: a prefix of the build's own in DIR, never
# the user's, with the Chinese font replacements the window's faces need.
#
# Usage: wine_session.sh DIR ACTION [ARGUMENTS...]
#   start              prepares the prefix (the first time: about 10 s) and starts a wineserver
#                      that stays while the tests run, so each program starts in tens of
#                      milliseconds rather than half a second (CTest's setup fixture)
#   stop               ends every process of the prefix and its server, and fails if one of
#                      them still runs then (CTest's cleanup fixture)
#   run PROGRAM ARGS   runs one Windows program in the prefix with no display: the console tests
#                      (CMake's cross-compiling emulator)
#   desktop COMMAND    runs COMMAND on an X server of its own (Xvfb, on a display it picks
#                      itself) with openbox as window manager, and stops the server, the window
#                      manager and every Windows process of the prefix afterwards, even on
#                      failure. A COMMAND ending in .exe runs under Wine; any other runs as it
#                      is, with WINE (the loader), WINEPREFIX and DISPLAY set for it.
# Layout of DIR: prefix/ (WINEPREFIX), home/ (HOME), logs of the servers and the set-up, and
# session while a CTest run keeps the server.
set -euo pipefail

usage() {
  echo "usage: $0 DIR start|stop|run PROGRAM [ARG...]|desktop COMMAND [ARG...]" >&2
  exit 2
}
[[ $# -ge 2 ]] || usage
dir=$1
action=$2
shift 2
mkdir -p "$dir/home"
dir=$(realpath "$dir")

# Debian's wine64 package installs the loader outside PATH; the wine package adds the names.
WINE=${WINE:-$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)}
WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}
[[ -x $WINE ]] || { echo "wine_session: no Wine loader (install wine64)" >&2; exit 1; }
# No Mono or Gecko prompts, nothing written into the user's menus, no debug chatter. A UTF-8
# locale: under LANG=C Wine stores the Chinese registry names it is given garbled.
export WINE WINESERVER WINEPREFIX=$dir/prefix WINEARCH=win64 WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" HOME=$dir/home LANG=C.UTF-8
unset LC_ALL DISPLAY WAYLAND_DISPLAY

# The faces the window asks for, which no Debian font carries: 宋体 in the serif, 黑体 in the
# monospaced sans, which like SimHei sets spaces and Latin letters half a character wide: the
# total-area frame's caption places its two headings with spaces.
replacements=(
  "宋体=Noto Serif CJK SC" "SimSun=Noto Serif CJK SC"
  "新宋体=Noto Serif CJK SC" "NSimSun=Noto Serif CJK SC"
  "黑体=Noto Sans Mono CJK SC" "SimHei=Noto Sans Mono CJK SC"
)

windows_colors=("Scrollbar=200 200 200" "Menu=240 240 240" "MenuBar=240 240 240"
  "Window=255 255 255" "ButtonFace=240 240 240")

# A prefix is made once, under a lock, since CTest may start several programs at a time.
prepare_prefix() {
  [[ -e $WINEPREFIX/.quotara-ready ]] && return 0
  exec {lock}>"$dir/lock"
  flock "$lock"
  if [[ ! -e $WINEPREFIX/.quotara-ready ]]; then
    rm -rf "$WINEPREFIX"
    # Output to a file: Wine's services would hold a pipe open for as long as they run.
    "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1
    local pair
    for pair in "${replacements[@]}"; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ \
        /d "${pair#*=}" /f >>"$dir/wineboot.log" 2>&1
    done
    # Windows 10's own system colours in place of Wine's theme, which makes the scroll bar,
    # menu and window colours all white: the window's fields show the greys users see.
    for pair in "${windows_colors[@]}"; do
      "$WINE" reg add 'HKCU\Control Panel\Colors' /v "${pair%%=*}" /t REG_SZ \
        /d "${pair#*=}" /f >>"$dir/wineboot.log" 2>&1
    done
    # The registry reaches the disk when the server ends.
    "$WINESERVER" -w
    touch "$WINEPREFIX/.quotara-ready"
  fi
  flock -u "$lock"
}

# Ends every process of the prefix and then its server, and waits until it has gone.
stop_server() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
}

# A server that stays 30 s after its last program ends: a run cut short leaves nothing behind
# for long. Wine's own services start with the first program and inherit its output: started
# here, they hold no test's output pipe open (CTest would wait for them).
start_server() {
  # A server left by a run cut short would refuse the persistence asked for.
  stop_server
  "$WINESERVER" -p30 </dev/null >/dev/null 2>&1
  "$WINE" wineboot </dev/null >/dev/null 2>&1
}

# Kills the process with that id, if it is still ours, and waits for it.
end_process() {
  [[ -n ${1:-} ]] || return 0
  kill "$1" 2>/dev/null || return 0
  wait "$1" 2>/dev/null || true
}

# Starts Xvfb on a free display it reports itself, at 96 dpi, and openbox on it.
xvfb_pid='' openbox_pid=''
start_desktop() {
  local display_file=$dir/display.$$
  rm -f "$display_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$display_file" \
    >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [[ -s $display_file ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  [[ -s $display_file ]] || { cat "$dir/xvfb.log" >&2; return 1; }
  DISPLAY=:$(<"$display_file")
  rm -f "$display_file"
  export DISPLAY
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  openbox_pid=$!
  # openbox owns the screen's window manager selection once it is ready.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "wine_session: openbox did not start" >&2
  cat "$dir/openbox.log" >&2
  return 1
}

command_pid=''
stop_desktop() {
  end_process "$command_pid"
  # The Windows processes first, while their X server is still there to say goodbye to.
  stop_server
  end_process "$openbox_pid"
  end_process "$xvfb_pid"
  # Inside CTest's fixture the console tests after this one find a server running again.
  if [[ -e $dir/session ]]; then
    unset DISPLAY
    start_server
  fi
}

case $action in
  start)
    prepare_prefix
    start_server
    touch "$dir/session"
    ;;
  stop)
    rm -f "$dir/session"
    [[ -d $WINEPREFIX ]] || exit 0
    stop_server
    # Nothing of the prefix may outlive the tests: a Windows process still running here is one
    # the server could not end.
    left=()
    for environ in /proc/[0-9]*/environ; do
      pid=${environ#/proc/}
      pid=${pid%/environ}
      [[ $pid != "$$" && $(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null) != Z ]] || continue
      if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
        left+=("$pid $({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null)")
      fi
    done
    if [[ ${#left[@]} -gt 0 ]]; then
      printf 'wine_session: still running after the tests: %s\n' "${left[@]}" >&2
      exit 1
    fi
    ;;
  run)
    [[ $# -ge 1 ]] || usage
    prepare_prefix
    exec "$WINE" "$@"
    ;;
  desktop)
    [[ $# -ge 1 ]] || usage
    prepare_prefix
    # A server started without a display would hand its windows to none.
    stop_server
    trap stop_desktop EXIT
    # CTest ends a test that runs out of time with a signal: stop everything then too.
    trap 'exit 143' TERM
    trap 'exit 130' INT
    start_desktop
    [[ ${1,,} != *.exe ]] || set -- "$WINE" "$@"
    # In the background, so that a signal is acted on at once rather than when it ends.
    "$@" &
    command_pid=$!
    status=0
    wait "$command_pid" || status=$?
    command_pid=''
    exit "$status"
    ;;
  *) usage ;;
esac
