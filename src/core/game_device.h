// The engine device: created for the chosen settings with the game's one
// event receiver, prepared for every screen, and released.
#pragma once

#include <irrlicht.h>

class GameEventReceiver;

// The game's one event receiver.
GameEventReceiver& TheEventReceiver();

// Creates the device for the settings and takes its interfaces into the game
// state; falls back to the software renderer when the chosen one fails.
// Returns false when no device at all could be created.
bool CreateGameDevice(const irr::SIrrlichtCreationParameters& params);

// The same on the null renderer, logging nothing: no window, for what needs
// only the engine's file reader and scene (the simulator, the checks of a
// quick race, tools).
bool CreateNullGameDevice();

// Caption, skin alphas and the data every screen needs, once the device exists.
void PrepareGameDevice();

// Releases the device and clears the handles taken from it.
void ReleaseGameDevice();
