#!/usr/bin/env bash
# Fuzzes the circuit, pilot, config.xml, race journal and race save readers and the network
# messages' decoder with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, each for SECONDS seconds:
#   fuzz/run.sh SECONDS
# Builds the targets with clang in build-fuzz, seeds them from the files the
# game ships (the game folder of the ordinary build, build/game, or the one
# SKARVOLL_GAME_DIR names) and the inputs kept in fuzz/corpus, then reports
# executions, coverage and crashes. Exits non-zero when a target crashed.
set -euo pipefail

SECONDS_EACH="${1:?usage: fuzz/run.sh SECONDS}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FUZZ_DIR="$ROOT/build-fuzz"
GAME_DIR="${SKARVOLL_GAME_DIR:-$ROOT/build/game}"
JOBS="${JOBS:-$(nproc)}"

for f in "$GAME_DIR/skarvoll3d-config" "$GAME_DIR/circuits" "$GAME_DIR/pilotes"; do
    if [ ! -e "$f" ]; then
        echo "Missing $f: build the game first (./test.sh or cmake --build build)." >&2
        exit 2
    fi
done

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSKARVOLL_FUZZ=ON -DSKARVOLL_TESTS=OFF -DSKARVOLL_BENCH=OFF -DSKARVOLL_DATA=OFF >/dev/null
cmake --build "$FUZZ_DIR" --target fuzz_targets -j "$JOBS"

# Seeds: the shipped circuits and pilots, and config.xml as the settings
# program writes it for a few choices.
SEEDS="$FUZZ_DIR/seeds"
rm -rf "$SEEDS"
mkdir -p "$SEEDS/circuit" "$SEEDS/pilot" "$SEEDS/settings" "$SEEDS/journal" "$SEEDS/save" "$SEEDS/message"
cp "$GAME_DIR"/circuits/*.xml "$SEEDS/circuit/"
cp "$GAME_DIR"/pilotes/*.xml "$SEEDS/pilot/"
n=0
for options in "EDT_OPENGL 1024*768 Fenetre Actif" "EDT_SOFTWARE 800*600 'Full screen' Inactif" \
               "EDT_DIRECTX9 800*600 Fenetre Inactif"; do
    eval "set -- $options"
    n=$((n + 1))
    mkdir -p "$SEEDS/config$n"
    (cd "$SEEDS/config$n" && env -u DISPLAY "$GAME_DIR/skarvoll3d-config" \
        --driver "$1" --resolution "$2" --modeecran "$3" --synchro "$4" >/dev/null)
    cp "$SEEDS/config$n/config.xml" "$SEEDS/settings/config$n.xml"
done

# A short race of the simulator, recorded.
(cd "$GAME_DIR" && env -u DISPLAY ./skarvoll3d-sim --circuit Anneau --graine 1 --pilot Brutus:IAC \
    --pilot "Max Durand" --journaux "$SEEDS/journal" >/dev/null)

status=0
for target in circuit pilot settings journal save message; do
    corpus="$FUZZ_DIR/corpus/$target"
    crashes="$FUZZ_DIR/crashes/$target"
    rm -rf "$crashes"
    mkdir -p "$corpus" "$crashes" "$ROOT/fuzz/corpus/$target"
    log="$FUZZ_DIR/$target.log"
    set +e
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$FUZZ_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" "$SEEDS/$target" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1
    code=$?
    set -e
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
    features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
    found=$(find "$crashes" -type f | wc -l)
    printf '%-9s %12s executions  coverage %6s edges %7s features  %s crash file(s)\n' \
        "$target" "${runs:-0}" "${cov:-0}" "${features:-0}" "$found"
    if [ "$code" -ne 0 ]; then
        echo "fuzz_$target failed (exit $code); the end of its log ($log):" >&2
        tail -40 "$log" >&2
        status=1
    fi
done
exit "$status"
