// The race once it has been set up (from the menus or the command line).
#pragma once

// With the game window open and the cars loaded: builds the circuit scene
// behind the loading screen and runs the race. Returns 0, or 1 when the
// scene could not be built (the reason told on standard error and in the
// window).
int PlayRace();
