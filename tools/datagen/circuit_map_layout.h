// The layout of a circuit drawn as a map, checked before anything is
// written: the start slots distinct and in order behind the start line, the
// track walled in and closed, each gate reached from the one before by the
// moves a car can make, up to the finish.
#pragma once

#include "circuit_layout.h"
#include "circuit_map.h"

// Throws MapRefusal naming the line and column at fault.
CircuitLayout MapLayout(const TrackMap& map);
