// The texture of a circuit mesh and the pictures made from it. The texture
// is 2048 x 2048: the top left holds the map of the whole grid seen from
// above (+z up, a fixed number of pixels per cell: asphalt with faint cell
// lines, kerbs along the walls, the start grid, the start and finish lines,
// grass outside), the bottom rows hold the wall and wall-top tiles.
#pragma once

#include "canvas.h"
#include "circuit_layout.h"
#include "mesh_builder.h"

class Typeface;

constexpr int kCircuitTextureSize = 2048;
constexpr int kWallTileTop = 1920;  // the wall tiles start at this row

struct CircuitTextureMap {
    int pixelsPerCell = 0;
    int cellsAcross = 0, cellsAlong = 0;
    // Texture coordinates of a world point (x, z) on the floor.
    float U(float worldX) const;
    float V(float worldZ) const;
};

CircuitTextureMap TextureMapFor(const CircuitLayout& layout);
UvRect WallFaceUv();
UvRect WallTopUv();

Canvas CircuitTexture(const CircuitLayout& layout, const Typeface& numbers);
// The map part of the texture alone.
Canvas CircuitMap(const Canvas& texture, const CircuitLayout& layout);
