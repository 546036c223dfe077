// Reloading a fired bazooka: the car's action of the turn.
#pragma once

// The first fired bazooka of the miscellaneous slot is loaded again and the
// player told "Bazooka rechargé"; the car has acted. A car with no fired
// bazooka reloads nothing.
void ReloadBazooka(int car);
