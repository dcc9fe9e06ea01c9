#!/usr/bin/env bash
# Builds Quotara's Debian source and binary packages from a copy of the checkout (the tree
# stays clean), puts them in dist/, and runs lintian on them: any error or warning fails.
# Installs the build dependencies and the checking tools (debian/control) when they are missing.
#
# With --debian11: the package for Qt 5.15 systems (Debian 11, Ubuntu 22.04, deepin 20), built
# with Debian 11's own toolchain and libraries in a bullseye chroot kept under
# /var/cache/quotara-chroots (as root: through sudo otherwise). Its version carries ~deb11u1,
# and its program must need no newer glibc and libstdc++ than deepin 20's.
set -euo pipefail
cd "$(dirname "$0")/.."

debian11=false
case ${1:-} in
  --debian11) debian11=true ;;
  "") ;;
  *) echo "usage: $0 [--debian11]" >&2; exit 2 ;;
esac
if $debian11 && [[ $(id -u) -ne 0 ]]; then exec sudo "$0" "$@"; fi

source scripts/apt.sh
install_build_deps package pkg.quotara.package

version=$(dpkg-parsechangelog -SVersion)
$debian11 && version+="~deb11u1"
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
work=$(mktemp -d)
cleanup() {
  if $debian11; then chroot_leave_all; fi
  rm -rf "$work"
}
trap cleanup EXIT

if $debian11; then
  source scripts/chroot.sh
  chroot_lock
  # Debian 11's toolchain, kept between runs; the tree's build dependencies are added below.
  root=$chroot_cache/$chroot_suite-build
  if [[ ! -e $root/.quotara-toolchain ]]; then
    chroot_copy "$root"
    chroot_enter "$root"
    # Debian 11 has no fast_float: Debian 12's package (headers only), the one taken from there.
    echo "deb $chroot_mirror bookworm main" >"$root/etc/apt/sources.list.d/bookworm.list"
    printf 'Package: *\nPin: release n=bookworm\nPin-Priority: -1\n\n%s\n%s\n%s\n' \
      'Package: libfast-float-dev' 'Pin: release n=bookworm' 'Pin-Priority: 500' \
      >"$root/etc/apt/preferences.d/bookworm"
    echo "package: installing Debian 11's toolchain"
    chroot_apt "$root" update
    chroot_apt "$root" install -y build-essential dpkg-dev
    touch "$root/.quotara-toolchain"
  else
    chroot_enter "$root"
  fi
  rm -rf --one-file-system "$root/build"
  build_dir=$root/build
else
  build_dir=$work
fi

source_dir="$build_dir/quotara-$version"
mkdir -p "$source_dir"
# The working tree less what git ignores: nothing built comes along.
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$source_dir"

mkdir -p dist
rm -f dist/quotara_"$version"[._]* dist/quotara-dbgsym_"$version"_*
log="dist/quotara_${version}_${arch}.build"
echo "package: building quotara $version (log: $log)"
if $debian11; then
  # The copy's changelog gets an entry for this build, dated a second after the release it
  # rebuilds: lintian wants a newer date, the metainfo's release date stays the release's day.
  date=$(LC_ALL=C TZ=UTC date -R -d "@$(($(dpkg-parsechangelog -STimestamp) + 1))")
  {
    printf 'quotara (%s) %s; urgency=medium\n\n' "$version" "$chroot_suite"
    printf '  * Built on Debian 11 for systems with Qt 5.15 and glibc 2.28 or later.\n\n'
    printf ' -- %s  %s\n\n' "$(dpkg-parsechangelog -SMaintainer)" "$date"
    cat debian/changelog
  } >"$source_dir/debian/changelog"
  in_source() {
    chroot_run "$root" env --chdir="/build/quotara-$version" "$@"
  }
  if ! in_source dpkg-checkbuilddeps -P pkg.quotara.qt5 >/dev/null 2>&1; then
    echo "package: installing the build dependencies in the $chroot_suite chroot"
    chroot_apt "$root" update
    in_source apt-get -qq -o APT::Install-Recommends=false build-dep -y -P pkg.quotara.qt5 ./ \
      >/dev/null
    chroot_apt "$root" clean
  fi
  build_package() { in_source dpkg-buildpackage -us -uc -j2 --build-profiles=pkg.quotara.qt5; }
else
  build_package() { (cd "$source_dir" && dpkg-buildpackage -us -uc -j2); }
fi
if ! build_package >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "package: the build failed; the whole log is $log" >&2
  exit 1
fi
for file in "$build_dir"/quotara_"$version"* "$build_dir"/quotara-dbgsym_"$version"*; do
  [[ -e $file ]] && mv "$file" dist/
done
if $debian11; then rm -rf --one-file-system "$build_dir"; fi

echo "package: lintian"
lintian --fail-on error,warning --display-info "dist/quotara_${version}_${arch}.changes"
if $debian11; then tests/packaging/check_symbols.sh "dist/quotara_${version}_${arch}.deb"; fi
echo "package: dist/quotara_${version}_${arch}.deb"
