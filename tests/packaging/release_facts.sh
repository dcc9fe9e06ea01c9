# shellcheck shell=bash
# Sourced by the installed-package checks: the release's facts (caption, appId, ...) as CMake
# writes them for a build, in release.json. release_facts_configure DIR configures a bare build
# there once; release_fact NAME then prints one fact.

release_facts_configure() {
  release_facts_json=$1/release.json
  cmake -S . -B "$1" -DQUOTARA_BUILD_GUI=OFF -DQUOTARA_BUILD_TESTS=OFF \
    -DQUOTARA_BUILD_BENCH=OFF >/dev/null
}

release_fact() {
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' \
    "$release_facts_json" "$1"
}
