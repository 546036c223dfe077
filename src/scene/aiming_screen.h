// The aiming screen of a weapon: race frames with the aim drawn over them,
// until the shooter's driver picks a target (a right click on a car, or
// Return when only one is in reach) and the shot is fired, or the aim is
// left. The target is a decision of the race: a replay feeds it back.
#pragma once

#include <functional>
#include <vector>

#include "core/game_state.h"

struct AimingScreen {
    int car = 0;               // the shooter
    ActionRequest ownRequest;  // pressing the weapon's own button again leaves the aim
    std::function<void()> drawAim;
    // The car a right click at the cursor aims at, or -1.
    std::function<int()> pickedTarget;
    // The cars in reach.
    std::function<std::vector<int>()> targets;
    // Fires at the target: true when the aim is over (a refused shot aims again).
    std::function<bool(int)> fire;
};

// Runs the screen. The weapon's own button or Escape leaves it and clears
// every request; another button leaves it with its request for the race
// loop. The cross markers are hidden when it is left. Ends the program
// when the window is closed.
void RunAimingScreen(const AimingScreen& screen);
