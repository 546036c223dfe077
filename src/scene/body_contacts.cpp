#include "scene/body_contacts.h"

#include <map>

#include "core/game_state.h"

using namespace irr;

namespace {
// The edges of a mesh in its own space, read once per mesh of the race.
const std::vector<core::line3df>& MeshEdges(scene::IMesh* mesh) {
    std::map<const scene::IMesh*, std::vector<core::line3df>>& cache = game.bodyEdges;
    auto found = cache.find(mesh);
    if (found != cache.end()) return found->second;
    std::vector<core::line3df>& edges = cache[mesh];
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        const scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        const u32 indexCount = buffer->getIndexCount();
        for (u32 i = 0; i + 2 < indexCount; i += 3) {
            const core::vector3df a = buffer->getPosition(buffer->getIndices()[i]);
            const core::vector3df b2 = buffer->getPosition(buffer->getIndices()[i + 1]);
            const core::vector3df c = buffer->getPosition(buffer->getIndices()[i + 2]);
            edges.push_back({a, b2});
            edges.push_back({b2, c});
            edges.push_back({c, a});
        }
    }
    return edges;
}

core::aabbox3df BoxOf(const core::line3df& edge) {
    core::aabbox3df box(edge.start);
    box.addInternalPoint(edge.end);
    return box;
}

bool MeetsAny(const core::aabbox3df& box, const std::vector<core::aabbox3df>& near) {
    for (const core::aabbox3df& other : near)
        if (box.intersectsWithBox(other)) return true;
    return false;
}
}  // namespace

core::aabbox3df Widened(core::aabbox3df box) {
    box.MinEdge -= core::vector3df(kContactMargin);
    box.MaxEdge += core::vector3df(kContactMargin);
    return box;
}

void BodyEdges(scene::IAnimatedMeshSceneNode* node, std::vector<core::line3df>& edges,
               core::aabbox3df& box) {
    edges.clear();
    if (!node || !node->getMesh()) return;
    const core::matrix4& placed = node->getAbsoluteTransformation();
    const std::vector<core::line3df>& local = MeshEdges(node->getMesh()->getMesh(0));
    edges.reserve(local.size());
    for (const core::line3df& edge : local) {
        core::line3df world = edge;
        placed.transformVect(world.start);
        placed.transformVect(world.end);
        if (edges.empty()) box.reset(world.start);
        box.addInternalPoint(world.start);
        box.addInternalPoint(world.end);
        edges.push_back(world);
    }
}

BodyContact FirstEdgeContact(const std::vector<core::line3df>& edges,
                             scene::ITriangleSelector* selector,
                             const std::vector<core::aabbox3df>* near) {
    BodyContact contact;
    if (!selector || !game.sceneManager) return contact;
    scene::ISceneCollisionManager* collisions = game.sceneManager->getSceneCollisionManager();
    for (const core::line3df& edge : edges) {
        if (near && !MeetsAny(Widened(BoxOf(edge)), *near)) continue;
        scene::ISceneNode* node = nullptr;
        if (collisions->getCollisionPoint(edge, selector, contact.point, contact.triangle, node)) {
            contact.touches = true;
            return contact;
        }
    }
    return contact;
}
