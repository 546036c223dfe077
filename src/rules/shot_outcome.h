// What every aimed shot shares, machine gun or hand weapon: the question
// before firing and the side of the target that is hit (the target's
// piloting test after the impact is in rules/shot_impact.h).
#pragma once

#include <string>

// Asks the shooter's player `question`, followed by the distance malus when
// it is above 0, at the target in the shooter's colour. True for "Oui".
bool ConfirmShot(int shooter, int target, const std::wstring& question, int malus);

// The side of the target facing the shooter's cell; on an exact corner the
// target's pilot settles it, asked `question`.
int SideHitByShot(int target, int shooter, const std::wstring& question);
