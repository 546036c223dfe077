// The mesh of a circuit: the floor of every cell at y = -5 and the walls,
// concrete blocks 10 units thick and 45 high (y = -5 to 40) standing on every
// border between a track cell and another cell.
#pragma once

#include "circuit_layout.h"
#include "ms3d.h"

constexpr float kTrackHeight = -5;
constexpr float kWallTop = 40;
constexpr float kWallThickness = 10;

Ms3dModel CircuitMesh(const CircuitLayout& layout);
