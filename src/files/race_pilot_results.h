// What a race does to its pilots' files. The race holds each pilot as his
// file was when it started; when it writes a pilot's file it applies only
// what it changed since it last wrote it (Zonks won, skills gained or lost,
// gadgets destroyed, the side of a double steering wheel) to the file as it
// is on disk then. A pilot raced or edited elsewhere while this race waited
// to be resumed keeps what he gained there, and this race pays him once.
// Each change is logged in the race's save before it is made, so a race
// resumed after a crash never makes one twice.
#pragma once

#include <functional>

enum class PilotFileOutcome {
    Written,
    Missing,   // the file was deleted since the race started: nothing changed
    Modified,  // the file was edited by hand since (its integrity text fails)
    Failed,    // the file could not be written or deleted
};

// In a race over the network, the cars whose pilot files this machine
// writes (its own players'); the others are written on their machines.
// Null: every car's.
void SetPilotFilesWrittenHere(std::function<bool(int car)> writesHere);

// The pilots of cars 1..carCount as they are now: the race starts.
void RememberRacePilots();

// Writes what the race changed of car `car`'s pilot since it started or
// last wrote it.
PilotFileOutcome WriteRaceChanges(int car);

// Deletes car `car`'s pilot file: he died in the race.
PilotFileOutcome DeleteRacePilot(int car);
