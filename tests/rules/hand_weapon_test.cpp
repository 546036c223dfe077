// The pistol and the bazooka: the cars a shooter can aim at through the
// window of its steering-wheel side, and the shot from the question to the
// shooter's own piloting test.
#include "rules/hand_weapon.h"

#include <tuple>

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "race/race_loop.h"
#include "support/shot_fixture.h"

class HandWeaponTest : public ShotTest {
protected:
    void SetUp() override {
        ShotTest::SetUp();
        game.cars[1].wheelSide = L"Droite";
        StandCar(1, 2, 5);  // facing +y: its right side faces +x
        AimCameraAtCurrentCar();
    }
    void FireAtCarTwo(const std::wstring& weapon) {
        ShootAtCarTwo([weapon] { FireHandWeapon(1, weapon); });
    }
};

TEST_F(HandWeaponTest, ARightHandWheelAimsToTheRightAndAtItsCornersAtALimitAngle) {
    StandCar(1, 5, 5);
    const HandAim none = HandAim::None, limit = HandAim::LimitAngle;
    for (auto [x, y, aim] : {std::tuple{8, 5, HandAim::Plain}, {8, 8, limit}, {8, 2, limit},
                             {2, 5, none}, {2, 8, none}, {5, 8, none}, {5, 2, none}}) {
        StandCar(2, x, y);
        EXPECT_EQ(HandWeaponAim(1, 2), aim) << x << ", " << y;
    }
    game.cars[1].wheelSide = L"Gauche";
    StandCar(2, 2, 8);
    EXPECT_EQ(HandWeaponAim(1, 2), HandAim::LimitAngle);
}

TEST_F(HandWeaponTest, OnlyCarsInTheRaceAndInSightCanBeAimedAt) {
    StandCar(2, 4, 5);
    const int behind = AddCarWithoutModel(7, 5);
    EXPECT_EQ(HandWeaponAim(1, 2), HandAim::Plain);
    EXPECT_EQ(HandWeaponAim(1, behind), HandAim::None);  // car 2's model is in the way
    StandCar(2, 7, 5);  // on the very spot of the target: it does not hide it
    EXPECT_EQ(HandWeaponAim(1, behind), HandAim::Plain);
    game.cars[2].inRace = 0;
    EXPECT_EQ(HandWeaponAim(1, 2), HandAim::None);
    game.cars[behind].cellX = 11;  // beyond the wall
    EXPECT_EQ(HandWeaponAim(1, behind), HandAim::None);
}

TEST_F(HandWeaponTest, AMissStillMakesTheShooterTestItsPiloting) {
    StandCar(2, 7, 5);  // 5 cells: malus 1
    for (int roll : {10, 11}) QueueDieResult(roll);
    FireAtCarTwo(L"Pistolet");
    EXPECT_TRUE(player.SawDialogTexts({L"Voulez vous tirer au Pistolet sur le véhicule 2 ?\n\nLe malus dû à la distance est de 1\n",
        L"Tir loupé",
        L"La concentration nécessaire au tir vous fait perdre le contrôle de véhicule.\n"}));
    EXPECT_EQ(game.cars[1].skidPending, 1);
    EXPECT_EQ(game.cars[1].pendingMoveFlag, 1);
}

// A "Non" goes back to aiming; at a limit angle a failed test ends the
// action without a shot.
TEST_F(HandWeaponTest, ARefusedShotAimsAgainAndAFailedLimitAngleTestShootsNothing) {
    StandCar(2, 4, 7);  // on the front-right corner
    int questions = 0;
    player.AtFrame(2, [this] { RightClickOnCar(2); });
    player.Whenever([] { return game.dialog.dialogOpen && game.dialog.choiceState == 2; },
                    [this, &questions] {
                        player.ClickButton(gui_id::Choice1 + (++questions == 1 ? 1 : 0));
                        if (questions == 1) player.AtFrame(3, [this] { RightClickOnCar(2); });
                    });
    QueueDieResult(11);
    player.AnswerDialogs(1);
    FireHandWeapon(1, L"Pistolet");
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(player.SawDialogTexts({L"L'angle de tir est très limite. Veuillez faire un test de pilotage pour savoir si vous "
        L"arrivez à orienter votre véhicule pour le tir.",
        L"Dommage..."}));
    EXPECT_FALSE(player.SawDialogText(L"Test de tir."));
    EXPECT_EQ(game.cars[1].hasActed, 1);
}

// The bazooka deals its die + 2 and then waits to be reloaded.
TEST_F(HandWeaponTest, ThePistolAndTheBazookaFireFromTheRaceColumn) {
    AddGadget(1, SideMisc, L"Pistolet");
    AddGadget(1, SideMisc, L"Bazooka");
    StandCar(2, 5, 5);
    game.cars[1].autoEndTurn = 0;
    for (int roll : {10, 1, 10, 10, 10, 1, 10, 10}) QueueDieResult(roll);
    player.When(ChoiceShown, [this] { FireFromColumnAt(gui_id::Pistol, 2); });
    player.When([] { return HasActed(1); }, [this] {
        game.cars[1].hasActed = 0;  // one more action, for the test
        // The bazooka's button is enabled again at the next frame.
        player.AtFrame(2, [this] { FireFromColumnAt(gui_id::Bazooka, 2); });
        LeaveWhen([] { return HasActed(1); });
    });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_TRUE(player.SawDialogTexts({L"Tir de pistolet : \n 1 Dé à 4 faces de dégâts.\n",
        L"Voulez vous tirer au Bazooka sur le véhicule 2 ?\n\n",
        L"Tir de bazooka : \n 1 Dé à 4 faces de dégâts +2.\n"}));
    EXPECT_EQ(game.cars[2].sides[SideLeft].structure, 16);  // 1, then 1 + 2
    EXPECT_TRUE(player.SawDialogTexts({L"Voiture 1 :\nVeuillez faire un test de pilotage pour savoir si tirer vous a déconcentré "
        L"de votre conduite et vous fait déraper.\n",
        L"Vous maitrisez votre véhicule sans problème.\n"}));
    EXPECT_EQ(game.cars[1].sides[SideMisc].gadgets[2].charges, 1);
}
