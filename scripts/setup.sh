#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package that building, testing and running Quotara
# need. Quiet and quick when they are all present already.
set -euo pipefail

packages=(
  # build
  g++ cmake make clang clang-format libclang-rt-14-dev
  # number text: text to single and single to exponent text
  libfast-float-dev libfmt-dev
  # tests and benchmarks; a PDF read back as text, the clipboard as another program reads it,
  # start-up timed
  libgtest-dev libgmock-dev libbenchmark-dev python3 xvfb xauth libx11-dev
  poppler-utils xclip hyperfine
  # the window: Qt, Qt's own Chinese texts, and Chinese Song (serif) and Hei (sans) faces
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk
  # desktop tests: a window manager, a Wayland compositor, a screen reader's view, locales
  openbox weston qt6-wayland dbus at-spi2-core python3-pyatspi python3-xlib locales
)

source "$(dirname "$0")/apt.sh"
install_missing setup "${packages[@]}"

# The desktop tests start the program with LC_ALL set to these; glibc takes only generated ones.
locales=(de_DE.UTF-8 en_US.UTF-8 zh_CN.UTF-8)
generate=()
for name in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || generate+=("$name")
done
if [[ ${#generate[@]} -gt 0 ]]; then
  echo "setup: generating the locales ${generate[*]}"
  for name in "${generate[@]}"; do
    "${as_root[@]}" sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${as_root[@]}" locale-gen >/dev/null
fi
