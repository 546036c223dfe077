#include "car_paint.h"

#include <cmath>
#include <string>

#include "noise.h"

namespace {

constexpr int kTile = 64;

// The model number in seven-segment strokes, centred on (cx, cy).
void PaintDigit(Canvas& atlas, float cx, float cy, int digit, SColor colour) {
    static const char* const kSegments[10] = {"abcdef", "bc", "abged", "abgcd", "fgbc",
                                              "afgcd", "afgedc", "abc", "abcdefg", "abcdfg"};
    const float w = 9, h = 13;
    const Point2 corner[6] = {{cx - w, cy - h}, {cx + w, cy - h}, {cx + w, cy}, {cx + w, cy + h}, {cx - w, cy + h}, {cx - w, cy}};
    const struct { char name; int from, to; } strokes[7] = {
        {'a', 0, 1}, {'b', 1, 2}, {'c', 2, 3}, {'d', 3, 4}, {'e', 4, 5}, {'f', 5, 0}, {'g', 5, 2}};
    for (const auto& s : strokes)
        for (const char* c = kSegments[digit % 10]; *c; ++c)
            if (*c == s.name) atlas.Line(corner[s.from], corner[s.to], 4.5f, colour);
}

void PaintTile(Canvas& atlas, CarTile tile, int model, SColor paint) {
    const int index = static_cast<int>(tile);
    const int x0 = (index % kCarAtlasTiles) * kTile, y0 = (index / kCarAtlasTiles) * kTile;
    const int x1 = x0 + kTile, y1 = y0 + kTile;
    const SColor white(255, 240, 240, 240), black(255, 20, 20, 22);
    switch (tile) {
    case CarTile::StripedPaint:
        atlas.FillRect(x0, y0, x1, y1, paint);
        atlas.FillRect(x0 + 22, y0, x0 + 28, y1, white);
        atlas.FillRect(x0 + 36, y0, x0 + 42, y1, white);
        break;
    case CarTile::Paint:
        atlas.VerticalGradient(x0, y0, x1, y1, Scaled(paint, 1.15f), Scaled(paint, 0.8f));
        break;
    case CarTile::DarkPaint:
        atlas.FillRect(x0, y0, x1, y1, Scaled(paint, 0.45f));
        break;
    case CarTile::Glass:
        atlas.VerticalGradient(x0, y0, x1, y1, SColor(255, 150, 190, 220), SColor(255, 25, 35, 60));
        atlas.Line({float(x0 + 10), float(y0 + 50)}, {float(x0 + 40), float(y0 + 8)}, 5, SColor(90, 255, 255, 255));
        break;
    case CarTile::Tyre:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 28, 28, 30));
        for (int x = x0; x < x1; x += 8) atlas.FillRect(x, y0, x + 3, y1, SColor(255, 50, 50, 52));
        break;
    case CarTile::Rim:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 28, 28, 30));
        atlas.FillCircle(x0 + 32, y0 + 32, 22, SColor(255, 185, 185, 190));
        atlas.FillCircle(x0 + 32, y0 + 32, 9, Scaled(paint, 0.9f));
        for (int i = 0; i < 5; ++i) {
            const float a = i * 1.2566f;
            atlas.FillCircle(x0 + 32 + 15 * std::cos(a), y0 + 32 + 15 * std::sin(a), 3, SColor(255, 60, 60, 65));
        }
        break;
    case CarTile::GunMetal:
        atlas.VerticalGradient(x0, y0, x1, y1, SColor(255, 110, 115, 120), SColor(255, 45, 48, 52));
        break;
    case CarTile::Headlight:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 60, 60, 60));
        atlas.FillCircle(x0 + 32, y0 + 32, 26, SColor(255, 255, 250, 200));
        break;
    case CarTile::TailLight:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 60, 10, 10));
        atlas.FillRect(x0 + 6, y0 + 16, x1 - 6, y1 - 16, SColor(255, 240, 30, 20));
        break;
    case CarTile::ArmourPlate:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 95, 100, 95));
        atlas.Grain(x0, y0, x1, y1, 0.12f, 5);
        for (int y = y0 + 6; y < y1; y += 26)
            for (int x = x0 + 6; x < x1; x += 26) atlas.FillCircle(x, y, 2.5f, SColor(255, 150, 155, 150));
        break;
    case CarTile::Grille:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 30, 30, 30));
        for (int y = y0 + 4; y < y1; y += 8) atlas.FillRect(x0 + 2, y, x1 - 2, y + 4, SColor(255, 170, 170, 175));
        break;
    case CarTile::Underbody:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 25, 25, 25));
        break;
    case CarTile::NumberDecal:
        atlas.FillRect(x0, y0, x1, y1, paint);
        atlas.FillCircle(x0 + 32, y0 + 32, 26, white);
        atlas.Ring(x0 + 32, y0 + 32, 26, 3, black);
        PaintDigit(atlas, x0 + 32, y0 + 32, model, black);
        break;
    case CarTile::Checker:
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                atlas.FillRect(x0 + x * 16, y0 + y * 16, x0 + x * 16 + 16, y0 + y * 16 + 16, (x + y) % 2 ? black : white);
        break;
    case CarTile::Exhaust:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 70, 60, 55));
        atlas.Grain(x0, y0, x1, y1, 0.25f, 9);
        break;
    case CarTile::Seat:
        atlas.FillRect(x0, y0, x1, y1, SColor(255, 45, 35, 30));
        break;
    }
}

}  // namespace

UvRect CarUv(CarTile tile) {
    const int index = static_cast<int>(tile);
    return Tile(index % kCarAtlasTiles, index / kCarAtlasTiles, kCarAtlasTiles);
}

Canvas CarTexture(int model, SColor paint) {
    Canvas atlas(kTile * kCarAtlasTiles, kTile * kCarAtlasTiles, SColor(255, 0, 0, 0));
    for (int i = 0; i < kCarAtlasTiles * kCarAtlasTiles; ++i) PaintTile(atlas, static_cast<CarTile>(i), model, paint);
    // Fine dirt over everything, so that no surface looks like plastic.
    atlas.Shade(0, 0, atlas.Width(), atlas.Height(), [](int x, int y, SColor& c) {
        c = Scaled(c, 0.9f + 0.2f * FractalNoise(x / 6.0f, y / 6.0f, 3, 41));
    });
    return atlas;
}
