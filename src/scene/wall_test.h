// The wall test of moves and of the computer driver's search.
#pragma once

#include <irrlicht.h>

// True when the straight segment between two world points at height 0
// meets the circuit's walls (its triangle selector).
bool SegmentHitsWall(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2);

// The first point where that segment meets the walls, nearest to its
// start, and the wall triangle met there; false when it meets none.
bool FirstWallHit(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2, irr::core::vector3df& hit,
                  irr::core::triangle3df& triangle);

// Whether a segment anywhere in the world meets the selector's triangles.
bool LineHitsSelector(irr::scene::ITriangleSelector* selector, const irr::core::line3df& segment);

// The same test against any selector (the benchmark compares selectors).
bool SegmentHitsSelector(irr::scene::ITriangleSelector* selector, irr::f32 x1, irr::f32 z1,
                         irr::f32 x2, irr::f32 z2);
