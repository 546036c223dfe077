#!/usr/bin/env bash
# The whole game loop in the real window, with the mouse and a French
# keyboard alone: from the home menu, create the pilot "Zoé Lefèvre-Crêt"
# with a front machine gun, set up a race on Anneau between her (a person)
# and Brutus (the computer), play it
# to its end and come back to the home menu; then check the pilot files the
# race wrote and close the window from its close button.
# Usage: menu_race_test.sh GAME_DIR COLOUR_CENTROID PILOT_SUMMARY CLOSE_WINDOW WORK_DIR [BUILD_DIR]
# With BUILD_DIR, the same from the game installed out of it into a prefix
# below WORK_DIR, for a player whose home is a fresh folder: the pilots,
# races and settings must land in his XDG folders and nothing below the
# prefix may change.
#
# The race is played with the keyboard alone, a French one. The person stays
# on her start cell: at each of her turns the keypad's 5 takes the middle
# cross, which repeats her last step (none), and Return confirms it. The
# computer drives the lap; its messages close by themselves. Hers are
# answered with Return ("Fermer", "Arréter le Dé") or with 1 (the first
# answer: "Pilotage" for her experience), the "&" key shifted on this layout.
set -euo pipefail
GAME_DIR="$1"; CENTROID="$2"; SUMMARY="$3"; CLOSE="$4"; WORK="$5"
source "$(dirname "$0")/xvfb_session.sh"
[ -d "$WORK" ] && chmod -R u+w "$WORK"
rm -rf "$WORK"; mkdir -p "$WORK"; cd "$WORK"
ZOE="Zoé Lefèvre-Crêt"
BIN=.
if [ -n "${6:-}" ]; then
    PREFIX="$WORK/prefix"
    cmake --install "$6" --prefix "$PREFIX" > /dev/null
    # Tests run as root, whom no permission stops: the prefix's listing
    # before and after tells whether anything wrote there.
    chmod -R a-w "$PREFIX"
    prefix_listing() { find "$PREFIX" -printf '%p %s %m %T@\n' | sort; }
    prefix_listing > "$WORK/prefix_before"
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/reglages" XDG_DATA_HOME="$WORK/home/donnees"
    mkdir "$HOME"
    BIN="$PREFIX/bin"; GAME_DIR="$PREFIX/share/skarvoll3d"
    "$BIN"/skarvoll3d-config --driver EDT_OPENGL --resolution 1024*768 --modeecran Fenetre --synchro Inactif
    cd "$XDG_DATA_HOME/skarvoll3d"
    [ -f pilotes/Brutus.xml ] || { echo "FAILED: the sample pilots were not copied" >&2; exit 1; }
else
    cp -r "$GAME_DIR"/. "$WORK"/
    rm -f config.xml "pilotes/$ZOE.xml"
    ./skarvoll3d-config --driver EDT_OPENGL --resolution 1024*768 --modeecran Fenetre --synchro Inactif
fi
start_xvfb
# A French keyboard, as the players': "é" and "è" are keys of their own,
# digits need Shift, and "^" is a dead key that waits for its letter.
setxkbmap fr

pixels() { "$CENTROID" "$@" | cut -d' ' -f3; }
# The menus' 800 x 600 area is framed; its left edge is a dark line at x 112.
menu_shown() { [ "$(pixels 0 40 0 40 0 40 111 100 114 680)" -gt 500 ]; }
# The red car's crosses, light red, anywhere but the race column.
crosses_shown() { [ "$(pixels 230 255 130 200 130 200 0 40 900 768)" -gt 1500 ]; }

"$BIN"/skarvoll3d > "$WORK/game.log" 2>&1 &
GAME_PID=$!
# The size the settings program wrote.
geometry=$(xwininfo -id "$(wait_for_window "Skarvoll 3D 0.64")")
echo "$geometry" | grep -q "Width: 1024" && echo "$geometry" | grep -q "Height: 768" ||
    fail "the window is not 1024 x 768: $geometry"
wait_until menu_shown 30 "the home menu did not open"

# The workshop: the name ("è" on its key, "ê" from the dead key "^" then
# "e"), driving 11 and shooting 7 (the "è" key with Shift), a front machine
# gun (150 Zonks of 400), "VALIDER".
click 161 124 1                # "Nouveau Pilote"
click 387 101 0.3              # the name box
xdotool key ctrl+a
xdotool type --delay 80 "Zoé Lef"
xdotool key --delay 80 egrave
xdotool type --delay 80 "vre-Cr"
xdotool key --delay 80 dead_circumflex e
xdotool type --delay 80 "t"
# The typed keys come from the X server's queue, the clicks through the
# engine's: on a loaded machine a click at once could move the focus before
# the last letter is taken, and the letter would go to the next box.
sleep 1
click 332 123 0.3              # "Pilotage"
xdotool key ctrl+a
xdotool type --delay 80 "11"
click 422 123 0.3              # "Tir"
xdotool key ctrl+a shift+egrave
sleep 0.3
import -window root "$WORK/atelier_clavier_fr.png"
click 260 210 0.3              # "Mitrailleuse avant" in the list
click 422 186 0.3              # "AVANT"
click 326 662 1                # "VALIDER"
pilot_written() { [ -f "pilotes/$ZOE.xml" ]; }
wait_until pilot_written 10 "VALIDER did not write pilotes/$ZOE.xml"
[ "$("$SUMMARY" "$ZOE")" = "11 7 250 1 ok" ] || fail "$ZOE is saved as '$("$SUMMARY" "$ZOE")'"
click 600 343 0.5              # the close button of the notice "Pilote enregistré"

# The race setup: Anneau; row 1 Zoé, a person; row 2 Brutus, the computer.
click 161 174 1                # "Nouvelle course"
click 760 133 0.5; click 700 174 1     # circuit: "Anneau"
click 330 133 0.5              # row 1's pilots, listed by name: Zoé comes last
xdotool key End; sleep 0.1; xdotool key Return; sleep 0.3
click 330 153 0.5              # row 2: "Albert Roux", "Béatrice Lemaire", "Brutus"
for _ in 1 2 3; do xdotool key Down; sleep 0.1; done
xdotool key Return; sleep 0.3
click 567 153 0.5; click 550 194 0.5   # row 2's driver: "IA"
click 842 629                  # "LANCER"
race_shown() { ! menu_shown; }
wait_until race_shown 60 "the race did not start"

deadline=$((SECONDS + 300))
until menu_shown; do
    [ $SECONDS -lt $deadline ] || fail "the race did not end within 300 s"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped during the race"
    if crosses_shown; then
        xdotool key KP_5; sleep 0.2; xdotool key Return; sleep 0.4
    else
        xdotool key Return; sleep 0.2; xdotool key 1; sleep 0.3
    fi
done
echo "back at the home menu after the race"

# What the race wrote. Before it: Zoé 11 7 250 with one gadget; Brutus as
# shipped. Each pilot either survived (one more skill point, his gadgets
# kept), or burnt out (two points less in one skill, no gadget), or died
# (no file). The race paid 200 Zonks to one of them: the winner.
read -r b_drive b_shoot b_zonks b_gadgets _ < <(cd "$GAME_DIR" && "$SUMMARY" Brutus)
paid=0
check_pilot() {  # NAME DRIVE SHOOT ZONKS GADGETS CHOSEN_SKILL
    local name=$1 drive=$2 shoot=$3 zonks=$4 gadgets=$5 chosen=$6 summary
    summary=$("$SUMMARY" "$name") || { echo "$name died"; return 0; }
    read -r d s z g integrity <<< "$summary"
    [ "$integrity" = ok ] || fail "$name's file fails its integrity check"
    paid=$((paid + z - zonks))
    if [ "$g" = "$gadgets" ] && [ $((d + s)) -eq $((drive + shoot + 1)) ] &&
       { [ -z "$chosen" ] || [ "$d" -eq $((drive + 1)) ]; }; then
        echo "$name survived: $summary"
    elif [ "$g" = 0 ] && [ $((d + s)) -lt $((drive + shoot)) ]; then
        echo "$name burnt out: $summary"
    else
        fail "$name's file holds '$summary' after the race (before: $drive $shoot $zonks $gadgets)"
    fi
}
check_pilot "$ZOE" 11 7 250 1 driving
check_pilot Brutus "$b_drive" "$b_shoot" "$b_zonks" "$b_gadgets" ""
[ "$paid" -eq 200 ] || fail "the race paid $paid Zonks instead of 200 to its winner"

# The window's close button, as the window manager sends it ("Quitter" is
# the home menu's test).
"$CLOSE" "$(wait_for_window "Skarvoll 3D 0.64")"
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not close from its close button"
wait "$GAME_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the game exited with $status"
if [ -n "${6:-}" ]; then
    [ -f "$XDG_CONFIG_HOME/skarvoll3d/config.xml" ] || fail "config.xml is not in the player's settings folder"
    ls courses/*.journal > /dev/null || fail "the race journal is not in the player's courses/"
    prefix_listing | diff "$WORK/prefix_before" - || fail "the game wrote below its prefix"
fi
echo "home menu, workshop, race setup, a race to its end and back, closed: all played"
