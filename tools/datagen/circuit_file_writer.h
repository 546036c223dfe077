// Circuit files "circuits/<name>.xml" as the game reads them: one element per
// line and no indentation (the game's XML reader would hand indentation to
// the element opened last), each value with one space before and after,
// 8-bit text.
#pragma once

#include <string>
#include <vector>

#include "circuit_layout.h"

struct DecorEntry {
    std::wstring description;
    std::string mesh, texture;  // below the game folder
    bool relativeToCircuit = false, transparent = false;
    int dx = 0, dy = 0, dz = 0;
    int scale = 1, rotation = 0;
    bool animated = false;
    int frameStart = -1, frameEnd = -1, speed = -1;
};

struct CrowdModelEntry {
    std::wstring description;
    std::string mesh, texture;
    int frameStart = 0, frameEnd = 0, speedMin = 0, speedMax = 0;
};

struct CrowdGroupEntry {
    int people = 0;
    int x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;  // world units
    int angle1 = 0, angle2 = 0;
};

struct CircuitFileContents {
    std::string mesh, texture;  // below data/
    int offsetX = 0, offsetY = 0, offsetZ = 0;
    std::vector<DecorEntry> decor;
    std::vector<CrowdModelEntry> crowdModels;
    std::vector<CrowdGroupEntry> crowdGroups;
    // Write paths with backslashes, as files made on other systems do.
    bool backslashes = false;
};

std::string EncodeCircuitFile(const CircuitLayout& layout, const CircuitFileContents& contents);
