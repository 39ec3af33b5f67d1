#!/bin/bash
# Takes a screenshot of the message window after converting copies of the
# sample files: of build/Norvane into docs/window.png, or, given the
# Windows build folder, of Norvane.exe under Wine into
# docs/window-windows.png (with the title bar Wine draws itself). Needs
# Xvfb, xdotool and ImageMagick.
# Usage: tools/screenshot.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
dir="$PWD/${1:-build}"
if [ -z "${NORVANE_XDISPLAY:-}" ]; then
    exec tests/e2e/with_xvfb.sh "$0" "$@"
fi
if [ -e "$dir/Norvane.exe" ]; then
    out="$PWD/docs/window-windows.png"
    # A prefix of its own: without a window manager, Wine draws the frame
    # and title bar only for windows it does not hand to one.
    export WINEPREFIX="$dir/wineprefix-screenshot" WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    tools/windows/wineprefix.sh
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    run=(env DISPLAY="$NORVANE_XDISPLAY" wine "$dir/Norvane.exe")
else
    out="$PWD/docs/window.png"
    run=(env DISPLAY="$NORVANE_XDISPLAY" "$dir/Norvane")
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/*.app "$work"/
cd "$work"
"${run[@]}" *.app >/dev/null 2>&1 &
pid=$!
win=""
for _ in $(seq 1 300); do
    win=$(DISPLAY=$NORVANE_XDISPLAY xdotool search --name '^Quorvis Norvane - Version 8\.3\.3$' 2>/dev/null | head -1) || true
    [ -n "$win" ] && break
    sleep 0.1
done
sleep 2
DISPLAY=$NORVANE_XDISPLAY import -window "$win" "$out"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "wrote $out"
