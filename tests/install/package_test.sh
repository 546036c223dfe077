#!/usr/bin/env bash
# The Debian package made from the build: its desktop entry and AppStream
# metadata pass their validators, it holds the installed tree, and that tree,
# unpacked, runs for a player whose home is a fresh folder: his settings and
# the sample pilots go to his XDG folders, his own circuits are raced beside
# the installed ones, and a home that cannot hold them is refused in French.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
SOURCE="$1"; BUILD="$2"; WORK="$3"
fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$WORK"; mkdir -p "$WORK"

desktop-file-validate "$SOURCE"/dist/*.desktop
appstreamcli validate --no-net --pedantic "$SOURCE"/dist/*.metainfo.xml

cpack -G DEB -B "$WORK" --config "$BUILD/CPackConfig.cmake" > "$WORK/cpack.log" ||
    { cat "$WORK/cpack.log"; fail "cpack could not make the package"; }
DEB=$(ls "$WORK"/skarvoll3d_*.deb)
dpkg-deb -c "$DEB" | awk '{print $6}' | sed 's|^\./|/|' > "$WORK/contents"
for path in /usr/bin/skarvoll3d /usr/bin/skarvoll3d-config /usr/bin/skarvoll3d-sim /usr/bin/skarvoll3d-circuit \
    /usr/share/skarvoll3d/data/fontes/verdana.bmp /usr/share/skarvoll3d/circuits/Anneau.xml \
    /usr/share/skarvoll3d/pilotes/Brutus.xml \
    /usr/share/applications/io.github.skarvoll3d.skarvoll3d.desktop \
    /usr/share/metainfo/io.github.skarvoll3d.skarvoll3d.metainfo.xml \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/skarvoll3d.png \
    /usr/share/man/man6/skarvoll3d.6 /usr/share/man/man6/skarvoll3d-config.6 /usr/share/man/man6/skarvoll3d-sim.6 \
    /usr/share/man/man6/skarvoll3d-circuit.6; do
    grep -qx "$path" "$WORK/contents" || fail "the package lacks $path"
done
grep -q '/config.xml$\|/courses/' "$WORK/contents" && fail "the package holds a player's file"
dpkg-deb -f "$DEB" Depends | grep -q libirrlicht || fail "the package does not depend on the engine"

dpkg-deb -x "$DEB" "$WORK/root"
SIM="$WORK/root/usr/bin/skarvoll3d-sim"
export HOME="$WORK/home"; mkdir "$HOME"
unset XDG_CONFIG_HOME XDG_DATA_HOME
PLAYER="$HOME/.local/share/skarvoll3d"
sed 's/^nom = .*/nom = Mon Anneau/' "$SOURCE/docs/boucle.txt" > "$WORK/anneau.txt"
(cd / && "$WORK/root/usr/bin/skarvoll3d-circuit" --courses 0 "$WORK/anneau.txt") > "$WORK/circuit.log" 2>&1 ||
    fail "the installed circuit maker did not make the player's circuit: $(cat "$WORK/circuit.log")"
[ -f "$PLAYER/circuits/Mon Anneau.xml" ] && [ -f "$PLAYER/data/loading/loading_Mon Anneau.jpg" ] ||
    fail "the circuit maker did not write into $PLAYER"
(cd / && "$SIM" --circuit "Mon Anneau" --pilot Brutus --pilot "Max Durand" --graine 1) > "$WORK/sim.log" ||
    fail "the installed simulator did not race the player's circuit: $(cat "$WORK/sim.log")"
[ -f "$PLAYER/pilotes/Brutus.xml" ] || fail "the sample pilots were not copied into $PLAYER/pilotes"
[ -d "$HOME/.config/skarvoll3d" ] || fail "the settings folder was not made in ~/.config"

refused() {  # MESSAGE: the simulator refuses the home set up by the caller
    local output
    output=$("$SIM" --circuit Anneau 2>&1) && fail "a home that cannot hold the files was taken"
    grep -q "$1" <<< "$output" || fail "no French message for that home: $output"
}
HOME="$WORK/nulle-part" refused "Dossier personnel introuvable"
XDG_DATA_HOME="$DEB/dessous" refused "Impossible d'écrire dans le dossier"
echo "package checked: $(wc -l < "$WORK/contents") entries, $(dpkg-deb -f "$DEB" Depends)"
