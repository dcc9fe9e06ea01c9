#!/usr/bin/env bash
# Checks a Windows program file as it ships: it imports only DLLs that every Windows from 7 SP1
# on has (no MinGW runtime DLL that a user's machine lacks) and none of the functions, newer than
# Windows 7, that a static runtime or a direct call may bring in (Windows 7 would refuse to start
# the program), is under 1 MiB, and carries an icon, its version information and a manifest.
# Given a VERSION, the version information must name it as the product's version (what
# Explorer's Details tab shows).
# Usage: check_exe.sh PROGRAM.exe [VERSION]
set -euo pipefail
[[ $# -eq 1 || $# -eq 2 ]] || { echo "usage: $0 PROGRAM.exe [VERSION]" >&2; exit 2; }
exe=$1
version=${2:-}
[[ -f $exe ]] || { echo "FAIL: no file $exe" >&2; exit 1; }
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
failures=0
fail() {
  echo "FAIL: $exe: $*"
  failures=$((failures + 1))
}

# Windows' own DLLs, present on every installation; msvcrt is the C runtime mingw-w64 links.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll advapi32.dll shell32.dll ole32.dll
  oleaut32.dll comdlg32.dll msvcrt.dll shlwapi.dll uxtheme.dll winspool.drv imm32.dll
  version.dll ws2_32.dll oleacc.dll "
imports=$("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
[[ -n $imports ]] || fail "no import table (not a Windows program?)"
while read -r dll; do
  [[ -z $dll || $system_dlls == *" ${dll,,}"[[:space:]]* ]] || fail "imports $dll"
done <<<"$imports"

# Windows 8 and later: to be looked up with GetProcAddress, never imported.
newer_functions=" GetSystemTimePreciseAsFileTime CreateFile2 WaitOnAddress WakeByAddressSingle
  WakeByAddressAll GetCurrentThreadStackLimits SetThreadDescription GetThreadDescription
  PrefetchVirtualMemory DiscardVirtualMemory GetOverlappedResultEx GetDpiForWindow
  GetDpiForSystem GetSystemMetricsForDpi AdjustWindowRectExForDpi SystemParametersInfoForDpi
  SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext
  GetWindowDpiAwarenessContext AreDpiAwarenessContextsEqual EnableNonClientDpiScaling
  GetDpiForMonitor SetProcessDpiAwareness GetProcessDpiAwareness "
functions=$("$objdump" -p "$exe" | awk -F'\t' '/^\tDLL Name:/ { inside = 1; next }
  inside && NF >= 3 && $3 ~ /^ *[0-9]+  / { split($3, f, " "); print f[2] }')
while read -r function; do
  [[ -z $function || $newer_functions != *" $function"[[:space:]]* ]] ||
    fail "imports $function, which Windows 7 lacks"
done <<<"$functions"

size=$(stat -c %s "$exe")
((size < 1024 * 1024)) || fail "$size bytes, 1 MiB or more"

# wrestool's types: 14 the group icon (what Explorer shows), 16 version, 24 the manifest.
resources=$(wrestool -l "$exe" 2>&1) || fail "wrestool cannot read it: $resources"
for pair in "14:icon" "16:version information" "24:manifest"; do
  grep -q -- "--type=${pair%%:*} " <<<"$resources" || fail "no ${pair#*:} resource"
done

if [[ -n $version ]] && grep -q -- "--type=16 " <<<"$resources"; then
  # The strings of the version block, one a line: each key is followed by its value.
  product_version=$(wrestool -x --raw --type=16 "$exe" | iconv -f UTF-16LE -t UTF-8 -c |
    tr -c '[:print:]' '\n' | grep -v '^$' | grep -A1 -x ProductVersion | sed -n 2p)
  [[ $product_version == "$version" ]] || fail "product version '$product_version', not $version"
fi

if ((failures == 0)); then
  echo "$exe: imports $(tr '\n' ' ' <<<"$imports"); $size bytes; icon, version, manifest"
fi
((failures == 0))
