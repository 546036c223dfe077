// The roster of the race: a small panel at the top left of the race screen
// with a line for each car: its number in its colour, its pilot, who drives
// it, its hit points, the gates it has passed and its place in the race, a
// burnt-out car marked; the car to play highlighted. The key L shows or
// hides it.
#pragma once

#include <string>

// Brings the panel in line with the race; called with every drawn frame of
// the race and of its messages.
void UpdateRoster();

// The place of car `car` in the race as the roster shows it: "1er", "2e"...,
// cars that finished first by the round they finished in, then the others
// by the gates they passed; empty for a burnt-out car.
std::wstring RosterPlace(int car);
