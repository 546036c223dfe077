// Shots between the two cars of the test race: car 1 (shooting 10) fires at
// car 2 (20 structure points on each face).
#pragma once

#include <functional>

#include "core/game_state.h"
#include "support/race_fixture.h"

class ShotTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        SetStructure(2, 20);
        game.cars[1].shootingSkill = 10;
    }
    // `fire` opens the aiming screen; the player right-clicks car 2 and
    // answers every window with its first answer.
    void ShootAtCarTwo(const std::function<void()>& fire) {
        AimCameraAtCurrentCar();
        player.AtFrame(2, [this] { RightClickOnCar(2); });
        player.AnswerDialogs(1);
        fire();
    }
};
