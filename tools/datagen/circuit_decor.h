// The decor and spectators that circuits place: decor models from
// data/decor/ stood on the track's level, and the three spectator models.
#pragma once

#include <string>
#include <vector>

#include "circuit_file_writer.h"
#include "circuit_mesh.h"

// The width of the start gantry, pillar to pillar, in world units.
constexpr float kGantrySpan = 700;

DecorEntry Decor(const std::wstring& description, const std::string& model, int x, int z, int rotation = 0,
                 int scale = 1);
DecorEntry Animated(DecorEntry d, int frames, int speed);
std::vector<CrowdModelEntry> CrowdModels();
// People standing in a box of the ground (world units) at height y, facing
// `angle` degrees give or take 12.
CrowdGroupEntry Crowd(int people, int x1, int z1, int x2, int z2, int angle, int y = static_cast<int>(kTrackHeight));
