# Shared by the real-window tests: starts a private Xvfb display and stops it
# on exit. Source it, then use $DISPLAY, wait_for_window and close_window_of.
set -euo pipefail

start_xvfb() {
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0 || true
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
    done
    echo "no Xvfb display could be started" >&2
    return 1
}

stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap stop_xvfb EXIT

# Prints the id of the first window whose name matches, waiting up to 20 s.
wait_for_window() {
    local name="$1" id=""
    for _ in $(seq 200); do
        id=$(xdotool search --name "$name" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named '$name' appeared" >&2
    return 1
}
