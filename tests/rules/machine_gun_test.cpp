// The machine guns: the shot at the car on the line of fire, picked with a
// right click on the aiming screen, from the question to the target's
// piloting test; and the guns fired from the race column.
#include "rules/machine_gun.h"

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "race/race_loop.h"
#include "support/shot_fixture.h"

class MachineGunTest : public ShotTest {
protected:
    void FireAtCarTwo(GunMount mount) {
        ShootAtCarTwo([mount] { FireMachineGun(1, mount); });
    }
};

TEST_F(MachineGunTest, ARearShotWithSkillSevenAndMalusOneHitsOnTwoOrLess) {
    AddGadget(1, SideRear, L"Mitrailleuse arrière");
    game.cars[1].shootingSkill = 7;
    StandCar(1, 6, 5, 90);  // facing +x: the rear guns fire along -x
    StandCar(2, 2, 5);      // 4 cells behind: malus 1
    QueueDieResult(3);
    FireAtCarTwo(GunMount::Rear);
    EXPECT_TRUE(player.SawDialogTexts({L"Voulez vous tirer sur le véhicule 2 ?\n\nLe malus dû à la distance est de 1\n",
        L"Test de tir avec compétence de tir /2 en plus de l'éventuel malus de distance :",
        L"Tir loupé"}));
    EXPECT_EQ(game.cars[1].hasActed, 1);

    game.cars[1].hasActed = 0;
    for (int roll : {2, 4, 10}) QueueDieResult(roll);  // shot, damage, piloting of car 2
    FireAtCarTwo(GunMount::Rear);
    EXPECT_TRUE(player.SawDialogTexts({L"Tir réussi",
        L"Vous avez 1 mitrailleuse(s) arrière installée(s). Veuillez "
        L"lancer le dé de dégâts pour chacune d'elle(s).\n"}));
    EXPECT_FALSE(player.SawDialogText(L"Somme des dégâts : 4\n"));  // one gun: no sum
    EXPECT_EQ(game.cars[2].sides[SideRight].structure, 16);  // car 2 faces +z, the shot comes from +x
    EXPECT_TRUE(player.SawDialogText(L"Vous stabilisez votre véhicule sans problème.\n"));
}

TEST_F(MachineGunTest, ThreeGunsRollThreeDiceAndTheirSumIsShown) {
    for (int i = 0; i < 3; ++i) AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);  // facing the shooter
    for (int roll : {1, 1, 2, 3, 15}) QueueDieResult(roll);
    FireAtCarTwo(GunMount::Front);
    EXPECT_TRUE(player.SawDialogTexts({L"Test de tir.",
        L"Mitrailleuse n°3\n\nDé à 4 faces de dégâts.\n",
        L"Somme des dégâts : 6\n"}));
    EXPECT_EQ(game.cars[2].sides[SideFront].structure, 14);
    EXPECT_TRUE(player.SawDialogText(L"L'impact vous fait perdre le contrôle de votre véhicule.\n"));
    EXPECT_EQ(game.cars[2].skidPending, 1);
    EXPECT_EQ(game.cars[2].pendingMoveFlag, 1);
}

TEST_F(MachineGunTest, ATargetBurntOutByTheDamageTakesNoPilotingTest) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);
    game.cars[2].sides[SideFront].structure = 0;
    game.cars[2].hitPoints = 1;
    for (int roll : {1, 4, 6}) QueueDieResult(roll);  // shot, damage, the pilot's fate
    FireAtCarTwo(GunMount::Front);
    EXPECT_EQ(game.cars[2].inRace, 0);
    EXPECT_FALSE(player.SawDialogTextContaining(L"ce tir vous fait déraper"));
    EXPECT_EQ(game.cars[1].hasActed, 1);
}

TEST_F(MachineGunTest, AComputerTargetOnACornerChoosesItsStrongerSide) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    CarRecord& bob = game.cars[2];
    bob.controller = L"IA";
    bob.sides[SideRear].structure = 3;
    bob.sides[SideLeft].structure = 5;
    StandCar(1, 2, 2, 45);  // fires along (1, 1)
    StandCar(2, 4, 4);      // the shot meets its rear-left corner
    for (int roll : {1, 5, 2, 3}) QueueDieResult(roll);  // shot, side test, damage, piloting
    FireAtCarTwo(GunMount::Front);
    EXPECT_TRUE(player.SawDialogText(
        L"Bob réussi son test pour choisir le côté et choisis d'être touché sur le côté GAUCHE.\n"));
    EXPECT_EQ(bob.sides[SideLeft].structure, 3);
    EXPECT_TRUE(player.SawDialogText(L"Bob stabilise son véhicule sans problème.\n"));
}

TEST_F(MachineGunTest, AClickBesideTheTargetOrOnNoTargetFiresNothing) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 0);  // fires along +y: car 2 is not on the line
    StandCar(2, 5, 5);
    player.AtFrame(2, [this] { RightClickOnCar(2); });
    player.AtFrame(4, [] { game.actionRequests[RequestFrontGun] = 1; });  // pressed again
    FireMachineGun(1, GunMount::Front);
    EXPECT_TRUE(player.DialogTexts().empty());
    EXPECT_EQ(game.cars[1].hasActed, 0);
    EXPECT_FALSE(AnyActionRequest());
}
