// The decor and spectators of a circuit drawn as a map: its trees, tyre
// stacks, wind turbines and crowds where the map marks them, each at least a
// cell away from the track; the chequered flag beside the start line and,
// when the track there is narrow enough, the light gantry over it.
#pragma once

#include "circuit_file_writer.h"
#include "circuit_layout.h"
#include "circuit_map.h"

// Throws MapRefusal for a mark beside the track.
CircuitFileContents MapContents(const TrackMap& map, const CircuitLayout& layout);
