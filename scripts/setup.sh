#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package that building, testing and running Quotara
# need. Quiet and quick when they are all present already.
set -euo pipefail

packages=(
  # build
  g++ cmake make clang clang-format libclang-rt-14-dev
  # number text: text to single and single to exponent text
  libfast-float-dev libfmt-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev python3 xvfb xauth libx11-dev
  # the window: Qt, Qt's own Chinese texts, and Chinese Song (serif) and Hei (sans) faces
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
