#include "model_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "mesh_builder.h"

namespace {

struct Projected {
    float x, y, depth;
};

Vec3 Turn(Vec3 p, float yaw, float pitch) {
    const float cy = std::cos(yaw), sy = std::sin(yaw), cp = std::cos(pitch), sp = std::sin(pitch);
    const Vec3 r{p.x * cy - p.z * sy, p.y, p.x * sy + p.z * cy};  // about the vertical axis
    return {r.x, r.y * cp + r.z * sp, r.z * cp - r.y * sp};         // then seen from above
}

SColor Sample(const Canvas& texture, float u, float v) {
    const int x = std::clamp(static_cast<int>(u * texture.Width()), 0, texture.Width() - 1);
    const int y = std::clamp(static_cast<int>(v * texture.Height()), 0, texture.Height() - 1);
    return texture.Get(x, y);
}

}  // namespace

void DrawModel(Canvas& picture, const Ms3dModel& model, const Canvas& texture, const View& view) {
    const float yaw = view.yaw * static_cast<float>(M_PI) / 180, pitch = view.pitch * static_cast<float>(M_PI) / 180;
    const Vec3 light = Normalized({-0.5f, 0.8f, -0.4f});
    std::vector<float> depth(static_cast<size_t>(picture.Width()) * picture.Height(), std::numeric_limits<float>::max());
    for (const Ms3dTriangle& t : model.triangles) {
        Projected p[3];
        for (int i = 0; i < 3; ++i) {
            const Vec3 r = Turn(model.vertices[t.vertex[i]].position, yaw, pitch);
            p[i] = {view.centreX + r.x * view.scale, view.centreY - r.y * view.scale, r.z};
        }
        const float area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (std::fabs(area) < 1e-6f) continue;
        const Vec3 n = Turn(t.normal[0], yaw, pitch);
        if (n.z > 0.05f) continue;  // facing away
        const float brightness = 0.55f + 0.55f * std::max(0.0f, n.x * light.x + n.y * light.y + n.z * light.z);
        const int x0 = std::max(0, static_cast<int>(std::min({p[0].x, p[1].x, p[2].x})));
        const int x1 = std::min(picture.Width() - 1, static_cast<int>(std::max({p[0].x, p[1].x, p[2].x})) + 1);
        const int y0 = std::max(0, static_cast<int>(std::min({p[0].y, p[1].y, p[2].y})));
        const int y1 = std::min(picture.Height() - 1, static_cast<int>(std::max({p[0].y, p[1].y, p[2].y})) + 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float w0 = ((p[1].x - px) * (p[2].y - py) - (p[2].x - px) * (p[1].y - py)) / area;
                const float w1 = ((p[2].x - px) * (p[0].y - py) - (p[0].x - px) * (p[2].y - py)) / area;
                const float w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                const float z = w0 * p[0].depth + w1 * p[1].depth + w2 * p[2].depth;
                float& stored = depth[static_cast<size_t>(y) * picture.Width() + x];
                if (z >= stored) continue;
                stored = z;
                const float u = w0 * t.u[0] + w1 * t.u[1] + w2 * t.u[2];
                const float v = w0 * t.v[0] + w1 * t.v[1] + w2 * t.v[2];
                picture.Set(x, y, WithAlpha(Scaled(Sample(texture, u, v), brightness), 255));
            }
    }
}
