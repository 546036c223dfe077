// What every aimed shot shares, machine gun or hand weapon: the question
// before firing, the side of the target that is hit, and the target's
// piloting test after the impact.
#pragma once

#include <string>

// Asks the shooter's player `question`, followed by the distance malus when
// it is above 0, at the target in the shooter's colour. True for "Oui".
bool ConfirmShot(int shooter, int target, const std::wstring& question, int malus);

// The side of the target facing the shooter's cell; on an exact corner the
// target's pilot settles it, asked `question`.
int SideHitByShot(int target, int shooter, const std::wstring& question);

// A target still in the race and not already skidding tests its piloting
// against the impact; failing it, it skids at its next turn.
void ShotImpactTest(int target);
