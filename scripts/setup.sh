#!/usr/bin/env bash
# Shared set-up of play.sh and test.sh: installs the Debian packages the game
# needs (only those missing), then configures and builds into $BUILD_DIR.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(cmake make g++ pkg-config libirrlicht-dev libfreetype-dev fonts-dejavu-core
          libopenal-dev libopenal1 libsndfile1-dev libenet-dev
          libgtest-dev libbenchmark-dev libx11-dev xvfb xauth x11-utils x11-xkb-utils xdotool imagemagick
          clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installation des paquets : ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build_game() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}
