// Oil on the track: a car that drives onto a patch takes a piloting test,
// harder the faster it goes; failing it, the car will skid at its next move.
#pragma once

#include <vector>

#include "rules/move_path.h"

// The patches one move has done with: those it started on and those it was
// tested for. A move starts with fresh marks; a bounce is a new move.
struct OilMarks {
    std::vector<bool> marked;  // by patch number
};

// The oil of one animation step of car `car`, at distance t along its move:
// each patch the car reaches in this step and has not marked gives a test,
// except that the patches touched at the very first step (the car starts on
// them) are only marked. True when a test was taken: the move's other steps
// are then left alone. Cars out of the race take no test.
// Whether a car on the path would meet oil past its first step, as OilStep
// finds it (and tests it) step by step.
bool PathMeetsOil(const MovePath& path);

bool OilStep(int car, const MovePath& path, irr::f32 t, OilMarks& marks);
