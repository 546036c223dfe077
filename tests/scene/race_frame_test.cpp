// The pieces of a race frame that change the scene: cars shown on their
// cell with their heading, frames drawn without a crash.
#include <cmath>

#include "core/game_state.h"
#include "scene/race_frame.h"
#include "support/scene_test.h"

using namespace irr;

class RaceFrameTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        AddCar(L"Alice", 0);
        AddCar(L"Bruno", 0);
        BuildScene();
    }
};

TEST_F(RaceFrameTest, ACarFacesItsLastMoveAndStandsOnItsCell) {
    CarRecord& car = game.cars[1];
    car.prevCellX = 1, car.prevCellY = 1;
    car.cellX = 3, car.cellY = 2;  // two columns right, one row on
    car.AppendTrailPoint(3, 2);
    car.FaceLastMove();
    game.cars[1].showIntersections = 1;
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(300, 7, 200));
    // Facing the move, within the rules' rounding (57.2 to the radian).
    car.sceneNode->updateAbsolutePosition();
    core::vector3df facing(0, 0, 1);
    car.sceneNode->getAbsoluteTransformation().rotateVect(facing);
    EXPECT_NEAR(facing.getDistanceFrom(core::vector3df(2, 0, 1) / std::sqrt(5.0f)), 0, 3e-3);
    // A car that has not moved keeps its heading.
    CarRecord& standing = game.cars[2];
    standing.heading = 123;
    standing.FaceLastMove();
    EXPECT_EQ(standing.heading, 123);
}

TEST_F(RaceFrameTest, TheNodesShowTheRulesHeadingAndNeverTurnACarThemselves) {
    // The sides a collision or a shot finds read the car's heading: a frame
    // drawn, or not, must never change it, nor the places the engine's
    // collision tests see.
    CarRecord& diagonal = game.cars[1];
    diagonal.prevCellX = 1, diagonal.prevCellY = 1;
    diagonal.cellX = 2, diagonal.cellY = 2;
    diagonal.FaceLastMove();
    CarRecord& back = game.cars[2];
    back.prevCellX = 4, back.prevCellY = 3;
    back.cellX = 2, back.cellY = 3;
    back.heading = 10;  // spun by its last move, not yet turned
    for (int drawn : {0, 1}) {
        DrawFramesEvery(drawn);
        DrawRaceFrame();
        EXPECT_NEAR(diagonal.heading, 44.9247, 1e-3);
        EXPECT_EQ(back.heading, 10);
    }
    EXPECT_NEAR(diagonal.sceneNode->getRotation().Y, 44.9247, 1e-3);
    EXPECT_EQ(back.sceneNode->getRotation().Y, 10);
    back.FaceLastMove();
    EXPECT_NEAR(back.heading, 270, 1e-4);
    // Placed for the rules without a frame, at the state's cell and heading.
    back.sceneNode->setPosition({0, 0, 0});
    PlaceCarNodes();
    EXPECT_EQ(back.sceneNode->getAbsolutePosition(), core::vector3df(200, 7, 300));
    EXPECT_NEAR(back.sceneNode->getRotation().Y, 270, 1e-4);
}

TEST_F(RaceFrameTest, TheCarInMotionKeepsThePlaceAndTurnItsMoveGivesIt) {
    CarRecord& car = game.cars[1];
    car.prevCellX = 1, car.prevCellY = 1;
    car.cellX = 3, car.cellY = 1;
    car.sceneNode->setPosition({150, 7, 100});
    car.sceneNode->setRotation({0, 123, 0});
    SetCarInMotion(1);
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(150, 7, 100));
    EXPECT_EQ(car.sceneNode->getRotation().Y, 123);
    SetCarInMotion(0);
    car.FaceLastMove();
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(300, 7, 100));
    EXPECT_NEAR(car.sceneNode->getRotation().Y, 90, 1e-4);
}
