#!/usr/bin/env bash
# A race over the network between two game windows on one display, each
# with its own game folder as on two machines: the first hosts from the
# command line (Camille Faure, a person, and one place), the second joins
# from its home menu's "Rejoindre" screen with Brutus, a person too. Both
# play a few rounds with the keyboard (the keypad's 5 and Return, in the
# window whose turn it is); both records must stay the same race. Then the
# host's window is closed: the joiner is told the race stops.
# Usage: network_windows_test.sh GAME_DIR CLOSE_WINDOW WORK_DIR
set -euo pipefail
GAME_DIR="$1"; CLOSE="$2"; WORK="$3"
source "$(dirname "$0")/xvfb_session.sh"
rm -rf "$WORK"; mkdir -p "$WORK"
for machine in hote invite; do
    mkdir "$WORK/$machine"
    cp -r "$GAME_DIR"/. "$WORK/$machine"/
    rm -rf "$WORK/$machine/courses" "$WORK/$machine/config.xml"
    (cd "$WORK/$machine" && ./skarvoll3d-config --driver EDT_OPENGL --resolution 1024*768 --modeecran Fenetre \
        --synchro Inactif --son Inactif)
done
# A free port, as the system hands them out.
PORT=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
start_xvfb
setxkbmap fr

# The round a machine's save says its race is at (0 in the first); -1
# before its first turn.
round_of() {
    local round
    round=$(sed -n 's/^tour \([0-9]*\) .*/\1/p' "$WORK/$1"/courses/*.sauvegarde 2>/dev/null | head -n 1 || true)
    echo "${round:--1}"
}

(cd "$WORK/hote" && exec ./skarvoll3d --heberger "$PORT" --distants 1 --circuit Anneau --pilot "Camille Faure" \
    > "$WORK/hote.log" 2>&1) &
HOST_PID=$!
HOST_WINDOW=$(wait_for_window "Skarvoll 3D 0.64")
(cd "$WORK/invite" && exec ./skarvoll3d > "$WORK/invite.log" 2>&1) &
GUEST_PID=$!
for _ in $(seq 200); do
    GUEST_WINDOW=$(xdotool search --name "Skarvoll 3D 0.64" | grep -vx "$HOST_WINDOW" | head -n 1 || true)
    [ -n "$GUEST_WINDOW" ] && break
    sleep 0.1
done
[ -n "$GUEST_WINDOW" ] || fail "the second window did not open"
show() { xdotool windowraise "$1" windowfocus "$1"; sleep 0.3; }

# The joiner: "Rejoindre", the host's address, Brutus, "REJOINDRE".
sleep 4
show "$GUEST_WINDOW"
click 161 298 1                # "Rejoindre"
click 677 142 0.3              # the address box
xdotool key ctrl+a
xdotool type --delay 60 "localhost:$PORT"
sleep 0.5
click 637 171 0.5              # the pilots: "Albert Roux", "Béatrice Lemaire", "Brutus"
for _ in 1 2 3; do xdotool key Down; sleep 0.1; done
xdotool key Return; sleep 0.3
import -window root "$WORK/rejoindre.png"
click 820 649 1                # "REJOINDRE"
both_racing() { [ "$(round_of hote)" -ge 0 ] && [ "$(round_of invite)" -ge 0 ]; }
wait_until both_racing 60 "the race did not start on both machines"
echo "the race started on both machines"

# A few rounds: in turn, each window is shown and answered.
played() { [ "$(round_of hote)" -ge 4 ] && [ "$(round_of invite)" -ge 4 ]; }
deadline=$((SECONDS + 240))
until played; do
    [ $SECONDS -lt $deadline ] || fail "the machines did not reach round 4 (host $(round_of hote), joiner $(round_of invite))"
    for pid in "$HOST_PID" "$GUEST_PID"; do kill -0 "$pid" 2>/dev/null || fail "a game stopped during the race"; done
    for window in "$HOST_WINDOW" "$GUEST_WINDOW"; do
        show "$window"
        xdotool key KP_5; sleep 0.2; xdotool key Return; sleep 0.2
    done
done
show "$GUEST_WINDOW"
import -window root "$WORK/course_invite.png"
echo "round 4 reached: host $(round_of hote), joiner $(round_of invite)"

# Both records are one race: the same header, the same events as far as
# the machine behind has come.
host_journal=$(ls "$WORK"/hote/courses/*.journal); guest_journal=$(ls "$WORK"/invite/courses/*.journal)
lines=$(( $(wc -l < "$host_journal") < $(wc -l < "$guest_journal") ? $(wc -l < "$host_journal") : $(wc -l < "$guest_journal") ))
[ "$lines" -gt 20 ] || fail "the journals hold only $lines lines"
diff <(head -n "$lines" "$host_journal") <(head -n "$lines" "$guest_journal") > /dev/null ||
    fail "the two machines' journals differ"

# The host's window closed: the joiner is told, and keeps his journal.
"$CLOSE" "$HOST_WINDOW"
told() { grep -q "L'hôte a quitté la course : elle s'arrête." "$WORK/invite.log"; }
wait_until told 30 "the joiner was not told the host left"
show "$GUEST_WINDOW"
import -window root "$WORK/hote_parti.png"
kill "$GUEST_PID" 2>/dev/null || true
echo "two windows raced over the network, the same race on both, and the host's leaving was told"
