// What a weapon's aiming screen draws over the race: the reticle on a car
// that can be shot, the machine guns' line of fire and the zone a hand
// weapon covers through a side window; and a computer's shot as it is
// settled.
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

// A computer's shot under way: while it lives, every race frame, the
// message windows' included, shows the line of fire on the ground from the
// shooter's cell to its target's, in the shooter's colour, and the reticle on
// the target.
class ComputerShotShown {
public:
    // A target of -1 (an action that is no shot) shows nothing.
    ComputerShotShown(int shooter, int target);
    ~ComputerShotShown();
    ComputerShotShown(const ComputerShotShown&) = delete;
    ComputerShotShown& operator=(const ComputerShotShown&) = delete;
};

// The line of fire shown now, in world x and z.
struct ShotLine {
    bool shown = false;
    irr::core::vector2df from, to;
};
ShotLine ShownShotLine();

// Draws the computer's shot under way, if any.
void DrawShownShot();
