#!/usr/bin/env bash
# Installs what the game and its tests need, builds everything and runs every
# test; exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
install_packages
build_game -DSKARVOLL_TESTS=ON -DSKARVOLL_BENCH=ON
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
