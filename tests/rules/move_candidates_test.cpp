#include "rules/move_candidates.h"

#include <utility>
#include <vector>

#include "core/game_state.h"
#include "scene/cross_markers.h"
#include "support/game_test.h"

using namespace irr;

class MoveCandidatesTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        game.circuit.cellSize = 100;
        game.carCount = 1;
        PlaceCar(8, 4, 8, 4);
    }
    void PlaceCar(f32 x, f32 y, f32 prevX, f32 prevY) {
        CarRecord& car = game.cars[1];
        car.cellX = x;
        car.cellY = y;
        car.prevCellX = prevX;
        car.prevCellY = prevY;
        car.colourName = L"rouge";
    }
    // Cell of marker k relative to the car's cell.
    std::pair<int, int> Relative(int k) {
        return {game.crossMarkers[k].cellX - static_cast<int>(game.cars[1].cellX),
                game.crossMarkers[k].cellY - static_cast<int>(game.cars[1].cellY)};
    }
    void FaceHeading(f32 degrees) {
        scene::IMesh* cube = game.sceneManager->getGeometryCreator()->createCubeMesh();
        scene::SAnimatedMesh* mesh = new scene::SAnimatedMesh(cube);
        cube->drop();
        game.cars[1].sceneNode = game.sceneManager->addAnimatedMeshSceneNode(mesh);
        mesh->drop();
        game.cars[1].heading = degrees;
    }
};

TEST_F(MoveCandidatesTest, StandingStillOffersTheNineCellsAroundTheCarInColumnOrder) {
    BuildCandidates(1, 1);
    std::vector<std::pair<int, int>> cells;
    for (int k = 1; k <= 9; ++k) cells.push_back(Relative(k));
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{
                         {-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 0}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}));
}

TEST_F(MoveCandidatesTest, TheInertialStepIsRepeatedAndDoubledByNitro) {
    PlaceCar(10, 10, 7, 11);  // last step (3, -1)
    BuildCandidates(1, 1);
    EXPECT_EQ((std::vector<std::pair<int, int>>{Relative(5), Relative(1), Relative(9)}),
              (std::vector<std::pair<int, int>>{{3, -1}, {2, -2}, {4, 0}}));
    BuildCandidates(1, 2);
    EXPECT_EQ(Relative(5), std::make_pair(6, -2));
    PlaceCar(10, 10, 9, 9);
    BuildCandidates(1, 2);
    EXPECT_EQ(Relative(5), std::make_pair(2, 2));
}

TEST_F(MoveCandidatesTest, NitroFromStandstillFollowsTheWayTheCarFaces) {
    // -135 is 225 degrees.
    for (const auto& [heading, step] : {std::pair{90.0f, std::pair{2, 0}}, {350.0f, {0, 2}}, {-135.0f, {-2, -2}}}) {
        FaceHeading(heading);
        BuildCandidates(1, 2);
        EXPECT_EQ(Relative(5), step) << heading;
    }
    // The table's sectors, on whole degrees.
    EXPECT_EQ(NitroStepFromHeading(22).y, 2);
    EXPECT_EQ(NitroStepFromHeading(23).x, 2);
    EXPECT_EQ(NitroStepFromHeading(337).x, -2);
    EXPECT_EQ(NitroStepFromHeading(338).x, 0);
    EXPECT_EQ(NitroStepFromHeading(720.0f).y, 2);
}

TEST_F(MoveCandidatesTest, AForcedDestinationReplacesTheStepPerComponent) {
    PlaceCar(8, 4, 3, 1);
    game.cars[1].targetX = 10;
    game.cars[1].targetY = 4;
    BuildCandidates(1, 1);
    EXPECT_EQ(Relative(5), std::make_pair(2, 0));
    game.cars[1].targetY = -1;  // only x forced: y keeps its inertia (4 - 1)
    BuildCandidates(1, 1);
    EXPECT_EQ(Relative(5), std::make_pair(2, 3));
}
