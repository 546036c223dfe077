// The race once it has been set up (from the menus or the command line).
#pragma once

#include <functional>
#include <string>

#include "files/race_journal.h"

#include <string>

// With the game window open and the cars loaded: builds the circuit scene
// behind the loading screen and runs the race. Returns 0, or 1 when the
// scene could not be built (the reason told on standard error and in the
// window).
int PlayRace();
// Why a race cannot start or go on, told on standard error and in the window.
void ReportSceneError(const std::wstring& error);
// The same, `starting` called with the race's journal header once the scene
// is built and before the first decision (a host starts the other machines).
int PlayRace(const std::function<void(const RaceJournal&)>& starting);
// With the game window open and a race's journal header: loads the cars it
// keeps, builds the scene as it was and plays the race on from its start
// (a joiner's race over the network). 1 when it cannot be set up.
int PlayRaceFrom(const RaceJournal& header);

// Resumes the saved race of `savePath` and plays it on, on screen. 1 when
// it cannot be resumed (the reason shown, the save left as it was).
int ResumeRace(const std::string& savePath);

// Watches again the race of the journal at `path`, on screen: its messages
// close by themselves, its dice roll as they did. 1 when it cannot be
// replayed (the reason shown); a replay that drifts from its journal says
// where.
int WatchRace(const std::string& path);
