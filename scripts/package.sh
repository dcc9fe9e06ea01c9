#!/usr/bin/env bash
# Builds Quotara's Debian package the way the archive does and leaves it in dist/: one source
# package, built by sbuild in a chroot made from an mmdebstrap tarball, checked by lintian (any
# error or warning fails), then tested as installed by autopkgtest (debian/tests) in a fresh
# system made from the same tarball.
#
# Without an option: the Debian 12 package. With --debian11: the package for Qt 5.15 systems
# (Debian 11, Ubuntu 22.04, deepin 20), built from the same source with Debian 11's toolchain
# and libraries under the pkg.quotara.qt5 profile; its version carries ~deb11u1, and its program
# must need no newer glibc and libstdc++ than deepin 20's.
#
# sbuild, mmdebstrap and autopkgtest work in user namespaces and need no root. The tarballs are
# made the first time and kept in QUOTARA_SBUILD_CACHE (/var/cache/quotara-sbuild for root,
# ~/.cache/quotara-sbuild otherwise); deleting one makes it anew.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: $0 [--debian11]" >&2; exit 2; }
[[ $# -le 1 ]] || usage
case ${1:-} in
  "") suite=bookworm build_profiles="" version_suffix="" ;;
  --debian11) suite=bullseye build_profiles=pkg.quotara.qt5 version_suffix="~deb11u1" ;;
  *) usage ;;
esac

source scripts/apt.sh
install_build_deps package pkg.quotara.package

if [[ $(id -u) -eq 0 ]]; then
  cache=${QUOTARA_SBUILD_CACHE:-/var/cache/quotara-sbuild}
  # Unshare maps root's namespace onto these ids; a fresh machine lists none for root.
  for file in /etc/subuid /etc/subgid; do
    grep -q '^root:' "$file" 2>/dev/null || echo "root:100000:65536" >>"$file"
  done
else
  cache=${QUOTARA_SBUILD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quotara-sbuild}
fi
mkdir -p "$cache" dist

source_version=$(dpkg-parsechangelog -SVersion)
version=$source_version$version_suffix
# The distribution the .changes names: the newest changelog entry's, as dpkg-buildpackage does.
distribution=$(dpkg-parsechangelog -SDistribution)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
tarball=$cache/$suite-$arch.tar

# The archive this machine's apt uses, which holds both releases, and its security archive.
apt_uris=$(sed -n -e 's/^URIs: *//p' -e 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' \
  /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true)
mirror=$(grep -v -m 1 security <<<"$apt_uris" || true)
security=$(grep -m 1 security <<<"$apt_uris" || true)
[[ -n $mirror ]] || { echo "package: no Debian archive in this machine's apt sources" >&2; exit 1; }
sources=("deb $mirror $suite main" "deb $mirror $suite-updates main")
[[ -z $security ]] || sources+=("deb $security $suite-security main")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run at a time makes a tarball; the others wait, then take it.
exec {lock}>"$cache/lock"
flock "$lock"
if [[ ! -e $tarball ]]; then
  echo "package: making the $suite chroot tarball from $mirror"
  # buildd: the essential packages and build-essential, which sbuild expects to find.
  if ! mmdebstrap --mode=unshare --variant=buildd --format=tar "$suite" "$tarball.new" \
    "${sources[@]}" >"$work/mmdebstrap.log" 2>&1; then
    tail -n 20 "$work/mmdebstrap.log" >&2
    rm -f "$tarball.new"
    exit 1
  fi
  mv "$tarball.new" "$tarball"
fi
flock -u "$lock"

# What the Debian 11 package adds: the changelog entry of its version, and Debian 12's
# fast_float (headers only), which Debian 11 lacks, downloaded by this Debian 12 machine's apt.
suite_args=()
if [[ -n $version_suffix ]]; then
  # Dated a second after the release it rebuilds: lintian wants a newer date, the metainfo's
  # release date stays the release's day.
  distribution=$suite
  date=$(LC_ALL=C TZ=UTC date -R -d "@$(($(dpkg-parsechangelog -STimestamp) + 1))")
  suite_args+=(--binNMU-changelog="$(
    printf 'quotara (%s) %s; urgency=medium\n\n' "$version" "$distribution"
    printf '  * Built on Debian 11 for systems with Qt 5.15 and glibc 2.28 or later.\n\n'
    printf ' -- %s  %s\n' "$(dpkg-parsechangelog -SMaintainer)" "$date")")
  suite_args+=(--profiles="$build_profiles")
  (cd "$work" && apt-get download -q=2 libfast-float-dev 2>/dev/null) ||
    { apt_as_root update -qq && (cd "$work" && apt-get download -q=2 libfast-float-dev); }
  suite_args+=(--extra-package="$(echo "$work"/libfast-float-dev_*.deb)")
fi

# The other release's package stays.
rm -f dist/quotara_"$source_version".{dsc,tar.xz} dist/quotara_"$version"_* \
  dist/quotara-dbgsym_"$version"_*
# The source package, from the working tree less what git ignores: nothing built comes along.
mkdir "$work/quotara-$source_version"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - |
  tar -xf - -C "$work/quotara-$source_version"
(cd "$work" && dpkg-source -q -b "quotara-$source_version") >/dev/null
mv "$work/quotara_$source_version".* dist/
dsc=dist/quotara_$source_version.dsc

log=dist/quotara_${version}_$arch.build
echo "package: building quotara $version for $suite with sbuild (log: $log)"
if ! sbuild --chroot-mode=unshare --chroot="$tarball" --dist="$distribution" --arch="$arch" \
  --build-dir=dist --nolog --no-run-lintian --no-run-autopkgtest --no-run-piuparts \
  --no-source --jobs=2 "${suite_args[@]}" "$dsc" >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "package: the build failed; the whole log is $log" >&2
  exit 1
fi

echo "package: lintian"
lintian --fail-on error,warning --display-info "$dsc" "dist/quotara_${version}_$arch.changes"
if [[ -n $version_suffix ]]; then tests/packaging/check_symbols.sh "dist/quotara_${version}_$arch.deb"; fi

test_log=dist/quotara_${version}_$arch.autopkgtest
echo "package: autopkgtest in a fresh $suite (log: $test_log)"
# --apt-upgrade: the tarball holds no package lists, which the testbed's apt needs.
if ! autopkgtest --apt-upgrade --no-built-binaries --output-dir="$work/autopkgtest" \
  "dist/quotara_${version}_$arch.deb" "$dsc" -- unshare --release "$suite" --arch "$arch" \
  --tarball "$tarball" >"$test_log" 2>&1; then
  tail -n 60 "$test_log"
  echo "package: autopkgtest failed; the whole log is $test_log" >&2
  exit 1
fi
cat "$work/autopkgtest/summary"
echo "package: dist/quotara_${version}_$arch.deb"
