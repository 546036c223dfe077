// The three armed cars the pilots choose from: data/voitures/
// voiture_modele_<n>.ms3d, their textures in the four team colours and the
// workshop's thumbnails. Cars face +z, are about 80 long and 45 wide, and
// their wheels reach 12 units below the origin.
#pragma once

#include "ms3d.h"

class DataFolder;

constexpr int kCarModelCount = 3;

// Model 1: a low interceptor with twin machine guns; 2: an armoured pickup
// with a rocket rack; 3: an open buggy with a roll cage and a turret cannon.
Ms3dModel CarModel(int number);

void WriteCars(const DataFolder& folder);
