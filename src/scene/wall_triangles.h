// The circuit's walls as the cars' bodies meet them: its upright faces (the
// track surface left out), in world units, with their bounding boxes and an
// engine selector over them alone.
#pragma once

#include <irrlicht.h>

#include <vector>

// Built with the circuit scene from the circuit's own selector.
void BuildWallTriangles(irr::scene::ITriangleSelector* circuitSelector);

const std::vector<irr::core::triangle3df>& WallTriangles();
// Box k holds wall triangle k, widened by the contact margin (see
// body_contacts.h).
const std::vector<irr::core::aabbox3df>& WidenedWallTriangleBoxes();
// The engine's selector over the wall triangles (null before a circuit).
irr::scene::ITriangleSelector* WallSelector();
