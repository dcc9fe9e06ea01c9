#!/usr/bin/env bash
# Builds Quotara's Debian source and binary packages from a copy of the checkout (the tree
# stays clean), puts them in dist/, and runs lintian on them: any error or warning fails.
# Installs the build dependencies and the checking tools (debian/control) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt.sh
install_build_deps package pkg.quotara.package

version=$(dpkg-parsechangelog -SVersion)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source_dir="$work/quotara-$version"
mkdir "$source_dir"
# The working tree less what git ignores: nothing built comes along.
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$source_dir"

mkdir -p dist
rm -f dist/quotara_* dist/quotara-dbgsym_*
log="dist/quotara_${version}_${arch}.build"
echo "package: building quotara $version (log: $log)"
if ! (cd "$source_dir" && dpkg-buildpackage -us -uc -j2) >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "package: the build failed; the whole log is $log" >&2
  exit 1
fi
for file in "$work"/quotara_"$version"* "$work"/quotara-dbgsym_"$version"*; do
  [[ -e $file ]] && mv "$file" dist/
done

echo "package: lintian"
lintian --fail-on error,warning --display-info "dist/quotara_${version}_${arch}.changes"
echo "package: dist/quotara_${version}_${arch}.deb"
