// Moves into the walls of the square test circuit (walls at x and z = -50
// and 950), through the real move resolution with its frames and messages.
#include "rules/wall_impact.h"

#include <cmath>
#include <tuple>
#include <vector>

#include "core/game_state.h"
#include "core/random.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "support/race_fixture.h"

using namespace irr;

namespace {
const std::wstring kHumanSurvives =
    L"Collision avec un mur à une vitesse inférieure ou égale à votre masse : vous vous en sortez. "
    L"Vous encaissez néammoins des dégâts égaux à votre vitesse...";
const std::wstring kCrash =
    L"Collision avec un mur à une vitesse supérieure à 1.5 fois votre masse : le crash est "
    L"inévitable.";
}  // namespace

class WallImpactTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
        SetStructure(1, 10);
        game.cars[1].mass = 3;
    }
    // Car 1 drives from one cell to another and every bounce is carried out.
    void Drive(int fromX, int fromY, int toX, int toY) {
        StandCar(1, fromX, fromY);
        ResolveMove(1, RecordMove(1, toX, toY));
    }
    CarRecord& car = game.cars[1];
};

TEST_F(WallImpactTest, AtMostItsMassTheCarTakesItsSpeedOnTheSideFacingTheWallAndBouncesBack) {
    Drive(7, 5, 10, 5);  // speed 3 against the wall x = 950, facing it
    EXPECT_EQ(player.TimesSeen(kHumanSurvives), 1);
    EXPECT_EQ(std::make_tuple(car.sides[SideFront].structure, car.sides[SideRear].structure, car.inRace),
              std::make_tuple(7, 10, 1));
    // 120 units straight back from the wall: the bounce ends on (8, 5),
    // stopped, after a trail point two steps short of the wall.
    EXPECT_EQ(std::vector<f32>({car.cellX, car.cellY, car.prevCellX, car.prevCellY}),
              std::vector<f32>({8, 5, 8, 5}));
    const int n = car.trailCount;
    EXPECT_NEAR(car.trail[2 * (n - 2) - 1], 9.31f, 1e-3);
    EXPECT_EQ(car.trail[2 * (n - 1) - 1], 8);
    EXPECT_EQ(car.trail[2 * n - 1], 8);
}

TEST_F(WallImpactTest, BetweenTheMassAndHalfAgainAPilotingTestDecides) {
    car.drivingSkill = 7;
    QueueDieResult(7);  // passes: 7 or less
    Drive(6, 5, 10, 5);  // speed 4 for mass 3
    EXPECT_TRUE(player.SawDialogTexts({L"Collision avec un mur à une vitesse comprise entre votre masse et 1.5 fois celle ci : vous "
        L"devez faire un test de pilotage pour vous en sortir. \nVotre valeur de pilotage étant 7, "
        L"vous devez faire 7 ou moins sur un dé à 20 faces.",
        L"Vous réussissez à gérer le choc, mais encaissez des dégâts égaux à votre vitesse..."}));
    EXPECT_EQ(car.sides[SideFront].structure, 6);
    EXPECT_EQ(car.inRace, 1);
}

TEST_F(WallImpactTest, AFailedTestOrTooMuchSpeedBurnsTheCarOutButItStillBounces) {
    QueueDieResult(11);  // above the skill of 10
    Drive(6, 5, 10, 5);
    EXPECT_TRUE(player.SawDialogText(L"Vos talents de conduite n'auront pas suffit à survivre..."));
    EXPECT_EQ(car.inRace, 0);
    EXPECT_EQ(car.cellX, 8);

    car.inRace = 1;
    Drive(6, 2, 10, 5);  // speed 5 > 4.5
    EXPECT_EQ(player.TimesSeen(kCrash), 1);
    EXPECT_EQ(car.inRace, 0);
    EXPECT_EQ(car.prevCellX, car.cellX);  // the bounce ran and stopped it
}

TEST_F(WallImpactTest, AComputerDriverIsNamedAndRollsSilently) {
    car.controller = L"IA";
    car.pilotName = L"Brutus";
    QueueDieResult(3);
    Drive(6, 5, 10, 5);
    EXPECT_TRUE(player.SawDialogTexts({L"Brutus rentre dans un mur à une vitesse comprise entre sa masse et 1.5 fois celle ci : il "
        L"doit faire un test de pilotage pour s'en sortir.\n",
        L"Brutusréussit à gérer le choc, mais encaisse des dégâts égaux à sa vitesse..."}));
    EXPECT_FALSE(player.SawDialogTextContaining(L"vous devez faire"));

    Drive(7, 5, 10, 5);
    EXPECT_TRUE(player.SawDialogText(
        L"Collision avec un mur à une vitesse inférieure ou égale à votre masse : Brutus s'en sort "
        L"mais encaisse néammoins des dégâts égaux à sa vitesse..."));
}

TEST_F(WallImpactTest, ASlowDiagonalHitTakesAtLeastOnePoint) {
    car.mass = 2;
    Drive(9, 3, 10, 4);  // speed 1.414 into x = 950
    EXPECT_EQ(player.TimesSeen(kHumanSurvives), 1);
    EXPECT_EQ(TotalLost(1, 10), 1);
}

TEST_F(WallImpactTest, ABounceIntoASecondWallBouncesAgainUntilAMoveEndsClear) {
    car.mass = 12;  // both blows are mild: speeds 11.05 and 6.25
    Drive(9, 0, 10, 11);  // grazes x = 950, bounces toward the wall z = 950
    EXPECT_EQ(player.TimesSeen(kHumanSurvives), 2);
    EXPECT_EQ(car.inRace, 1);
    EXPECT_TRUE(car.cellX >= 0 && car.cellX <= 9 && car.cellY >= 0 && car.cellY <= 9) << car.cellX << ", " << car.cellY;
    EXPECT_EQ(std::make_pair(car.prevCellX, car.prevCellY), std::make_pair(car.cellX, car.cellY));
}

TEST_F(WallImpactTest, TheSideThatMeetsTheWallFollowsTheCarsHeading) {
    StandCar(1, 5, 7);
    RecordMove(1, 5, 10);  // speed 3 into z = 950, facing it
    ExecuteMove(1, false, false);
    EXPECT_EQ(car.sides[SideFront].structure, 7);

    // A skidding car keeps the heading it had: sliding backward into the
    // wall x = 950 it meets it with its rear, sideways with its side.
    StandCar(1, 7, 5, /*heading=*/270);
    RecordMove(1, 10, 5);
    ExecuteMove(1, /*spin=*/true, false);
    EXPECT_EQ(car.sides[SideRear].structure, 7);
    StandCar(1, 7, 5, /*heading=*/0);
    RecordMove(1, 10, 5);
    ExecuteMove(1, /*spin=*/true, false);
    EXPECT_EQ(car.sides[SideRight].structure, 7);
}

TEST(WallBounce, AGrazeBouncesAsTwentyDegreesAndAShortBounceIsRaisedTo120) {
    game.circuit.cellSize = 100;
    const f32 rad = static_cast<f32>(5 * M_PI / 180);
    const core::vector2df u(std::sin(rad), std::cos(rad));  // 5 degrees off the wall x = 950
    const WallBounce bounce =
        BounceOffWall(u, u * 500, {0, 1000}, {950, 500}, /*remaining=*/30);
    const double turned = std::acos(u.dotProduct(bounce.direction)) * 180 / M_PI;
    EXPECT_NEAR(turned, 40, 1e-2);
    EXPECT_LT(bounce.direction.X, 0);  // away from the wall
    EXPECT_EQ(bounce.length, 120);
    // (950, 500) + 120 * (-0.57, 0.82) = (881.5, 598.6): nearest cell (9, 6).
    EXPECT_EQ(bounce.cellX, 9);
    EXPECT_EQ(bounce.cellY, 6);
}

TEST(WallBounce, SeverityComesFromSpeedAgainstMass) {
    EXPECT_EQ(std::vector<int>({WallSeverity(3, 3), WallSeverity(4, 3), WallSeverity(4.5, 3), WallSeverity(5, 3)}),
              std::vector<int>({0, 1, 1, 2}));
}
