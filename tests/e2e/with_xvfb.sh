#!/bin/bash
# Runs a command with a private Xvfb display: picks a free display number,
# starts Xvfb with its own authorization cookie (so that Tk's `send` works),
# exports NORVANE_XDISPLAY and XAUTHORITY, runs the command and stops Xvfb.
# Without Xvfb the command runs with NORVANE_XDISPLAY empty.
set -u

if ! command -v Xvfb >/dev/null; then
    export NORVANE_XDISPLAY=""
    exec "$@"
fi

dir=$(mktemp -d /tmp/norvane-xvfb.XXXXXX)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT INT TERM

for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    auth="$dir/Xauthority"
    : > "$auth"
    xauth -f "$auth" add ":$n" . "$(mcookie)" >/dev/null 2>&1
    Xvfb ":$n" -screen 0 1280x1024x24 -auth "$auth" -nolisten tcp \
        >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        if XAUTHORITY="$auth" DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
            export NORVANE_XDISPLAY=":$n" XAUTHORITY="$auth"
            "$@"
            exit $?
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
done
echo "with_xvfb: no Xvfb display could be started" >&2
export NORVANE_XDISPLAY=""
"$@"
