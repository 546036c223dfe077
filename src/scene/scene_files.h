// Meshes and textures of the circuit scene, loaded from game paths such as
// "\data\croix.ms3d" (below the working directory).
#pragma once

#include <irrlicht.h>

#include <string>

// The mesh, or null when the file is missing or unreadable.
irr::scene::IAnimatedMesh* LoadGameMesh(const std::wstring& path);
// The texture, or null when the file is missing, unreadable or a cut JPEG;
// with a colour key, the colour of pixel (1, 1) is made transparent.
irr::video::ITexture* LoadGameTexture(const std::wstring& path, bool colourKey = false);

// An animated-mesh node at the origin, rotation 0, scale 1, lighting off.
irr::scene::IAnimatedMeshSceneNode* AddUnlitMeshNode(irr::scene::IAnimatedMesh* mesh);
// Puts the texture in layer 0 of every material of the node.
void SetNodeTexture(irr::scene::ISceneNode* node, const std::wstring& path);
// An octree triangle selector of the mesh's frame 0 (at most 100 polygons
// per octree node), given to the node. Returns it (the node holds it).
irr::scene::ITriangleSelector* GiveOctreeSelector(irr::scene::IAnimatedMeshSceneNode* node);

// The message that stops the start of a race when a file is missing.
std::wstring MissingFileMessage(const std::wstring& path);
