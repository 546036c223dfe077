#include "mesh_builder.h"

#include <cmath>
#include <stdexcept>

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalized(Vec3 v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return length > 0 ? v * (1 / length) : Vec3{0, 1, 0};
}

UvRect Tile(int column, int row, int tiles) {
    const float size = 1.0f / tiles, inset = size * 0.04f;
    return {column * size + inset, row * size + inset, (column + 1) * size - inset, (row + 1) * size - inset};
}

void MeshBuilder::BeginGroup(const std::string& name, const std::string& texture) {
    if (model_.groups.size() >= 255) throw std::runtime_error("too many groups");
    Ms3dMaterial material;
    material.name = name;
    material.texture = texture;
    model_.materials.push_back(material);
    Ms3dGroup group;
    group.name = name;
    group.material = static_cast<int8_t>(model_.materials.size() - 1);
    model_.groups.push_back(group);
}

int MeshBuilder::AddVertex(Vec3 p) {
    model_.vertices.push_back({p, static_cast<int8_t>(joint_)});
    return static_cast<int>(model_.vertices.size() - 1);
}

void MeshBuilder::Face(const std::vector<Vec3>& corners, const std::vector<float>& us, const std::vector<float>& vs) {
    if (model_.groups.empty()) BeginGroup("default");
    // In the engine's left-handed axes a face seen counter-clockwise from
    // outside has its normal (b - a) x (c - a) pointing inwards: flip it.
    const Vec3 normal = Normalized(Cross(corners[2] - corners[0], corners[1] - corners[0]));
    std::vector<int> index;
    for (const Vec3& c : corners) index.push_back(AddVertex(c));
    const uint8_t group = static_cast<uint8_t>(model_.groups.size() - 1);
    for (size_t k = 1; k + 1 < corners.size(); ++k) {
        Ms3dTriangle t;
        // The engine draws the faces whose corners turn clockwise on screen.
        const size_t corner[3] = {0, k + 1, k};
        for (int i = 0; i < 3; ++i) {
            t.vertex[i] = static_cast<uint16_t>(index[corner[i]]);
            t.normal[i] = normal;
            t.u[i] = us[corner[i]];
            t.v[i] = vs[corner[i]];
        }
        t.group = group;
        model_.groups.back().triangles.push_back(static_cast<uint16_t>(model_.triangles.size()));
        model_.triangles.push_back(t);
    }
}

void MeshBuilder::Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv) {
    Face({a, b, c, d}, {uv.u0, uv.u1, uv.u1, uv.u0}, {uv.v1, uv.v1, uv.v0, uv.v0});
}

void MeshBuilder::DoubleQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv) {
    Quad(a, b, c, d, uv);
    Quad(b, a, d, c, uv);
}

void MeshBuilder::Block(const Vec3 b[4], const Vec3 t[4], UvRect sides, UvRect caps) {
    // Walls seen from outside: rear (0,1), right (1,2), front (2,3), left (3,0).
    Quad(b[0], b[1], t[1], t[0], sides);
    Quad(b[1], b[2], t[2], t[1], sides);
    Quad(b[2], b[3], t[3], t[2], sides);
    Quad(b[3], b[0], t[0], t[3], sides);
    Quad(t[0], t[1], t[2], t[3], caps);  // top, seen from above
    Quad(b[3], b[2], b[1], b[0], caps);  // bottom, seen from below
}

void MeshBuilder::Box(Vec3 lo, Vec3 hi, UvRect sides, UvRect caps) {
    const Vec3 bottom[4] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}};
    const Vec3 top[4] = {{lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    Block(bottom, top, sides, caps);
}

void MeshBuilder::Cylinder(Vec3 from, Vec3 to, float radius, int segments, UvRect mantle, UvRect ends) {
    const Vec3 axis = Normalized(to - from);
    const Vec3 helper = std::fabs(axis.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    const Vec3 side1 = Normalized(Cross(axis, helper));
    const Vec3 side2 = Cross(side1, axis);
    auto rim = [&](Vec3 centre, int i) {
        const float a = 2 * static_cast<float>(M_PI) * i / segments;
        return centre + side1 * (radius * std::cos(a)) + side2 * (radius * std::sin(a));
    };
    auto discUv = [&](int i, float& u, float& v) {
        const float a = 2 * static_cast<float>(M_PI) * i / segments;
        u = (ends.u0 + ends.u1) / 2 + (ends.u1 - ends.u0) / 2 * std::cos(a);
        v = (ends.v0 + ends.v1) / 2 + (ends.v1 - ends.v0) / 2 * std::sin(a);
    };
    std::vector<Vec3> capFrom, capTo;
    std::vector<float> uFrom, vFrom, uTo, vTo;
    for (int i = 0; i < segments; ++i) {
        const float u0 = mantle.u0 + (mantle.u1 - mantle.u0) * i / segments;
        const float u1 = mantle.u0 + (mantle.u1 - mantle.u0) * (i + 1) / segments;
        Face({rim(from, i), rim(from, i + 1), rim(to, i + 1), rim(to, i)}, {u0, u1, u1, u0},
             {mantle.v1, mantle.v1, mantle.v0, mantle.v0});
        float u, v;
        discUv(i, u, v);
        capFrom.push_back(rim(from, i)), uFrom.push_back(u), vFrom.push_back(v);
        capTo.insert(capTo.begin(), rim(to, i)), uTo.insert(uTo.begin(), u), vTo.insert(vTo.begin(), v);
    }
    Face(capTo, uTo, vTo);
    Face(capFrom, uFrom, vFrom);
}

void MeshBuilder::Cone(Vec3 base, float radius, float height, float topRadius, int segments, UvRect uv) {
    const Vec3 top = base + Vec3{0, height, 0};
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2 * static_cast<float>(M_PI) * i / segments;
        const float a1 = 2 * static_cast<float>(M_PI) * (i + 1) / segments;
        const Vec3 b0 = base + Vec3{radius * std::cos(a0), 0, radius * std::sin(a0)};
        const Vec3 b1 = base + Vec3{radius * std::cos(a1), 0, radius * std::sin(a1)};
        const float u0 = uv.u0 + (uv.u1 - uv.u0) * i / segments;
        const float u1 = uv.u0 + (uv.u1 - uv.u0) * (i + 1) / segments;
        if (topRadius > 0) {
            const Vec3 t0 = top + Vec3{topRadius * std::cos(a0), 0, topRadius * std::sin(a0)};
            const Vec3 t1 = top + Vec3{topRadius * std::cos(a1), 0, topRadius * std::sin(a1)};
            Face({b0, b1, t1, t0}, {u0, u1, u1, u0}, {uv.v1, uv.v1, uv.v0, uv.v0});
        } else {
            Face({b0, b1, top}, {u0, u1, (u0 + u1) / 2}, {uv.v1, uv.v1, uv.v0});
        }
    }
}
