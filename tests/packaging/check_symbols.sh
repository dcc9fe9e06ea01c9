#!/usr/bin/env bash
# Fails when the program in a built package needs a newer C or C++ runtime than the oldest
# system the package is for, or a shared {fmt}, whose soname differs from release to release.
# The defaults are deepin 20's: glibc 2.28 and GCC 8's libstdc++. Prints what the program needs.
# Usage: check_symbols.sh DEB [GLIBC GLIBCXX CXXABI]
set -euo pipefail
[[ $# -eq 1 || $# -eq 4 ]] || { sed -n 's/^# Usage: //p' "$0" >&2; exit 2; }
deb=$1
declare -A limits=([GLIBC]=${2:-2.28} [GLIBCXX]=${3:-3.4.25} [CXXABI]=${4:-1.3.11})

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
program=$unpacked/usr/bin/quotara
symbols=$(objdump -T "$program")

status=0
for runtime in GLIBC GLIBCXX CXXABI; do
  newest=$(grep -o "\b${runtime}_[0-9][0-9.]*" <<<"$symbols" | sed "s/^${runtime}_//" | sort -uV |
    tail -n 1)
  [[ -n $newest ]] || { echo "symbols: none of $runtime"; continue; }
  limit=${limits[$runtime]}
  if [[ $(printf '%s\n' "$newest" "$limit" | sort -V | tail -n 1) == "$limit" ]]; then
    echo "symbols: ${runtime}_$newest at most, within ${runtime}_$limit"
  else
    echo "FAIL: the program needs ${runtime}_$newest; the oldest system has ${runtime}_$limit"
    status=1
  fi
done
libraries=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
if grep -q '^libfmt' <<<"$libraries"; then
  echo "FAIL: the program needs $(grep '^libfmt' <<<"$libraries"); it should hold {fmt} itself"
  status=1
fi
exit "$status"
