// The spectators: small people who cheer in a loop, in the MS3D format with
// joints so that the engine animates them. Their feet stand 24 units below
// the origin (the game raises each spectator by 24 above its group's height).
#pragma once

#include "canvas.h"
#include "ms3d.h"

constexpr int kSpectatorFrames = 24;  // one cheering loop, frames 1 to 24... see the files

// Variant 1 waves its arms in turn; variant 2 jumps with both fists up.
Ms3dModel SpectatorModel(int variant);
// The look of one supporter: shirt and trousers colours.
Canvas SpectatorTexture(SColor shirt, SColor trousers, SColor hair);
