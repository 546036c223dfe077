#include "race/end_turn.h"

#include <vector>

#include "core/game_state.h"
#include "support/game_test.h"

class EndTurnTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        game.carCount = 3;
        for (int i = 1; i <= 3; ++i) {
            CarRecord& car = game.cars[i];
            car.inRace = 1;
            car.cellX = car.prevCellX = static_cast<f32>(i);
            car.cellY = car.prevCellY = 2;
            car.AppendTrailPoint(car.cellX, car.cellY);
            car.AppendTrailPoint(car.cellX, car.cellY);
        }
        game.currentCar = 1;
        game.cars[1].hasMoved = 1;
        game.cars[1].hasActed = 1;
        player.AnswerDialogs();
    }
};

TEST_F(EndTurnTest, PlayPassesToTheNextCarWithItsFlagsClearedAndTheLastCarEndsTheRound) {
    EndTurn();
    EXPECT_EQ(std::vector<int>({game.currentCar, game.cars[1].hasMoved, game.cars[1].hasActed, game.roundNumber}),
              std::vector<int>({2, 0, 0, 0}));
    EndTurn();
    EXPECT_EQ(game.roundNumber, 0);
    EndTurn();
    EXPECT_EQ(std::vector<int>({game.currentCar, game.roundNumber, game.quitToMenu}), std::vector<int>({1, 1, 0}));
}

TEST_F(EndTurnTest, AWreckStandingStillIsSkippedAndGainsATrailPoint) {
    game.cars[2].inRace = 0;
    EndTurn();
    EXPECT_EQ(std::make_pair(game.currentCar, game.cars[2].trailCount), std::make_pair(3, 3));
    EXPECT_EQ(std::make_pair(game.cars[2].trail[5], game.cars[2].trail[6]), std::make_pair(2.0f, 2.0f));
}

TEST_F(EndTurnTest, AWreckStillMovingPlaysItsSlide) {
    game.cars[2].inRace = 0;
    game.cars[2].prevCellX = 0;  // moved one cell at its last move
    EndTurn();
    EXPECT_EQ(std::vector<int>({game.currentCar, game.cars[2].skidPending, game.cars[2].pendingMoveFlag}),
              std::vector<int>({2, 1, 1}));

    game.cars[2].prevCellX = game.cars[2].cellX;
    game.cars[2].targetY = 5;  // a push still waiting counts as moving too
    game.currentCar = 1;
    game.cars[2].skidPending = 0;
    EndTurn();
    EXPECT_EQ(game.currentCar, 2);
}

TEST_F(EndTurnTest, WrappingPastSkippedWrecksStillCountsTheRound) {
    game.currentCar = 2;
    game.cars[3].inRace = 0;
    EndTurn();
    EXPECT_EQ(std::make_pair(game.currentCar, game.roundNumber), std::make_pair(1, 1));
}

TEST_F(EndTurnTest, TheRaceEndsAtTheRoundWhereOneCarIsLeftInPlay) {
    game.cars[2].inRace = 0;
    game.cars[3].finishOrder = 0;
    EndTurn();  // to car 3
    EXPECT_EQ(game.quitToMenu, 0);
    EndTurn();  // round complete: one out, one finished, one left
    EXPECT_EQ(std::make_pair(game.roundNumber, int(game.quitToMenu)), std::make_pair(1, 1));
}

TEST_F(EndTurnTest, TwoFinishersEndTheRace) {
    game.carCount = 3;
    game.cars[1].finishOrder = 0;
    game.cars[2].finishOrder = 0;
    EXPECT_TRUE(RaceIsOver());
    game.cars[2].finishOrder = -1;
    EXPECT_FALSE(RaceIsOver());
}

TEST_F(EndTurnTest, TheFirstFinisherIsToldToTakeCoverWhenOthersStillRace) {
    game.carCount = 4;
    game.cars[4].inRace = 1;
    game.cars[1].pilotName = L"Max";
    game.cars[1].finishOrder = 0;
    EndTurn();
    EXPECT_TRUE(player.SawDialogText(
        L"Max vous avez passé la ligne d'arrivée premier.\nVeuillez vous mettre à l'abri en "
        L"attendant que le véhicule suivant passe la ligne.\n"));
}

TEST_F(EndTurnTest, NoCarLeftEndsTheProgramAfterSayingSo) {
    for (int i = 1; i <= 3; ++i) game.cars[i].inRace = 0;
    EXPECT_THROW(EndTurn(), ProgramEnded);
    EXPECT_TRUE(player.SawDialogText(
        L"Il ne reste plus de véhicules en jeu. Le programme va se fermer"));
}
