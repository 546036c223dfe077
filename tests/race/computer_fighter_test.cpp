// The fighting computer driver in a running race: car 1, "Brutus", driven by
// "IAC", plays its turn through the race loop (its action before or after its
// move, its own rolls silent, every step told in a message naming it) and the
// race is left when car 2, a person's, has the turn.
#include <algorithm>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "race/race_loop.h"
#include "scene/aiming_marks.h"
#include "support/race_fixture.h"

class FightingComputerTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        GiveToComputer(1, L"Brutus");
        game.cars[1].controller = L"IAC";
        for (int car : {1, 2}) {
            game.cars[car].shootingSkill = 10;
            SetStructure(car, 20);
        }
    }
    // Brutus plays its turn; the race is left when car 2 has the turn.
    void PlayBrutusTurn() {
        LeaveWhenCarPlays(2);
        RunRace();
    }
    bool Said(const std::wstring& part) const { return player.SawDialogTextContaining(part); }
    static int StructureLost(int car) { return TotalLost(car, 20); }
};

TEST_F(FightingComputerTest, ItFiresItsFrontGunAtACarOnTheLineNamingItselfWithoutAQuestion) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 90);   // facing +x, standing still: the guns fire along +x
    StandCar(2, 5, 5, 270);  // 3 cells ahead, facing it
    for (int roll : {3, 4, 5}) QueueDieResult(roll);  // the shot, the damage, car 2's piloting
    // The line of fire on the ground under every message of Brutus's turn:
    // the shot announced, hit, car 2's damage and piloting test.
    std::vector<ShotLine> lines;
    player.Whenever([] { return game.dialog.dialogOpen == 1 && game.currentCar == 1; },
                    [&] { lines.push_back(ShownShotLine()); });
    PlayBrutusTurn();
    EXPECT_TRUE(player.SawDialogTexts({L"Brutus tire à la mitrailleuse avant sur le véhicule 2.",
        L"Tir réussi : Brutus touche le véhicule 2."}));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](const ShotLine& line) {
        return line.shown && line.from == irr::core::vector2df(200, 500) &&
               line.to == irr::core::vector2df(500, 500);
    })) << "from Brutus's cell (2, 5) to car 2's (5, 5)";
    EXPECT_FALSE(ShownShotLine().shown) << "the line goes with the shot";
    EXPECT_FALSE(Said(L"Voulez vous tirer"));
    EXPECT_FALSE(Said(L"Veuillez lancer le dé")) << "the computer's dice are silent";
    EXPECT_EQ(game.cars[2].sides[SideFront].structure, 16);
    EXPECT_TRUE(player.SawDialogText(L"Vous stabilisez votre véhicule sans problème.\n"));
}

TEST_F(FightingComputerTest, AMissIsToldWithTheDistanceMalus) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    game.cars[1].shootingSkill = 15;
    StandCar(1, 2, 5, 90);
    StandCar(2, 7, 5, 270);  // 5 cells: malus 1
    QueueDieResult(15);      // above 15 - 1
    PlayBrutusTurn();
    EXPECT_TRUE(player.SawDialogTexts({L"Brutus tire à la mitrailleuse avant sur le véhicule 2.\n\nLe malus dû à la distance est de 1\n",
        L"Tir loupé : Brutus manque le véhicule 2."}));
    EXPECT_EQ(StructureLost(2), 0);
}

class FightingBehindAPillarTest : public FightingComputerTest {
protected:
    void SetUp() override {
        pillar = true;  // between the cells (4, 4) and (5, 5)
        FightingComputerTest::SetUp();
    }
};

TEST_F(FightingBehindAPillarTest, ItDoesNotShootThroughAWall) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    AddGadget(1, SideRear, L"Mitrailleuse arrière");
    StandCar(1, 2, 2, 45);  // its guns along (1, 1) and (-1, -1)
    StandCar(2, 7, 7, 225);
    PlayBrutusTurn();
    EXPECT_FALSE(Said(L"Brutus tire"));
    EXPECT_EQ(StructureLost(2), 0);
}

TEST_F(FightingComputerTest, APlainComputerWithTheSameGunsNeverActsAndDrawsTheSameDice) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    AddGadget(1, SideMisc, L"Pistolet");
    game.cars[1].wheelSide = L"Droite";
    game.cars[1].controller = L"IA";
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);
    const uint32_t start = RandomState();
    PlayBrutusTurn();
    EXPECT_FALSE(Said(L"tire"));
    EXPECT_EQ(StructureLost(2), 0);
    const uint32_t afterPlainTurn = RandomState();

    // The same turn driven by a plain computer with no weapon at all.
    TearDown();
    SetUp();
    game.cars[1].controller = L"IA";
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);
    EXPECT_EQ(RandomState(), start);
    PlayBrutusTurn();
    EXPECT_EQ(RandomState(), afterPlainTurn);
}

class FightingPistolTest : public FightingComputerTest {
protected:
    void SetUp() override {
        FightingComputerTest::SetUp();
        AddGadget(1, SideMisc, L"Pistolet");
        game.cars[1].wheelSide = L"Droite";
        game.cars[1].shootingSkill = game.cars[1].drivingSkill = 16;
        StandCar(1, 5, 5);  // facing +y: its right side faces +x
    }
};

TEST_F(FightingPistolTest, WithARightHandWheelItAimsOnlyToItsRight) {
    StandCar(2, 3, 5);  // on its left
    PlayBrutusTurn();
    EXPECT_FALSE(Said(L"Brutus tire"));
    EXPECT_EQ(StructureLost(2), 0);
}

TEST_F(FightingPistolTest, ACarOnItsRightIsShotAndItsOwnPilotingTested) {
    StandCar(2, 7, 5);
    for (int roll : {2, 3, 1, 20}) QueueDieResult(roll);  // shot, damage, car 2's test, its own
    PlayBrutusTurn();
    EXPECT_TRUE(player.SawDialogTexts({L"Brutus tire au pistolet sur le véhicule 2.",
        L"Tir réussi : Brutus touche le véhicule 2."}));
    EXPECT_EQ(StructureLost(2), 3);
    EXPECT_TRUE(player.SawDialogText(
        L"La concentration nécessaire au tir fait perdre à Brutus le contrôle de son véhicule.\n"));
    EXPECT_TRUE(player.SawDialogText(L"Brutus dérape ici")) << "its move became a slide";
}

class FightingGrenadeTest : public FightingComputerTest {
protected:
    void SetUp() override {
        FightingComputerTest::SetUp();
        AddGadget(1, SideFront, L"Lance Grenades");
        AddGadget(1, SideRear, L"Lance Grenades");
        third = AddCarWithoutModel(4, 6);
        SetStructure(third, 20);
    }
    int third = 0;
};

TEST_F(FightingGrenadeTest, ItThrowsAtTwoOpponentsInTheNineCellsWithoutAskingWhichLauncher) {
    StandCar(1, 2, 5, 90);   // standing still facing +x: the cells around (4, 5)
    StandCar(2, 4, 4, 270);  // off its guns' line, which it does not have
    // The throw, then for each car its two faces, their damage and its piloting.
    for (int roll : {5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5}) QueueDieResult(roll);
    PlayBrutusTurn();
    EXPECT_TRUE(player.SawDialogText(L"Brutus lance une grenade qui touchera les 9 cases marquées.\n"));
    EXPECT_FALSE(Said(L"Lequel de vos deux Lance Grenades"));
    EXPECT_FALSE(Said(L"Voulez vous lancer"));
    EXPECT_EQ(StructureLost(2), 3 + 4);
    EXPECT_EQ(StructureLost(third), 3 + 4);
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"sup", 0), 1);
    EXPECT_TRUE(player.SawDialogText(L"Voiture 2 touchée.\n\nLes deux côtés touchés sont le côté Avant et "
                                     L"le côté Arrière.\n"));
}

TEST_F(FightingGrenadeTest, ItThrowsNothingWhenItWouldStandInTheBlast) {
    // A last move of half a cell, cut to nothing, leaves the nine cells
    // around the car itself, with both opponents in them.
    StandCar(1, 4, 5, 90);
    game.cars[1].prevCellX = 3.5f;
    StandCar(2, 5, 5, 270);
    bool thrownBeforeMoving = false;
    player.Whenever([] { return game.currentCar == 1 && game.cars[1].hasMoved == 0; }, [&] {
        thrownBeforeMoving |= CountGadgets(L"Lance Grenades", 1, kAllSides, L"sup", 0) < 2;
    });
    PlayBrutusTurn();
    EXPECT_FALSE(thrownBeforeMoving);
    EXPECT_EQ(StructureLost(1), 0);
}

// At one cell a turn it reloads its fired bazooka before moving; at two, only
// if the move it makes slows it to one.
TEST_F(FightingComputerTest, ItReloadsItsBazookaBeforeMovingAtSpeedOneOrAfterSlowingToIt) {
    for (int speed : {1, 2}) {
        SCOPED_TRACE(speed);
        if (speed == 2) TearDown(), SetUp();
        AddGadget(1, SideMisc, L"Bazooka");
        game.cars[1].sides[SideMisc].gadgets[1].charges = 1;  // fired
        StandCar(1, 2 + speed, 5, 90);
        game.cars[1].prevCellX = 2;
        StandCar(2, 8, 8);
        int chargesBeforeTheMove = -1;
        player.Whenever([] { return game.currentCar == 1 && game.cars[1].hasMoved == 0; },
                        [&] { chargesBeforeTheMove = game.cars[1].sides[SideMisc].gadgets[1].charges; });
        PlayBrutusTurn();
        const CarRecord& car = game.cars[1];
        const bool slow = std::abs(car.cellX - car.prevCellX) <= 1 && std::abs(car.cellY - car.prevCellY) <= 1;
        const bool reloaded = speed == 1 || slow;
        EXPECT_EQ(chargesBeforeTheMove, speed == 1 ? 0 : 1);
        EXPECT_EQ(car.sides[SideMisc].gadgets[1].charges, reloaded ? 0 : 1);
        EXPECT_EQ(player.SawDialogText(L"Brutus recharge son bazooka."), reloaded);
    }
}

// Oil only with a rival close behind on its way, never with one ahead; the
// projector is told, never which cartridge it used.
TEST_F(FightingComputerTest, ItSpraysOilWithARivalCloseBehindAndNotWithOneAhead) {
    for (const bool behind : {true, false}) {
        SCOPED_TRACE(behind);
        if (!behind) TearDown(), SetUp();
        AddGadget(1, SideRear, L"Projecteur d'huile");
        AddGadget(1, SideRight, L"Cartouche d'huile");
        AddGadget(1, SideLeft, L"Cartouche d'huile");
        StandCar(1, 4, 5, 90);
        game.cars[1].prevCellX = 3;
        if (behind) StandCar(2, 2, 5, 90);  // two cells behind, on its way
        else StandCar(2, 6, 3, 90);
        game.cars[2].drivingSkill = 4;  // likely to slide on it
        PlayBrutusTurn();
        EXPECT_EQ(player.SawDialogText(L"Brutus active son projecteur d'huile : une traînée d'huile "
                                       L"suivra tout son mouvement ce tour ci.\n"), behind);
        EXPECT_EQ(Said(L"huile"), behind);
        EXPECT_FALSE(Said(L"Confirmer")) << "nor which cartridge";
        EXPECT_EQ(CountGadgets(L"Cartouche d'huile", 1, kAllSides, L"sup", 0), behind ? 1 : 2);
        EXPECT_EQ(OilPatchCount(), behind ? 1 : 0);
    }
}
