// The pieces of a race frame that change the scene: cars turned to face
// their last move and stood on their cell, frames drawn without a crash.
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

TEST_F(RaceFrameTest, ACarStandsOnItsCellTurnedByTheRulesHeadingOfItsLastMove) {
    // The move rules turn a car by their own heading (57.2 degrees to the
    // radian, 0..360): a frame drawn after the move must not change it, or
    // the sides a collision or a shot finds would depend on the frames.
    CarRecord& diagonal = game.cars[1];
    diagonal.prevCellX = 1, diagonal.prevCellY = 1;
    diagonal.cellX = 2, diagonal.cellY = 2;
    diagonal.AppendTrailPoint(2, 2);
    diagonal.showIntersections = 1;
    CarRecord& back = game.cars[2];
    back.prevCellX = 4, back.prevCellY = 3;
    back.cellX = 2, back.cellY = 3;
    DrawRaceFrame();
    EXPECT_EQ(diagonal.sceneNode->getPosition(), core::vector3df(200, 7, 200));
    EXPECT_NEAR(diagonal.sceneNode->getRotation().Y, 44.9247, 1e-3);
    EXPECT_NEAR(back.sceneNode->getRotation().Y, 270, 1e-4);
    // Standing still since, a car keeps its heading.
    back.prevCellX = back.cellX;
    DrawRaceFrame();
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
    DrawRaceFrame();
    EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(300, 7, 100));
    EXPECT_NEAR(car.sceneNode->getRotation().Y, 90, 1e-4);
}
