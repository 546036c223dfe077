// A move that runs into cars standing on its path: found before the move
// is shown (the cars are pushed, the mover stops on their cell), settled
// with the damage to both and their piloting tests.
#pragma once

#include <vector>

#include "rules/collision_event.h"
#include "rules/move_path.h"

struct Cell {
    int x = 0, y = 0;
    bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
};

// The cells a move of (dx, dy) from (0, 0) passes exactly through: the
// lattice points of its path when the larger component is a multiple of the
// smaller one ((3, 0) gives (1, 0), (2, 0), (3, 0); (4, 2) gives (2, 1),
// (4, 2); (3, 2) none).
std::vector<Cell> LatticeCells(int dx, int dy);

// Where a push sends a car standing at `from` when the two cars' velocities
// add up to `velocitySum`: a third of it, 1 to 3 times, rounded to a cell.
int PushedCoordinate(int from, int velocitySum);

// Finds the cars car `car` runs into before `wallDistance` along its path
// (0 = no wall met), pushes them, stops the car on their cell (the path
// becomes the shortened one) and adds one event per car hit.
void DetectCarImpacts(int car, MovePath& path, bool spin, int spinSign, CollisionEvents& events,
                      irr::f32 wallDistance);

// The blow told, the hit car's corner side chosen, then damage and the loss
// of control test to the hit car and to the mover.
void SettleCarImpact(int car, const CollisionEvent& event);
