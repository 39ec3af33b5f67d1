#!/bin/bash
# Takes a screenshot of the message window after converting copies of the
# sample files, into docs/window.png. Needs Xvfb, xdotool and ImageMagick.
# Usage: tools/screenshot.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
exe="$PWD/${1:-build}/Norvane"
out="$PWD/docs/window.png"
if [ -z "${NORVANE_XDISPLAY:-}" ]; then
    exec tests/e2e/with_xvfb.sh "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/*.app "$work"/
cd "$work"
DISPLAY=$NORVANE_XDISPLAY "$exe" *.app >/dev/null 2>&1 &
pid=$!
win=""
for _ in $(seq 1 100); do
    win=$(DISPLAY=$NORVANE_XDISPLAY xdotool search --name '^Quorvis Norvane - Version 8\.3\.3$' 2>/dev/null | head -1) || true
    [ -n "$win" ] && break
    sleep 0.1
done
sleep 1
DISPLAY=$NORVANE_XDISPLAY import -window "$win" "$out"
kill "$pid"
echo "wrote $out"
