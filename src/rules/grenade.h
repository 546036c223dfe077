// The grenade launcher: a grenade thrown one move ahead of the car (behind
// it from the rear launcher) hits every car in a block of nine cells.
#pragma once

// The player picks the launcher when both the front and the rear one are
// loaded, sees the nine cells, and confirms; the grenade is then spent and
// the shooting test rolled. Every car in the nine cells, the thrower
// included, is hit on two different faces. A refused throw changes nothing;
// a car with no loaded launcher throws nothing.
void FireGrenade(int car);
