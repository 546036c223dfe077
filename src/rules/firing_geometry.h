// Lines of fire: where a gun points, which car stands on its line, how far
// it is, and which side of a car faces a cell.
#pragma once

#include <string>

#include "rules/move_candidates.h"

// The firing vector of a car's guns: its whole last move, or for a car that
// has not moved the unit step of the sector its model faces; negated for
// the rear guns.
CellStep FiringVector(int car, bool rear);

// The first car (other than the shooter, in index order, in the race or not)
// on the line through the shooter's cell (x, y) along (dx, dy), or -1 when a
// wall stands between; when the vector gives no whole step along its line,
// only a car standing exactly at (x + dx, y + dy).
int FindTargetOnLine(int shooter, int x, int y, int dx, int dy);

// floor(d / 2 - 1) for the distance d in cells between the two cars, never
// below 0: cells 1 to 3 away give 0, 4 and 5 give 1.
int DistanceMalus(int shooter, int target);

// The side of car `target` that faces the cell (x, y): "AVANT", "DROITE",
// "ARRIERE", "GAUCHE", or on an exact corner "AVANT ou DROITE", "DROITE ou
// ARRIERE", "ARRIERE ou GAUCHE", "GAUCHE ou AVANT".
std::wstring HitSide(int target, int x, int y);

// A corner settled by the target's pilot: a piloting test (`testText` for a
// person), then a person answers `question`, the computer takes the side
// with more structure; a failed test leaves it to chance. Returns the side
// index (1..4).
int ChooseHitSide(int target, const std::wstring& corner, const std::wstring& testText,
                  const std::wstring& question);
