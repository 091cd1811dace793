# Sourced by the tests that start the real program on a virtual X display.

# Exits with 77 (skipped) naming the first of the tools that is not installed.
# Usage: require_tools <test name> <tool>...
require_tools() {
    test_name=$1
    shift
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$test_name skipped: $tool is not installed" >&2
            exit 77
        fi
    done
}

# Runs `sh -c <script> sh <arguments>...` on a virtual X display of its own, with a home of
# its own, so the run never reads or writes the user's settings.
# Usage: on_private_display <script> <arguments>...
on_private_display() {
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT INT TERM
    script=$1
    shift
    env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_RUNTIME_DIR="$home/runtime" \
        xvfb-run -a -s "-screen 0 1280x800x24" sh -c 'mkdir -m 700 -p "$XDG_RUNTIME_DIR" && eval "$0"' \
        "$script" "$@"
}
