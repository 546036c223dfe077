// The loading screen shown while the circuit scene is built: the circuit's
// picture over the whole screen and a progress bar.
#pragma once

#include <irrlicht.h>

// Draws one frame with the bar at step / total (at most one every 33 ms but
// for the first and the last steps); ends the program when the window has
// been closed.
void ShowLoading(int step, int total);

// The screen rectangle the bar is drawn into at that step, on that screen.
irr::core::rect<irr::s32> LoadingBarRect(int step, int total, irr::core::dimension2du screen);
