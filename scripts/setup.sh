#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package that building, testing and running Quotara
# need, and the locales the desktop tests use. Quiet and quick when they are all present already.
# With QUOTARA_QT_MAJOR=5, Qt 5.15's packages in place of Qt 6's.
set -euo pipefail
cd "$(dirname "$0")/.."

# The packages are listed once, in debian/control: the package's build and headless tests, and
# the profiles for the developer's tools and the desktop tests.
source scripts/apt.sh
profiles=(pkg.quotara.devtools pkg.quotara.desktoptests)
[[ ${QUOTARA_QT_MAJOR:-6} != 5 ]] || profiles+=(pkg.quotara.qt5)
install_build_deps setup "${profiles[@]}"

# The desktop tests start the program with LC_ALL set to these.
generate_locales setup de_DE.UTF-8 en_US.UTF-8 zh_CN.UTF-8
