#include "scene/wall_test.h"

#include <vector>

#include "core/game_state.h"
#include "scene/wall_index.h"

using namespace irr;

namespace {
WallIndex wallIndex;
long long questionsAsked = 0;

bool LineHit(scene::ITriangleSelector* selector, const core::line3df& ray, core::vector3df& hit,
             core::triangle3df& triangle) {
    if (!selector || !game.sceneManager) return false;
    scene::ISceneNode* node = nullptr;
    return game.sceneManager->getSceneCollisionManager()->getCollisionPoint(ray, selector, hit,
                                                                            triangle, node);
}

// The faces in the order the selector lists them to a ray: an octree lists
// a box's faces node by node, the same way for every box.
std::vector<core::triangle3df> FacesInRayOrder(scene::ITriangleSelector* selector) {
    std::vector<core::triangle3df> faces(static_cast<size_t>(selector->getTriangleCount()));
    const core::aabbox3df everywhere(-1e9f, -1e9f, -1e9f, 1e9f, 1e9f, 1e9f);
    s32 count = 0;
    if (!faces.empty())
        selector->getTriangles(faces.data(), static_cast<s32>(faces.size()), count, everywhere);
    faces.resize(static_cast<size_t>(count));
    return faces;
}
}  // namespace

void BuildWallIndex(scene::ITriangleSelector* circuitSelector) {
    wallIndex.Build(circuitSelector ? FacesInRayOrder(circuitSelector) : std::vector<core::triangle3df>());
}

const WallIndex& CircuitWallIndex() { return wallIndex; }

bool SegmentHitsWall(f32 x1, f32 z1, f32 x2, f32 z2) {
    ++questionsAsked;
    return wallIndex.SegmentHits(x1, z1, x2, z2);
}

bool FirstWallHit(f32 x1, f32 z1, f32 x2, f32 z2, core::vector3df& hit, core::triangle3df& triangle) {
    ++questionsAsked;
    return wallIndex.FirstHit(x1, z1, x2, z2, hit, triangle);
}

long long WallQuestionsAsked() { return questionsAsked; }

bool LineHitsSelector(scene::ITriangleSelector* selector, const core::line3df& segment) {
    core::vector3df hit;
    core::triangle3df triangle;
    return LineHit(selector, segment, hit, triangle);
}

bool SegmentHitsSelector(scene::ITriangleSelector* selector, f32 x1, f32 z1, f32 x2, f32 z2) {
    core::vector3df hit;
    core::triangle3df triangle;
    return FirstSelectorHit(selector, x1, z1, x2, z2, hit, triangle);
}

bool FirstSelectorHit(scene::ITriangleSelector* selector, f32 x1, f32 z1, f32 x2, f32 z2,
                      core::vector3df& hit, core::triangle3df& triangle) {
    return LineHit(selector, core::line3df({x1, 0, z1}, {x2, 0, z2}), hit, triangle);
}
