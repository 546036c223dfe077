// The race screen as far as it goes before the turns are played: the scene,
// the grid, the start and finish lines and the cars, with the camera.
#pragma once

// Runs until the window is closed.
void RunRaceView();
