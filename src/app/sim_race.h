// One race of the simulator: computer drivers only, played by the real race
// loop on the null renderer, every message answered by itself, no delay.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/race_journal.h"
#include "menus/quick_race.h"

enum class SimPlacing { None, Win, Second, SoleSurvivor };

struct SimCarResult {
    std::wstring pilot;
    SimPlacing placing = SimPlacing::None;
    bool burntOut = false;
    bool died = false;
    bool fighting = false;  // driven by the computer that fights ("IAC")
};

struct SimRaceResult {
    bool abandoned = false;  // still running after the round limit
    int rounds = 0;
    std::vector<SimCarResult> cars;
};

// Races after which a race still running is abandoned.
constexpr int kSimRoundLimit = 400;

// Opens a fresh window-less device on a fresh game state, the one before
// released.
bool OpenNullDevice();

// The folder where each simulated race writes its journal; empty: none.
// `saved`: the race is saved beside it at every turn, as the game does.
void WriteSimJournals(const std::string& folder, bool saved = false);

// Whether circuits/ holds a circuit of that name.
bool CircuitExists(const std::wstring& circuit);

// The pilots of pilotes/ in alphabetical order, as many as the circuit takes
// (all of them when the circuit cannot be read: the race then says why),
// each driven by the computer that only drives.
std::vector<QuickRacePilot> PilotsThatFit(const std::wstring& circuit);

// Loads the circuit and the pilots as the quick race does, each with his
// computer driver, builds the scene without decor, starts from the random
// state `seed` and runs the race to its end. Returns false with the reasons
// in `refusals` when the race cannot start.
bool RunSimulatedRace(const std::wstring& circuit, const std::vector<QuickRacePilot>& pilots,
                      uint32_t seed, SimRaceResult& result, std::vector<std::wstring>& refusals);

// Plays the race set up in the device open now (cars, scene, random state)
// to its end: its journal written from `header` when journals are asked
// for, the results read; the header's events, when it holds any, are
// caught up with first. The device stays open. What stops a race over the
// network passes through.
void PlaySetUpRace(SimRaceResult& result, const RaceJournal& header);
