#include "support/test_meshes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>

#include "core/game_state.h"

using namespace irr;

namespace {
template <typename T>
void Put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

void PutName(std::string& out, const char* name, size_t size) {
    std::string field(size, '\0');
    std::memcpy(field.data(), name, std::min(size - 1, std::strlen(name)));
    out += field;
}
}  // namespace

std::string Ms3dBox(float hx, float hy, float hz) {
    std::string out = "MS3D000000";
    Put<int32_t>(out, 4);
    Put<uint16_t>(out, 8);
    for (int i = 0; i < 8; ++i) {
        Put<uint8_t>(out, 0);
        Put<float>(out, (i & 1) ? hx : -hx);
        Put<float>(out, (i & 2) ? hy : -hy);
        Put<float>(out, (i & 4) ? hz : -hz);
        Put<int8_t>(out, -1);
        Put<uint8_t>(out, 0);
    }
    const uint16_t faces[12][3] = {{0, 1, 3}, {0, 3, 2}, {4, 6, 7}, {4, 7, 5}, {0, 4, 5}, {0, 5, 1},
                                   {2, 3, 7}, {2, 7, 6}, {0, 2, 6}, {0, 6, 4}, {1, 5, 7}, {1, 7, 3}};
    Put<uint16_t>(out, 12);
    for (const auto& face : faces) {
        Put<uint16_t>(out, 0);
        for (uint16_t index : face) Put<uint16_t>(out, index);
        for (int n = 0; n < 9; ++n) Put<float>(out, n % 3 == 1 ? 1.0f : 0.0f);
        for (int n = 0; n < 6; ++n) Put<float>(out, 0.0f);
        Put<uint8_t>(out, 1);
        Put<uint8_t>(out, 0);
    }
    Put<uint16_t>(out, 1);
    Put<uint8_t>(out, 0);
    PutName(out, "box", 32);
    Put<uint16_t>(out, 12);
    for (uint16_t t = 0; t < 12; ++t) Put<uint16_t>(out, t);
    Put<int8_t>(out, -1);
    Put<uint16_t>(out, 0);  // materials
    Put<float>(out, 25.0f);
    Put<float>(out, 0.0f);
    Put<int32_t>(out, 1);
    Put<uint16_t>(out, 0);  // joints
    return out;
}

std::vector<core::triangle3df> Wall(float x1, float z1, float x2, float z2) {
    const core::vector3df a(x1, -5, z1), b(x2, -5, z2), c(x2, 40, z2), d(x1, 40, z1);
    return {{a, b, c}, {a, c, d}, {a, c, b}, {a, d, c}};
}

std::vector<core::triangle3df> Floor(float x1, float z1, float x2, float z2) {
    const core::vector3df a(x1, -5, z1), b(x2, -5, z1), c(x2, -5, z2), d(x1, -5, z2);
    return {{a, c, b}, {a, d, c}};
}

void WriteIrrMesh(const std::string& relative, const std::vector<core::triangle3df>& triangles) {
    scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
    for (const core::triangle3df& t : triangles) {
        for (const core::vector3df& p : {t.pointA, t.pointB, t.pointC}) {
            buffer->Indices.push_back(static_cast<u16>(buffer->Vertices.size()));
            buffer->Vertices.push_back(
                video::S3DVertex(p, t.getNormal().normalize(), video::SColor(255, 255, 255, 255),
                                 core::vector2df(p.X / 100, p.Z / 100)));
        }
    }
    buffer->recalculateBoundingBox();
    scene::SMesh* mesh = new scene::SMesh();
    mesh->addMeshBuffer(buffer);
    buffer->drop();
    mesh->recalculateBoundingBox();

    const std::filesystem::path folder = std::filesystem::path(relative).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder);
    scene::IMeshWriter* writer = game.sceneManager->createMeshWriter(scene::EMWT_IRR_MESH);
    io::IWriteFile* file = game.device->getFileSystem()->createAndWriteFile(relative.c_str());
    ASSERT_TRUE(writer && file) << relative;
    EXPECT_TRUE(writer->writeMesh(file, mesh)) << relative;
    file->drop();
    writer->drop();
    mesh->drop();
}
