// The game's sounds, synthesised: the engine, the tyres, the blows, the
// weapons, the dice, the menus' click and the crowd. Mono FLAC files at
// 22050 Hz in data/sons/ (the same build always writes the same bytes).
#pragma once

#include <string>

void WriteSounds(const std::string& gameFolder);
// Each file read back as the game reads it: a missing, silent or clipped
// sound throws.
void CheckSounds(const std::string& gameFolder);
