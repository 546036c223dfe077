#include "spectators.h"

#include <cmath>

#include "animation.h"
#include "mesh_builder.h"

namespace {

constexpr float kFeet = -24;
constexpr float kTwoPi = 6.2831853f;

enum class Part { Skin, Shirt, Trousers, Hair, Face, Shoes };
UvRect PartUv(Part p) { return Tile(static_cast<int>(p) % 4, static_cast<int>(p) / 4, 4); }

// Arm hanging from the shoulder at (x, y): built pointing down.
void Arm(MeshBuilder& mesh, float x, float y) {
    mesh.Box({x - 2, y - 11, -2}, {x + 2, y + 1, 2}, PartUv(Part::Shirt));
    mesh.Box({x - 1.8f, y - 15, -1.8f}, {x + 1.8f, y - 11, 1.8f}, PartUv(Part::Skin));
}

}  // namespace

Ms3dModel SpectatorModel(int variant) {
    Ms3dModel model;
    model.framesPerSecond = 24;
    model.frameCount = kSpectatorFrames;
    MeshBuilder mesh(model);
    mesh.BeginGroup("supporter");
    const int body = AddJoint(model, "corps", "", {0, kFeet, 0});
    const int left = AddJoint(model, "bras_gauche", "corps", {-8, 29, 0});
    const int right = AddJoint(model, "bras_droit", "corps", {8, 29, 0});
    mesh.SetJoint(body);
    for (float side : {-1.0f, 1.0f}) {
        mesh.Box({side * 3.5f - 2.5f, kFeet + 2, -2.5f}, {side * 3.5f + 2.5f, kFeet + 15, 2.5f}, PartUv(Part::Trousers));
        mesh.Box({side * 3.5f - 2.7f, kFeet, -2}, {side * 3.5f + 2.7f, kFeet + 2, 4}, PartUv(Part::Shoes));
    }
    mesh.Box({-6.5f, kFeet + 15, -3.5f}, {6.5f, kFeet + 30, 3.5f}, PartUv(Part::Shirt));
    mesh.Box({-4, kFeet + 30, -4}, {4, kFeet + 38, 4}, PartUv(Part::Skin), PartUv(Part::Hair));
    mesh.Box({-3.8f, kFeet + 31, 3.9f}, {3.8f, kFeet + 37, 4.1f}, PartUv(Part::Face));
    mesh.Box({-4.3f, kFeet + 36, -4.3f}, {4.3f, kFeet + 39, 4.3f}, PartUv(Part::Hair));
    mesh.SetJoint(left);
    Arm(mesh, -8, kFeet + 29);
    mesh.SetJoint(right);
    Arm(mesh, 8, kFeet + 29);

    const float raise = 2.6f;  // arms up, radians about z
    auto still = [](float) { return Vec3{}; };
    if (variant == 1) {
        AnimateJoint(model, left, 8, [&](float t) { return Vec3{0, 0, -raise * (0.6f + 0.4f * std::sin(t * kTwoPi))}; }, still);
        AnimateJoint(model, right, 8, [&](float t) { return Vec3{0, 0, raise * (0.6f - 0.4f * std::sin(t * kTwoPi))}; }, still);
        AnimateJoint(model, body, 8, still, [](float t) { return Vec3{0, 1.5f * std::fabs(std::sin(t * kTwoPi)), 0}; });
    } else {
        AnimateJoint(model, left, 8, [&](float t) { return Vec3{0.3f, 0, -raise * (0.8f + 0.2f * std::cos(t * 2 * kTwoPi))}; }, still);
        AnimateJoint(model, right, 8, [&](float t) { return Vec3{0.3f, 0, raise * (0.8f + 0.2f * std::cos(t * 2 * kTwoPi))}; }, still);
        AnimateJoint(model, body, 8, still, [](float t) { return Vec3{0, 6 * std::fabs(std::sin(t * kTwoPi)), 0}; });
    }
    return model;
}

Canvas SpectatorTexture(SColor shirt, SColor trousers, SColor hair) {
    Canvas t(128, 128, SColor(255, 225, 180, 140));  // skin
    auto tile = [&](Part p, SColor c) {
        const int i = static_cast<int>(p);
        t.FillRect(i % 4 * 32, i / 4 * 32, i % 4 * 32 + 32, i / 4 * 32 + 32, c);
    };
    tile(Part::Shirt, shirt);
    t.FillRect(32 + 13, 0, 32 + 19, 32, Scaled(shirt, 0.6f));  // a stripe down the shirt
    tile(Part::Trousers, trousers);
    tile(Part::Hair, hair);
    tile(Part::Shoes, SColor(255, 30, 30, 30));
    const int fx = 0, fy = 32;  // face tile: eyes and a cheering mouth
    t.FillCircle(fx + 10, fy + 11, 3, SColor(255, 20, 20, 20));
    t.FillCircle(fx + 22, fy + 11, 3, SColor(255, 20, 20, 20));
    t.FillCircle(fx + 16, fy + 23, 5, SColor(255, 120, 20, 20));
    return t;
}
