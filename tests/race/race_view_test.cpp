// What the player sees of a race: the camera brought over the current car
// when its turn starts, the race column following the current car, and
// clicks on the race column kept off the circuit.
#include <cstdlib>
#include <vector>

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/race_keys.h"
#include "core/random.h"
#include "race/race_loop.h"
#include "rules/move_risks.h"
#include "scene/cross_markers.h"
#include "support/race_fixture.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
core::vector3df CameraTarget() { return game.camera->getTarget(); }

// The label of a check box of the race column, in the small font.
core::position2di LabelCentre(gui::IGUICheckBox* box) {
    const gui::IGUIElement* label = *box->getChildren().begin();
    return label->getAbsolutePosition().getCenter();
}

int SelectedMarker() {
    for (int k = 1; k <= 9; ++k)
        if (game.crossMarkers[k].selected) return k;
    return 0;
}
}  // namespace

class RaceViewTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        game.cars[2].controller = L"IA";
    }

    // Car 1 moves one cell on; the camera is looked at when the computer
    // car 2 has chosen its move and starts to drive.
    void WatchCar2Start() {
        player.When(ChoiceShown, [this] { ClickMarkerTwice(8); });
        player.When([] { return game.currentCar == 2 && game.cars[2].hasMoved; },
                    [this] { targetWhenCar2Drives = CameraTarget(); });
        // The player leaves when car 1 has the turn again.
        LeaveWhen([] { return game.roundNumber == 1; });
        player.AnswerDialogs(1);
        RunRace();
    }

    core::vector3df targetWhenCar2Drives{-1, -1, -1};
};

TEST_F(RaceViewTest, TheCameraComesOverEachCarWhenItsTurnStarts) {
    core::vector3df targetAtCar1sTurn{-1, -1, -1}, car1Cell;
    player.When([] { return game.roundNumber == 1 && ChoiceShown(); }, [&] {
        targetAtCar1sTurn = CameraTarget();
        car1Cell = {game.cars[1].cellX * 100, 0, game.cars[1].cellY * 100};
    });
    WatchCar2Start();
    // As "Centrer Caméra" places it: over the computer car 2's start cell
    // (2, 6), then back over car 1 at its next turn.
    EXPECT_EQ(targetWhenCar2Drives, core::vector3df(200, 0, 600));
    EXPECT_EQ(targetAtCar1sTurn, car1Cell);
}

TEST_F(RaceViewTest, TheFirstTurnStartsOverCar1WhateverTheWheelDidBeforeTheRace) {
    // The wheel turned five notches over the race setup's lists.
    for (int notch = 0; notch < 5; ++notch) player.Wheel(-1.0f);
    core::vector3df cameraAtFirstChoice;
    player.When(ChoiceShown, [&cameraAtFirstChoice] {
        cameraAtFirstChoice = game.camera->getPosition();
        game.actionRequests[RequestQuit] = 1;
    });
    player.AnswerDialogs(1);
    RunRace();
    // As "Centrer Caméra" places it over car 1's start cell (2, 2).
    EXPECT_EQ(cameraAtFirstChoice, core::vector3df(400, 300, -200));
}

TEST_F(RaceViewTest, TheColumnFollowsAComputerCarFromTheFirstMessageOfItsTurn) {
    // Car 2 fights: its front gun faces car 1, four cells away; it misses.
    game.cars[2].controller = L"IAC";
    game.cars[2].shootingSkill = 10;
    AddGadget(2, SideFront, L"Mitrailleuse avant");
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(2, 2, 6, 180);
    QueueDieResult(20);
    // The player unticks "Auto fin tour", stays on his cell and presses "Fin Tour".
    player.When(ChoiceShown, [this] { player.ClickButton(gui_id::AutoEndTurn); });
    player.When([] { return game.cars[1].autoEndTurn == 0 && ChoiceShown(); },
                [this] { ClickMarkerTwice(5); });
    player.When([] { return raceScreen.endTurn->isEnabled() && !game.dialog.dialogOpen; },
                [this] { player.ClickButton(gui_id::EndTurn); });
    // The column once the computer's first message has been drawn over it.
    std::wstring plate;
    bool personsControlsShown = true;
    int messageFrames = 0;
    auto secondFrameOfCar2sMessage = [&messageFrames] {
        return game.dialog.dialogOpen && game.currentCar == 2 && ++messageFrames == 2;
    };
    player.When(secondFrameOfCar2sMessage, [&] {
        plate = raceScreen.hudCarText->getText();
        personsControlsShown = raceScreen.endTurn->isVisible() || raceScreen.frontGun->isVisible();
    });
    LeaveWhen([] { return game.roundNumber == 1; });
    player.AnswerDialogs(1, 1);
    RunRace();
    ASSERT_TRUE(player.SawDialogText(
        L"Bob tire à la mitrailleuse avant sur le véhicule 1.\n\nLe malus dû à la distance est de 1\n"));
    EXPECT_NE(plate.find(L"Voiture 2"), std::wstring::npos);
    EXPECT_FALSE(personsControlsShown);
}

TEST_F(RaceViewTest, ThePlayersOwnViewIsKeptThroughAComputerTurn) {
    // The player holds D (turning the camera) as the computer's turn starts.
    player.When([] { return game.currentCar == 2; }, [this] { player.Key(KEY_KEY_D, true); });
    player.When([] { return game.currentCar == 2 && game.cars[2].hasMoved; },
                [this] { player.Key(KEY_KEY_D, false); });
    WatchCar2Start();
    // The orbit turns about the target the player left over car 1's cell.
    EXPECT_EQ(targetWhenCar2Drives, core::vector3df(200, 0, 200));
}

TEST_F(RaceTest, AClickOnAColumnLabelNeverReachesTheCrosses) {
    int selectedAfterClick = -1;
    player.When(ChoiceShown, [this, &selectedAfterClick] {
        // Cross 9 shows 150 pixels left of "Voir histo": well within the
        // reach of the pick's nearest-cross rule, were the click let through.
        const core::position2di label = LabelCentre(raceScreen.showTrail);
        AimCameraAtCurrentCar();
        for (int step = 0; step < 400; ++step) {
            const core::position2di marker = MarkerOnScreen(9);
            if (std::abs(marker.X - (label.X - 150)) <= 20 && std::abs(marker.Y - label.Y) <= 20) break;
            const core::vector3df shift(marker.X > label.X - 150 ? 10.0f : -10.0f, 0,
                                        marker.Y > label.Y ? -10.0f : 10.0f);
            game.camera->setPosition(game.camera->getPosition() + shift);
            game.camera->setTarget(game.camera->getTarget() + shift);
            game.camera->updateAbsolutePosition();
        }
        ASSERT_LT(MarkerOnScreen(9).getDistanceFrom(label), 220);
        player.LeftClickOverTwoFrames(label.X, label.Y);
        player.AtFrame(4, [label, this] { player.LeftClickOverTwoFrames(label.X, label.Y); });
        player.AtFrame(8, [&selectedAfterClick] {
            selectedAfterClick = SelectedMarker();
            game.actionRequests[RequestQuit] = 1;
        });
    });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_EQ(std::vector<int>({selectedAfterClick, game.cars[1].hasMoved, game.cars[1].trailCount}),
              std::vector<int>({0, 0, 2}));
    // The label's clicks went to its box: ticked, then unticked.
    EXPECT_FALSE(raceScreen.showTrail->isChecked());
}

TEST_F(RaceTest, ThePlateTheColumnAndItsGapsAreNotTheCircuit) {
    CreateRaceScreen();
    const core::recti plate = raceScreen.hudColourImage->getAbsolutePosition();
    const core::recti quit = raceScreen.quit->getAbsolutePosition();
    EXPECT_TRUE(PointOnRaceScreenControls(plate.getCenter()));
    EXPECT_TRUE(PointOnRaceScreenControls(LabelCentre(raceScreen.autoEndTurn)));
    EXPECT_TRUE(PointOnRaceScreenControls({quit.getCenter().X, quit.UpperLeftCorner.Y - 2}));
    EXPECT_FALSE(PointOnRaceScreenControls({plate.UpperLeftCorner.X - 5, quit.getCenter().Y}));
    // The status lines are text over the circuit.
    EXPECT_FALSE(PointOnRaceScreenControls(raceScreen.statusLine->getAbsolutePosition().getCenter()));
}

// The roster names every car with its pilot, driver, life, gates and place,
// the car to play highlighted, a burnt-out car marked; L hides it.
TEST_F(RaceViewTest, TheRosterSaysWhoIsWhoAndWhereAndLHidesIt) {
    game.cars[2].checkpointsPassed = 1;
    game.cars[1].hitPoints = 3;
    auto shown = [] {
        std::vector<std::wstring> texts;
        for (gui::IGUIElement* e : game.guiEnvironment->getRootGUIElement()->getChildren())
            if (e->getType() == gui::EGUIET_STATIC_TEXT && e->isVisible() &&
                std::wstring(e->getText()).find(L" - ") != std::wstring::npos)
                texts.push_back(e->getText());
        return texts;
    };
    std::vector<std::wstring> atStart, afterBurnOut, hidden;
    player.AtFrame(2, [&] {
        atStart = shown();
        game.cars[2].inRace = 0;
    });
    player.AtFrame(4, [&] {
        afterBurnOut = shown();
        PressRaceKey({RaceKey::Letter, 'L'});
    });
    player.AtFrame(6, [&] { hidden = shown(); });
    LeaveWhen([] { return game.rosterShown == 0; });
    player.AnswerDialogs(1);
    RunRace();
    const std::wstring gates = L"/" + std::to_wstring(game.circuit.checkpointCount);
    EXPECT_EQ(atStart, (std::vector<std::wstring>{L" Ann - Humain - Vie 3 - Portes 0" + gates + L" - 2e",
                                                  L" Bob - IA - Vie 4 - Portes 1" + gates + L" - 1er"}));
    EXPECT_EQ(afterBurnOut, (std::vector<std::wstring>{L" Ann - Humain - Vie 3 - Portes 0" + gates + L" - 1er",
                                                       L" Bob - IA - carbonisée"}));
    EXPECT_TRUE(hidden.empty());
}

// K ticks "Voir risques" for the car to play: its crosses take the risk
// colour exactly where the rules' detection finds a risk; K again unticks it.
TEST_F(RaceViewTest, KeyKShowsAndHidesTheRisksOfTheCrosses) {
    auto markedAndRisky = [] {
        std::vector<std::pair<bool, bool>> crosses;
        for (int k = 1; k <= 9; ++k) {
            const CrossMarker& m = game.crossMarkers[k];
            crosses.push_back({MarkerMarkedRisky(m), RiskOfMove(1, m.cellX, m.cellY).Any()});
        }
        return crosses;
    };
    std::vector<std::pair<bool, bool>> ticked, unticked;
    bool boxTicked = false;
    int framesTicked = 0, framesUnticked = 0;
    player.When(ChoiceShown, [&] {
        // Oil across the way to the first cross.
        const CarRecord& car = game.cars[1];
        const CrossMarker& m = game.crossMarkers[1];
        AddOilPatch((car.cellX + m.cellX) / 2, (car.cellY + m.cellY) / 2, m.cellX, m.cellY);
        PressRaceKey({RaceKey::Letter, 'K'});
    });
    player.Whenever([&] { return game.cars[1].showRisks == 1 && ++framesTicked == 2; }, [&] {
        boxTicked = raceScreen.showRisks->isChecked();
        ticked = markedAndRisky();
        PressRaceKey({RaceKey::Letter, 'K'});
    });
    player.Whenever([&] { return !ticked.empty() && game.cars[1].showRisks == 0 && ++framesUnticked == 2; },
                    [&] { unticked = markedAndRisky(); });
    LeaveWhen([&] { return !unticked.empty(); });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_TRUE(boxTicked);
    EXPECT_EQ(game.cars[1].showRisks, 0);
    ASSERT_EQ(ticked.size(), 9u);
    for (size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(ticked[k].first, ticked[k].second) << "cross " << k + 1;
        EXPECT_FALSE(unticked[k].first) << "cross " << k + 1;
    }
    EXPECT_TRUE(ticked[0].first) << "oil on its way";
}
