// The line of a wall met by a car, and the side of the car that meets it.
#pragma once

#include <irrlicht.h>

#include <string>

// A point of the world in the ground plane (x, z).
inline irr::core::vector2df Ground(const irr::core::vector3df& v) { return {v.X, v.Z}; }

// The wall line: the longest edge of the wall triangle met, in the ground
// plane, turned to run the way the car travels.
struct WallLine {
    irr::core::vector2df start, vector;
};
WallLine WallLineOf(const irr::core::triangle3df& triangle, irr::core::vector2df travel);

// The side of a car of that heading that meets the wall, the car standing at
// `carAt` (world units) before it meets it.
std::wstring SideMeetingWall(const WallLine& wall, irr::f32 heading, irr::core::vector2df carAt);
