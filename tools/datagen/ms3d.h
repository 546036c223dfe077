// Meshes in the MS3D format that the engine loads for cars, markers, the
// circuits, decor and spectators. Coordinates are given as the engine shall
// see them (y up, +z forward); the encoder converts them to the file's own
// right-handed axes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

struct Ms3dVertex {
    Vec3 position;
    int8_t joint = -1;  // index of the joint moving the vertex, -1 for none
};

struct Ms3dTriangle {
    uint16_t vertex[3] = {0, 0, 0};
    Vec3 normal[3];
    float u[3] = {0, 0, 0};
    float v[3] = {0, 0, 0};
    uint8_t group = 0;
};

struct Ms3dGroup {
    std::string name;
    std::vector<uint16_t> triangles;
    int8_t material = -1;
};

struct Ms3dMaterial {
    std::string name;
    float diffuse[4] = {1, 1, 1, 1};
    float transparency = 1;
    std::string texture;  // empty: the game sets the texture itself
};

// One key of a joint: a time in seconds and a rotation (radians about x, y,
// z) or a translation, relative to the joint's rest pose.
struct Ms3dKey {
    float time = 0;
    Vec3 value;
};

struct Ms3dJoint {
    std::string name;
    std::string parent;  // empty for a root joint
    Vec3 rotation;       // rest pose relative to the parent
    Vec3 position;
    std::vector<Ms3dKey> rotationKeys;
    std::vector<Ms3dKey> translationKeys;
};

struct Ms3dModel {
    std::vector<Ms3dVertex> vertices;
    std::vector<Ms3dTriangle> triangles;
    std::vector<Ms3dGroup> groups;
    std::vector<Ms3dMaterial> materials;
    std::vector<Ms3dJoint> joints;
    float framesPerSecond = 25;
    int32_t frameCount = 1;
};

// The bytes of the file; throws when the model exceeds the format's limits.
std::string EncodeMs3d(const Ms3dModel& model);
