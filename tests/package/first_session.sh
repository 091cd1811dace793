#!/bin/sh
# Plays a director's first session with the real program on a virtual X display, by keys and
# clicks only: Prepare (Alt+P), Start and the twelve red squares of the entropy dialog, then
# Generate (Alt+G), OK on the Done message and Quit (Alt+Q), which stores the settings. The
# program (any command that starts the window, such as Wine with quorvex.exe) runs in the environment it is
# given (HOME and the XDG folders), so the caller can check where its files went. With
# QUORVEX_SCREENSHOT set, a picture of the main window is saved there first (ImageMagick).
#
# Usage: first_session.sh <command of the program> [its arguments...]
set -eu

for tool in xvfb-run xwininfo xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "first session skipped: $tool is not installed" >&2
        exit 77
    fi
done

exec xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
    wait_for() { # a visible window of that title, at most about a minute (Wine starts slowly)
        tries=0
        while [ $tries -lt 600 ]; do
            window=$(window_of "$1")
            [ -n "$window" ] && return 0
            kill -0 $pid 2>/dev/null || { echo "the program ended while waiting for \"$1\"" >&2; exit 1; }
            tries=$((tries + 1))
            sleep 0.1
        done
        echo "no window \"$1\" appeared" >&2
        exit 1
    }
    env -u QT_QPA_PLATFORM "$@" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT

    wait_for "Quorvex for Windows"
    if [ -n "${QUORVEX_SCREENSHOT:-}" ]; then
        sleep 1 # lets the window finish painting
        import -window "$window" "$QUORVEX_SCREENSHOT"
    fi
    xdotool windowfocus --sync "$window" key alt+p
    wait_for "Entropy Generation"
    dialog=$window
    xdotool windowfocus --sync "$dialog" key space
    # The red square jumps over a 3 x 3 grid of 86 x 50 cells at (53, 3) in the dialog; a
    # click on a blue cell does nothing, so sweeping all nine hits every red square in turn.
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    sweeps=0
    while [ -n "$(window_of "Entropy Generation")" ] && [ $sweeps -lt 30 ]; do
        for row in 0 1 2; do
            for col in 0 1 2; do
                [ -n "$(window_of "Entropy Generation")" ] || break 2
                xdotool mousemove --sync $((X + 53 + 43 + col * 87)) $((Y + 3 + 25 + row * 51)) click 1
                sleep 0.05 # lets the twelfth hit close the dialog before the next look
            done
        done
        sweeps=$((sweeps + 1))
    done
    [ -z "$(window_of "Entropy Generation")" ] || { echo "the entropy dialog did not close" >&2; exit 1; }

    main=$(window_of "Quorvex for Windows")
    xdotool windowfocus --sync "$main" key alt+g
    wait_for "Information"
    xdotool windowfocus --sync "$window" key Return
    sleep 0.5
    # Quit stores the settings; a program that does not end within 20 seconds fails.
    xdotool windowfocus --sync "$main" key alt+q
    (sleep 20 && kill $pid 2>/dev/null) &
    watchdog=$!
    status=0
    wait $pid || status=$?
    trap - EXIT
    kill $watchdog 2>/dev/null || true
    [ $status -eq 0 ] || { echo "the program did not end cleanly after Quit (status $status)" >&2; exit 1; }
    echo "first session played: Prepare, entropy, Generate, Done, Quit"
' sh "$@"
