// The sample pilots, with varied cars and loadouts, written by the game's own
// pilot-file code and read back by it to check that their integrity texts
// match (a mismatch throws). They are written only
// into a pilot folder that holds no pilot yet: a rebuild never overwrites
// the pilots a player has made.
#pragma once

#include <string>

// Returns the number of pilots written (0 when the folder had pilots).
int WriteSamplePilots(const std::string& gameFolder);
