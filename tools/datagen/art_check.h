// The art the generator wrote, read back through the engine as the game
// reads it: each image loads at the size the screens draw it, keyed images
// hold their key colour in the corner and something besides, models are
// closed and of the size the game places them at, and the fonts cover
// Latin-1 with smoothed edges. Throws naming the first file at fault.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

void CheckArt(irr::IrrlichtDevice* device, const std::string& gameFolder, const std::vector<std::string>& circuits);
