// The explosion animation: data/ImagesExplosion/image001.bmp to image064.bmp,
// a fireball that swells, burns out and leaves a drifting cloud of smoke.
#pragma once

#include "canvas.h"

class DataFolder;

constexpr int kExplosionFrames = 64;

// Frame 1 to 64, drawn over the colour key.
Canvas ExplosionFrame(int frame);
void WriteExplosion(const DataFolder& folder);
