// Moves into cars standing on the path, through the real move resolution:
// who is hit, where everyone is sent, which sides take the blow, and what
// each driver is told and asked.
#include "rules/car_impact.h"

#include <set>
#include <tuple>

#include "core/game_state.h"
#include "core/random.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "support/race_fixture.h"

namespace {
std::vector<std::pair<int, int>> Pairs(const std::vector<Cell>& cells) {
    std::vector<std::pair<int, int>> pairs;
    for (const Cell& c : cells) pairs.push_back({c.x, c.y});
    return pairs;
}
using P = std::vector<std::pair<int, int>>;
}  // namespace

TEST(LatticeCells, OnlyCellsThePathCrossesExactlyAreLookedAt) {
    EXPECT_EQ(Pairs(LatticeCells(3, 0)), (P{{1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(Pairs(LatticeCells(3, 3)), (P{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Pairs(LatticeCells(4, 2)), (P{{2, 1}, {4, 2}}));
    EXPECT_EQ(Pairs(LatticeCells(-2, 4)), (P{{-1, 2}, {-2, 4}}));
    EXPECT_EQ(Pairs(LatticeCells(3, 1)), (P{{3, 1}}));
    EXPECT_TRUE(LatticeCells(3, 2).empty());
    EXPECT_TRUE(LatticeCells(0, 0).empty());
}

TEST(PushedCoordinate, AThirdOfTheVelocitiesOneToThreeTimesRoundedToACell) {
    SetRandomState(12345);
    std::set<int> fromThree, fromOne, fromMinusOne;
    for (int i = 0; i < 3000; ++i) {
        fromThree.insert(PushedCoordinate(4, 3));
        fromOne.insert(PushedCoordinate(4, 1));       // 4.33 or 4.67 (or 5)
        fromMinusOne.insert(PushedCoordinate(4, -1));  // 3.67 or 3.33 (or 3)
    }
    EXPECT_TRUE(fromThree.count(5) && fromThree.count(6));
    EXPECT_EQ(fromThree.size() - fromThree.count(7), 2u);  // 7 needs one of the two highest draws
    EXPECT_EQ(fromOne, (std::set<int>{4, 5}));
    EXPECT_EQ(fromMinusOne, (std::set<int>{3, 4}));
}

class CarImpactTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
        for (int i = 1; i <= 2; ++i) {
            game.cars[i].mass = 2;
            SetStructure(i, 10);
        }
    }
    int Lost(int index, int side) const { return 10 - game.cars[index].sides[side].structure; }
};

TEST_F(CarImpactTest, AllCarsOnTheFirstOccupiedCellAreHitAndTheMoverStopsThere) {
    StandCar(1, 2, 2, 90);
    StandCar(2, 3, 2);
    const int third = AddCarWithoutModel(3, 2);
    const int beyond = AddCarWithoutModel(5, 2);
    for (int i = 0; i < 4; ++i) QueueDieResult(1);  // every loss of control test passes
    ResolveMove(1, RecordMove(1, 5, 2));  // (3, 0)

    CarRecord& mover = game.cars[1];
    EXPECT_EQ(mover.cellX, 3);
    EXPECT_EQ(mover.cellY, 2);
    EXPECT_EQ(mover.trail[2 * mover.trailCount - 1], 3);  // the trail ends where it stopped
    // Car 2 is met at the mover's velocity (3, 0) and pushed on by 1 to 3
    // cells; the mover stopped on (3, 2) by that first blow meets the third
    // car at (1, 0), which sends both a third of a cell to a cell on.
    EXPECT_EQ(game.cars[2].pendingMoveFlag, 1);
    EXPECT_GE(game.cars[2].targetX, 4);
    EXPECT_EQ(game.cars[2].targetY, 2);
    for (int pushed : {third, 1}) {
        EXPECT_EQ(game.cars[pushed].pendingMoveFlag, 1) << pushed;
        EXPECT_TRUE(game.cars[pushed].targetX == 3 || game.cars[pushed].targetX == 4) << pushed;
        EXPECT_EQ(game.cars[pushed].targetY, 2) << pushed;
    }
    EXPECT_EQ(game.cars[beyond].pendingMoveFlag, 0);
    EXPECT_EQ(game.cars[beyond].targetX, -1);

    // From the left of the cars facing +z, with the mover's front. The first
    // blow is (mass 2 + relative speed 3) / 2 = 2 points each way, the second
    // (mass 2 + relative speed 1) / 2 = 1.
    const std::wstring told =
        L"Collision lourde entre véhicules \n Bousculeur COTE : AVANT \n Bousculé   COTE : GAUCHE";
    EXPECT_EQ(player.TimesSeen(told), 2);
    EXPECT_EQ(Lost(2, SideLeft), 2);
    EXPECT_EQ(game.cars[third].hitPoints, 4 - 1);  // no structure: the pilot takes it
    EXPECT_EQ(Lost(1, SideFront), 2 + 1);
    EXPECT_TRUE(player.SawDialogTexts({L"Voiture : 2\nVous controlez votre véhicule ",
        L"Voiture : 1\nVous controlez votre véhicule "}));
}

TEST_F(CarImpactTest, ALongDiagonalHitsACarOnItsWayAndAnUnevenOneOnlyAtItsEnd) {
    // (4, 2) passes exactly through car 2 on (4, 3) and stops there; (3, 2)
    // passes between cells and ends on (5, 4).
    for (const auto& [toX, stopX, stopY, pushed] : {std::make_tuple(6, 4, 3, 1), std::make_tuple(5, 5, 4, 0)}) {
        StandCar(1, 2, 2, 0);
        StandCar(2, 4, 3);
        game.cars[2].pendingMoveFlag = 0;
        ResolveMove(1, RecordMove(1, toX, 4));
        EXPECT_EQ(std::make_tuple(game.cars[1].cellX, game.cars[1].cellY, game.cars[2].pendingMoveFlag),
                  std::make_tuple(float(stopX), float(stopY), pushed)) << toX;
    }
}

TEST_F(CarImpactTest, AHumanFailingTheTestSkidsNextTurn) {
    StandCar(1, 2, 2, 90);
    StandCar(2, 3, 2);
    QueueDieResult(1);   // car 2 keeps control
    QueueDieResult(15);  // car 1 does not
    ResolveMove(1, RecordMove(1, 3, 2));
    EXPECT_TRUE(player.SawDialogTexts({L"Voiture : 1 \n Veuillez faire un test de pilotage pour savoir si vous perdez le contrôle "
        L"de votre voiture pour le prochain tour :",
        L"Voiture : 1\nVous ne controlerez pas votre véhicule "}));
    EXPECT_EQ(game.cars[1].skidPending, 1);
    EXPECT_EQ(game.cars[2].skidPending, 0);
}

TEST_F(CarImpactTest, AComputerOnAnExactCornerTakesTheBlowOnItsStrongerSide) {
    CarRecord& hit = game.cars[2];
    GiveToComputer(2, L"Brutus");
    hit.sides[SideRear].structure = 2;
    hit.sides[SideLeft].structure = 5;
    StandCar(1, 2, 2);
    StandCar(2, 3, 3, 0);  // met from behind and left at 45 degrees
    QueueDieResult(4);   // Brutus passes his test to choose
    QueueDieResult(20);  // and then loses control
    QueueDieResult(1);   // car 1 keeps it
    ResolveMove(1, RecordMove(1, 3, 3));
    EXPECT_TRUE(player.SawDialogTexts({L"Collision lourde entre véhicules \n Bousculeur COTE : AVANT \n Bousculé   COTE : ARRIERE "
        L"ou GAUCHE",
        L"Brutus choisis d'être percuté sur le côté GAUCHE.\n"}));
    EXPECT_EQ(hit.sides[SideLeft].structure, 5 - 1);  // (mass 2 + speed 1.41) / 2, truncated
    EXPECT_TRUE(player.SawDialogText(
        L"Brutus loupe son test de pilotage et dérapera le tour prochain.\n"));
    EXPECT_EQ(hit.skidPending, 1);
}

TEST_F(CarImpactTest, APersonOnACornerRollsThenChoosesBetweenTheTwoSides) {
    StandCar(1, 2, 2);
    StandCar(2, 3, 3, 0);
    player = ScriptedPlayer();
    player.AnswerDialogs(2);  // the second side
    QueueDieResult(3);
    ResolveMove(1, RecordMove(1, 3, 3));
    EXPECT_TRUE(player.SawDialogTexts({L"Voiture : 2 \n Veuillez faire un test de pilotage pour savoir si vous pouvez choisir de "
        L"vous faire toucher entre le côté ARRIERE et le côté GAUCHE",
        L"Voiture : 2 \n Veuillez choisir le côté qui est percuté :",
        L"Voiture : 2 \n Vous avez choisi d'être percuté sur le côté GAUCHE"}));
    EXPECT_LT(game.cars[2].sides[SideLeft].structure, 10);
    EXPECT_EQ(game.cars[2].sides[SideRear].structure, 10);
}

TEST_F(CarImpactTest, ACarOutOfTheRaceIsPushedButTakesNothingAndIsAskedNothing) {
    CarRecord& wreck = game.cars[2];
    wreck.inRace = 0;
    StandCar(1, 2, 2, 90);
    StandCar(2, 4, 2);
    QueueDieResult(1);
    ResolveMove(1, RecordMove(1, 4, 2));
    EXPECT_EQ(wreck.pendingMoveFlag, 1);
    EXPECT_EQ(Lost(2, SideLeft), 0);
    EXPECT_FALSE(player.SawDialogTextContaining(L"Voiture : 2"));
    EXPECT_GT(Lost(1, SideFront), 0);

    // A wreck sliding into a car still pushes it and takes nothing itself.
    game.cars[1].inRace = 0;
    wreck.inRace = 1;
    StandCar(1, 2, 5, 90);
    StandCar(2, 3, 5);
    QueueDieResult(1);
    ResolveMove(1, RecordMove(1, 3, 5));
    EXPECT_GT(Lost(2, SideLeft), 0);
    EXPECT_EQ(game.cars[2].pendingMoveFlag, 1);
}

TEST_F(CarImpactTest, ACarBeyondAWallIsNotReachedAndACarBeforeItStopsTheMove) {
    // Car 2 stands on (9, 5) and car 1 comes from (7, 5) toward (11, 5):
    // it meets car 2 before the wall x = 950 and stops on its cell.
    game.cars[1].mass = 5;
    StandCar(1, 7, 5, 90);
    StandCar(2, 9, 5);
    ResolveMove(1, RecordMove(1, 11, 5));
    EXPECT_EQ(game.cars[1].cellX, 9);
    EXPECT_EQ(game.cars[2].pendingMoveFlag, 1);
    EXPECT_FALSE(player.SawDialogTextContaining(L"Collision avec un mur"));
}
