// A move that runs into a wall: found along the path before the move is
// shown, settled with damage or a crash, and the car bounces off.
#pragma once

#include <irrlicht.h>

#include "rules/collision_event.h"
#include "rules/move_path.h"

// The bounce off a wall met by a move.
struct WallBounce {
    irr::core::vector2df direction;  // unit vector, ground plane (x, z)
    int length = 0;                  // world units, at least 120
    int cellX = 0, cellY = 0;        // the cell the car bounces to
};

// The bounce of a move of unit direction u whose travel T (from its start to
// the impact point) meets the wall line W at `impact`, `remaining` world
// units before its end. All vectors in the ground plane (x, z).
WallBounce BounceOffWall(irr::core::vector2df u, irr::core::vector2df travel,
                         irr::core::vector2df wall, irr::core::vector2df impact, irr::f32 remaining);

// 0 when the speed is at most the mass, 1 up to 1.5 times the mass, 2 beyond.
int WallSeverity(double speed, int mass);

// Scans the path of car `car` against the walls and, at the first hit, adds
// the wall impact event. Returns whether the path meets a wall.
bool DetectWallImpact(int car, const MovePath& path, CollisionEvents& events);

// The car reaches the wall: explosion, bounce recorded in its trail and
// cells, and the outcome by severity (damage, a test or a crash).
void SettleWallImpact(int car, const CollisionEvent& event);
