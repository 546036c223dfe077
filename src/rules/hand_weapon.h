// The hand weapons fired through the window on the steering-wheel side:
// the pistol and the bazooka.
#pragma once

#include <string>

// How the shooter can aim at a car: not at all, plainly (the car is on the
// wheel side), or at a limit angle (on a corner of the wheel side).
enum class HandAim { None, Plain, LimitAngle };

// Only cars in the race, on the shooter's wheel side or its corners, in
// sight (no wall, no other car between them).
HandAim HandWeaponAim(int shooter, int target);

// The car's action of the turn with its "Pistolet" or "Bazooka": the cars
// it can aim at are marked until the player right-clicks one (the shot is
// then asked, rolled and its damage dealt) or presses an action button (its
// own button again cancels the aim). A fired bazooka waits to be reloaded.
void FireHandWeapon(int car, const std::wstring& weapon);

// The shot at `target` without the aiming screen, as a computer driver fires:
// the same sequence as a player's right click on the target.
void ShootHandWeapon(int car, const std::wstring& weapon, int target);
