// The simulator's tally: per pilot, what his races gave; and the table it
// prints.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/sim_race.h"

struct PilotTally {
    int races = 0;
    int wins = 0;  // first alone or ex aequo
    int seconds = 0;
    int soleSurvivals = 0;
    int burnOuts = 0;
    int deaths = 0;
    long long rounds = 0;  // summed over his races
};

struct DrivingFigures {
    long long moves = 0;       // computer moves
    double moveSeconds = 0;    // spent in them
    double slowestMove = 0;    // seconds
    double wallSeconds = 0;    // the whole series
};

class SimTally {
public:
    void Add(const SimRaceResult& race);
    int Races() const { return races_; }
    const std::vector<std::pair<std::wstring, PilotTally>>& Pilots() const { return pilots_; }
    // The table and the series' figures, in French, as printed.
    std::string Report(const DrivingFigures& figures) const;

private:
    PilotTally& TallyOf(const std::wstring& pilot);

    // By the name shown in the table ("Brutus", "Brutus (IAC)"), in order of
    // first race.
    std::vector<std::pair<std::wstring, PilotTally>> pilots_;
    int races_ = 0;
    int abandoned_ = 0;
    long long rounds_ = 0;
};
