// What the race screen's own controls do, looked at every frame of the race
// and of its modal loops: a right click on a car, the check boxes and
// "Fin Tour".
#pragma once

void HandleRaceScreenEvents();

// Only cars and cross markers answer to the mouse: the circuit, the decor
// and the spectators are left out of picking.
void MarkPickableNodes();
