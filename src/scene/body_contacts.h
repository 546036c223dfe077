// Whether a car's body touches another body: the edges of its mesh's
// triangles, where its node stands, cast as rays by the engine against the
// other body's triangles.
#pragma once

#include <irrlicht.h>

#include <vector>

#include "core/game_state.h"

// The edges of the node's mesh (three per triangle, in the mesh's order),
// placed by the node's current absolute transformation; `box` receives a
// box holding them all.
void BodyEdges(irr::scene::IAnimatedMeshSceneNode* node, std::vector<irr::core::line3df>& edges,
               irr::core::aabbox3df& box);

// The same in two steps, for a search that needs the edges only where the
// box meets something: the corners placed and their box, then the edges.
struct PlacedBody {
    const MeshEdgeList* local = nullptr;
    std::vector<irr::core::vector3df> corners;
    irr::core::aabbox3df box;
};
void PlaceBody(irr::scene::IAnimatedMeshSceneNode* node, PlacedBody& body);
void EdgesOf(const PlacedBody& body, std::vector<irr::core::line3df>& edges);

struct BodyContact {
    bool touches = false;
    irr::core::vector3df point;        // where the first touching edge meets the body
    irr::core::triangle3df triangle;   // the body's triangle it meets there
};

// The first edge, in order, that the engine's ray test finds meeting the
// selector's triangles. With `near`, an edge whose box meets none of those
// boxes is not cast: it cannot meet a triangle held in them.
BodyContact FirstEdgeContact(const std::vector<irr::core::line3df>& edges,
                             irr::scene::ITriangleSelector* selector,
                             const std::vector<irr::core::aabbox3df>* near = nullptr);

// Boxes are widened by this much before any "cannot meet" decision, so the
// engine's rounding never turns a skipped edge into a missed contact.
constexpr irr::f32 kContactMargin = 1.0f;
irr::core::aabbox3df Widened(irr::core::aabbox3df box);
