#include "decor_models.h"

#include <cmath>

#include "animation.h"
#include "mesh_builder.h"
#include "noise.h"
#include "typeface.h"

namespace {

constexpr float kTwoPi = 6.2831853f;

// The 4 x 4 tiles of the decor textures.
UvRect T(int column, int row) { return Tile(column, row, 4); }

void FillTile(Canvas& c, int column, int row, SColor colour, float grain = 0.1f) {
    const int s = c.Width() / 4;
    c.FillRect(column * s, row * s, column * s + s, row * s + s, colour);
    c.Grain(column * s, row * s, column * s + s, row * s + s, grain, static_cast<unsigned>(column * 7 + row));
}

}  // namespace

DecorModel Grandstand() {
    DecorModel d{"tribune", {}, Canvas(256, 256)};
    FillTile(d.texture, 0, 0, SColor(255, 160, 160, 155));  // concrete
    FillTile(d.texture, 1, 0, SColor(255, 30, 70, 160));    // seats
    for (int x = 64; x < 128; x += 8) d.texture.FillRect(x, 0, x + 2, 64, SColor(255, 20, 40, 90));
    FillTile(d.texture, 2, 0, SColor(255, 200, 30, 30));  // roof with white stripes
    for (int x = 128; x < 192; x += 16) d.texture.FillRect(x, 0, x + 8, 64, SColor(255, 235, 235, 235));
    FillTile(d.texture, 3, 0, SColor(255, 90, 95, 100));  // steel
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("tribune");
    // Four rising rows of seats facing +z, 600 long.
    for (int step = 0; step < 4; ++step) {
        const float z0 = -step * 40.0f, h = 20 + step * 20.0f;
        mesh.Box({-300, 0, z0 - 40}, {300, h, z0}, T(0, 0), T(1, 0));
    }
    for (float x : {-295.0f, 0.0f, 295.0f}) mesh.Box({x - 4, 0, -164}, {x + 4, 150, -156}, T(3, 0));
    const Vec3 bottom[4] = {{-310, 150, -170}, {310, 150, -170}, {310, 130, 10}, {-310, 130, 10}};
    const Vec3 top[4] = {{-310, 156, -170}, {310, 156, -170}, {310, 136, 10}, {-310, 136, 10}};
    mesh.Block(bottom, top, T(3, 0), T(2, 0));
    return d;
}

DecorModel ChequeredFlag() {
    DecorModel d{"drapeau", {}, Canvas(256, 256, SColor(255, 120, 120, 125))};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            d.texture.FillRect(128 + x * 16, y * 16, 144 + x * 16, 16 + y * 16,
                               (x + y) % 2 ? SColor(255, 15, 15, 15) : SColor(255, 240, 240, 240));
    d.mesh.framesPerSecond = 20;
    d.mesh.frameCount = kFlagFrames;
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("drapeau");
    mesh.Cylinder({0, 0, 0}, {0, 160, 0}, 2.5f, 8, T(0, 0), T(0, 0));
    // The cloth in four strips, each hanging from the joint of the one before.
    constexpr int kStrips = 4;
    constexpr float kStrip = 17, kTop = 158, kBottom = 118;
    std::string parent;
    for (int i = 0; i < kStrips; ++i) {
        const std::string name = "toile" + std::to_string(i);
        const int joint = AddJoint(d.mesh, name, parent, {i == 0 ? 0 : kStrip, i == 0 ? kTop : 0, 0});
        parent = name;
        mesh.SetJoint(joint);
        const float x0 = i * kStrip, x1 = x0 + kStrip;
        const UvRect uv{0.5f + 0.5f * i / kStrips, 0.01f, 0.5f + 0.5f * (i + 1) / kStrips, 0.49f};
        mesh.DoubleQuad({x0, kBottom, 0}, {x1, kBottom, 0}, {x1, kTop, 0}, {x0, kTop, 0}, uv);
        const float phase = i * 0.25f;
        AnimateJoint(d.mesh, joint, 8, [phase](float t) { return Vec3{0, 0.35f * std::sin((t + phase) * kTwoPi), 0}; },
                     [](float) { return Vec3{}; });
    }
    return d;
}

DecorModel StartGantry(const Typeface& letters, float span) {
    DecorModel d{"portique", {}, Canvas(512, 512, SColor(255, 0, 0, 0))};
    // Top half: the sign, glowing letters on black (black vanishes when drawn additively).
    d.texture.FillRect(4, 4, 508, 124, SColor(255, 10, 40, 70));
    d.texture.FillRect(12, 12, 500, 116, SColor(255, 0, 0, 0));
    letters.PaintCentred(d.texture, 256, 96, L"DÉPART", SColor(255, 255, 220, 60));
    // Bottom left: the pillars' light strips.
    d.texture.FillRect(0, 256, 128, 512, SColor(255, 20, 20, 30));
    for (int y = 256; y < 512; y += 32) d.texture.FillRect(40, y, 88, y + 20, SColor(255, 60, 160, 255));
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("portique");
    const float half = span / 2;
    const UvRect pillar{0.01f, 0.51f, 0.24f, 0.99f}, sign{0.01f, 0.01f, 0.99f, 0.24f};
    for (float x : {-half, half}) mesh.Box({x - 8, 0, -8}, {x + 8, 140, 8}, pillar);
    mesh.DoubleQuad({-half, 95, 0}, {half, 95, 0}, {half, 140, 0}, {-half, 140, 0}, sign);
    return d;
}

DecorModel WindTurbine() {
    DecorModel d{"eolienne", {}, Canvas(256, 256)};
    FillTile(d.texture, 0, 0, SColor(255, 230, 230, 235), 0.03f);
    FillTile(d.texture, 1, 0, SColor(255, 200, 40, 40), 0.03f);
    d.mesh.framesPerSecond = 15;
    d.mesh.frameCount = kTurbineFrames;
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("eolienne");
    mesh.Cone({0, 0, 0}, 12, 300, 5, 10, T(0, 0));
    mesh.Box({-9, 295, -25}, {9, 315, 15}, T(0, 0));
    const int rotor = AddJoint(d.mesh, "rotor", "", {0, 305, -30});
    mesh.SetJoint(rotor);
    mesh.Box({-6, 299, -34}, {6, 311, -26}, T(1, 0));
    for (int blade = 0; blade < 3; ++blade) {
        const float a = blade * kTwoPi / 3;
        const Vec3 along{std::sin(a), std::cos(a), 0}, side{std::cos(a), -std::sin(a), 0};
        const Vec3 hub{0, 305, -31};
        mesh.DoubleQuad(hub + side * 5, hub + along * 130 + side * 2, hub + along * 130 - side * 2, hub - side * 5, T(0, 0));
        mesh.DoubleQuad(hub + along * 110 + side * 2.5f, hub + along * 131 + side * 2, hub + along * 131 - side * 2,
                        hub + along * 110 - side * 2.5f, T(1, 0));
    }
    // One third of a turn per loop: the three blades look the same again.
    AnimateJoint(d.mesh, rotor, 6, [](float t) { return Vec3{0, 0, t * kTwoPi / 3}; }, [](float) { return Vec3{}; });
    return d;
}

DecorModel Tree() {
    DecorModel d{"arbre", {}, Canvas(128, 128)};
    d.texture.Shade(0, 0, 128, 128, [](int x, int y, SColor& c) {
        const float n = FractalNoise(x / 6.0f, y / 6.0f, 3, 51);
        c = x < 64 ? Scaled(SColor(255, 35, 100, 35), 0.7f + 0.6f * n) : Scaled(SColor(255, 100, 70, 40), 0.7f + 0.5f * n);
    });
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("arbre");
    const UvRect leaves{0.02f, 0.02f, 0.48f, 0.98f}, bark{0.52f, 0.02f, 0.98f, 0.98f};
    mesh.Cone({0, 0, 0}, 8, 40, 6, 7, bark);
    mesh.Cone({0, 30, 0}, 45, 70, 0, 9, leaves);
    mesh.Cone({0, 70, 0}, 33, 60, 0, 9, leaves);
    return d;
}

DecorModel TyreStack() {
    DecorModel d{"pneus", {}, Canvas(128, 128, SColor(255, 30, 30, 32))};
    for (int x = 0; x < 128; x += 8) d.texture.FillRect(x, 0, x + 3, 64, SColor(255, 55, 55, 58));
    d.texture.FillRect(0, 64, 128, 128, SColor(255, 230, 230, 230));
    MeshBuilder mesh(d.mesh);
    mesh.BeginGroup("pneus");
    const UvRect tread{0.02f, 0.02f, 0.98f, 0.48f}, side{0.02f, 0.52f, 0.98f, 0.98f};
    for (int column = 0; column < 3; ++column)
        for (int level = 0; level < 3 - column % 2; ++level)
            mesh.Cylinder({column * 26.0f - 26, level * 10.0f, 0}, {column * 26.0f - 26, level * 10.0f + 10, 0}, 12, 10,
                          level % 2 ? side : tread, tread);
    return d;
}
