#!/usr/bin/env bash
# Scripted races on the OpenGL renderer, in a real window under Xvfb, so the
# real drawing path of every frame is exercised: one turn, then a two-car race
# of several rounds to the finish, then a race played with the mouse and
# watched again from its journal. Each case runs in its own process, as
# CTest runs them. Usage: opengl_race_test.sh TEST_PROGRAM
set -euo pipefail
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb
for name in RaceTest.TwoClicksOnACrossMoveTheCarAndPassTheTurn RaceTest.ARaceOfSeveralRoundsEndsAfterTheFinishLine \
            GameTest.ARacePlayedWithTheMouseIsWatchedAgainOnScreenIdentically; do
    SKARVOLL_TEST_DRIVER=opengl "$1" --gtest_filter="$name"
done
