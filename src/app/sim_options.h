// The options of skarvoll3d-sim, the race simulator:
//   skarvoll3d-sim --circuit NOM [--pilot NOM ...] [--courses N] [--graine S] [--ecrire]
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SimOptions {
    bool help = false;
    std::wstring circuit;
    std::vector<std::wstring> pilots;  // empty: every pilot that fits the circuit
    int races = 1;
    bool seedGiven = false;
    uint32_t seed = 0;
    bool write = false;  // --ecrire: the pilot files change as after real races
};

std::string SimUsage();

// Reads the options; false, with a French message in `error`, for an unknown
// option, a missing or wrong value, or no circuit.
bool ParseSimArgs(int argc, char** argv, SimOptions& options, std::string& error);
