// Damage: every hit arrives as points on one side of one car and is taken
// by the armour, the side reinforcements, the structure, the side's gadgets
// and last the pilot, in that order, told in one report.
#pragma once

// Takes `points` on side `side` (0..4) of car `car` (1..carCount) and shows
// the report in the car's colour, anchored at the car. Returns once the
// report is closed and, when the pilot has no hit points left, once the car
// is burnt out. Fewer than 1 point does nothing.
void ApplyDamage(int car, int side, int points);

// The car is destroyed: its gadgets gone, shown burnt, an explosion, its
// pilot's fate settled, its skills and structures at 0, out of the race.
void BurnOutCar(int car);
