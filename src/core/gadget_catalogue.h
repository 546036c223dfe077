// The fixed list of the eleven gadget types a car can carry.
#pragma once

// Fills entries 1 to 11 of the game's catalogue; entry 0 stays empty.
void FillCatalogue();
