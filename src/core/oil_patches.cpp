#include "core/oil_patches.h"

#include "core/game_state.h"

namespace {
std::vector<OilPatch> patches(1);
}

const std::vector<OilPatch>& OilPatches() { return patches; }

int OilPatchCount() { return static_cast<int>(patches.size()) - 1; }

void AddOilPatch(float fromCellX, float fromCellY, float toCellX, float toCellY) {
    const float cell = static_cast<float>(game.circuit.cellSize);
    patches.push_back({fromCellX * cell, 0, fromCellY * cell, toCellX * cell, 0, toCellY * cell});
}

void ClearOilPatches() { patches.assign(1, OilPatch{}); }
