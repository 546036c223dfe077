// The oil projector: before its move a car may choose to leave oil along
// the whole move, spending one oil cartridge.
#pragma once

// Asks for confirmation; on "Oui" one cartridge is spent (the player picks
// its face when full cartridges sit on several faces), and the car has
// sprayed oil and acted. A computer driver is not asked: it announces the
// oil and spends its first full cartridge. The patch is laid when the car moves. A car with
// no full cartridge sprays nothing.
void SprayOil(int car);
