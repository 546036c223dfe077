// What every aimed shot shares, machine gun or hand weapon: the question
// before firing and the side of the target that is hit (the target's
// piloting test after the impact is in rules/shot_impact.h).
#pragma once

#include <string>

// Asks the shooter's player `question`, followed by the distance malus when
// it is above 0, at the target in the shooter's colour. True for "Oui". A
// computer shooter has already chosen to fire: it is not asked, the shot is
// announced instead, "<pilot> tire " + `weaponWords` + " sur le véhicule N.",
// with the malus on the lines after it.
bool ConfirmShot(int shooter, int target, const std::wstring& question,
                 const std::wstring& weaponWords, int malus);

// "Tir réussi" or "Tir loupé" told to the shooter; for a computer shooter,
// naming its pilot and the target.
void TellShotOutcome(int shooter, int target, bool hit);

// The side of the target facing the shooter's cell; on an exact corner the
// target's pilot settles it, asked `question`.
int SideHitByShot(int target, int shooter, const std::wstring& question);
