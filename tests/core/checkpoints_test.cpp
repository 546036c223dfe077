#include "core/checkpoints.h"

#include "core/game_state.h"
#include "support/game_test.h"

class CheckpointsTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.carCount = 2;
        // Three gates across a straight along +x: at x = 5, 8 and 12.
        SetGates({{5, 0, 5, 4}, {8, 0, 8, 4}, {12, 0, 12, 4}});
        for (int i = 1; i <= 2; ++i) {
            CarRecord& car = game.cars[i];
            car = CarRecord{};
            car.inRace = 1;
            car.AppendTrailPoint(2, 2);
            car.AppendTrailPoint(2, 2);
        }
    }
    struct Gate {
        float x1, y1, x2, y2;
    };
    void SetGates(std::initializer_list<Gate> gates) {
        CircuitData& circuit = game.circuit;
        circuit.checkpointCount = static_cast<int>(gates.size());
        circuit.checkpointX.assign(2 * gates.size() + 2, 0);
        circuit.checkpointY.assign(2 * gates.size() + 2, 0);
        int n = 1;
        for (const Gate& g : gates) {
            circuit.checkpointX[2 * n - 1] = g.x1;
            circuit.checkpointY[2 * n - 1] = g.y1;
            circuit.checkpointX[2 * n] = g.x2;
            circuit.checkpointY[2 * n] = g.y2;
            ++n;
        }
    }
    void Move(int i, float x, float y) {
        game.cars[i].AppendTrailPoint(x, y);
        UpdateCheckpoints(i);
    }
};

TEST(SegmentCrossing, TouchingCountsAndParallelApartDoesNot) {
    EXPECT_TRUE(SegmentsCross(0, 0, 4, 0, 2, -1, 2, 1));
    EXPECT_TRUE(SegmentsCross(0, 0, 4, 0, 4, 0, 5, 3));   // an end touching
    EXPECT_FALSE(SegmentsCross(0, 0, 4, 0, 0, 1, 4, 1));  // parallel
    EXPECT_FALSE(SegmentsCross(0, 0, 4, 0, 5, -1, 5, 1)); // past the end
    // Differences are truncated: 0.9 apart counts as touching.
    EXPECT_TRUE(SegmentsCross(0, 0, 4, 0, 2, 0.9f, 3, 0.9f));
}

TEST_F(CheckpointsTest, OneMoveCanCrossSeveralGatesInOrder) {
    Move(1, 9, 2);
    EXPECT_EQ(std::make_pair(game.cars[1].checkpointsPassed, game.cars[1].finishOrder), std::make_pair(2, -1));
}

TEST_F(CheckpointsTest, AGateCrossedBeforeItsTurnDoesNotCount) {
    SetGates({{12, 0, 12, 4}, {5, 0, 5, 4}});
    Move(1, 7, 2);  // over the second gate while the first lies ahead
    EXPECT_EQ(game.cars[1].checkpointsPassed, 0);
    Move(1, 11, 2);  // short of the first gate: still nothing
    EXPECT_EQ(game.cars[1].checkpointsPassed, 0);
    Move(1, 13, 2);  // the first gate; the second lies two segments back
    EXPECT_EQ(game.cars[1].checkpointsPassed, 1);
}

TEST_F(CheckpointsTest, TheSegmentBeforeTheLastIsLookedAtToo) {
    // A bounce leaves two trail points; the gate lies on the segment before.
    game.cars[1].AppendTrailPoint(6, 2);
    Move(1, 6, 3);
    EXPECT_EQ(game.cars[1].checkpointsPassed, 1);
}

TEST_F(CheckpointsTest, CarsFinishingInTheSameRoundShareTheirOrder) {
    game.roundNumber = 4;
    Move(1, 13, 2);
    Move(2, 13, 1);
    EXPECT_EQ(std::make_pair(game.cars[1].finishOrder, game.cars[2].finishOrder), std::make_pair(4, 4));
    game.roundNumber = 5;
    Move(1, 14, 2);
    EXPECT_EQ(game.cars[1].finishOrder, 4);  // kept once set
}

TEST_F(CheckpointsTest, ACarOutOfTheRaceCountsNothing) {
    game.cars[2].inRace = 0;
    Move(2, 13, 2);
    EXPECT_EQ(game.cars[2].checkpointsPassed, 0);
}
