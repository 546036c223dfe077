// The race: cars play one after the other until the race is over, the
// player leaves it or the window closes.
#pragma once

// Creates the race screen over the built scene and runs the race.
void RunRace();

// The choices asked before the first frame ("Volant double").
void StartRace();

// One frame of the race loop after the device ran: camera, race-screen
// events, the current car's move and actions, the end of turn, the quit
// question. Returns false when the race is left.
bool RaceFrame();
