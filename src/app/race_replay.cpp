#include "app/race_replay.h"


#include "app/race_resume.h"
#include "app/sim_race.h"
#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/circuit_file.h"
#include "files/pilot_file.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/race_loop.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

namespace {
struct ReplayEnded {};  // the last car burnt out: the game would close

// Loads car `car` from the pilot file text kept in the journal.
bool LoadKeptPilot(int car, const std::wstring& fileText) { return ReadPilotFileBytes(car, ToLatin1(fileText)); }

int CountOf(const RaceJournal& journal, RaceEventKind kind) {
    int count = 0;
    for (const RaceEvent& event : journal.events) count += event.kind == kind;
    return count;
}
}  // namespace

bool SetUpReplay(const RaceJournal& journal, const std::wstring& name, std::wstring& error) {
    if (!CircuitExists(journal.circuit)) {
        error = L"Le circuit " + journal.circuit + L" du journal « " + name + L" » n'existe pas.";
        return false;
    }
    LoadCircuitFile(journal.circuit);
    game.carCount = static_cast<int>(journal.cars.size());
    for (int i = 1; i <= game.carCount; ++i) {
        const JournalCar& kept = journal.cars[i - 1];
        if (!LoadKeptPilot(i, kept.pilotFile) || ComputeSecu(i) != game.cars[i].secu) {
            error = L"Le journal « " + name + L" » a été modifié à la main (voiture " + std::to_wstring(i) + L").";
            return false;
        }
        game.cars[i].colourName = kept.colour;
        game.cars[i].controller = kept.controller;
    }
    game.decorEnabled = journal.decor ? 1 : 0;
    if (!BuildCircuitScene(error)) return false;
    CreateStatusLines();
    SetRandomState(journal.randomState);
    return true;
}

ReplayOutcome RunReplay(const RaceJournal& journal) {
    ReplayOutcome outcome;
    const bool kept = PilotFilesKept();
    KeepPilotFiles(true);
    StartReplay(journal.events, false);
    SetEndProgramHandler([] { throw ReplayEnded(); });
    try {
        RunRace();
        outcome.identical = true;
    } catch (const RecordRanOut&) {
        outcome.identical = true;
    } catch (const ReplayStopped& stopped) {
        outcome.report = FromUtf8(stopped.what());
    } catch (const ReplayEnded&) {
        outcome.identical = true;
    }
    SetEndProgramHandler(nullptr);
    KeepPilotFiles(kept);
    const size_t fed = RaceRecord().size();
    StopRecording();
    outcome.turns = CountOf(journal, RaceEventKind::TurnStart);
    outcome.moves = CountOf(journal, RaceEventKind::Cross);
    if (outcome.identical) {
        outcome.report = L"identique";
        if (fed < journal.events.size()) outcome.report += L" (course arrêtée avant la fin du journal)";
    }
    return outcome;
}

void RecordThisRace() { RecordThisRace(JournalOfThisRace(DateTimeText(CurrentTimeSeconds()))); }

void RecordThisRace(const RaceJournal& header) {
    CatchUpQuietly(header.events);
    const std::string journal = StartJournal(JournalFolder(), header, game.journalsKept);
    if (!header.Finished()) SaveThisRace(journal);
}
