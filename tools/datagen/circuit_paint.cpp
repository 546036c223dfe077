#include "circuit_paint.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "noise.h"
#include "typeface.h"

namespace {

const SColor kAsphalt(255, 88, 88, 92);
const SColor kGrass(255, 62, 128, 48);
const SColor kKerbRed(255, 200, 30, 30);
const SColor kWhite(255, 235, 235, 235);
constexpr float kKerbWidth = 0.13f;  // cells

// Distance from p to the gate drawn on the floor: the gate's ends stand on
// the centres of the outermost track cells, so the line goes on half a cell
// past each of them, up to the walls.
float Distance(Point2 p, const Gate& g) {
    const float dx = g.to.x - g.from.x, dy = g.to.y - g.from.y;
    const float past = 0.5f / std::hypot(dx, dy);
    const float t = std::clamp(((p.x - g.from.x) * dx + (p.y - g.from.y) * dy) / (dx * dx + dy * dy), -past, 1 + past);
    return std::hypot(p.x - g.from.x - t * dx, p.y - g.from.y - t * dy);
}

SColor Grass(Point2 p) {
    const float mowing = static_cast<int>(std::floor(p.y / 2)) % 2 ? 1.06f : 0.94f;
    return Scaled(kGrass, mowing * (0.8f + 0.4f * FractalNoise(p.x * 3, p.y * 3, 4, 11)));
}

SColor Asphalt(Point2 p, float lx, float ly) {
    SColor c = Scaled(kAsphalt, 0.85f + 0.3f * FractalNoise(p.x * 6, p.y * 6, 4, 12));
    // Faint lines on the cell borders, so the player can count the cells.
    if (std::fabs(lx) > 0.485f || std::fabs(ly) > 0.485f) c = Mix(c, kWhite, 0.18f);
    return c;
}

// Red and white kerbs along every side of the cell that has a wall.
bool Kerb(const CircuitLayout& layout, int x, int y, float lx, float ly, Point2 p, SColor& c) {
    const bool wall[4] = {!layout.Open(x - 1, y) && lx < -0.5f + kKerbWidth, !layout.Open(x + 1, y) && lx > 0.5f - kKerbWidth,
                          !layout.Open(x, y - 1) && ly < -0.5f + kKerbWidth, !layout.Open(x, y + 1) && ly > 0.5f - kKerbWidth};
    for (int side = 0; side < 4; ++side)
        if (wall[side]) {
            const float along = side < 2 ? p.y : p.x;
            c = static_cast<int>(std::floor(along * 4)) % 2 ? kKerbRed : kWhite;
            return true;
        }
    return false;
}

// The finish line is a chequered band, the start line a white one.
bool Line(const CircuitLayout& layout, Point2 p, SColor& c) {
    if (Distance(p, layout.gates.front()) < 0.07f) return c = kWhite, true;
    const Gate& finish = layout.gates.back();
    if (Distance(p, finish) < 0.22f) {
        const int a = static_cast<int>(std::floor(p.x * 9)), b = static_cast<int>(std::floor(p.y * 9));
        c = (a + b) % 2 ? SColor(255, 15, 15, 15) : kWhite;
        return true;
    }
    return false;
}

void PaintFloor(Canvas& texture, const CircuitLayout& layout, const CircuitTextureMap& map) {
    const int ppc = map.pixelsPerCell;
    texture.Shade(0, 0, layout.Width() * ppc, layout.Length() * ppc, [&](int px, int py, SColor& c) {
        const Point2 p{(px + 0.5f) / ppc - 0.5f, layout.Length() - (py + 0.5f) / ppc - 0.5f};
        const int x = static_cast<int>(std::lround(p.x)), y = static_cast<int>(std::lround(p.y));
        const float lx = p.x - x, ly = p.y - y;
        if (!layout.Open(x, y)) return void(c = Grass(p));
        if (Kerb(layout, x, y, lx, ly, p, c) || Line(layout, p, c)) return;
        c = Asphalt(p, lx, ly);
    });
}

// White brackets around each start slot, with its number.
void PaintStartGrid(Canvas& texture, const CircuitLayout& layout, const CircuitTextureMap& map, const Typeface& numbers) {
    const float ppc = map.pixelsPerCell;
    for (size_t k = 0; k < layout.slots.size(); ++k) {
        const Cell& s = layout.slots[k];
        const float cx = (s.x + 0.5f) * ppc, cy = (layout.Length() - s.y - 0.5f) * ppc;
        const float h = ppc * 0.42f;
        texture.Line({cx - h, cy - h}, {cx + h, cy - h}, 3, kWhite);
        texture.Line({cx - h, cy - h}, {cx - h, cy + h * 0.2f}, 3, kWhite);
        texture.Line({cx + h, cy - h}, {cx + h, cy + h * 0.2f}, 3, kWhite);
        numbers.PaintCentred(texture, static_cast<int>(cx), static_cast<int>(cy + h * 0.9f), std::to_wstring(k + 1), kWhite);
    }
}

void PaintWallTiles(Canvas& texture) {
    // Concrete blocks with a red and white band and a dark foot.
    texture.Shade(0, kWallTileTop, 256, kWallTileTop + 128, [](int x, int y, SColor& c) {
        const int row = y - kWallTileTop;
        c = Scaled(SColor(255, 175, 175, 170), 0.85f + 0.3f * FractalNoise(x / 5.0f, y / 5.0f, 3, 21));
        if (row > 28 && row < 58) c = (x / 32) % 2 ? kKerbRed : kWhite;
        if (row > 110) c = Scaled(c, 0.5f);
        if (x % 128 < 3) c = Scaled(c, 0.6f);  // joints between blocks
    });
    texture.Shade(256, kWallTileTop, 320, kWallTileTop + 64, [](int x, int y, SColor& c) {
        c = Scaled(SColor(255, 150, 150, 145), 0.9f + 0.2f * FractalNoise(x / 4.0f, y / 4.0f, 2, 22));
    });
}

}  // namespace

float CircuitTextureMap::U(float worldX) const { return (worldX / 100 + 0.5f) * pixelsPerCell / kCircuitTextureSize; }
float CircuitTextureMap::V(float worldZ) const {
    return (cellsAlong - (worldZ / 100 + 0.5f)) * pixelsPerCell / kCircuitTextureSize;
}

CircuitTextureMap TextureMapFor(const CircuitLayout& layout) {
    CircuitTextureMap map;
    map.cellsAcross = layout.Width(), map.cellsAlong = layout.Length();
    map.pixelsPerCell = std::min(kCircuitTextureSize / layout.Width(), kWallTileTop / layout.Length());
    return map;
}

UvRect WallFaceUv() {
    const float s = kCircuitTextureSize;
    return {1 / s, (kWallTileTop + 1) / s, 255 / s, (kWallTileTop + 127) / s};
}

UvRect WallTopUv() {
    const float s = kCircuitTextureSize;
    return {258 / s, (kWallTileTop + 2) / s, 318 / s, (kWallTileTop + 62) / s};
}

Canvas CircuitTexture(const CircuitLayout& layout, const Typeface& numbers) {
    Canvas texture(kCircuitTextureSize, kCircuitTextureSize, SColor(255, 40, 40, 40));
    const CircuitTextureMap map = TextureMapFor(layout);
    PaintFloor(texture, layout, map);
    PaintStartGrid(texture, layout, map, numbers);
    PaintWallTiles(texture);
    return texture;
}

Canvas CircuitMap(const Canvas& texture, const CircuitLayout& layout) {
    const CircuitTextureMap map = TextureMapFor(layout);
    Canvas out(layout.Width() * map.pixelsPerCell, layout.Length() * map.pixelsPerCell);
    out.Shade(0, 0, out.Width(), out.Height(), [&](int x, int y, SColor& c) { c = texture.Get(x, y); });
    return out;
}
