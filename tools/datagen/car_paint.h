// The texture of the car models: a 256 x 256 atlas of 4 x 4 tiles shared by
// the three models, painted in one of the four team colours.
#pragma once

#include "canvas.h"
#include "mesh_builder.h"

// The tiles of the atlas.
enum class CarTile {
    StripedPaint, Paint, DarkPaint, Glass,
    Tyre, Rim, GunMetal, Headlight,
    TailLight, ArmourPlate, Grille, Underbody,
    NumberDecal, Checker, Exhaust, Seat,
};

constexpr int kCarAtlasTiles = 4;

UvRect CarUv(CarTile tile);
// The atlas for one model number (its number on the decal) and paint colour.
Canvas CarTexture(int model, SColor paint);
