#!/bin/sh
# The entropy dialog under a real window manager that offers minimise on every window
# (openbox on a virtual X display): the dialog stays above the main window, offers no
# maximise, and minimising it leaves both windows on screen instead of hiding the program.
#
# Usage: entropy_dialog_window_manager_test.sh <path of the quorvex executable>
set -eu

program=$1

. "$(dirname "$0")/private_virtual_display.sh"
require_tools "window manager test" xvfb-run openbox xdotool xprop

on_private_display '
        program=$1
        openbox >/dev/null 2>&1 &
        wm=$!
        # The window manager manages the display before the program maps its window.
        tries=0
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
            tries=$((tries + 1))
            if [ $tries -ge 200 ]; then echo "the window manager did not start" >&2; exit 1; fi
            sleep 0.1
        done
        "$program" &
        pid=$!
        trap "kill $pid $wm 2>/dev/null" EXIT

        # The visible window of this title, waiting at most about 20 seconds.
        window() {
            tries=0
            while [ $tries -lt 200 ]; do
                id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
                if [ -n "$id" ]; then echo "$id"; return 0; fi
                tries=$((tries + 1))
                sleep 0.1
            done
            echo "no window \"$1\" appeared" >&2
            return 1
        }
        state() { xprop -id "$1" WM_STATE | sed -n "s/.*window state: //p"; }

        main=$(window "Quorvex for Windows") || exit 1
        xdotool windowactivate --sync "$main" key --clearmodifiers alt+p
        dialog=$(window "Entropy Generation") || exit 1

        status=0
        if ! xprop -id "$dialog" WM_TRANSIENT_FOR | grep -q "$(printf "0x%x" "$main")"; then
            echo "the dialog is not kept above the main window" >&2
            status=1
        fi
        if xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE; then
            echo "the window manager may maximise the dialog" >&2
            status=1
        fi

        xdotool windowminimize "$dialog"
        tries=0
        while [ $tries -lt 50 ]; do
            [ "$(state "$dialog")" = Normal ] && [ "$(state "$main")" = Normal ] && break
            tries=$((tries + 1))
            sleep 0.1
        done
        for id in "$dialog" "$main"; do
            if [ "$(state "$id")" != Normal ]; then
                echo "after minimising the dialog, window $id is $(state "$id")" >&2
                status=1
            fi
        done
        if [ $status -eq 0 ]; then echo "the dialog and the main window stay on screen"; fi
        exit $status
    ' "$program"
