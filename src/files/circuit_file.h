// Reading a circuit file "circuits/<name>.xml" into the game's circuit data.
#pragma once

#include <string>

#include "files/value_text.h"

// Reads the circuit of that name (file name without folder and ".xml").
// The spectator groups are emptied first; a missing file changes nothing else.
void LoadCircuitFile(const std::wstring& name);

// Largest count a circuit file may give to any of its arrays (checkpoints,
// decor items, crowd models, crowd groups, spectators of one group).
constexpr int kMaxCircuitItems = 10000;
