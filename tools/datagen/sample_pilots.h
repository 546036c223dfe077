// Four sample pilots with varied cars and loadouts, written by the game's own
// pilot-file code so that their integrity texts match. They are written only
// into a pilot folder that holds no pilot yet: a rebuild never overwrites
// the pilots a player has made.
#pragma once

#include <string>

// Returns the number of pilots written (0 when the folder had pilots).
int WriteSamplePilots(const std::string& gameFolder);
