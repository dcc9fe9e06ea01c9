#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package that building, testing and running Quotara
# need, and the locales the desktop tests use. Quiet and quick when they are all present already.
set -euo pipefail
cd "$(dirname "$0")/.."

# The packages are listed once, in debian/control: the package's build and headless tests, and
# the profiles for the developer's tools and the desktop tests.
source scripts/apt.sh
install_build_deps setup pkg.quotara.devtools pkg.quotara.desktoptests

# The desktop tests start the program with LC_ALL set to these.
generate_locales setup de_DE.UTF-8 en_US.UTF-8 zh_CN.UTF-8
