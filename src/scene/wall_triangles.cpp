#include "scene/wall_triangles.h"

#include <cmath>

#include "core/game_state.h"
#include "scene/body_contacts.h"

using namespace irr;

namespace {
std::vector<core::triangle3df> triangles;
std::vector<core::aabbox3df> widenedBoxes;
scene::ITriangleSelector* selector = nullptr;

// A face stands upright when its normal lies near the ground plane; the
// track surface and other flat faces do not count as walls.
bool IsUpright(const core::triangle3df& triangle) {
    core::vector3df normal = triangle.getNormal();
    if (normal.getLengthSQ() == 0) return false;
    normal.normalize();
    return std::fabs(normal.Y) < 0.5f;
}

// Buffers index their corners with 16 bits: at most this many faces each.
constexpr size_t kFacesPerBuffer = 21000;

scene::ITriangleSelector* SelectorOver(const std::vector<core::triangle3df>& faces) {
    scene::SMesh* mesh = new scene::SMesh();
    for (size_t first = 0; first < faces.size(); first += kFacesPerBuffer) {
        scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
        for (size_t i = first; i < faces.size() && i < first + kFacesPerBuffer; ++i)
            for (const core::vector3df& corner : {faces[i].pointA, faces[i].pointB, faces[i].pointC}) {
                buffer->Indices.push_back(static_cast<u16>(buffer->Vertices.size()));
                buffer->Vertices.push_back(video::S3DVertex(corner, {0, 1, 0}, 0xFFFFFFFF, {0, 0}));
            }
        buffer->recalculateBoundingBox();
        mesh->addMeshBuffer(buffer);
        buffer->drop();
    }
    mesh->recalculateBoundingBox();
    scene::ITriangleSelector* made = game.sceneManager->createOctreeTriangleSelector(mesh, nullptr, 100);
    mesh->drop();
    return made;
}
}  // namespace

void BuildWallTriangles(scene::ITriangleSelector* circuitSelector) {
    triangles.clear();
    widenedBoxes.clear();
    if (selector) selector->drop();
    selector = nullptr;
    if (!circuitSelector || !game.sceneManager) return;
    std::vector<core::triangle3df> all(static_cast<size_t>(circuitSelector->getTriangleCount()));
    s32 count = 0;
    if (!all.empty())
        circuitSelector->getTriangles(all.data(), static_cast<s32>(all.size()), count, nullptr);
    for (s32 i = 0; i < count; ++i)
        if (IsUpright(all[static_cast<size_t>(i)])) triangles.push_back(all[static_cast<size_t>(i)]);
    for (const core::triangle3df& t : triangles) {
        core::aabbox3df box(t.pointA);
        box.addInternalPoint(t.pointB);
        box.addInternalPoint(t.pointC);
        widenedBoxes.push_back(Widened(box));
    }
    selector = SelectorOver(triangles);
}

const std::vector<core::triangle3df>& WallTriangles() { return triangles; }
const std::vector<core::aabbox3df>& WidenedWallTriangleBoxes() { return widenedBoxes; }
scene::ITriangleSelector* WallSelector() { return selector; }
