// A saved race resumed: its journal replayed without drawing or waiting up
// to where its save stands (the start of the turn that was running, or
// where the player pressed "Sauvegarder"), every turn's check of the state
// proving the rebuild, then played on live from there with its journal and
// its save carried on.
#pragma once

#include <string>
#include <vector>

#include "core/decisions.h"

// Sets the saved race of `savePath` up in the device open now, ready to be
// run by the race loop: the record is fed quietly until it runs out. False
// with a French message in `error` when the save, its journal or a pilot
// kept in it cannot be read, or its circuit is missing; nothing is changed
// then.
bool PrepareResumedRace(const std::string& savePath, std::wstring& error);

// A race over the network joined again: the events played so far are fed
// quietly, as for a resumed race, then the race goes on live (recorded
// from the start when there are none).
void CatchUpQuietly(std::vector<RaceEvent> events);

// The newest save of the journal folder, for "--reprendre"; empty when none.
std::string NewestSave();

// A saved race's journal starts being written: the race is saved at every
// turn from now on.
void SaveThisRace(const std::string& journalPath);

// The resumed race left its journal (the rules changed since it was
// saved): the save stays, no longer offered as a crash.
void GiveUpResuming(const std::string& savePath);

// A race over the network stopped (the host left, the machines differ):
// its save stays, marked saved on purpose at the last turn that started,
// to be resumed on this machine alone.
void KeepRaceSave();

// Once the race loop has returned: the save is removed when the race is
// over or was abandoned ("Quitter"), kept and marked stopped when the
// player left it with "Sauvegarder".
void CloseRaceSave();
