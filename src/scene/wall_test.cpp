#include "scene/wall_test.h"

#include "core/game_state.h"

using namespace irr;

namespace {
bool LineHit(scene::ITriangleSelector* selector, const core::line3df& ray, core::vector3df& hit,
             core::triangle3df& triangle) {
    if (!selector || !game.sceneManager) return false;
    scene::ISceneNode* node = nullptr;
    return game.sceneManager->getSceneCollisionManager()->getCollisionPoint(ray, selector, hit,
                                                                            triangle, node);
}

bool RayHit(scene::ITriangleSelector* selector, f32 x1, f32 z1, f32 x2, f32 z2,
            core::vector3df& hit, core::triangle3df& triangle) {
    return LineHit(selector, core::line3df({x1, 0, z1}, {x2, 0, z2}), hit, triangle);
}
}  // namespace

bool LineHitsSelector(scene::ITriangleSelector* selector, const core::line3df& segment) {
    core::vector3df hit;
    core::triangle3df triangle;
    return LineHit(selector, segment, hit, triangle);
}

bool SegmentHitsSelector(scene::ITriangleSelector* selector, f32 x1, f32 z1, f32 x2, f32 z2) {
    core::vector3df hit;
    core::triangle3df triangle;
    return RayHit(selector, x1, z1, x2, z2, hit, triangle);
}

bool FirstWallHit(f32 x1, f32 z1, f32 x2, f32 z2, core::vector3df& hit,
                  core::triangle3df& triangle) {
    return RayHit(game.circuitSelector, x1, z1, x2, z2, hit, triangle);
}

bool SegmentHitsWall(f32 x1, f32 z1, f32 x2, f32 z2) {
    return SegmentHitsSelector(game.circuitSelector, x1, z1, x2, z2);
}
