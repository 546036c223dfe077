#include "explosion.h"

#include <cmath>
#include <cstdio>

#include "data_folder.h"
#include "noise.h"
#include "race_images.h"

namespace {

constexpr int kSize = 128;

// Colour of burning gas by its heat (1 white-hot .. 0 cold smoke).
SColor FireColour(float heat) {
    if (heat > 0.8f) return Mix(SColor(255, 255, 220, 120), SColor(255, 255, 255, 230), (heat - 0.8f) * 5);
    if (heat > 0.5f) return Mix(SColor(255, 240, 110, 20), SColor(255, 255, 220, 120), (heat - 0.5f) / 0.3f);
    if (heat > 0.25f) return Mix(SColor(255, 150, 40, 15), SColor(255, 240, 110, 20), (heat - 0.25f) / 0.25f);
    return Mix(SColor(255, 50, 45, 45), SColor(255, 150, 40, 15), heat / 0.25f);
}

}  // namespace

Canvas ExplosionFrame(int frame) {
    const float t = (frame - 1) / static_cast<float>(kExplosionFrames - 1);  // 0..1
    const float radius = kSize * 0.47f * std::sqrt(std::min(1.0f, t * 2.2f + 0.05f));
    const float rise = t * t * 18;  // the cloud drifts upwards as it cools
    Canvas image(kSize, kSize, SColor(0, 0, 0, 0));
    image.Shade(0, 0, kSize, kSize, [&](int x, int y, SColor& c) {
        const float dx = x - kSize / 2.0f, dy = y - kSize / 2.0f + rise;
        const float turbulence = FractalNoise(x / 14.0f + t * 3, y / 14.0f - t * 5, 4, 31);
        const float d = std::hypot(dx, dy) / radius + (turbulence - 0.5f) * 0.55f;
        if (d > 1) return;
        // Thinning smoke: holes open in the cloud towards the end.
        if (t > 0.6f && turbulence < (t - 0.6f) * 1.6f) return;
        const float heat = (1 - d) * (1.25f - t * 1.3f) + turbulence * 0.2f;
        c = FireColour(std::max(0.0f, std::min(1.0f, heat)));
    });
    return WithColourKey(image);
}

void WriteExplosion(const DataFolder& folder) {
    for (int frame = 1; frame <= kExplosionFrames; ++frame) {
        char name[64];
        std::snprintf(name, sizeof name, "data/ImagesExplosion/image%03d.bmp", frame);
        folder.WriteImage(name, ExplosionFrame(frame));
    }
}
