#include "race/computer_driver.h"

#include <tuple>
#include <utility>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "support/race_fixture.h"

// The square circuit: walls just outside cells 0..9, gate 1 at x = 3 and the
// finish at x = 6, both across the whole width.
class ComputerDriverTest : public RaceTest {
protected:
    void Place(int car, float x, float y, float prevX, float prevY) {
        CarRecord& c = game.cars[car];
        std::tie(c.cellX, c.cellY, c.prevCellX, c.prevCellY) = std::tie(x, y, prevX, prevY);
    }
    // Moves gate n to run from (sx, sy) to (ex, ey), in cells.
    static void SetGate(int n, float sx, float sy, float ex, float ey) {
        game.circuit.checkpointX[2 * n - 1] = sx;
        game.circuit.checkpointY[2 * n - 1] = sy;
        game.circuit.checkpointX[2 * n] = ex;
        game.circuit.checkpointY[2 * n] = ey;
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

TEST_F(ComputerDriverTest, AFinishedCarAimsAtItsOwnCellAndSlows) {
    Place(1, 7, 3, 5, 3);
    Place(2, 1, 8, 1, 8);
    game.cars[1].controller = L"IA";
    game.cars[1].checkpointsPassed = 2;
    const AimPoint aim = ComputerAimPoint(1);
    EXPECT_EQ(aim.x, 7.0);
    EXPECT_EQ(aim.y, 3.0);
    // Two cells a turn; of the cells around (9, 3) the nearest to its own
    // is (8, 3): one cell a turn.
    ComputerMove(1);
    EXPECT_EQ(game.cars[1].cellX, 8.0f);
    EXPECT_EQ(game.cars[1].cellY, 3.0f);
}

TEST_F(ComputerDriverTest, APushedCarChoosesAroundItsForcedDestinationAndSpins) {
    // Standing on (2, 2) it aims at (4, 2.7) as ever, but a push sends it
    // towards (4, 2): of the cells around that one, (4, 3) is the nearest.
    Place(1, 2, 2, 2, 2);
    Place(2, 8, 8, 8, 8);
    CarRecord& car = game.cars[1];
    car.controller = L"IA";
    car.targetX = 4;
    car.targetY = 2;
    car.pendingMoveFlag = 1;
    ComputerMove(1);
    EXPECT_EQ(car.cellX, 4.0f);
    EXPECT_EQ(car.cellY, 3.0f);
    EXPECT_EQ(car.targetX, -1);
    EXPECT_EQ(car.targetY, -1);
    EXPECT_EQ(car.pendingMoveFlag, 0);
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

TEST_F(ComputerDriverTest, AnOccupiedCellAsNearAsTheBestSafeOneTakesPartInTheDraw) {
    // The finish shortened to (6, 0)-(6, 5): from (4, 5) its nearest point is
    // (6, 4.5). One cell a turn along x, the candidates lie around (5, 5);
    // (6, 4), candidate 7, and (6, 5), candidate 8, are both 0.5 from the aim.
    // Car 2 holds (6, 4), yet being as near as the best safe cell it is
    // drawn with it: r in 1..2, and r = 1 sends the car onto car 2.
    SetGate(2, 6, 0, 6, 5);
    Place(1, 4, 5, 3, 5);
    Place(2, 6, 4, 6, 4);
    game.cars[1].checkpointsPassed = 1;
    SetRandomState(1);  // draws 41 then 18467: r = 41 / 16383 + 1 = 1, then 2
    EXPECT_EQ(ComputerChoice(1), 7);
    EXPECT_EQ(ComputerChoice(1), 8);
}

TEST_F(ComputerDriverTest, ACellTheCarCouldNotStopAfterIsNotSafe) {
    // The finish across the corner from (9, 5) to (5, 9); past gate 1, the
    // car at (3, 2), coming from (1, 0), aims at its point (7.4, 6.6). The
    // nearest candidate, (6, 5) (candidate 9, 2.13 away), leaves a way on two
    // moves deep, but being 4.24 cells long it stops only at (10.24, 9.24),
    // past the wall. The next nearest is (5, 5), candidate 6 (2.88; (6, 4),
    // candidate 8, is 2.95).
    SetGate(2, 9, 5, 5, 9);
    Place(1, 3, 2, 1, 0);
    Place(2, 0, 9, 0, 9);
    game.cars[1].checkpointsPassed = 1;
    EXPECT_FALSE(IsDeadEnd(3, 2, 6, 5, 2, 1));
    EXPECT_EQ(ComputerChoice(1), 6);
}

TEST_F(ComputerDriverTest, BeforeABendAFastCarTakesTheShortestSafeMove) {
    // Gate 1 at x = 8, the finish's middle at (8, 0): past gate 1 the track
    // turns back. The car at (3, 3) came from (0, 0): speed 4.24. Gate 1's
    // nearest point (8, 3) is 5 away, under twice the speed, so the aim moves
    // a third of the way to (8, 0): (8, 2). Only (5, 5), (5, 6) and (6, 5)
    // (candidates 1, 2, 4) are safe, the others cannot stop before the walls;
    // 4 is the nearest to the aim (3.61). But the next gate lies back against the car's way, the aim
    // is 5 < 2 x 4 away and the speed is 4: the shortest safe move, 1 (2.83
    // long, 4.24 from the aim), against the next longer, 2 (3.61 long, first
    // of 2 and 4; 5 from the aim): 2 is not nearer, so the car takes 1.
    SetGate(1, 8, 0, 8, 10);
    SetGate(2, 7, 0, 9, 0);
    Place(1, 3, 3, 0, 0);
    Place(2, 0, 9, 0, 9);
    EXPECT_EQ(ComputerChoice(1), 1);
}

TEST_F(ComputerDriverTest, TheDeadEndSearchSeesAWallAheadAndKeepsTheWindowAlive) {
    // From (7, 4) moving +2 towards (9, 4): every next cell lies past the wall.
    long long frames = FramesPumped();
    EXPECT_TRUE(IsDeadEnd(7, 4, 9, 4, 1, 1));
    EXPECT_EQ(FramesPumped(), frames);  // one level: no frame
    EXPECT_FALSE(IsDeadEnd(2, 4, 3, 4, 2, 1));
    EXPECT_EQ(FramesPumped(), frames + 1);  // the first cell of level 2 was open
}

// Five cells a move into (0, 5), four moves deep: a dead end whose search
// comes to its second level nine times, yet draws one frame, and a next one
// only once a sixtieth of a second has passed. Without a window (the
// simulator) it draws none whatever the clock: frames drawn on the clock made
// seeded series differ from run to run.
TEST_F(ComputerDriverTest, TheSearchDrawsAFrameOnlyWhenASixtiethOfASecondHasPassedAndNoneWithItsFramesOff) {
    const long long frames = FramesPumped();
    for (const auto& [now, drawn] : {std::pair{1000, 1}, {1015, 1}, {1016, 2}}) {
        SetMillisecondClockOverride(now);
        EXPECT_TRUE(IsDeadEnd(-5, 5, 0, 5, 4, 1));
        EXPECT_EQ(FramesPumped(), frames + drawn) << now;
    }
    DrawSearchFrames(false);
    for (long long now : {2000, 3000}) {
        SetMillisecondClockOverride(now);
        EXPECT_TRUE(IsDeadEnd(-5, 5, 0, 5, 4, 1));
    }
    EXPECT_EQ(FramesPumped(), frames + 2);
    DrawSearchFrames(true);
    EXPECT_TRUE(IsDeadEnd(-5, 5, 0, 5, 4, 1));
    EXPECT_EQ(FramesPumped(), frames + 3);
}

TEST_F(ComputerDriverTest, TheDeadEndSearchSeesThreeAndFourMovesAhead) {
    // Along x a step shrinks by at most one cell a move, and column 9 is the
    // last before the wall. Four cells a move into (4, 5): 7, 9, then 10.
    EXPECT_FALSE(IsDeadEnd(0, 5, 4, 5, 2, 1));
    EXPECT_TRUE(IsDeadEnd(0, 5, 4, 5, 3, 1));
    EXPECT_FALSE(IsDeadEnd(1, 5, 4, 5, 3, 1));  // three a move: 6, 7, 7
    // Five cells a move into (0, 5) (the search never looks behind its
    // starting cell, so the step may come from past the wall): 4, 7, 9, 10.
    EXPECT_FALSE(IsDeadEnd(-5, 5, 0, 5, 3, 1));
    EXPECT_TRUE(IsDeadEnd(-5, 5, 0, 5, 4, 1));
    EXPECT_FALSE(IsDeadEnd(-4, 5, 0, 5, 4, 1));  // four a move: 3, 5, 6, 6
}
