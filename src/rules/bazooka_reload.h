// Reloading a fired bazooka: the car's action of the turn.
#pragma once

// The first fired bazooka of the miscellaneous slot is loaded again and the
// player told "Bazooka rechargé"; the car has acted. A car with no fired
// bazooka reloads nothing.
void ReloadBazooka(int car);

// Whether the car's bazooka is loaded (charges 0), or fired and waiting.
bool BazookaLoaded(int car);
bool BazookaFired(int car);

// A bazooka is reloaded at speed 1 or standing still: the car's last move
// at most one cell along each axis.
bool SlowEnoughToReload(int car);
