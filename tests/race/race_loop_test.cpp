// Whole turns of a race driven by the scripted player on the null renderer.
#include "race/race_loop.h"

#include "race/race_input.h"

#include <algorithm>
#include <filesystem>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "rules/move_choice.h"
#include "support/race_fixture.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
std::wstring StatusText() { return WithoutLeadingSpaces(raceScreen.statusLine->getText()); }
}  // namespace

TEST_F(RaceTest, TwoClicksOnACrossMoveTheCarAndPassTheTurn) {
    player.When(ChoiceShown, [this] {
        // What a push leaves on a car; the commit must clear it. Set once the
        // crosses stand, so that it does not move them.
        CarRecord& car = game.cars[1];
        car.targetX = 5;
        car.targetY = 7;
        car.pendingMoveFlag = 1;
        ClickMarkerTwice(8);  // one cell towards +x
    });
    LeaveWhenCarPlays(2);
    RunRace();
    const CarRecord& car = game.cars[1];
    EXPECT_EQ(std::vector<f32>({car.cellX, car.cellY, car.prevCellX, car.prevCellY, car.trail[5], car.trail[6]}),
              std::vector<f32>({3, 2, 2, 2, 3, 2}));
    // The start line lies on x = 3; the end of its turn cleared hasMoved.
    EXPECT_EQ(std::vector<int>({car.targetX, car.targetY, car.pendingMoveFlag, car.trailCount,
                                car.checkpointsPassed, game.currentCar, car.hasMoved}),
              std::vector<int>({-1, -1, 0, 3, 1, 2, 0}));
    EXPECT_FALSE(game.crossMarkers[8].node->isVisible());
    const core::vector3df at = car.sceneNode->getPosition();
    EXPECT_TRUE(core::equals(at.X, 300.0f) && core::equals(at.Z, 200.0f)) << at.X << ", " << at.Z;
}

TEST_F(RaceTest, ASecondCrossMovesTheSelectionAndClicksShorterThanAFrameCount) {
    bool threeSelected = false;
    player.When(ChoiceShown, [this] {
        AimCameraAtCurrentCar();
        const core::position2di three = MarkerOnScreen(3), seven = MarkerOnScreen(7);
        player.LeftClickAt(three.X, three.Y);  // pressed and released at once
        player.AtFrame(3, [this, seven] { player.LeftClickOverTwoFrames(seven.X, seven.Y); });
        player.AtFrame(6, [this, seven] { player.LeftClickAt(seven.X, seven.Y); });
    });
    player.When([] { return game.crossMarkers[3].selected == 1; }, [&threeSelected] {
        threeSelected = true;
        EXPECT_EQ(StatusText(), L"Croix sélectionnée n°3");
    });
    LeaveWhenCarPlays(2);
    RunRace();
    EXPECT_TRUE(threeSelected);
    EXPECT_EQ(std::make_pair(game.cars[1].cellX, game.cars[1].cellY), std::make_pair(3.0f, 1.0f))
        << "marker 7: (x + 1, y - 1)";
}

TEST_F(RaceTest, TheStatusNamesTheNinthCrossAndQuittingLeavesTheChoice) {
    player.When(ChoiceShown, [this] {
        const core::position2di at = MarkerOnScreen(9);
        player.LeftClickOverTwoFrames(at.X, at.Y);
    });
    LeaveWhen([] { return game.crossMarkers[9].selected == 1; });
    player.AnswerDialogs(1);  // "Oui"
    RunRace();
    EXPECT_EQ(StatusText(), L"Croix sélectionnée n°9");
    EXPECT_TRUE(player.SawDialogText(
        L"Etes vous sûr de vouloir retourner au menu sans finir la course et sans sauvegarder ?"));
    EXPECT_EQ(game.quitToMenu, 1);
    EXPECT_EQ(game.cars[1].hasMoved, 0);
    EXPECT_FALSE(game.crossMarkers[9].node->isVisible());
}

TEST_F(RaceTest, TheCheckBoxesSetTheCurrentCarsFlagsDuringTheChoice) {
    player.When(ChoiceShown, [this] {
        player.ClickButton(gui_id::ShowTrail);
        player.AtFrame(2, [this] { player.ClickButton(gui_id::AutoEndTurn); });
    });
    player.When([] { return game.cars[1].autoEndTurn == 0; }, [this] { ClickMarkerTwice(8); });
    LeaveWhen([] { return game.cars[1].hasMoved == 1; });
    player.AnswerDialogs(1);
    RunRace();
    // No automatic end of turn after the move.
    EXPECT_EQ(std::vector<int>({game.cars[1].showTrail, game.cars[1].autoEndTurn, game.currentCar}),
              std::vector<int>({1, 0, 1}));
    EXPECT_TRUE(raceScreen.endTurn->isEnabled());
}

TEST_F(RaceTest, EndTurnBeforeMovingKeepsTheTurn) {
    CreateRaceScreen();
    game.currentCar = 1;
    game.lastGuiId = gui_id::EndTurn;
    HandleRaceScreenEvents();
    EXPECT_EQ(StatusText(), L"Veillez jouer d'abord");
    EXPECT_EQ(game.currentCar, 1);
    EXPECT_EQ(game.lastGuiId, 0);
}

TEST_F(RaceTest, ARaceOfSeveralRoundsEndsAfterTheFinishLine) {
    // Both players press on to +x; car 1 crosses the finish (x = 6) first.
    int answeredChoice = -1;  // one answer per choice: car and trail length
    player.Whenever(ChoiceShown, [this, &answeredChoice] {
        const int choice = game.currentCar * 1000 + game.cars[game.currentCar].trailCount;
        if (choice == answeredChoice) return;
        answeredChoice = choice;
        ClickMarkerTwice(game.currentCar == 1 ? 8 : 5);
    });
    player.AnswerDialogs();  // the results at the end
    RunRace();
    // The winner of a race of two is paid.
    EXPECT_EQ(std::vector<int>({game.quitToMenu, game.cars[1].zonks, game.cars[2].zonks,
                                game.cars[1].checkpointsPassed, game.cars[2].finishOrder}),
              std::vector<int>({1, 200, 0, 2, -1}));
    EXPECT_TRUE(game.cars[1].finishOrder != -1 && game.roundNumber >= 2 && game.cars[1].trailCount >= 5);
}

TEST_F(RaceTest, AComputerThatFailsOnOilSkidsAtItsNextTurnWithoutAClick) {
    // From (2, 2) the computer drives to (3, 3), across a patch of oil.
    for (int i = 1; i <= 2; ++i) game.cars[i].controller = L"IA";
    AddOilPatch(2, 3, 3, 2);
    QueueDieResult(20);
    int skiddingWhileCar2Plays = -1;
    player.When([] { return game.currentCar == 2; },
                [&] { skiddingWhileCar2Plays = game.cars[1].skidPending; });
    LeaveWhen([] { return game.roundNumber == 1 && game.currentCar == 2; });
    player.AnswerDialogs(1);
    RunRace();
    const auto& texts = player.DialogTexts();
    const auto failed =
        std::find(texts.begin(), texts.end(), L"Ann passe sur de l'huile et loupe son test de pilotage.\n");
    ASSERT_NE(failed, texts.end());
    EXPECT_NE(std::find(failed, texts.end(), L"Ann dérape ici"), texts.end());
    EXPECT_EQ(skiddingWhileCar2Plays, 1);
    const CarRecord& car = game.cars[1];
    // The skid move took its spin; the trail holds the start's two points, (3, 3), the skid.
    EXPECT_EQ(std::vector<int>({car.skidPending, car.pendingMoveFlag, car.trailCount}), std::vector<int>({0, 0, 4}));
    EXPECT_EQ(std::make_pair(car.trail[5], car.trail[6]), std::make_pair(3.0f, 3.0f));
}

TEST_F(RaceTest, FinTourThatEndsTheRaceEndsTheFrameAndTheResultsAreSettledOnce) {
    // Bob's car burnt out and stands still: once Ann ends her turn herself,
    // the round is over with one car left, the race with it.
    game.cars[2].inRace = 0;
    game.cars[1].autoEndTurn = 0;
    std::filesystem::create_directories(workDir + "/pilotes");
    ASSERT_TRUE(WritePilotFile(1));
    int choicesShown = 0, lastChoice = -1;  // one choice per trail length
    player.Whenever(ChoiceShown, [this, &choicesShown, &lastChoice] {
        if (game.cars[1].trailCount == lastChoice) return;
        lastChoice = game.cars[1].trailCount;
        if (++choicesShown == 1) ClickMarkerTwice(8);
    });
    // "Fin Tour" once the move is over and the button offers it.
    player.When([] { return game.cars[1].hasMoved && raceScreen.endTurn->isEnabled() && !ChoiceShown(); },
                [this] { player.ClickButton(gui_id::EndTurn); });
    player.AnswerDialogs(1);  // "Pilotage" for the survivor
    player.SetFrameLimit(3000);
    RunRace();

    EXPECT_EQ(choicesShown, 1) << "no move after the race was over";
    // The sole survivor is paid once and gains one skill point; his file holds one settlement.
    const CarRecord& ann = game.cars[1];
    EXPECT_EQ(std::vector<int>({ann.trailCount, ann.zonks, ann.drivingSkill}), std::vector<int>({3, 200, 11}));
    EXPECT_EQ(std::count_if(player.DialogTexts().begin(), player.DialogTexts().end(),
                            [](const std::wstring& text) { return text.find(L"Zonks") != std::wstring::npos; }),
              1);
    ReadPilotFile(0, L"Ann");
    EXPECT_EQ(std::make_pair(game.cars[0].zonks, game.cars[0].drivingSkill), std::make_pair(200, 11));
}
