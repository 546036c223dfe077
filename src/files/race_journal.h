// The journal of a race: a text file in "courses/" that a person can read
// and compare, written as the race goes. Its header holds what the race
// started from (the circuit, the decor, each car's pilot file as it was with
// its integrity text, colour and driver, the random state once warmed up);
// then come the race's events in order (decisions, and a check of the state
// at the start of every turn), each turn flushed to disk as it starts.
//
//   Skarvoll 3D : journal de course
//   format 1
//   date 2026-12-07 20:41:05
//   circuit Anneau
//   decor 1
//   hasard 2417706373
//   voiture 1 rouge Humain
//   | <?xml version="1.0" encoding="ISO-8859-1"?>
//   | <Secu> ... </Secu>
//   ...
//   course
//   tour 1 1 9c1d20f3 5be0a1c2 ...   (car, round, the state's parts)
//   croix 1 6
//   de 1 37
//   fin 0 0 ...
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/decisions.h"

struct JournalCar {
    std::wstring colour;
    std::wstring controller;
    std::wstring pilotFile;  // the text of the pilot's file
};

struct RaceJournal {
    std::wstring date;
    std::wstring circuit;
    bool decor = false;
    uint32_t randomState = 0;
    std::vector<JournalCar> cars;  // cars 1..n in order
    std::vector<RaceEvent> events;
    // Whether the journal ends with the race's end.
    bool Finished() const { return !events.empty() && events.back().kind == RaceEventKind::RaceEnd; }
};

// The folder of the journals, "courses/" beside "pilotes/".
std::string JournalFolder();

// The journal's header for the race as it stands: cars 1..carCount, the
// circuit loaded, the random state now.
RaceJournal JournalOfThisRace(const std::wstring& date);

// The journal's header as a file holds it, up to its "course" line: what a
// race over the network starts from on every machine.
std::string JournalHeaderText(const RaceJournal& journal);

// The events' lines as a journal holds them after its header.
std::string JournalEventsText(const std::vector<RaceEvent>& events);

// Starts writing the journal of the race about to be run into `folder`
// (made if missing), named after its date and circuit, and appends every
// event the race records. A header holding events already (a race over the
// network joined again, caught up from the host) is written with them, in
// place of this machine's journal of the same race, cut when it left. Then removes the oldest journals beyond `keep`.
// Returns the file's path, empty when it could not be written (the race
// goes on without a journal).
std::string StartJournal(const std::string& folder, const RaceJournal& header, int keep);
// Goes on appending to the journal of a race resumed from its save: what
// the file holds past `bytes` (a turn the save did not reach) is cut off.
bool ContinueJournal(const std::string& path, long long bytes, long long events);
// Puts what was appended on the disk; says how many bytes and events.
bool JournalOnDisk(long long& bytes, long long& events);
// Stops appending (the file stays).
void StopJournal();

// Reads a journal. False, with a French message naming the file in
// `error`, for a file that cannot be read, is cut in the middle of a line,
// or holds a line that is not of the journal's format.
bool ReadJournal(const std::string& path, RaceJournal& journal, std::wstring& error);

// The same for the first `bytes` of the file (all when negative).
bool ReadJournalUpTo(const std::string& path, long long bytes, RaceJournal& journal, std::wstring& error);
// The same for the file's text already read (`path` names it in `error`).
bool ReadJournalText(const std::string& bytes, const std::string& path, RaceJournal& journal, std::wstring& error);

// The journal files of a folder, newest first.
std::vector<std::string> ListJournals(const std::string& folder);

// How many journals are kept when no setting says otherwise.
constexpr int kJournalsKept = 50;

// The pilot's name in a pilot file's text kept by a journal.
std::wstring KeptPilotName(const JournalCar& car);
// The pilots of the race, "Max Durand, Brutus, ...".
std::wstring JournalPilots(const RaceJournal& journal);
// What the list of recorded races shows of a journal: its date, circuit,
// pilots and winner ("course inachevée" while it has no end).
std::wstring JournalSummary(const RaceJournal& journal);
