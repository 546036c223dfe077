// The circuits the generator wrote, read back by the game's own circuit
// reader and checked against their meshes with the engine's collision test,
// as the game's wall test does (a ray at height 0 between cell centres):
// every item loads, start slots are free cells behind the start line, every
// slot can drive through all gates in order, no move slips past a gate's end
// and crowds stand off the track. Throws naming the circuit and the fault.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

void CheckCircuits(irr::IrrlichtDevice* device, const std::string& gameFolder, const std::vector<std::string>& names);
