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
  # desktop tests: a window manager, a Wayland compositor, a screen reader's view, locales
  openbox weston qt6-wayland dbus at-spi2-core python3-pyatspi python3-xlib locales
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The desktop tests start the program with LC_ALL set to these; glibc takes only generated ones.
locales=(de_DE.UTF-8 en_US.UTF-8 zh_CN.UTF-8)
generate=()
for name in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || generate+=("$name")
done
if [[ ${#generate[@]} -gt 0 ]]; then
  echo "setup: generating the locales ${generate[*]}"
  for name in "${generate[@]}"; do
    "${sudo_cmd[@]}" sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
