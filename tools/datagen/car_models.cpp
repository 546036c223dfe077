#include "car_models.h"

#include <string>

#include "car_paint.h"
#include "data_folder.h"
#include "mesh_builder.h"
#include "model_picture.h"
#include "race_images.h"

namespace {

constexpr float kGround = -12;  // wheel bottoms

void Wheel(MeshBuilder& mesh, float x, float z, float radius, float width) {
    const float cy = kGround + radius;
    const float inner = x > 0 ? x - width / 2 : x + width / 2, outer = x > 0 ? x + width / 2 : x - width / 2;
    mesh.Cylinder({inner, cy, z}, {outer, cy, z}, radius, 12, CarUv(CarTile::Tyre), CarUv(CarTile::Rim));
}

void FourWheels(MeshBuilder& mesh, float x, float frontZ, float rearZ, float frontRadius, float rearRadius, float width) {
    mesh.BeginGroup("roues");
    for (float side : {-1.0f, 1.0f}) {
        Wheel(mesh, side * x, frontZ, frontRadius, width);
        Wheel(mesh, side * x, rearZ, rearRadius, width);
    }
}

// A block given by its bottom and top rectangles (x half-widths, z spans).
void Tapered(MeshBuilder& mesh, float y0, float halfX0, float z0a, float z0b, float y1, float halfX1, float z1a,
             float z1b, UvRect sides, UvRect caps) {
    const Vec3 bottom[4] = {{-halfX0, y0, z0a}, {halfX0, y0, z0a}, {halfX0, y0, z0b}, {-halfX0, y0, z0b}};
    const Vec3 top[4] = {{-halfX1, y1, z1a}, {halfX1, y1, z1a}, {halfX1, y1, z1b}, {-halfX1, y1, z1b}};
    mesh.Block(bottom, top, sides, caps);
}

void Gun(MeshBuilder& mesh, float x, float y, float z0, float z1, float radius) {
    mesh.Box({x - radius * 1.8f, y - radius * 1.8f, z0 - 6}, {x + radius * 1.8f, y + radius * 1.8f, z0 + 4},
             CarUv(CarTile::GunMetal));
    mesh.Cylinder({x, y, z0}, {x, y, z1}, radius, 8, CarUv(CarTile::GunMetal), CarUv(CarTile::Underbody));
}

void Lights(MeshBuilder& mesh, float x, float y, float front, float rear) {
    for (float side : {-1.0f, 1.0f}) {
        mesh.Box({side * x - 3.5f, y - 2, front - 1}, {side * x + 3.5f, y + 2, front + 0.8f}, CarUv(CarTile::Headlight));
        mesh.Box({side * x - 4, y - 1.5f, rear - 0.8f}, {side * x + 4, y + 1.5f, rear + 1}, CarUv(CarTile::TailLight));
    }
}

Ms3dModel Interceptor() {
    Ms3dModel model;
    MeshBuilder mesh(model);
    mesh.BeginGroup("carrosserie");
    // Low wedge body: flat sides, the bonnet sloping down to the nose.
    Tapered(mesh, -8, 20, -40, 38, 0, 20, -40, 40, CarUv(CarTile::Paint), CarUv(CarTile::StripedPaint));
    Tapered(mesh, 0, 20, -40, 12, 4, 19, -38, 6, CarUv(CarTile::Paint), CarUv(CarTile::StripedPaint));
    Tapered(mesh, 0, 20, 12, 40, 3, 18, 12, 30, CarUv(CarTile::Paint), CarUv(CarTile::StripedPaint));
    mesh.Box({-14, -6, 38}, {14, -1, 41}, CarUv(CarTile::Grille));
    mesh.BeginGroup("cabine");
    Tapered(mesh, 4, 16, -20, 8, 14, 12, -14, -2, CarUv(CarTile::Glass), CarUv(CarTile::DarkPaint));
    mesh.Box({-7, 14, -12}, {7, 14.6f, -4}, CarUv(CarTile::NumberDecal));
    mesh.BeginGroup("aileron");
    for (float side : {-1.0f, 1.0f}) mesh.Box({side * 14 - 1.5f, 4, -38}, {side * 14 + 1.5f, 10, -34}, CarUv(CarTile::DarkPaint));
    mesh.Box({-22, 10, -40}, {22, 12, -32}, CarUv(CarTile::DarkPaint), CarUv(CarTile::Checker));
    mesh.BeginGroup("armes");
    for (float side : {-1.0f, 1.0f}) Gun(mesh, side * 9, 6, 18, 46, 1.6f);
    Lights(mesh, 14, -3, 39.5f, -40.5f);
    FourWheels(mesh, 19, 25, -25, 8, 8.5f, 7);
    return model;
}

Ms3dModel Pickup() {
    Ms3dModel model;
    MeshBuilder mesh(model);
    mesh.BeginGroup("chassis");
    Tapered(mesh, -7, 21, -40, 40, 5, 22, -40, 40, CarUv(CarTile::Paint), CarUv(CarTile::Paint));
    for (float side : {-1.0f, 1.0f})  // armour plates along the flanks
        mesh.Box({side * 22.5f - 1.2f, -6, -30}, {side * 22.5f + 1.2f, 4, 30}, CarUv(CarTile::ArmourPlate));
    mesh.BeginGroup("cabine");
    Tapered(mesh, 5, 20, -6, 26, 21, 18, -4, 14, CarUv(CarTile::Glass), CarUv(CarTile::DarkPaint));
    mesh.Box({-17, 21, -4}, {17, 22.5f, 14}, CarUv(CarTile::StripedPaint));
    mesh.BeginGroup("benne");
    mesh.Box({-21, 5, -40}, {21, 11, -37}, CarUv(CarTile::DarkPaint));
    for (float side : {-1.0f, 1.0f}) mesh.Box({side * 20 - 1.5f, 5, -40}, {side * 20 + 1.5f, 11, -6}, CarUv(CarTile::DarkPaint));
    mesh.BeginGroup("lance_roquettes");
    mesh.Box({-11, 8, -32}, {11, 12, -14}, CarUv(CarTile::ArmourPlate));
    mesh.Box({-9, 12, -30}, {9, 24, -16}, CarUv(CarTile::GunMetal), CarUv(CarTile::ArmourPlate));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            mesh.Cylinder({-5.5f + column * 5.5f, 15 + row * 5.5f, -31}, {-5.5f + column * 5.5f, 15 + row * 5.5f, -8}, 2.2f, 8,
                          CarUv(CarTile::Underbody), CarUv(CarTile::TailLight));
    mesh.BeginGroup("pare_buffle");
    mesh.Box({-22, -8, 40}, {22, -4, 44}, CarUv(CarTile::Grille));
    for (float x : {-15.0f, -5.0f, 5.0f, 15.0f}) mesh.Box({x - 1.5f, -4, 41}, {x + 1.5f, 6, 44}, CarUv(CarTile::GunMetal));
    mesh.Box({-22, 4, 40}, {22, 7, 44}, CarUv(CarTile::GunMetal));
    Lights(mesh, 15, 1, 40.5f, -40.5f);
    FourWheels(mesh, 19, 26, -26, 9.5f, 9.5f, 9);
    return model;
}

Ms3dModel Buggy() {
    Ms3dModel model;
    MeshBuilder mesh(model);
    mesh.BeginGroup("plancher");
    Tapered(mesh, -7, 14, -34, 30, -2, 14, -34, 30, CarUv(CarTile::DarkPaint), CarUv(CarTile::Underbody));
    Tapered(mesh, -7, 12, 30, 40, -1, 6, 30, 34, CarUv(CarTile::Paint), CarUv(CarTile::StripedPaint));  // nose
    mesh.BeginGroup("caisse");
    for (float side : {-1.0f, 1.0f})
        mesh.Box({side * 14 - (side > 0 ? 3 : 0), -2, -16}, {side * 14 + (side > 0 ? 0 : 3), 7, 26}, CarUv(CarTile::Paint),
                 CarUv(CarTile::StripedPaint));
    mesh.Box({-8, -2, -8}, {8, 8, -2}, CarUv(CarTile::Seat));
    mesh.Box({-11, -2, -34}, {11, 10, -18}, CarUv(CarTile::Exhaust), CarUv(CarTile::Grille));  // rear engine
    for (float side : {-1.0f, 1.0f})
        mesh.Cylinder({side * 6, 6, -30}, {side * 8, 9, -42}, 1.8f, 8, CarUv(CarTile::Exhaust), CarUv(CarTile::Underbody));
    mesh.BeginGroup("arceau");
    const UvRect bar = CarUv(CarTile::GunMetal);
    for (float side : {-1.0f, 1.0f}) {
        mesh.Cylinder({side * 12, -2, 10}, {side * 10, 19, -2}, 1.3f, 6, bar, bar);
        mesh.Cylinder({side * 12, -2, -16}, {side * 10, 19, -8}, 1.3f, 6, bar, bar);
        mesh.Cylinder({side * 10, 19, -2}, {side * 10, 19, -8}, 1.3f, 6, bar, bar);
    }
    mesh.Cylinder({-10, 19, -2}, {10, 19, -2}, 1.3f, 6, bar, bar);
    mesh.Cylinder({-10, 19, -8}, {10, 19, -8}, 1.3f, 6, bar, bar);
    mesh.BeginGroup("tourelle");
    mesh.Box({-6, 20, -11}, {6, 25, 1}, CarUv(CarTile::ArmourPlate), CarUv(CarTile::NumberDecal));
    mesh.Cylinder({0, 22.5f, 1}, {0, 22.5f, 34}, 2.2f, 8, bar, CarUv(CarTile::Underbody));
    mesh.Cylinder({0, 22.5f, 30}, {0, 22.5f, 35}, 3.2f, 8, bar, CarUv(CarTile::Underbody));
    Lights(mesh, 5, -3, 40.5f, -34.5f);
    FourWheels(mesh, 18.5f, 27, -25, 7, 10.5f, 8);
    mesh.BeginGroup("garde_boue");
    for (float side : {-1.0f, 1.0f})
        mesh.Box({side * 18.5f - 5, 10, -33}, {side * 18.5f + 5, 11.5f, -17}, CarUv(CarTile::Paint));
    return model;
}

Canvas Thumbnail(const Ms3dModel& model, const Canvas& texture) {
    constexpr int kSize = 128, kSuper = 3;
    Canvas picture(kSize * kSuper, kSize * kSuper);
    picture.VerticalGradient(0, 0, picture.Width(), picture.Height(), SColor(255, 70, 80, 95), SColor(255, 25, 25, 30));
    View view;
    view.yaw = 140, view.pitch = 22, view.scale = 1.45f * kSuper;
    view.centreX = kSize * kSuper / 2.0f, view.centreY = kSize * kSuper * 0.56f;
    DrawModel(picture, model, texture, view);
    return picture.Resized(kSize, kSize);
}

}  // namespace

Ms3dModel CarModel(int number) {
    switch (number) {
    case 1: return Interceptor();
    case 2: return Pickup();
    default: return Buggy();
    }
}

void WriteCars(const DataFolder& folder) {
    for (int n = 1; n <= kCarModelCount; ++n) {
        const std::string base = "data/voitures/";
        const Ms3dModel model = CarModel(n);
        folder.WriteBytes(base + "voiture_modele_" + std::to_string(n) + ".ms3d", EncodeMs3d(model));
        for (const CarColour& colour : kCarColours)
            folder.WriteImage(base + "map_voiture_" + std::to_string(n) + colour.word + ".jpg", CarTexture(n, colour.paint));
        folder.WriteImage(base + "thumbnail_voiture" + std::to_string(n) + ".jpg",
                          Thumbnail(model, CarTexture(n, kCarColours[n - 1].paint)));
    }
}
