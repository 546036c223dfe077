// A race replayed from its journal: the cars loaded from the pilot files the
// journal keeps, the circuit's scene built as it was, the random state set,
// and the race run with its decisions fed back, every turn's check of the
// state compared with the journal's.
#pragma once

#include <string>

#include "files/race_journal.h"

struct ReplayOutcome {
    bool identical = false;  // every check met matched, up to the journal's end
    std::wstring report;     // "identique", or the first difference and where
    int turns = 0;           // turn checks met
    int moves = 0;           // crosses fed back
};

// Sets the race up in the device open now. False, with a French message,
// when the circuit is missing or a pilot file of the journal fails its
// integrity text (the journal was edited by hand).
bool SetUpReplay(const RaceJournal& journal, const std::wstring& name, std::wstring& error);

// Runs the race set up by SetUpReplay with the journal's events. The pilot
// files are left as they are.
ReplayOutcome RunReplay(const RaceJournal& journal);

// Writes a journal of the race about to run into the journal folder,
// records its events and saves the race at every turn; its header is the
// race as it stands now, or `header` when given (a race over the network
// starts every machine from the host's; a machine joining it again catches
// up with the header's events first).
void RecordThisRace();
void RecordThisRace(const RaceJournal& header);
