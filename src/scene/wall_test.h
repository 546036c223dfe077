// The wall questions of the rules: moves, the computer driver's search,
// lines of fire and of sight. They are asked at height 0 and answered from
// the circuit's wall index; the engine's own ray test against a selector
// stays for the cars' meshes and for checking the index.
#pragma once

#include <irrlicht.h>

class WallIndex;

// Builds the circuit's wall index from its selector, with the circuit scene.
void BuildWallIndex(irr::scene::ITriangleSelector* circuitSelector);
const WallIndex& CircuitWallIndex();

// True when the straight segment between two world points at height 0
// meets the circuit's walls.
bool SegmentHitsWall(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2);

// The first point where that segment meets the walls, nearest to its
// start, and the wall triangle met there; false when it meets none.
bool FirstWallHit(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2, irr::core::vector3df& hit,
                  irr::core::triangle3df& triangle);

// Wall questions asked since the program started (both kinds).
long long WallQuestionsAsked();

// Whether a segment anywhere in the world meets the selector's triangles.
bool LineHitsSelector(irr::scene::ITriangleSelector* selector, const irr::core::line3df& segment);

// The engine's own answers at height 0 against any selector, which the
// index must give too.
bool SegmentHitsSelector(irr::scene::ITriangleSelector* selector, irr::f32 x1, irr::f32 z1,
                         irr::f32 x2, irr::f32 z2);
bool FirstSelectorHit(irr::scene::ITriangleSelector* selector, irr::f32 x1, irr::f32 z1, irr::f32 x2,
                      irr::f32 z2, irr::core::vector3df& hit, irr::core::triangle3df& triangle);
