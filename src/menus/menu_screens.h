// The screens before a race, each a modal loop of its own drawn in an
// 800 x 600 area whose top-left corner is (x0, y0), with the home menu's
// column of buttons on its left.
#pragma once

// Runs the home menu; returns once a race has been set up or a recorded
// race chosen to be watched again.
void HomeMenu();

// The race setup: a circuit, then one row per car (pilot, colour, driver).
// Returns when the player leaves it or a race has been set up (raceStart).
void RaceSetup(int x0, int y0);

// The races recorded in courses/, newest first; the one chosen is left in
// game.replayJournal and the menus end (raceStart), as for a race.
void ReplayChoice(int x0, int y0);

// The saved races of courses/, newest first (a race left by a crash
// offered first); the one chosen is left in game.resumeSave and the menus
// end (raceStart), as for a race.
void ResumeChoice(int x0, int y0);
// Whether a saved race was left running by a game that closed or crashed.
bool RaceLeftByACrash();

// The credits, until the player leaves them.
void CreditsScreen(int x0, int y0);

// The rules of the game in pages of a picture and a text, turned with
// "< Précédente" and "Suivante >", until the player leaves them.
void RulesScreen(int x0, int y0);

// Joining a race hosted on another machine: its address, a pilot and his
// driver, then the wait for the host's start; the race joined is kept
// (network_race.h) and the menus end (raceStart), as for a race.
void JoinScreen(int x0, int y0);

// The pilot workshop: creates a pilot (newPilot) or edits the one loaded
// into car record 0; runs until the player leaves it.
void PilotWorkshop(int x0, int y0, bool newPilot);

// The choice of a pilot to edit, then the workshop on it.
void ChoosePilotToEdit(int x0, int y0);
