// The collisions a move will meet, found before the move is shown and
// settled when the car reaches each of them.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

enum class CollisionKind {
    HeavyWall,  // into a wall: damage or a crash, and a bounce
    HeavyCar,   // into a car standing on the path
    LightCar,   // a sideswipe with a car
    LightWall,  // a sideswipe with a wall
};

struct CollisionEvent {
    CollisionKind kind = CollisionKind::HeavyWall;
    irr::f32 triggerDistance = 0;  // along the path, world units
    int otherCar = 0;
    int damageToMover = 0;
    int damageToOther = 0;
    std::wstring moverSide = L"Avant";
    std::wstring otherSide;
    int wallSeverity = 0;
    irr::f32 preImpactX = 0, preImpactY = 0;  // cells, two steps before the wall
    irr::f32 impactX = 0, impactY = 0;        // world x and z
    int reboundCellX = 0, reboundCellY = 0;
    bool fired = false;
};

using CollisionEvents = std::vector<CollisionEvent>;

// Whether the event fires at the step at distance t: the first step that
// reaches its trigger distance (a ratio of 1 to six decimals counts), while
// t is still below the trigger + e (+ 2e at the last step).
bool EventFiresAt(const CollisionEvent& event, irr::f32 t, irr::f32 e, bool lastStep);
