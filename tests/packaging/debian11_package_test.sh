#!/usr/bin/env bash
# The package for Qt 5 systems that `scripts/package.sh --debian11` left in dist/, as a Debian 11
# user gets it: installed with apt-get into a fresh minimal bullseye chroot (not the one it was
# built in) without its recommended packages, every library the program needs found there, the
# installed program started on Xvfb inside (tests/desktop: the smoke test, then the locale test
# in zh_CN.UTF-8, whose warning must offer 确定), then purged; fails if any file of the package
# is left. As root (through sudo otherwise); downloads are kept in the chroot cache.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ $(id -u) -ne 0 ]]; then exec sudo "$0" "$@"; fi

deb="quotara_$(dpkg-parsechangelog -SVersion)~deb11u1_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
[[ -e dist/$deb ]] || { echo "no dist/$deb: scripts/package.sh --debian11 builds it" >&2; exit 1; }

source scripts/chroot.sh
source tests/packaging/release_facts.sh
work=$(mktemp -d)
root=
cleanup() {
  chroot_leave_all
  if [[ -n $root ]]; then chroot_remove "$root"; fi
  rm -rf "$work"
}
trap cleanup EXIT
release_facts_configure "$work/release"
app_id=$(release_fact appId)

chroot_lock
root=$(mktemp -d "$chroot_cache/$chroot_suite-test.XXXXXX")
chroot_copy "$root"
chroot_enter "$root"
for cached in /var/cache/apt/archives /var/lib/apt/lists; do
  mkdir -p "$chroot_cache/test$cached"
  mount --bind "$chroot_cache/test$cached" "$root$cached"
done
chroot_apt "$root" update

echo "debian11: installing $deb into a fresh $chroot_suite"
cp "dist/$deb" "$root/tmp/"
# Without what it recommends (Qt's translations among them): what it depends on must do.
chroot_apt "$root" install -y "/tmp/$deb"
missing=$(chroot_run "$root" ldd /usr/bin/quotara | grep 'not found' || true)
[[ -z $missing ]] || { echo "FAIL: libraries missing on Debian 11: $missing"; exit 1; }

# What the desktop tests need: an X server, the accessibility bus, a Chinese locale.
chroot_apt "$root" install -y xvfb python3-xlib dbus at-spi2-core python3-pyatspi locales
echo "zh_CN.UTF-8 UTF-8" >>"$root/etc/locale.gen"
chroot_run "$root" locale-gen >/dev/null
mkdir "$root/tmp/tests"
cp -r tests/desktop "$root/tmp/tests/"
facts=(QUOTARA_PROGRAM=/usr/bin/quotara "QUOTARA_CAPTION=$(release_fact caption)"
       "QUOTARA_DESKTOP_FILE=/usr/share/applications/$app_id.desktop")
chroot_run "$root" env "${facts[@]}" python3 -B /tmp/tests/desktop/smoke_test.py
# Debian 11's pyatspi warns of the deprecated calls it makes itself.
chroot_run "$root" env "${facts[@]}" QUOTARA_LOCALE=zh_CN.UTF-8 QUOTARA_DECIMAL_SEPARATOR=. \
  PYTHONWARNINGS=ignore::DeprecationWarning python3 -B /tmp/tests/desktop/locale_test.py

chroot_run "$root" dpkg-query -L quotara >"$work/files"
chroot_apt "$root" purge -y quotara
source tests/packaging/left_after_purge.sh
nothing_left_after_purge "$work/files" "$root" chroot_run "$root"
echo "debian11: installed, ran, warned in Chinese and purged without a trace"
