// A race started from the command line, without the menus:
//   skarvoll3d --circuit NAME --pilot NAME[:IA] --pilot NAME[:IA] ...
// The circuit and pilots are checked and loaded as the race setup does.
#pragma once

#include <string>
#include <vector>

struct QuickRacePilot {
    std::wstring name;
    bool computer = false;  // ":IA" after the name
};

struct QuickRaceOptions {
    bool help = false;
    bool decor = true;
    std::wstring circuit;
    std::vector<QuickRacePilot> pilots;
};

// The usage text printed by --help and after a wrong option.
std::string QuickRaceUsage();

// Reads the options; false, with a French message in `error`, for an
// unknown option or a missing value.
bool ParseQuickRaceArgs(int argc, char** argv, QuickRaceOptions& options, std::string& error);

// Loads the circuit and the pilots into cars 1..N (colours "rouge", "bleu",
// "vert", then "jaune"; "Humain" or "IA") and sets carCount, with the race
// setup's checks. Returns the refusal messages; empty when the race may
// start. Needs an engine device (for the file reader).
std::vector<std::wstring> SetUpQuickRace(const QuickRaceOptions& options);

// The whole run from the command line; returns the exit code (2 for a
// refused race or wrong options).
int RunQuickRace(int argc, char** argv);
