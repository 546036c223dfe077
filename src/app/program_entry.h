// Program start: the settings, the device, the screen the game opens on,
// and the hand-overs to the settings program and to a fresh copy of the game.
#pragma once

#include <string>
#include <vector>

// Hands over to the settings program of the executable's folder, which
// starts the game again with `gameArguments` once the settings are saved.
// Returns only when that failed.
void StartSettingsProgram(const std::vector<std::string>& gameArguments = {});

// Starts a fresh copy of the game in place of this process. Returns only
// when that failed.
void RestartGame();

// The whole program; returns the exit code.
int RunGame(int argc, char** argv);
