#!/bin/bash
# Makes the Wine prefix named by WINEPREFIX once, quietly, and waits until
# Wine has finished with it. Without a display Wine needs none for this.
set -u
: "${WINEPREFIX:?WINEPREFIX must name the prefix folder}"
[ -e "$WINEPREFIX/system.reg" ] && [ -e "$WINEPREFIX/.norvane-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
env -u DISPLAY wineboot --init >/dev/null 2>&1
wineserver -w
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "wineprefix.sh: Wine could not set up $WINEPREFIX" >&2
    exit 1
fi
touch "$WINEPREFIX/.norvane-ready"
