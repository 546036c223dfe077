// The oil patches laid on the track during the race: plain segments on the
// ground that stay until the race ends.
#pragma once

#include <vector>

struct OilPatch {
    float x1 = 0, y1 = 0, z1 = 0;  // start, world units
    float x2 = 0, y2 = 0, z2 = 0;  // end
};

// 1-based: patches 1..OilPatchCount(); entry 0 unused.
const std::vector<OilPatch>& OilPatches();
int OilPatchCount();

// Lays a patch along a move, from one cell to another (cells, y = 0).
void AddOilPatch(float fromCellX, float fromCellY, float toCellX, float toCellY);
void ClearOilPatches();
