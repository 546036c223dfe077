// Lines of fire on the test circuit: the firing vector, the car found on the
// line, the distance malus, the side facing the shooter and its choice.
#include "rules/firing_geometry.h"

#include "core/game_state.h"
#include "core/random.h"
#include "support/race_fixture.h"

class FiringGeometryTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
    }
    // Car `index` has just moved from (x0, y0) to (x1, y1).
    void Moved(int index, int x0, int y0, int x1, int y1) {
        StandCar(index, x1, y1);
        game.cars[index].prevCellX = static_cast<f32>(x0);
        game.cars[index].prevCellY = static_cast<f32>(y0);
    }
};

TEST_F(FiringGeometryTest, AStillCarFiresAlongItsFacingAndAMovedOneAlongItsMove) {
    StandCar(1, 5, 5, 90);
    EXPECT_EQ(std::make_pair(FiringVector(1, false).x, FiringVector(1, false).y), std::make_pair(1, 0));
    EXPECT_EQ(FiringVector(1, true).x, -1);
    StandCar(1, 5, 5, 200);  // cut to 200: the sector of (0, -1)
    EXPECT_EQ(FiringVector(1, false).y, -1);
    Moved(1, 2, 2, 5, 3);
    EXPECT_EQ(FiringVector(1, false).x, 3);
    EXPECT_EQ(FiringVector(1, true).y, -1);
}

TEST_F(FiringGeometryTest, TheLineRunsInWholeStepsOrOnlyToTheMovesEnd) {
    const int target = AddCarWithoutModel(7, 3);  // (1, 1) + 2 x (3, 1)
    StandCar(2, 2, 1);  // one cell aside of the line
    EXPECT_EQ(FindTargetOnLine(1, 1, 1, 3, 1), target);
    // (3, 2): no whole step, only the cell at the move's end counts.
    EXPECT_EQ(FindTargetOnLine(1, 1, 1, 3, 2), -1);
    StandCar(2, 4, 3);
    EXPECT_EQ(FindTargetOnLine(1, 1, 1, 3, 2), 2);
    // Backward along a move of 3, the line first passes the cells ahead.
    StandCar(2, 3, 1);
    EXPECT_EQ(FindTargetOnLine(1, 1, 1, -3, 0), 2);
}

TEST_F(FiringGeometryTest, ABurntCarOrAWallHidesWhatStandsBehind) {
    const int behind = AddCarWithoutModel(7, 5);
    StandCar(2, 5, 5);
    game.cars[2].inRace = 0;
    EXPECT_EQ(FindTargetOnLine(1, 2, 5, 1, 0), 2);  // the wreck is the first car met
    StandCar(2, 1, 1);
    EXPECT_EQ(FindTargetOnLine(1, 2, 5, 1, 0), behind);
    game.cars[behind].cellX = 11;  // beyond the wall x = 950
    EXPECT_EQ(FindTargetOnLine(1, 2, 5, 1, 0), -1);
}

TEST_F(FiringGeometryTest, TheMalusGrowsEveryTwoCellsFromTheFourth) {
    StandCar(1, 0, 0);
    for (auto [x, malus] : {std::pair{1, 0}, {3, 0}, {4, 1}, {5, 1}, {6, 2}, {7, 2}}) {
        StandCar(2, x, 0);
        EXPECT_EQ(DistanceMalus(1, 2), malus) << x;
    }
}

TEST_F(FiringGeometryTest, HitSideRoundsToWholeDegreesAndOnlyExactCornersAreCorners) {
    StandCar(2, 5, 5, 0);
    // From straight ahead (+z) round to the right, and two corners.
    std::wstring sides;
    for (const auto& [x, y] : {std::pair{5, 7}, {7, 5}, {5, 3}, {3, 5}, {6, 6}, {4, 4}}) sides += HitSide(2, x, y) + L"; ";
    EXPECT_EQ(sides, L"AVANT; DROITE; ARRIERE; GAUCHE; AVANT ou DROITE; ARRIERE ou GAUCHE; ");
    // 44.6 and 45.5 become 45, a corner; 45.6 becomes 46.
    for (auto [turn, side] : {std::pair{0.4f, L"AVANT ou DROITE"}, {-0.5f, L"AVANT ou DROITE"},
                              {-0.6f, L"DROITE"}}) {
        // The model turned: the angle becomes 45 - turn.
        game.cars[2].heading = turn;
        EXPECT_EQ(HitSide(2, 6, 6), side) << turn;
    }
}

TEST_F(FiringGeometryTest, ACornerIsSettledByThePilotsTest) {
    CarRecord& target = game.cars[2];
    GiveToComputer(2, L"Brutus");
    target.sides[SideFront].structure = 3;
    target.sides[SideRight].structure = 5;
    QueueDieResult(10);
    EXPECT_EQ(ChooseHitSide(2, L"AVANT ou DROITE", L"test", L"question"), SideRight);
    EXPECT_TRUE(player.SawDialogText(
        L"Brutus réussi son test pour choisir le côté et choisis d'être touché sur le côté DROITE.\n"));

    target.controller = L"Humain";
    QueueDieResult(4);
    player = ScriptedPlayer();
    player.AnswerDialogs(1);
    EXPECT_EQ(ChooseHitSide(2, L"DROITE ou ARRIERE", L"Le test", L"Quel côté ?"), SideRear);
    EXPECT_TRUE(player.SawDialogTexts({L"Le test",
        L"Quel côté ?"}));

    QueueDieResult(11);
    const int side = ChooseHitSide(2, L"GAUCHE ou AVANT", L"Le test", L"Quel côté ?");
    EXPECT_TRUE(side == SideFront || side == SideLeft);
    const std::wstring told = L"Test pour choisir le côté échoué. Côté choisi aléatoirement : " +
                              std::wstring(side == SideFront ? L"AVANT" : L"GAUCHE") + L"\n";
    EXPECT_TRUE(player.SawDialogText(told));
}
