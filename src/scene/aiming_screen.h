// The aiming screen of a weapon: race frames with the aim drawn over them,
// until a right click settles the shot or an action button is pressed.
#pragma once

#include <functional>

#include "core/game_state.h"

struct AimingScreen {
    ActionRequest ownRequest;  // pressing the weapon's own button again cancels the aim
    std::function<void()> drawAim;
    // A right click (the pick request, already cleared): true when the
    // screen is over.
    std::function<bool()> onPick;
    // Return: fires where no choice is left (the only car in reach); true
    // when the screen is over.
    std::function<bool()> onConfirm;
};

// Runs the screen. An action request ends it: the cross markers are hidden,
// and the weapon's own request clears every request; another one is left
// for the race loop. Escape leaves it as the weapon's own button does.
// Ends the program when the window is closed.
void RunAimingScreen(const AimingScreen& screen);
