#!/bin/sh
# Runs a window test on a private X server (Xvfb), optionally under a window manager, so that
# what only a real screen shows (painting, window frames, positions) can be checked.
#   xvfb_session.sh [--wm] PROGRAM [ARGS...]
# Exits 77 (a skip for CTest) when Xvfb, or with --wm the window manager, is not installed.
want_wm=0
if [ "$1" = "--wm" ]; then
    want_wm=1
    shift
fi
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: xvfb-run / Xvfb are not installed (apt-get install xvfb xauth)"
    exit 77
fi
if [ "$want_wm" = 1 ] && { ! command -v openbox >/dev/null 2>&1 || ! command -v xprop >/dev/null 2>&1; }; then
    echo "SKIP: no window manager (apt-get install openbox x11-utils)"
    exit 77
fi
# The inner part runs with DISPLAY set by xvfb-run.
inner='
if [ "$0" = 1 ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # Bounded polling until the window manager has taken the screen.
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1))
        if [ $tries -gt 200 ]; then
            echo "the window manager did not start"
            kill $wm
            exit 1
        fi
        sleep 0.05
    done
fi
QT_QPA_PLATFORM=xcb "$@"
rc=$?
[ -n "$wm" ] && kill $wm 2>/dev/null
exit $rc
'
exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" sh -c "$inner" "$want_wm" "$@"
