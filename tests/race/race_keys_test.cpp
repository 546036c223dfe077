// The race played from the keyboard: the keypad's crosses as they show from
// the camera, Return to confirm, the column's letters, Escape and Return on
// an aiming screen, and the message window's keys.
#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/audio.h"
#include "race/race_loop.h"
#include "support/shot_fixture.h"
#include "ui/dice_dialog.h"
#include "ui/race_screen.h"

using namespace irr;

class RaceKeysTest : public ShotTest {
protected:
    // The camera behind the current car, looking along the grid's rows
    // (+y), or turned round to look the other way.
    static void LookAlongTheGrid(bool turnedRound) {
        const CarRecord& car = game.cars[game.currentCar];
        const float behind = turnedRound ? 400.0f : -400.0f;
        game.camera->setPosition({car.cellX * 100, 500, car.cellY * 100 + behind});
        game.camera->setTarget({car.cellX * 100, 0, car.cellY * 100});
        game.cameraMovedByPlayer = 1;
    }
    static bool Playing(int car) { return ChoiceShown() && game.currentCar == car; }
};

TEST_F(RaceKeysTest, TheKeypadPicksTheCrossesAsTheyShowFromTheCamera) {
    // Car 1 seen from behind: 6 selects the cross on the right (+x), Return
    // confirms it.
    player.When([] { return Playing(1); }, [this] {
        LookAlongTheGrid(false);
        player.Press(KEY_NUMPAD6);
        player.AtFrame(2, [this] {
            EXPECT_TRUE(game.crossMarkers[8].selected);
            player.Press(KEY_RETURN);
        });
    });
    // Car 2 seen from the other side: 6 is now the cross at -x, 8 the one at
    // -y, and 8 again confirms it.
    player.When([] { return Playing(2); }, [this] {
        LookAlongTheGrid(true);
        player.Press(KEY_NUMPAD6);
        player.AtFrame(2, [this] {
            EXPECT_TRUE(game.crossMarkers[2].selected);
            player.Press(KEY_NUMPAD8);
        });
        player.AtFrame(4, [this] { player.Press(KEY_NUMPAD8); });
    });
    player.When([] { return Playing(1) && game.cars[2].cellY != 6; },
                [] { game.actionRequests[RequestQuit] = 1; });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_EQ(game.cars[1].cellX, 3.0f);
    EXPECT_EQ(game.cars[1].cellY, 2.0f);
    EXPECT_EQ(game.cars[2].cellX, 2.0f);
    EXPECT_EQ(game.cars[2].cellY, 5.0f);
}

TEST_F(RaceKeysTest, LettersPressTheColumnControlsThatAPersonCouldClick) {
    int currentCarBeforeF = 0;
    bool mutedSaid = false;
    player.When([] { return Playing(1); }, [this] {
        player.Press(KEY_KEY_U);  // "Auto fin tour" unticked
        player.Press(KEY_KEY_N);  // no nitro: the button is hidden and nothing happens
        player.Press(KEY_KEY_O);  // the sound cut, and the status line says so
    });
    player.When([] { return std::wstring(raceScreen.statusLine->getText()) == L"Son coupé : touche O pour le rétablir"; },
                [&, this] {
                    mutedSaid = AudioMuted();
                    ClickMarkerTwice(8);
                });
    player.When([] { return game.cars[1].hasMoved == 1 && game.dialog.dialogOpen == 0; }, [&] {
        player.AtFrame(5, [&] {
            currentCarBeforeF = game.currentCar;
            player.Press(KEY_KEY_F);
        });
    });
    LeaveWhenCarPlays(2);
    RunRace();
    EXPECT_EQ(game.cars[1].autoEndTurn, 0);
    EXPECT_TRUE(AudioMuted());
    EXPECT_TRUE(mutedSaid) << "the status line says the sound is cut";
    EXPECT_EQ(currentCarBeforeF, 1) << "the turn waited for \"Fin Tour\"";
    EXPECT_EQ(game.currentCar, 2);
    EXPECT_EQ(player.DialogTexts().size(), 1u) << "nothing but the question of \"Quitter\"";
}

TEST_F(RaceKeysTest, EscapeLeavesTheAimingScreenAndReturnFiresAtTheOnlyCarInReach) {
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);
    for (int roll : {1, 4, 1}) QueueDieResult(roll);
    AimCameraAtCurrentCar();
    bool aimLeft = false;
    player.When([] { return Playing(1); }, [&] {
        player.Press(KEY_KEY_A);
        player.AtFrame(3, [this] { player.Press(KEY_ESCAPE); });
        player.AtFrame(6, [&] {
            aimLeft = ChoiceShown() && game.cars[1].hasActed == 0;
            player.Press(KEY_KEY_A);
        });
        player.AtFrame(9, [this] { player.Press(KEY_RETURN); });
    });
    player.When([] { return HasActed(1); }, [] { game.actionRequests[RequestQuit] = 1; });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_TRUE(aimLeft) << "Escape went back to the choice of the move, nothing fired";
    EXPECT_EQ(game.cars[2].sides[SideFront].structure, 16);
}

TEST_F(RaceKeysTest, ReturnAndSpaceCloseAndStopTheDieAndDigitsAnswer) {
    player.AtFrame(3, [this] { player.Press(KEY_RETURN); });
    EXPECT_EQ(DiceDialog(L"Tir réussi", -1, -1, -1, -1, false, 0xFFFFFFFF), 0);

    game.dialog.dieSlowdownFrames = 30;
    game.dialog.dieFaces = 6;
    player.AtFrame(3, [this] { player.Press(KEY_SPACE); });
    const int face = DiceDialog(L"Test de tir.", -1, -1, -1, -1, false, 0xFFFFFFFF);
    EXPECT_TRUE(face >= 1 && face <= 6) << face;

    game.dialog.choiceState = 3;
    game.dialog.choiceLabels[1] = L"Avant";
    game.dialog.choiceLabels[2] = L"Arrière";
    game.dialog.choiceLabels[3] = L"Gauche";
    player.AtFrame(2, [this] { player.Press(KEY_KEY_4); });  // no fourth answer: nothing
    player.AtFrame(4, [this] { player.Press(KEY_KEY_3); });
    EXPECT_EQ(DiceDialog(L"Quel côté ?", -1, -1, -1, -1, false, 0xFFFFFFFF), 3);
}
