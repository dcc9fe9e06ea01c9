#!/bin/sh
# Runs the page's link (its arguments) and fails it where Asyncify's list of functions names one
# the program no longer has: renamed, or inlined before Asyncify runs. Binaryen only warns, and a
# function left off the list fails on the page, at the first click that waits for a box.
log=$(mktemp) || exit 1
trap 'rm -f "$log"' EXIT
"$@" 2>"$log"
status=$?
cat "$log" >&2
if grep -q 'Asyncify .*list contained a non-' "$log"; then
    echo "$0: the Asyncify list in app/web/CMakeLists.txt names a function that is not there" >&2
    exit 1
fi
exit $status
