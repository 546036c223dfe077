// What a weapon's aiming screen draws over the race: the reticle on a car
// that can be shot, the machine guns' line of fire and the zone a hand
// weapon covers through a side window.
#pragma once

#include <irrlicht.h>

// Corner marks on screen around car `car`'s model, sized from the box the
// model covers on screen. Nothing for a car without a model.
void DrawReticle(int car, irr::u32 colour);

// Dashes on the ground from the centre of the car's cell along the vector
// (dx, dy) cells: a quarter vector drawn every half vector, out to `length`
// vectors, each thickened by parallel copies.
void DrawLineOfFire(int car, int dx, int dy, int length, irr::u32 colour);

// The outline on the ground of the quarter around car `car` that its side
// `side` (1..4) faces, between the two corners of that side, out to 800
// world units.
void DrawFiringZone(int car, int side, irr::u32 colour);
