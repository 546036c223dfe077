// The machine guns of a car's front or rear: the aiming screen along the
// line of fire, then the shot at the first car on it.
#pragma once

enum class GunMount { Front, Rear };

// The car's action of the turn with the guns of one mount: the line of fire
// and the target are shown until the player right-clicks the target (the
// shot is then asked, rolled and its damage dealt) or presses an action
// button (its own button again cancels the aim).
void FireMachineGun(int car, GunMount mount);

// The car that the mount's guns would shoot: the first car on the line of
// fire, in the race and not on the shooter's cell; -1 for none.
int GunTarget(int car, GunMount mount);

// The shot at `target` without the aiming screen, as a computer driver fires:
// the same sequence as a player's right click on the target.
void ShootMachineGun(int car, GunMount mount, int target);
