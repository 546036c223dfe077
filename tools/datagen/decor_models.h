// The decor standing around the circuits, each model with its own texture:
// a grandstand, a waving chequered flag, a glowing start gantry (drawn
// additively, its black parts vanish), a wind turbine whose rotor turns,
// trees and tyre stacks. All stand on y = 0 of their model at their foot.
#pragma once

#include <string>

#include "canvas.h"
#include "ms3d.h"

class Typeface;

struct DecorModel {
    std::string name;  // file names data/decor/<name>.ms3d and .jpg
    Ms3dModel mesh;
    Canvas texture;
};

constexpr int kFlagFrames = 20;
constexpr int kTurbineFrames = 30;

DecorModel Grandstand();
DecorModel ChequeredFlag();
DecorModel StartGantry(const Typeface& letters, float span);
DecorModel WindTurbine();
DecorModel Tree();
DecorModel TyreStack();
