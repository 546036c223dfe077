#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it from its game folder.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
install_packages
build_game -DSKARVOLL_TESTS=OFF -DSKARVOLL_BENCH=OFF
cd "$BUILD_DIR/game"
exec ./skarvoll3d "$@"
