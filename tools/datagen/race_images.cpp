#include "race_images.h"

#include <cmath>
#include <string>

#include "data_folder.h"
#include "mesh_builder.h"
#include "ms3d.h"
#include "noise.h"

const CarColour kCarColours[4] = {
    {"bleu", SColor(255, 30, 80, 220)},
    {"rouge", SColor(255, 215, 30, 30)},
    {"vert", SColor(255, 30, 160, 50)},
    {"jaune", SColor(255, 240, 205, 20)},
};

// A bevelled plate: lighter towards its top-left edge, darker towards the
// bottom-right, with a soft shine in the middle.
Canvas ColourPlate(SColor base) {
    constexpr int kSize = 64, kBevel = 6;
    Canvas plate(kSize, kSize, base);
    plate.Shade(0, 0, kSize, kSize, [&](int x, int y, SColor& c) {
        const int edge = std::min(std::min(x, y), std::min(kSize - 1 - x, kSize - 1 - y));
        const float shine = 1.15f - 0.3f * std::hypot(x - 24.0f, y - 24.0f) / kSize;
        if (edge < kBevel) c = Scaled(base, (x + y < kSize) ? 1.45f : 0.6f);
        else c = Scaled(base, shine);
    });
    return plate;
}

static Canvas BurntTexture() {
    constexpr int kSize = 256;
    Canvas burnt(kSize, kSize);
    burnt.Shade(0, 0, kSize, kSize, [](int x, int y, SColor& c) {
        const float soot = FractalNoise(x / 24.0f, y / 24.0f, 4, 77);
        const float rust = FractalNoise(x / 9.0f, y / 9.0f, 3, 78);
        c = Mix(SColor(255, 18, 16, 15), SColor(255, 95, 52, 28), soot * soot * 1.4f);
        if (rust > 0.72f) c = Mix(c, SColor(255, 230, 120, 30), (rust - 0.72f) * 3);  // embers
    });
    return burnt;
}

Canvas SkidSign() {
    Canvas sign(64, 64, SColor(0, 0, 0, 0));
    const std::vector<Point2> triangle = {{32, 4}, {61, 58}, {3, 58}};
    sign.FillPolygon(triangle, SColor(255, 20, 20, 20));
    sign.FillPolygon({{32, 10}, {55, 54}, {9, 54}}, SColor(255, 250, 200, 20));
    // Two skid traces curling away from each other, and an exclamation mark.
    for (int i = 0; i < 12; ++i) {
        const float t = i / 11.0f;
        sign.FillCircle(24 - 6 * std::sin(t * 3.1f), 48 - 22 * t, 2.2f, SColor(255, 20, 20, 20));
        sign.FillCircle(40 + 6 * std::sin(t * 3.1f), 48 - 22 * t, 2.2f, SColor(255, 20, 20, 20));
    }
    sign.FillRect(30, 24, 34, 42, SColor(255, 200, 20, 20));
    sign.FillRect(30, 45, 34, 49, SColor(255, 200, 20, 20));
    return WithColourKey(sign);
}

static Canvas Hourglass() {
    Canvas glass(32, 32, SColor(0, 0, 0, 0));
    const SColor wood(255, 120, 70, 25), sand(255, 235, 190, 80), frame(255, 40, 30, 20);
    glass.FillPolygon({{7, 5}, {25, 5}, {17, 16}, {25, 27}, {7, 27}, {15, 16}}, SColor(255, 200, 225, 240));
    glass.FillPolygon({{10, 8}, {22, 8}, {16, 15}}, sand);
    glass.FillPolygon({{16, 19}, {23, 26}, {9, 26}}, sand);
    glass.Line({16, 15}, {16, 24}, 1.2f, sand);
    glass.Line({7, 5}, {15, 16}, 1.2f, frame), glass.Line({25, 5}, {17, 16}, 1.2f, frame);
    glass.Line({15, 16}, {7, 27}, 1.2f, frame), glass.Line({17, 16}, {25, 27}, 1.2f, frame);
    glass.FillRect(4, 2, 28, 6, wood), glass.FillRect(4, 26, 28, 30, wood);
    return WithColourKey(glass);
}

// A flat X about 60 units across and 4 thick, centred on the origin.
Ms3dModel CrossMarkerModel() {
    Ms3dModel model;
    MeshBuilder mesh(model);
    mesh.BeginGroup("croix");
    const float half = 30, arm = 6, low = -1, high = 3;
    for (float sign : {1.0f, -1.0f}) {
        // A bar along the diagonal (sign, 1), `arm` wide.
        const Vec3 along = Normalized({sign, 0, 1}), across = Normalized({1, 0, -sign});
        const Vec3 a = along * (half * 1.4142f), w = across * arm;
        const Vec3 corners[4] = {Vec3{} - a - w, Vec3{} - a + w, a + w, a - w};
        Vec3 bottom[4], top[4];
        for (int i = 0; i < 4; ++i) {
            bottom[i] = corners[i] + Vec3{0, low, 0};
            top[i] = corners[i] + Vec3{0, high, 0};
        }
        mesh.Block(bottom, top, {0.1f, 0.1f, 0.9f, 0.3f}, {0.05f, 0.05f, 0.95f, 0.95f});
    }
    return model;
}

Canvas WithColourKey(Canvas image) {
    image.Shade(0, 0, image.Width(), image.Height(), [](int, int, SColor& c) {
        c = c.getAlpha() >= 128 ? WithAlpha(c, 255) : kColourKey;
    });
    image.Set(1, 1, kColourKey);
    return image;
}

void WriteRaceImages(const DataFolder& folder) {
    for (const CarColour& colour : kCarColours) {
        folder.WriteImage(std::string("data/") + colour.word + ".bmp", ColourPlate(colour.paint));
        folder.WriteImage(std::string("data/") + colour.word + "clair.bmp",
                          ColourPlate(Mix(colour.paint, SColor(255, 255, 255, 255), 0.55f)));
    }
    folder.WriteImage("data/carbonise.bmp", BurntTexture());
    folder.WriteImage("data/derapage.bmp", SkidSign());
    folder.WriteImage("data/sablier.bmp", Hourglass());
    folder.WriteBytes("data/croix.ms3d", EncodeMs3d(CrossMarkerModel()));
}
