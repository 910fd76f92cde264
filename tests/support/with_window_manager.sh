#!/bin/sh
# Runs a window test on a private X server with a real window manager, so that frames,
# title bars and positions are those a desktop user sees. Exits 77 (skipped) when the X
# server or the window manager is not installed.
# Usage: with_window_manager.sh PROGRAM [ARGS...]
for tool in Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install xvfb openbox x11-utils)"
        exit 77
    fi
done

work=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The server writes its display number once it accepts clients: bounded polling.
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "SKIP: Xvfb did not start"; cat "$work/xvfb.log"
        exit 77
    fi
    sleep 0.1
done
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY

openbox --sm-disable >"$work/wm.log" 2>&1 &
wm=$!
# The window manager announces itself on the root window once it manages windows.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$wm" 2>/dev/null; then
        echo "SKIP: openbox did not start"; cat "$work/wm.log"
        exit 77
    fi
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
