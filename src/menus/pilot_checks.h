// What "VALIDER" checks before the workshop writes a pilot file.
#pragma once

#include <string>

#include "core/game_state.h"

// The texts typed for a new pilot.
struct NewPilotEntries {
    std::wstring name;
    std::wstring driving;
    std::wstring shooting;
    std::wstring structure[kSideCount];  // sides 1 to 4
};

// Reads the entries into car record 0 in the order they are checked and
// returns the message of the first check that fails (the record keeping the
// values read so far, 0 for a box that is not a whole number), or an empty
// text when the pilot may be saved. A box that is not a whole number from 0
// to its sum fails that sum. Beyond the creation rules, a name that cannot
// name a file and the name of a pilot who already exists are refused:
// saving would lose another pilot's file.
std::wstring CheckNewPilot(const NewPilotEntries& entries);

// What a counter beside the boxes says: the points still to share, or those
// given too many, and whether "VALIDER" takes the boxes as they are. A box
// that holds no whole number counts as empty.
struct PointsCount {
    std::wstring text;
    bool accepted = false;
};
// "Points à répartir : N" or "Points en trop : N" for the two skills, and
// "13 points au plus par compétence" when they add up but one is above.
PointsCount SkillPointsLeft(const NewPilotEntries& entries);
// "Points de structure à répartir : N" or "Points de structure en trop : N".
PointsCount StructurePointsLeft(const NewPilotEntries& entries);

// Why the name cannot be a pilot's, whose file is named after it, or an
// empty text.
std::wstring PilotNameRefusal(const std::wstring& name);
