// A check of the game state that the rules read: every car (skills, hit
// points, cells, trail, flags, gadgets and their counters, heading), the
// oil on the track, the round and the current car, and the random state.
// Presentation (the column's check boxes, scene nodes) is left out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The parts in order: one for each car 1..carCount, then the oil, the race
// (round, current car, car count) and the random state.
std::vector<uint32_t> StateSums();

// The name of part `index` of StateSums: "voiture 3", "huile", "course",
// "hasard".
std::wstring StatePartName(int index, int carCount);
