#!/usr/bin/env bash
# The game opens an 800 x 600 window captioned "Skarvoll 3D 0.64" with the
# settings written by the settings program, and closes cleanly from its close
# button. Usage: game_window_test.sh GAME_DIR CLOSE_WINDOW_TOOL WORK_DIR
set -euo pipefail
GAME_DIR="$1"; CLOSE="$2"; WORK="$3"
source "$(dirname "$0")/xvfb_session.sh"
rm -rf "$WORK"; mkdir -p "$WORK"; cd "$WORK"
cp -r "$GAME_DIR"/. "$WORK"/
rm -f config.xml
./skarvoll3d-config --driver EDT_OPENGL --resolution 800*600 --modeecran Fenetre --synchro Inactif
start_xvfb

./skarvoll3d > game.log 2>&1 &
GAME_PID=$!
WINDOW=$(wait_for_window "Skarvoll 3D 0.64")
geometry=$(xwininfo -id "$WINDOW")
echo "$geometry" | grep -q "Width: 800" || { echo "wrong width: $geometry"; exit 1; }
echo "$geometry" | grep -q "Height: 600" || { echo "wrong height: $geometry"; exit 1; }
sleep 1
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
"$CLOSE" "$WINDOW"
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$GAME_PID" 2>/dev/null; then echo "the game did not close"; kill "$GAME_PID"; exit 1; fi
wait "$GAME_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || { echo "the game exited with $status"; cat game.log; exit 1; }
echo "window 800x600 opened and closed cleanly"
