// Smooth deterministic noise for painting natural surfaces: asphalt, grass,
// flames, smoke.
#pragma once

// Value noise in about [0, 1] with a feature size of one unit.
float ValueNoise(float x, float y, unsigned seed);
// A sum of `octaves` layers of value noise, each twice as fine and half as strong.
float FractalNoise(float x, float y, int octaves, unsigned seed);
