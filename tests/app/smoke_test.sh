#!/bin/sh
# Starts the real program on a virtual X display and checks that its main window, titled
# "Quorvex for Windows", appears; then ends it. With a second argument, a picture of the
# screen is saved there (needs ImageMagick's import).
#
# Usage: smoke_test.sh <path of the quorvex executable> [screenshot.png]
set -eu

program=$1
screenshot=${2:-}

for tool in xvfb-run xwininfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "smoke test skipped: $tool is not installed" >&2
        exit 77
    fi
done

# A home of its own, so the run never reads or writes the user's settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT INT TERM

env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/runtime" \
    xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
        program=$1
        screenshot=$2
        mkdir -m 700 -p "$XDG_RUNTIME_DIR"
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
    ' sh "$program" "$screenshot"
