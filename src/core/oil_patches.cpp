#include "core/oil_patches.h"

const std::vector<OilPatch>& OilPatches() { return game.oilPatches; }

int OilPatchCount() { return static_cast<int>(game.oilPatches.size()) - 1; }

void AddOilPatch(float fromCellX, float fromCellY, float toCellX, float toCellY) {
    const float cell = static_cast<float>(game.circuit.cellSize);
    game.oilPatches.push_back({fromCellX * cell, 0, fromCellY * cell, toCellX * cell, 0, toCellY * cell});
}

void ClearOilPatches() { game.oilPatches.assign(1, OilPatch{}); }
