#include "circuit_mesh.h"

#include "circuit_paint.h"
#include "mesh_builder.h"

namespace {

constexpr float kCell = 100;

void Floor(MeshBuilder& mesh, const CircuitLayout& layout) {
    const CircuitTextureMap map = TextureMapFor(layout);
    mesh.BeginGroup("sol");
    for (int y = 0; y < layout.Length(); ++y)
        for (int x = 0; x < layout.Width(); ++x) {
            const float x0 = x * kCell - kCell / 2, x1 = x0 + kCell, z0 = y * kCell - kCell / 2, z1 = z0 + kCell;
            mesh.Face({{x0, kTrackHeight, z0}, {x1, kTrackHeight, z0}, {x1, kTrackHeight, z1}, {x0, kTrackHeight, z1}},
                      {map.U(x0), map.U(x1), map.U(x1), map.U(x0)}, {map.V(z0), map.V(z0), map.V(z1), map.V(z1)});
        }
}

// Whether a wall stands on the border between two neighbouring cells.
bool WallBetween(const CircuitLayout& layout, int x0, int y0, int x1, int y1) {
    return layout.Open(x0, y0) != layout.Open(x1, y1);
}

// One 100-unit piece of wall centred on a border; `across` tells whether the
// border runs along z (between columns). Pieces at the ends of a run reach
// half a thickness further, so that walls meeting at a corner close it.
void WallPiece(MeshBuilder& mesh, float cx, float cz, bool alongZ, bool extendLow, bool extendHigh) {
    const float half = kWallThickness / 2;
    const float low = -kCell / 2 - (extendLow ? half : 0), high = kCell / 2 + (extendHigh ? half : 0);
    if (alongZ)
        mesh.Box({cx - half, kTrackHeight, cz + low}, {cx + half, kWallTop, cz + high}, WallFaceUv(), WallTopUv());
    else
        mesh.Box({cx + low, kTrackHeight, cz - half}, {cx + high, kWallTop, cz + half}, WallFaceUv(), WallTopUv());
}

void Walls(MeshBuilder& mesh, const CircuitLayout& layout) {
    mesh.BeginGroup("murs");
    // Borders between columns x and x + 1, running along z.
    for (int x = -1; x < layout.Width(); ++x)
        for (int y = 0; y < layout.Length(); ++y)
            if (WallBetween(layout, x, y, x + 1, y))
                WallPiece(mesh, x * kCell + kCell / 2, y * kCell, true, !WallBetween(layout, x, y - 1, x + 1, y - 1),
                          !WallBetween(layout, x, y + 1, x + 1, y + 1));
    // Borders between rows y and y + 1, running along x.
    for (int y = -1; y < layout.Length(); ++y)
        for (int x = 0; x < layout.Width(); ++x)
            if (WallBetween(layout, x, y, x, y + 1))
                WallPiece(mesh, x * kCell, y * kCell + kCell / 2, false, !WallBetween(layout, x - 1, y, x - 1, y + 1),
                          !WallBetween(layout, x + 1, y, x + 1, y + 1));
}

}  // namespace

Ms3dModel CircuitMesh(const CircuitLayout& layout) {
    Ms3dModel model;
    MeshBuilder mesh(model);
    Floor(mesh, layout);
    Walls(mesh, layout);
    return model;
}
