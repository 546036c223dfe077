# Shared by the real-window tests: starts a private Xvfb display and stops it
# on exit. Source it, then use start_xvfb, $DISPLAY, wait_for_window, and
# fail, click and wait_until (which keep what they show in $WORK).
set -euo pipefail

start_xvfb() {
    # Xvfb picks a free display itself and writes its number to fd 3, so
    # tests running side by side never share one.
    local number_file
    number_file=$(mktemp)
    # -noreset: a keyboard layout set on the server stays when its last
    # client leaves.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(tr -d '[:space:]' < "$number_file")"
            rm -f "$number_file"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$number_file"
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

# Ends the test, the screen saved in $WORK/failure.png.
fail() {
    echo "FAILED: $*" >&2
    import -window root "$WORK/failure.png" 2>/dev/null || true
    echo "screen saved in $WORK/failure.png; the game's output in $WORK/*.log" >&2
    exit 1
}

# A left click at X Y, then a pause (0.15 s unless given).
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.15}"; }

wait_until() {  # CONDITION SECONDS WHAT
    local deadline=$((SECONDS + $2))
    until $1; do
        [ $SECONDS -lt $deadline ] || fail "$3"
        sleep 0.2
    done
}
