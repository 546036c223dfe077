// The explosion: images 10 to the last one drawn over ordinary race frames,
// centred on a world point.
#pragma once

// Draws images 10..lastImage centred where (x, y, z) shows on screen, one
// race frame each. Ends the program when the window is closed meanwhile.
void PlayExplosion(int x, int y, int z, int lastImage);

// The explosion at a car's node (every caller of the rules uses image 64).
void PlayExplosionAtCar(int car);
