#!/usr/bin/env bash
# Starts the same quick race in a real OpenGL window under Xvfb again and
# again, to catch a fault that shows only now and then while the race scene
# loads: each start waits until the scene is built, lets the computers play
# for a few seconds (their messages closed with "Fermer"), then closes the
# window as its close button does. A start that ends by itself, exits with
# an error or leaves a memory report in its log is kept and counted.
#
# Usage: scripts/race_start_soak.sh GAME_DIR CLOSE_WINDOW STARTS [WRAPPER...]
#   GAME_DIR      a built game folder (build/game)
#   CLOSE_WINDOW  the close_window tool of the real-window tests
#   WRAPPER       a command to start the game under, e.g. valgrind --error-exitcode=99
# Environment: SOAK_PLAY_SECONDS (8), SOAK_LOAD_SECONDS (the longest a
# start may take to build its scene, 300), SOAK_WORK (a temporary folder),
# SOAK_PERTURB=1 to start each game with MALLOC_CHECK_=3 and a random
# MALLOC_PERTURB_, SOAK_RACE (the race's options).
set -uo pipefail
GAME_DIR=$(cd "$1" && pwd); CLOSE=$(realpath "$2"); STARTS=$3; shift 3
WRAPPER=("$@")
PLAY=${SOAK_PLAY_SECONDS:-8}
LOAD=${SOAK_LOAD_SECONDS:-300}
WORK=${SOAK_WORK:-$(mktemp -d)}
read -r -a RACE <<< "${SOAK_RACE:---circuit Anneau --pilot Brutus:IAC --pilot Max_Durand:IA --sans-decor}"
RACE=("${RACE[@]//_/ }")  # "Max_Durand" stands for "Max Durand"
source "$(dirname "$0")/../tests/e2e/xvfb_session.sh"
set +e

rm -rf "$WORK/game"; mkdir -p "$WORK"; cp -r "$GAME_DIR" "$WORK/game"
cd "$WORK/game" || exit 1
rm -f config.xml
./skarvoll3d-config --driver EDT_OPENGL --resolution 1024*768 --modeecran Fenetre --synchro Inactif || exit 1
start_xvfb || exit 1

# Where "Fermer" of the message window can stand on a 1024 x 768 screen.
close_messages() {
    local place
    for place in "768 302" "256 302" "768 569" "256 569" "500 260" "450 420" \
                 "720 274" "208 274" "700 541" "188 541" "452 232" "382 392"; do
        xdotool mousemove $place click 1 2>/dev/null
    done
}

faults=0
for start in $(seq "$STARTS"); do
    cp -r "$GAME_DIR/pilotes/." pilotes/  # a race may rewrite or delete its pilots
    env=()
    [ "${SOAK_PERTURB:-0}" = 1 ] && env=(MALLOC_CHECK_=3 "MALLOC_PERTURB_=$((RANDOM % 255 + 1))")
    log="$WORK/start$start.log"
    # Line-buffered, so the log tells where the game was when it stopped.
    env "${env[@]}" nice -n 19 stdbuf -oL -eL "${WRAPPER[@]}" ./skarvoll3d "${RACE[@]}" > "$log" 2>&1 &
    pid=$!
    outcome=""
    # The scene is built once the hourglass, its last image, is loaded.
    for _ in $(seq $((LOAD * 10))); do
        grep -q "sablier.bmp" "$log" && break
        kill -0 "$pid" 2>/dev/null || { outcome="ended while loading"; break; }
        sleep 0.1
    done
    if [ -z "$outcome" ]; then
        for _ in $(seq $((PLAY * 2))); do
            kill -0 "$pid" 2>/dev/null || { outcome="ended while playing"; break; }
            close_messages
            sleep 0.5
        done
    fi
    if [ -z "$outcome" ]; then
        window=$(xdotool search --name "Skarvoll 3D" 2>/dev/null | head -n 1)
        [ -n "$window" ] && "$CLOSE" "$window"
        for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -0 "$pid" 2>/dev/null && { kill -9 "$pid"; outcome="did not close"; }
    fi
    wait "$pid"; status=$?
    [ -z "$outcome" ] && [ "$status" -ne 0 ] && outcome="exited with $status"
    if grep -Eq "corrupted|free\(\)|double free|AddressSanitizer|UndefinedBehaviorSanitizer|runtime error|Invalid (read|write|free)|ERROR SUMMARY: [1-9]" "$log"; then
        outcome="${outcome:+$outcome, }memory report"
    fi
    if [ -n "$outcome" ]; then
        faults=$((faults + 1))
        echo "start $start (${env[*]}): $outcome, log kept in $log"
    else
        rm -f "$log"
        echo "start $start (${env[*]}): clean"
    fi
done
echo "$STARTS starts, $faults with a fault"
[ "$faults" -eq 0 ]
