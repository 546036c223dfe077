// Building the race scene: the starting order, the cars on their slots, the
// markers, the circuit's walls, the camera, decor and spectators (a missing
// file that stops the start is covered by the missing-data test).
#include "core/game_state.h"
#include "scene/circuit_scene.h"
#include "scene/loading_screen.h"
#include "scene/wall_test.h"
#include "support/scene_test.h"
#include "support/test_meshes.h"

using namespace irr;

using CircuitSceneTest = SceneTest;

TEST_F(CircuitSceneTest, EqualCarsKeepTheirOrderAndLighterCarsStartAhead) {
    AddCar(L"Alice", 1);
    AddCar(L"Bruno", 3);  // heavier: mass 3
    AddCar(L"Chloe", 1);
    AddCar(L"Denis", 0);  // as heavy as Alice but fewer gadgets
    BuildScene();
    const wchar_t* expected[] = {nullptr, L"Denis", L"Alice", L"Chloe", L"Bruno"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(game.cars[i].pilotName, expected[i]) << i;
        EXPECT_EQ(game.cars[i].carNumber, i);
    }
    // Bruno's gadgets came along with his record.
    EXPECT_EQ(game.cars[4].sides[SideMisc].gadgetCount, 3);
}

TEST_F(CircuitSceneTest, EveryCarStandsStillOnItsSlotReadyToRace) {
    AddCar(L"Alice", 0, L"rouge");
    AddCar(L"Bruno", 0, L"bleu");
    AddCar(L"Chloe", 0, L"vert");
    AddCar(L"Denis", 0, L"jaune");
    game.cars[2].cellX = 7;  // left over from before: replaced by the slot
    BuildScene();
    const u32 colours[] = {0, 0xFFFF0000, 0xFF0000FF, 0xFF009600, 0xFFFFFF00};
    for (int i = 1; i <= 4; ++i) {
        const CarRecord& car = game.cars[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(car.cellX, game.circuit.startCellX[i]);
        EXPECT_EQ(car.cellY, game.circuit.startCellY[i]);
        EXPECT_EQ(car.trailCount, 2);
        ASSERT_EQ(car.trail.size(), 5u);
        EXPECT_EQ(car.trail[3], car.cellX);
        EXPECT_EQ(car.trail[4], car.cellY);
        EXPECT_EQ(car.targetX, -1);
        EXPECT_EQ(car.inRace, 1);
        EXPECT_EQ(car.colour, colours[i]);
        ASSERT_NE(car.sceneNode, nullptr);
        EXPECT_EQ(car.sceneNode->getPosition(), core::vector3df(car.cellX * 100, 7, car.cellY * 100));
        EXPECT_NE(car.sceneNode->getTriangleSelector(), nullptr);
    }
    EXPECT_EQ(game.currentCar, 1);
    // The crosses are hidden until a turn shows them; the camera looks at the grid's corner.
    for (int i = 1; i < kCrossMarkerCount; ++i) EXPECT_FALSE(game.crossMarkers[i].node->isVisible()) << i;
    EXPECT_EQ(game.camera->getPosition(), core::vector3df(300, 300, -300));
    EXPECT_EQ(game.camera->getTarget(), core::vector3df(100, 0, 100));
}

TEST_F(CircuitSceneTest, TheWallTestMeetsWallsAtTheCircuitsPlace) {
    AddCar(L"Alice", 0);
    AddCar(L"Bruno", 0);
    game.circuit.circuitOffsetX = 100;  // the wall now stands at x = 550
    BuildScene();
    EXPECT_TRUE(SegmentHitsWall(500, 100, 600, 100));
    EXPECT_TRUE(SegmentHitsWall(100, 200, 1000, 200));  // a 9-cell move through it
    EXPECT_FALSE(SegmentHitsWall(400, 100, 500, 100));  // where it would stand without the offset
    EXPECT_FALSE(SegmentHitsWall(100, 100, 100, 900));  // along open track, above the floor
    EXPECT_FALSE(SegmentHitsWall(500, 500, 600, 500));  // past the wall's end
}

TEST_F(CircuitSceneTest, WithoutDecorNoDecorOrSpectatorIsBuiltAndFramesAreSlower) {
    AddCar(L"Alice", 0);
    AddCar(L"Bruno", 0);
    AddCar(L"Chloe", 0);
    WriteIrrMesh("decor/arbre.irrmesh", Wall(0, 0, 10, 0));
    CircuitData& c = game.circuit;
    c.decorCount = 1;
    c.decorItems.resize(2);
    c.decorItems[1].meshFile = L"decor\\arbre.irrmesh";
    c.crowdModelCount = 1;
    c.crowdModels.resize(2);
    c.crowdModels[1].meshFile = L"decor\\arbre.irrmesh";
    c.crowdGroupCount = 1;
    c.crowdGroups.resize(2);
    c.crowdGroups[1].personCount = 3;
    c.crowdGroups[1].persons.resize(4);
    game.decorEnabled = 0;
    EXPECT_EQ(LoadingStepCount(), 5);
    BuildScene();
    EXPECT_FLOAT_EQ(game.frameDelay, 10);
    EXPECT_EQ(c.decorItems[1].node, nullptr);
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(c.crowdGroups[1].persons[p].node, nullptr);
    game.decorEnabled = 1;
    EXPECT_EQ(LoadingStepCount(), 7);
}

TEST_F(CircuitSceneTest, DecorIsPlacedScaledAndMissingDecorIsLeftOut) {
    AddCar(L"Alice", 0);
    AddCar(L"Bruno", 0);
    WriteIrrMesh("decor/arbre.irrmesh", Wall(0, 0, 10, 0));
    CircuitData& c = game.circuit;
    c.circuitOffsetX = 10;
    c.circuitOffsetZ = 30;
    c.decorCount = 2;
    c.decorItems.resize(3);
    DecorItem& tree = c.decorItems[1];
    tree.meshFile = L"decor\\arbre.irrmesh";
    tree.relativeToCircuit = 1;
    tree.transparent = 1;
    tree.dx = 5;
    tree.dz = 7;
    tree.scale = 3;
    tree.rotation = 45;
    c.decorItems[2].meshFile = L"decor\\absent.irrmesh";
    game.decorEnabled = 1;
    BuildScene();
    EXPECT_FLOAT_EQ(game.frameDelay, 0);
    ASSERT_NE(tree.node, nullptr);
    EXPECT_EQ(tree.node->getPosition(), core::vector3df(15, 0, 37));
    EXPECT_EQ(tree.node->getScale(), core::vector3df(3, 3, 3));
    EXPECT_EQ(tree.node->getRotation(), core::vector3df(0, 45, 0));
    EXPECT_EQ(tree.node->getMaterial(0).MaterialType, video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_EQ(c.decorItems[2].node, nullptr);
}

TEST_F(CircuitSceneTest, SpectatorsStandInTheirBoxAndAFlatBoxKeepsTheirX) {
    AddCar(L"Alice", 0);
    AddCar(L"Bruno", 0);
    WriteIrrMesh("foule/fan.irrmesh", Wall(0, 0, 10, 0));
    CircuitData& c = game.circuit;
    c.crowdModelCount = 2;
    c.crowdModels.resize(3);
    for (int m = 1; m <= 2; ++m) {
        c.crowdModels[m].meshFile = L"foule\\fan.irrmesh";
        c.crowdModels[m].speedMin = 5;
        c.crowdModels[m].speedMax = 5;  // an empty range: the speed stays 5
    }
    c.crowdGroupCount = 1;
    c.crowdGroups.resize(2);
    CrowdGroup& group = c.crowdGroups[1];
    group.personCount = 20;
    group.persons.resize(21);
    group.x1 = group.x2 = 250;
    group.y1 = 0, group.y2 = 10;
    group.z1 = 100, group.z2 = 400;
    group.angle1 = 0, group.angle2 = 90;
    game.decorEnabled = 1;
    BuildScene();
    for (int p = 1; p <= 20; ++p) {
        scene::ISceneNode* node = group.persons[p].node;
        ASSERT_NE(node, nullptr) << p;
        const core::vector3df at = node->getPosition();
        EXPECT_EQ(at.X, 250);
        EXPECT_GE(at.Y, 25);
        EXPECT_LE(at.Y, 34);
        EXPECT_GT(at.Z, 100);
        EXPECT_LE(at.Z, 400);
        EXPECT_GT(node->getRotation().Y, 0);
        EXPECT_LE(node->getRotation().Y, 90);
        EXPECT_FLOAT_EQ(static_cast<scene::IAnimatedMeshSceneNode*>(node)->getAnimationSpeed(), 5);
    }
}

TEST(LoadingBar, GrowsWithTheStepsAndScalesWithTheScreen) {
    const core::dimension2du screen(1024, 768);
    // sx = 1.28, sy = 1.28: the bar starts at 158, is 705 wide when full.
    EXPECT_EQ(LoadingBarRect(0, 0, screen), core::rect<s32>(158, 375, 161, 419));
    EXPECT_EQ(LoadingBarRect(2, 4, screen), core::rect<s32>(158, 375, 513, 419));
    EXPECT_EQ(LoadingBarRect(4, 4, screen).LowerRightCorner.X, 866);
    EXPECT_EQ(LoadingBarRect(1, 3, core::dimension2du(800, 600)), core::rect<s32>(124, 293, 307, 328));
}
