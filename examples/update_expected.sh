#!/bin/sh
# Stores in examples/expected/ what the built program makes of the sample
# files: each file after "Norvane -logfile *.app" (run headless on copies),
# Norvane.log, and what the run printed (run.out). Run it after a change of
# the conversion rules, look at the differences, and commit them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${NORVANE_EXE:-$root/build/Norvane}
work=$(mktemp -d "${TMPDIR:-/tmp}/norvane-expected.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$root"/examples/*.app "$work"/
status=0
(cd "$work" && env -u DISPLAY "$exe" -logfile '*.app' > run.out) || status=$?
if [ "$status" -gt 1 ]; then
    echo "update_expected: Norvane ended with status $status" >&2
    exit 1
fi
rm -rf "$root/examples/expected"
mkdir "$root/examples/expected"
cp "$work"/* "$root/examples/expected/"
echo "examples/expected/ updated"
