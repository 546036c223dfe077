// The race camera under the keys, the right-button drag and the wheel.
#include <cmath>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/race_keys.h"
#include "platform/clock.h"
#include "scene/camera_control.h"
#include "support/game_test.h"

using namespace irr;

class CameraControlTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        game.camera = game.sceneManager->addCameraSceneNode(nullptr, {300, 300, -300}, {100, 0, 100});
    }
    // Runs CameraControl on `frames` frames, as every race loop does, a
    // sixtieth of a second apart (or `msPerFrame`).
    void RunFrames(int frames, double msPerFrame = 1000.0 / 60) {
        for (int i = 0; i < frames; ++i) {
            elapsed_ += msPerFrame;
            SetMillisecondClockOverride(1000000 + std::llround(elapsed_));
            PumpFrame();
            CameraControl();
        }
    }
    double elapsed_ = 0;
    core::vector3df P() const { return game.camera->getPosition(); }
    core::vector3df T() const { return game.camera->getTarget(); }
    float Elevation() const { return std::asin((P().Y - T().Y) / P().getDistanceFrom(T())) * core::RADTODEG; }
    float HorizontalDistance() const { return core::vector2df(P().X - T().X, P().Z - T().Z).getLength(); }
};

TEST_F(CameraControlTest, TiltingStopsAt85DegreesAndAtLevel) {
    const float distance = P().getDistanceFrom(T());
    player.AtFrame(1, [this] { player.Key(KEY_KEY_Z, true); });
    RunFrames(120);
    EXPECT_NEAR(Elevation(), 85, 0.01);
    EXPECT_NEAR(P().getDistanceFrom(T()), distance, 0.1);
    player.AtFrame(1, [this] {
        player.Key(KEY_KEY_Z, false);
        player.Key(KEY_KEY_S, true);
    });
    RunFrames(120);
    EXPECT_NEAR(P().Y, T().Y, 0.01);
    EXPECT_NEAR(P().getDistanceFrom(T()), distance, 0.1);
    EXPECT_EQ(T(), core::vector3df(100, 0, 100));
}

TEST_F(CameraControlTest, ZoomingInStopsBeforeOneCellFromTheTarget) {
    player.AtFrame(1, [this] { player.Key(KEY_KEY_P, true); });
    RunFrames(100);
    const float distance = P().getDistanceFrom(T());
    EXPECT_GE(distance, 100);
    EXPECT_LT(distance, 110);
    EXPECT_FALSE(CamZoom(-10));
    EXPECT_TRUE(CamZoom(10));  // M: back out
    EXPECT_NEAR(P().getDistanceFrom(T()), distance + 10, 0.01);
}

TEST_F(CameraControlTest, OrbitingKeepsHeightAndDistanceAndTurnsTheWayAsked) {
    const core::vector3df start = P();
    const float radius = HorizontalDistance();
    player.AtFrame(1, [this] { player.Key(KEY_KEY_D, true); });
    RunFrames(30);  // 90 degrees
    EXPECT_NEAR(HorizontalDistance(), radius, 0.5);
    EXPECT_EQ(P().Y, start.Y);
    // A quarter turn from (+200, -400) around the target leads to (+400, +200).
    EXPECT_NEAR(P().X - T().X, 400, 2);
    EXPECT_NEAR(P().Z - T().Z, 200, 2);
}

TEST_F(CameraControlTest, ACameraInLineWithItsTargetTurnsByTheStepAsked) {
    game.camera->setPosition({100, 300, -300});  // straight behind, 400 units
    CamOrbit(3);
    EXPECT_NEAR(HorizontalDistance(), 400, 0.1);
    EXPECT_NEAR(P().getDistanceFrom({100, 300, -300}), 2 * 400 * std::sin(1.5f * core::DEGTORAD), 0.5);
    EXPECT_NEAR(CameraHeading({100, 0, -300}, {100, 0, 100}), 90, 0.001);
    EXPECT_NEAR(CameraHeading({100, 0, 500}, {100, 0, 100}), 270, 0.001);
    EXPECT_NEAR(CameraHeading({-300, 0, 100}, {100, 0, 100}), 0, 0.001);
    EXPECT_NEAR(CameraHeading({500, 0, 100}, {100, 0, 100}), 180, 0.001);
}

TEST_F(CameraControlTest, PanningMovesTheTargetSoOrbitsTurnAroundTheNewOne) {
    player.AtFrame(1, [this] { player.Key(KEY_LEFT, true); });
    player.AtFrame(11, [this] { player.Key(KEY_LEFT, false); });
    RunFrames(10);
    // Looking along (-200, +400): left is (-400, -200) / |.|, 15 units a frame.
    const core::vector3df moved = T() - core::vector3df(100, 0, 100);
    EXPECT_NEAR(moved.getLength(), 150, 0.5);
    EXPECT_NEAR(moved.X, -150 * 400 / std::sqrt(200000.0f), 0.5);
    const core::vector3df target = T();
    const float radius = HorizontalDistance();
    CamOrbit(40);
    EXPECT_EQ(T(), target);
    EXPECT_NEAR(HorizontalDistance(), radius, 0.5);
}

TEST_F(CameraControlTest, TheRightButtonDragTurnsUntilReleasedOrTheCursorLeaves) {
    const float radius = HorizontalDistance();
    player.AtFrame(1, [this] {
        player.MouseButton(EMIE_RMOUSE_PRESSED_DOWN, 500, 400);
        player.MoveMouse(700, 400);
    });
    RunFrames(5);  // 2 degrees a frame while the cursor stays 200 pixels away
    const float heading = CameraHeading(P(), T());
    RunFrames(1);
    EXPECT_NEAR(CameraHeading(P(), T()), heading - 2, 0.3);
    EXPECT_NEAR(HorizontalDistance(), radius, 0.5);

    player.AtFrame(1, [this] { player.MoveMouse(0, 400); });  // out of the window
    RunFrames(1);
    EXPECT_EQ(game.mouse.rightHeld, 0);
    const core::vector3df stopped = P();
    player.AtFrame(1, [this] {
        player.MoveMouse(700, 400);
        player.MouseButton(EMIE_RMOUSE_LEFT_UP, 700, 400);  // released back inside
    });
    RunFrames(5);
    EXPECT_EQ(P(), stopped);
}

TEST_F(CameraControlTest, AWheelNotchGlidesTowardsTheTargetAndSlowsDown) {
    const float distance = P().getDistanceFrom(T());
    player.AtFrame(1, [this] { player.Wheel(1); });
    RunFrames(1);
    EXPECT_NEAR(P().getDistanceFrom(T()), distance - 10, 0.01);
    RunFrames(20);
    EXPECT_NEAR(P().getDistanceFrom(T()), distance - 55, 0.01);  // 10 + 9 + ... + 1
    EXPECT_EQ(game.mouse.wheelZoom, 0);
}

// Whatever the keys do, the view stays over the circuit; Home brings it
// back over the car to play; a held key turns as fast at 30 frames a
// second as at 60.
TEST_F(CameraControlTest, TheViewStaysOverTheCircuitComesHomeAndKeysGoByTime) {
    game.circuit.cellSize = 100;
    game.circuit.gridWidth = game.circuit.gridLength = 12;
    player.AtFrame(1, [this] {
        player.Key(KEY_LEFT, true);
        player.Key(KEY_KEY_M, true);
    });
    RunFrames(600);
    EXPECT_TRUE(T().X >= -50 && T().X <= 1150 && T().Z >= -50 && T().Z <= 1150) << T().X << " " << T().Z;
    EXPECT_LE(P().getDistanceFrom(T()), 1800.5f);
    EXPECT_EQ(game.cameraMovedByPlayer, 1);

    game.carCount = game.currentCar = 1;
    game.cars[1].cellX = 3;
    game.cars[1].cellY = 4;
    player.AtFrame(1, [this] {
        player.Key(KEY_LEFT, false);
        player.Key(KEY_KEY_M, false);
        PressRaceKey({RaceKey::CameraHome, 0});
    });
    RunFrames(1);
    EXPECT_EQ(T(), core::vector3df(300, 0, 400));
    EXPECT_EQ(P(), core::vector3df(500, 300, 0));
    EXPECT_EQ(game.cameraMovedByPlayer, 0) << "the turn follows its car again";

    for (const double msPerFrame : {1000.0 / 60, 1000.0 / 30}) {
        PlaceCameraNearCar(1);
        const float heading = CameraHeading(P(), T());
        player.AtFrame(1, [this] { player.Key(KEY_KEY_D, true); });
        RunFrames(static_cast<int>(std::lround(500 / msPerFrame)), msPerFrame);  // half a second
        player.AtFrame(1, [this] { player.Key(KEY_KEY_D, false); });
        RunFrames(1);
        EXPECT_NEAR(std::fmod(CameraHeading(P(), T()) - heading + 360, 360), 90, 3.5) << msPerFrame;
    }
}
