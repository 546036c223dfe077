// The pieces of a race frame that change the scene: cars turned to face
// their last move and stood on their cell, frames drawn without a crash.
#include <cmath>

#include "core/game_state.h"
#include "scene/race_frame.h"
#include "support/scene_test.h"

using namespace irr;

using RaceFrameTest = SceneTest;

TEST_F(RaceFrameTest, ACarFacesItsLastMoveAndStandsOnItsCell) {
    AddCar(L"Alice", 0);
    AddCar(L"Bruno", 0);
    BuildScene();
    CarRecord& car = game.cars[1];
    car.prevCellX = 1, car.prevCellY = 1;
    car.cellX = 3, car.cellY = 2;  // two columns right, one row on
    car.AppendTrailPoint(3, 2);
    game.cars[1].showIntersections = 1;
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(300, 7, 200));
    car.sceneNode->updateAbsolutePosition();
    core::vector3df facing(0, 0, 1);
    car.sceneNode->getAbsoluteTransformation().rotateVect(facing);
    EXPECT_NEAR(facing.X, 2 / std::sqrt(5.0f), 1e-4);
    EXPECT_NEAR(facing.Z, 1 / std::sqrt(5.0f), 1e-4);
    // A car that has not moved keeps its heading.
    const core::vector3df standing = game.cars[2].sceneNode->getRotation();
    DrawRaceFrame();
    EXPECT_EQ(game.cars[2].sceneNode->getRotation(), standing);
}

TEST(MoveHeading, ZeroAlongRowsNinetyAlongColumns) {
    EXPECT_NEAR(MoveHeading(0, 1), 0, 1e-4);
    EXPECT_NEAR(MoveHeading(1, 0), 90, 1e-4);
    EXPECT_NEAR(MoveHeading(0, -2), 180, 1e-4);
    EXPECT_NEAR(MoveHeading(-1, 0), -90, 1e-4);
}
