// The oil patches laid on the track during the race: plain segments on the
// ground that stay until the race ends.
#pragma once

#include <vector>

#include "core/game_state.h"

// 1-based: patches 1..OilPatchCount(); entry 0 unused.
const std::vector<OilPatch>& OilPatches();
int OilPatchCount();

// Lays a patch along a move, from one cell to another (cells, y = 0).
void AddOilPatch(float fromCellX, float fromCellY, float toCellX, float toCellY);
void ClearOilPatches();
