// A saved race resumed: its journal replayed without drawing or waiting up
// to where its save stands (the start of the turn that was running, or
// where the player pressed "Sauvegarder"), every turn's check of the state
// proving the rebuild, then played on live from there with its journal and
// its save carried on.
#pragma once

#include <string>

// Sets the saved race of `savePath` up in the device open now, ready to be
// run by the race loop: the record is fed quietly until it runs out. False
// with a French message in `error` when the save, its journal or a pilot
// kept in it cannot be read, or its circuit is missing; nothing is changed
// then.
bool PrepareResumedRace(const std::string& savePath, std::wstring& error);

// The newest save of the journal folder, for "--reprendre"; empty when none.
std::string NewestSave();

// A saved race's journal starts being written: the race is saved at every
// turn from now on.
void SaveThisRace(const std::string& journalPath);

// The resumed race left its journal (the rules changed since it was
// saved): the save stays, no longer offered as a crash.
void GiveUpResuming(const std::string& savePath);

// Once the race loop has returned: the save is removed when the race is
// over or was abandoned ("Quitter"), kept and marked stopped when the
// player left it with "Sauvegarder".
void CloseRaceSave();
