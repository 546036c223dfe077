// The computer's search with its wall answers remembered for the move
// against the same search asking the walls every time: on both shipped
// circuits, from many cells at many speeds and stages of the race, the
// choice and the random draws it takes must be the same.
#include <random>

#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/wall_test.h"
#include "support/shipped_circuit.h"

namespace {
constexpr int kPositions = 400;

class ComputerSearchTest : public ShippedCircuitTest {
protected:
    // Car 1 on a random cell coming from up to five cells away, with
    // car 2 on a neighbouring cell, at a random stage of the race.
    void PlaceAtRandom(std::mt19937& random) {
        const CircuitData& c = game.circuit;
        std::uniform_int_distribution<int> column(0, c.gridWidth - 1), row(0, c.gridLength - 1);
        std::uniform_int_distribution<int> step(-5, 5), near(-1, 1), stage(0, c.checkpointCount);
        CarRecord& car = game.cars[1];
        car.cellX = static_cast<float>(column(random));
        car.cellY = static_cast<float>(row(random));
        car.prevCellX = car.cellX - static_cast<float>(step(random));
        car.prevCellY = car.cellY - static_cast<float>(step(random));
        car.checkpointsPassed = stage(random);
        CarRecord& other = game.cars[2];
        other.cellX = other.prevCellX = car.cellX + static_cast<float>(2 * near(random));
        other.cellY = other.prevCellY = car.cellY + static_cast<float>(2 * near(random));
    }

    void ExpectSameChoices() {
        game.carCount = 2;
        std::mt19937 random(15);
        long long literalQuestions = 0, rememberedQuestions = 0;
        for (int i = 0; i < kPositions; ++i) {
            PlaceAtRandom(random);
            const uint32_t state = static_cast<uint32_t>(random());
            SetRandomState(state);
            long long before = WallQuestionsAsked();
            const int literal = ComputerChoice(1, false);
            literalQuestions += WallQuestionsAsked() - before;
            const uint32_t literalState = RandomState();
            SetRandomState(state);
            before = WallQuestionsAsked();
            EXPECT_EQ(ComputerChoice(1, true), literal) << "position " << i;
            rememberedQuestions += WallQuestionsAsked() - before;
            EXPECT_EQ(RandomState(), literalState) << "position " << i;
        }
        // The remembering search asks each segment once.
        EXPECT_LT(rememberedQuestions, literalQuestions);
    }
};

TEST_F(ComputerSearchTest, RememberedWallsChooseAsTheLiteralSearchOnEveryShippedCircuit) {
    for (const wchar_t* name : kShippedCircuits) {
        SCOPED_TRACE(ToUtf8(name));
        BuildCircuit(name);
        ExpectSameChoices();
    }
}
}  // namespace
