// A race ready to run on the null renderer: a small walled square circuit
// written by the fixture, two cars dressed with the generated car models,
// the scene built and the status lines made, as program start leaves them
// before the race loop.
#pragma once

#include <irrlicht.h>

#include <numeric>
#include <vector>

#include "support/game_test.h"

class RaceTest : public GameTest {
protected:
    void SetUp() override;

    // Where marker k of the current choice shows on screen.
    irr::core::position2di MarkerOnScreen(int k) const;
    // The player looks down at the current car, clear of the buttons.
    void AimCameraAtCurrentCar();
    // Two held clicks on marker k, the second `gap` frames after the first.
    void ClickMarkerTwice(int k, int gap = 3);
    // A right click on the car's model where it shows on screen.
    void RightClickOnCar(int car);
    // A weapon's button of the race column, then `frames` later a right
    // click on car `car`: the weapon aimed and fired at it.
    void FireFromColumnAt(int buttonId, int car, int frames = 3);
    // Once car `car` has used its action and its messages are closed.
    static bool HasActed(int car);
    // Once the condition holds the player asks to leave through "Quitter".
    void LeaveWhen(ScriptedPlayer::Condition condition);
    // Once that car has the turn the player leaves through "Quitter", "Oui".
    void LeaveWhenCarPlays(int car);
    // Whether the human choice of a move is waiting for the player.
    static bool ChoiceShown();

    // Stands car `car` still on a cell, its node placed there facing
    // `heading` degrees.
    void StandCar(int car, int x, int y, float heading = 0);
    // Car `car` is driven by the computer under that pilot's name.
    void GiveToComputer(int car, const wchar_t* pilot);
    // Adds one more car (without a model) standing still on a cell.
    int AddCarWithoutModel(int x, int y);
    // Every face of the car (front, rear, right, left) named and given
    // `points` of structure.
    static void SetStructure(int car, int points);
    // Points each face lost since SetStructure(car, full), front to left.
    static std::vector<int> FacesLost(int car, int full);
    static int TotalLost(int car, int full);

    // The circuit: 10 x 10 cells walled on every side; gate 1 at x = 3,
    // gate 2 (the finish) at x = 6, each across the whole width. With
    // `pillar` set before SetUp, a square pillar stands at world x and z
    // 420 to 480, between the cells (4, 4) and (5, 5).
    void WriteSquareCircuit();
    bool pillar = false;
};
