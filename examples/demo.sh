#!/bin/sh
# Converts copies of the sample files: copies examples/*.app to a scratch
# folder (the first argument, or a new folder under $TMPDIR), runs
# "Norvane -logfile *.app" there, in the window when a display answers and
# headless otherwise, and tells where the converted files and the log are.
# The files in examples/ are never converted.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${NORVANE_EXE:-$root/build/Norvane}
if [ ! -x "$exe" ]; then
    echo "demo: $exe is not built (run make first)" >&2
    exit 1
fi
if [ $# -gt 0 ]; then
    dest=$1
    mkdir -p "$dest"
else
    dest=$(mktemp -d "${TMPDIR:-/tmp}/norvane-demo.XXXXXX")
fi
dest=$(cd "$dest" && pwd)
cp "$root"/examples/*.app "$dest"/
mode=headless
if [ -n "${DISPLAY:-}" ] && command -v xdpyinfo >/dev/null 2>&1 &&
        xdpyinfo >/dev/null 2>&1; then
    mode=window
    echo "Converting the sample files in $dest (close the window to finish)"
else
    unset DISPLAY
    echo "Converting the sample files in $dest (no display: headless)"
fi
status=0
(cd "$dest" && "$exe" -logfile '*.app') || status=$?
# The samples include files that are meant to be refused (too old, an
# obsolete type, not an application): status 1 is the expected outcome.
if [ "$status" -gt 1 ]; then
    echo "demo: Norvane ended with status $status" >&2
    exit "$status"
fi
echo
echo "Converted files: $dest"
echo "Log:             $dest/Norvane.log"
