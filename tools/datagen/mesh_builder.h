// Builds the geometry of the generator's models face by face: flat-shaded
// quads and triangles, blocks with eight free corners, cylinders and
// discs, each face mapped onto one rectangle of the model's texture.
#pragma once

#include <string>
#include <vector>

#include "ms3d.h"

// A rectangle of the texture in texture coordinates (0..1, v down).
struct UvRect {
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

// Tile (column, row) of a texture cut into `tiles` x `tiles` squares, with a
// small inset so that filtering never reaches the neighbouring tile.
UvRect Tile(int column, int row, int tiles);

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, float k);
Vec3 Cross(Vec3 a, Vec3 b);
Vec3 Normalized(Vec3 v);

class MeshBuilder {
public:
    explicit MeshBuilder(Ms3dModel& model) : model_(model) {}

    // Starts a group using a new material (one per group keeps them simple).
    void BeginGroup(const std::string& name, const std::string& texture = "");
    // Vertices added from now on are moved by this joint (-1: none).
    void SetJoint(int joint) { joint_ = joint; }

    // A flat polygon (3 or 4 corners, counter-clockwise seen from the side it
    // faces) with the texture coordinates of each corner.
    void Face(const std::vector<Vec3>& corners, const std::vector<float>& us, const std::vector<float>& vs);
    // A quad a-b-c-d mapped on the whole rectangle (a at u0,v1; b at u1,v1;
    // c at u1,v0; d at u0,v0: a-b is the bottom edge seen from outside).
    void Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv);
    // The same quad seen from both sides.
    void DoubleQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv);

    // A solid with eight corners: bottom face b[0..3] and top face t[0..3],
    // both listed left-rear, right-rear, right-front, left-front (x to the
    // right, +z to the front). `sides` maps the four walls, `caps` top and bottom.
    void Block(const Vec3 bottom[4], const Vec3 top[4], UvRect sides, UvRect caps);
    // An axis-aligned box.
    void Box(Vec3 low, Vec3 high, UvRect sides, UvRect caps);
    void Box(Vec3 low, Vec3 high, UvRect all) { Box(low, high, all, all); }
    // A cylinder between two points with `segments` sides; `mantle` wraps the
    // side, `ends` is mapped on both discs.
    void Cylinder(Vec3 from, Vec3 to, float radius, int segments, UvRect mantle, UvRect ends);
    // A cone (or truncated cone when topRadius > 0) standing on `base`.
    void Cone(Vec3 base, float radius, float height, float topRadius, int segments, UvRect uv);

private:
    int AddVertex(Vec3 p);

    Ms3dModel& model_;
    int joint_ = -1;
};
