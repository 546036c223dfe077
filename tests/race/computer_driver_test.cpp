#include "race/computer_driver.h"

#include "core/game_state.h"
#include "core/random.h"
#include "support/race_fixture.h"

// The square circuit: walls just outside cells 0..9, gate 1 at x = 3 and the
// finish at x = 6, both across the whole width.
class ComputerDriverTest : public RaceTest {
protected:
    void Place(int car, float x, float y, float prevX, float prevY) {
        CarRecord& c = game.cars[car];
        c.cellX = x;
        c.cellY = y;
        c.prevCellX = prevX;
        c.prevCellY = prevY;
    }
};

TEST_F(ComputerDriverTest, AimsAtTheNearestPointOfTheNextGateAndLooksAhead) {
    Place(1, 2, 2, 2, 2);
    Place(2, 8, 8, 8, 8);
    const AimPoint aim = ComputerAimPoint(1);
    // Nearest of the nine points on x = 3 is (3, 1.8); being close, the aim
    // moves a third of the way towards the finish's middle (6, 4.5).
    EXPECT_NEAR(aim.x, 4.0, 1e-6);
    EXPECT_NEAR(aim.y, 2.7, 1e-6);
}

TEST_F(ComputerDriverTest, AFinishedCarAimsAtItsOwnCell) {
    Place(1, 7, 3, 5, 3);
    game.cars[1].checkpointsPassed = 2;
    const AimPoint aim = ComputerAimPoint(1);
    EXPECT_EQ(aim.x, 7.0);
    EXPECT_EQ(aim.y, 3.0);
}

TEST_F(ComputerDriverTest, WithNoSafeCandidateItTakesTheShortestMove) {
    // Three cells a turn towards the wall past column 9: every candidate
    // crosses it; the shortest is straight on, two cells, candidate 2.
    Place(1, 8, 4, 5, 4);
    Place(2, 1, 8, 1, 8);
    game.cars[1].checkpointsPassed = 2;
    EXPECT_EQ(ComputerChoice(1), 2);
}

TEST_F(ComputerDriverTest, ACellHeldByAnotherCarIsNotSafe) {
    // Standing still at (2, 2) the driver aims at (4, 2.7). The nearest cell
    // around it is (3, 3), candidate 9 (1.04 away), then (3, 2), candidate 8
    // (1.22); no two are equally near, so nothing is drawn.
    Place(1, 2, 2, 2, 2);
    Place(2, 8, 8, 8, 8);
    const uint32_t state = RandomState();
    EXPECT_EQ(ComputerChoice(1), 9);
    // Car 2 on (3, 3) makes candidate 9 unsafe: the driver takes (3, 2).
    Place(2, 3, 3, 3, 3);
    EXPECT_EQ(ComputerChoice(1), 8);
    EXPECT_EQ(RandomState(), state);
}

TEST_F(ComputerDriverTest, TheDeadEndSearchSeesAWallAhead) {
    // From (7, 4) moving +2 towards (9, 4): every next cell lies past the wall.
    EXPECT_TRUE(IsDeadEnd(7, 4, 9, 4, 1, 1));
    EXPECT_FALSE(IsDeadEnd(2, 4, 3, 4, 2, 1));
}

TEST_F(ComputerDriverTest, AComputerTurnCommitsAMoveThroughTheResolution) {
    game.cars[1].controller = L"IA";
    game.frameDelay = 0;
    ComputerMove(1);
    EXPECT_EQ(game.cars[1].hasMoved, 1);
    EXPECT_EQ(game.cars[1].trailCount, 3);
    EXPECT_NE(game.cars[1].cellX, 2.0f);  // it set off towards the gate
}
