#!/bin/sh
# Starts the real program on a virtual X display and checks that its main window, titled
# "Quorvex for Windows", appears; then ends it. With a second argument, a picture of the
# screen is saved there (needs ImageMagick's import).
#
# Usage: smoke_test.sh <path of the quorvex executable> [screenshot.png]
set -eu

program=$1
screenshot=${2:-}

. "$(dirname "$0")/private_virtual_display.sh"
require_tools "smoke test" xvfb-run xwininfo

on_private_display '
        program=$1
        screenshot=$2
        "$program" &
        pid=$!
        status=1
        tries=0
        # Wait for the window, at most about 20 seconds.
        while [ $tries -lt 200 ]; do
            if xwininfo -root -tree | grep -q "\"Quorvex for Windows\": (\"quorvex\""; then
                status=0
                break
            fi
            if ! kill -0 $pid 2>/dev/null; then
                echo "the program ended before its window appeared" >&2
                break
            fi
            tries=$((tries + 1))
            sleep 0.1
        done
        if [ $status -eq 0 ] && [ -n "$screenshot" ]; then
            sleep 1  # let the window finish painting
            window=$(xwininfo -root -tree | grep "\"Quorvex for Windows\": (\"quorvex\"" | awk "{print \$1}")
            import -window "$window" "$screenshot"
        fi
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
        if [ $status -eq 0 ]; then echo "main window appeared"; else echo "main window did not appear" >&2; fi
        exit $status
    ' "$program" "$screenshot"
