// Small meshes the scene tests write into their working directory: boxes in
// the MS3D format of the cars and markers, and walls in the engine's own
// mesh format for circuits, decor and spectators.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

// The bytes of an MS3D file holding one box centred on the origin.
std::string Ms3dBox(float halfX, float halfY, float halfZ);

// A vertical wall from (x1, z1) to (x2, z2), from y = -5 to y = 40, as two
// triangles seen from both sides (four triangles).
std::vector<irr::core::triangle3df> Wall(float x1, float z1, float x2, float z2);
// A flat floor at y = -5 over the rectangle.
std::vector<irr::core::triangle3df> Floor(float x1, float z1, float x2, float z2);

// Writes the triangles as a mesh file of the engine's own format (".irrmesh")
// below the working directory, with the engine's mesh writer.
void WriteIrrMesh(const std::string& relative, const std::vector<irr::core::triangle3df>& triangles);
