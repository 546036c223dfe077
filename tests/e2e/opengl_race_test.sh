#!/usr/bin/env bash
# Scripted races on the OpenGL renderer, in a real window under Xvfb, so the
# real drawing path of every frame is exercised: one turn, then a two-car race
# of several rounds to the finish. Each case runs in its own process, as
# CTest runs them. Usage: opengl_race_test.sh TEST_PROGRAM
set -euo pipefail
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb
for name in TwoClicksOnACrossMoveTheCarAndPassTheTurn ARaceOfSeveralRoundsEndsAfterTheFinishLine; do
    SKARVOLL_TEST_DRIVER=opengl "$1" --gtest_filter="RaceTest.$name"
done
