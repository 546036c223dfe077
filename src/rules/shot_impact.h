// The piloting test of a car hit by a shot or a grenade: on failure it loses
// control and slides at its next turn.
#pragma once

// Car `car`, when it is still in the race and not already sliding, rolls a
// d20 against its piloting (a person in the message window, the computer
// silently) and is told the outcome; both windows are about the car, not
// placed away from it, in its colour.
void ShotImpactTest(int car);
