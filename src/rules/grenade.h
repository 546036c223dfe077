// The grenade launcher: a grenade thrown one move ahead of the car (behind
// it from the rear launcher) hits every car in a block of nine cells.
#pragma once

#include "rules/move_candidates.h"

// The player picks the launcher when both the front and the rear one are
// loaded, sees the nine cells, and confirms; the grenade is then spent and
// the shooting test rolled. Every car in the nine cells, the thrower
// included, is hit on two different faces. A refused throw changes nothing;
// a car with no loaded launcher throws nothing.
void FireGrenade(int car);

// Whether the front (or rear) launcher holds a grenade.
bool GrenadeLauncherLoaded(int car, bool rear);

// The centre of the nine cells a grenade from that launcher reaches: the
// car's last move from its cell (the other way for the rear launcher), or
// two cells the way it faces when it stands still; a move of one cell
// reaches two cells too.
CellStep GrenadeBlastCentre(int car, bool rear);

// Whether car `car`, in the race, stands in the nine cells around `centre`.
bool InGrenadeBlast(int car, CellStep centre);

// The nine cells shown and the throw from that launcher confirmed (a
// computer thrower announces it instead), then thrown.
void ThrowGrenadeFrom(int car, bool rear);
