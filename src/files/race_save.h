// The save of a race under way: a small file beside its journal in
// "courses/", rewritten whole (temporary file, rename, folder synced) at
// the start of every turn. It says how much of the journal the race had
// written and synced as that turn started, so the race is rebuilt by
// replaying the journal up to there: the same rules on the same decisions
// and random draws, each turn's check of the state proving the rebuild.
//
//   Skarvoll 3D : course sauvegardée
//   format 1
//   journal 2026-12-07-20-41-05_Anneau.journal
//   evenements 1234                (events of the journal to replay)
//   octets 56789                   (bytes of the journal they fill)
//   tour 12 3                      (the round and the car whose turn it is)
//   etat en_cours 4242             (running in process 4242; "arretee": saved on purpose)
//   cases 1 1 0 0 1 0              (car 1's "Auto fin tour", "Voir intersec",
//                                   "Cacher murs", "Voir histo", "Voir risques")
//   fait 3 1                       (car 3's first pilot file change is on disk)
//   attente 2 1 ecrit              (car 2's first change, about to be written:)
//   | <?xml version="1.0" ...      (  the new file, line by line)
//
// The pilot file changes a race makes are logged here before they are made,
// so that a race resumed after a crash never makes one twice, and one cut
// short by the crash is finished when the game starts again.
#pragma once

#include <string>
#include <vector>

// One change of a pilot's file by the race: the `number`-th of car `car`.
struct PilotFileChange {
    int car = 0;
    int number = 0;
    bool done = false;     // on disk; else about to be made
    bool deletes = false;  // the pilot died: his file is deleted
    std::wstring pilot;    // whose file
    std::wstring text;     // the new file, when not deleted and not done
};

// The check boxes of a car's column, as its player left them.
struct CarBoxes {
    int car = 0;
    bool autoEndTurn = true, showIntersections = false, hideWalls = false, showTrail = false, showRisks = false;
};

struct SavedRace {
    std::string path;     // of the save file
    std::string journal;  // path of the journal, in the same folder
    long long events = 0;
    long long bytes = 0;
    int round = 0;
    int car = 0;
    bool stopped = false;  // saved on purpose; else it was running
    int process = 0;
    std::vector<CarBoxes> boxes;
    std::vector<PilotFileChange> changes;
};

// Gives the cars of the race the check boxes the save kept.
void RestoreCarBoxes(const SavedRace& saved);

// Starts saving the race whose journal is `journalPath` (written already
// up to its header): the save is written at every turn from now on.
void StartSaving(const std::string& journalPath);
// Goes on saving a race resumed from its save.
void ContinueSaving(const SavedRace& saved);
// No race is saved any more; the file stays as it is.
void StopSaving();
// The save of the race being saved; empty path when none.
const SavedRace& CurrentSave();

// The journal is on disk up to `bytes`, `events` events, at the start of
// car `car`'s turn of round `round`: the save says so. False when the save
// could not be written (full disk, folder not writable): the last save stays.
bool SaveRaceAt(long long bytes, long long events, int round, int car);
// The journal could not be put on disk as a turn started: the last save
// stays, and the failure is told.
void SaveRaceFailed();
// Saved on purpose where the race stands (the journal on disk up to
// `bytes`, `events` events): listed to be resumed, not offered as a crash.
bool StopRaceHere(long long bytes, long long events);
// The race is over or abandoned: its save is removed.
void RemoveRaceSave();

// Called when a save could not be written and when one could again.
void SetSaveFailureHandler(void (*handler)(bool failed));

// Whether the race's change `number` of car `car` was logged already: made
// before a crash, or finished since. A resumed race does not make it again.
bool PilotFileChangeLogged(int car, int number);
// Logs a change before it is made; false when the save could not be written.
bool LogPilotFileChange(const PilotFileChange& change);
// The change is on disk.
void PilotFileChangeMade(int car, int number);

// Reads a save. False with a French message naming the file in `error`.
bool ReadSavedRace(const std::string& path, SavedRace& saved, std::wstring& error);
// The saves of a folder, newest first.
std::vector<std::string> ListSavedRaces(const std::string& folder);
// Whether the save's race was running in a process that no longer runs:
// the game was closed, or crashed, or the machine lost its power.
bool LeftByACrash(const SavedRace& saved);
// Marks a crashed race's save as seen: it is listed but not offered again.
void MarkSaveSeen(const std::string& path);

// Finishes the pilot file changes that crashed races left about to be made,
// and logs them made. Run as the game starts, before any race or workshop
// reads a pilot file.
void RecoverSavedRaces(const std::string& folder);
