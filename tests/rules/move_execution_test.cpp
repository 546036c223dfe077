// A move's animated pass as the player sees it, through the real frames.
#include "rules/move_execution.h"

#include <cmath>
#include <vector>

#include "core/game_state.h"
#include "race/race_loop.h"
#include "rules/move_choice.h"
#include "scene/race_frame.h"
#include "support/race_fixture.h"

TEST_F(RaceTest, ASpinningCarTurnsAtEveryStepAndKeepsItsLastTurnWhenItStops) {
    CarRecord& car = game.cars[1];
    const float start = car.sceneNode->getRotation().Y;
    std::vector<float> seen;  // the car's turn as each frame shows it
    player.Whenever([] { return true; }, [&] { seen.push_back(car.sceneNode->getRotation().Y); });
    RecordMove(1, 4, 2);  // two cells on: 200 units, steps of 200 / 30
    ExecuteMove(1, /*spin=*/true, /*stopAfter=*/true);

    // 31 steps (t = 1, 1 + e, ... and the end), each turning by 2 e degrees
    // one way or the other.
    const float perStep = 2.0f * 200.0f / kMoveSteps;
    ASSERT_EQ(seen.size(), 31u);
    const float sign = seen.front() > start ? 1.0f : -1.0f;
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_NEAR(seen[i], start + sign * perStep * static_cast<float>(i + 1), 1e-2) << "frame " << i;
    // Stopped, the car keeps the turn it ended with, frame after frame.
    DrawRaceFrame();
    EXPECT_NEAR(car.sceneNode->getRotation().Y, start + sign * perStep * 31, 1e-2);
}

TEST_F(RaceTest, AMoveFacesTheCarByTheRulesHeadingWithOrWithoutAFrame) {
    CarRecord& car = game.cars[1];
    RecordMove(1, 3, 3);  // one cell on each axis
    ExecuteMove(1, false, false);
    const float afterMove = car.sceneNode->getRotation().Y;
    EXPECT_NEAR(afterMove, 44.9247f, 1e-3);  // atan(1) at 57.2 degrees to the radian
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getRotation().Y, afterMove);
}
