// Program start: settings, the engine device, and the run of the game.
#pragma once

#include <irrlicht.h>

class GameEventReceiver;

// The game's one event receiver.
GameEventReceiver& TheEventReceiver();

// Creates the device for the settings and takes its interfaces into the game
// state; falls back to the software renderer when the chosen one fails.
// Returns false when no device at all could be created.
bool CreateGameDevice(const irr::SIrrlichtCreationParameters& params);

// Caption, skin alphas and the data every screen needs, once the device exists.
void PrepareGameDevice();

// Releases the device and clears the handles taken from it.
void ReleaseGameDevice();

// Hands over to the settings program of the executable's folder. Returns
// only when that failed.
void StartSettingsProgram();

// Starts a fresh copy of the game in place of this process. Returns only
// when that failed.
void RestartGame();

// The whole program; returns the exit code.
int RunGame(int argc, char** argv);
