#include "scene/body_contacts.h"

#include <map>

#include "core/game_state.h"

using namespace irr;

namespace {
// The edges of a mesh in its own space, read once per mesh of the race:
// each corner a triangle uses once, so that placing the body moves every
// corner once rather than both ends of every edge.
const MeshEdgeList& MeshEdges(scene::IMesh* mesh) {
    std::map<const scene::IMesh*, MeshEdgeList>& cache = game.bodyEdges;
    auto found = cache.find(mesh);
    if (found != cache.end()) return found->second;
    MeshEdgeList& list = cache[mesh];
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        const scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        std::map<u32, u32> cornerOf;  // the buffer's vertex index to its corner
        auto corner = [&](u32 index) {
            auto [at, added] = cornerOf.emplace(index, static_cast<u32>(list.corners.size()));
            if (added) list.corners.push_back(buffer->getPosition(index));
            return at->second;
        };
        const u32 indexCount = buffer->getIndexCount();
        for (u32 i = 0; i + 2 < indexCount; i += 3) {
            const u32 a = corner(buffer->getIndices()[i]);
            const u32 b2 = corner(buffer->getIndices()[i + 1]);
            const u32 c = corner(buffer->getIndices()[i + 2]);
            for (u32 end : {a, b2, b2, c, c, a}) list.ends.push_back(end);
        }
    }
    return list;
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
    PlacedBody body;
    PlaceBody(node, body);
    if (!body.corners.empty()) box = body.box;
    EdgesOf(body, edges);
}

void PlaceBody(scene::IAnimatedMeshSceneNode* node, PlacedBody& body) {
    body.local = nullptr;
    body.corners.clear();
    if (!node || !node->getMesh()) return;
    const core::matrix4& placed = node->getAbsoluteTransformation();
    body.local = &MeshEdges(node->getMesh()->getMesh(0));
    body.corners.resize(body.local->corners.size());
    for (size_t i = 0; i < body.corners.size(); ++i) placed.transformVect(body.corners[i], body.local->corners[i]);
    if (!body.corners.empty()) body.box.reset(body.corners[0]);
    for (const core::vector3df& corner : body.corners) body.box.addInternalPoint(corner);
}

void EdgesOf(const PlacedBody& body, std::vector<core::line3df>& edges) {
    edges.clear();
    if (!body.local) return;
    const std::vector<u32>& ends = body.local->ends;
    edges.resize(ends.size() / 2);
    for (size_t e = 0; e < edges.size(); ++e) edges[e] = {body.corners[ends[2 * e]], body.corners[ends[2 * e + 1]]};
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
