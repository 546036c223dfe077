// How long a player who joins a race over the network again waits before
// he plays on: a full grid of nineteen computer cars on Autodrome played to
// its last turn, then caught up as the host and his machine do it: the
// journal so far written into the host's message and read back, the cars
// and scene set up from it, and its events replayed quietly (the journal
// written again) until the race stands where the host's does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/race_replay.h"
#include "app/sim_race.h"
#include "bench_race.h"
#include "core/decisions.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/net_message.h"
#include "files/net_race.h"
#include "files/race_journal.h"
#include "menus/quick_race.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

namespace {
const char* const kFolder = "/tmp/skarvoll3d-bench-rattrapage";

// The whole race's journal up to its last turn start, as the host sends it
// to a player coming back once the race is nearly over.
std::string FullGridRaceJournal(int& rounds) {
    QuickRaceOptions options;
    options.circuit = L"Autodrome";
    options.pilots = PilotsThatFit(options.circuit);
    std::wstring error;
    if (!OpenNullDevice() || !SetUpQuickRace(options).empty() || !BuildCircuitScene(error)) return "";
    CreateStatusLines();
    SetRandomState(7);
    const RaceJournal header = JournalOfThisRace(L"2026-12-07 12:00:00");
    StartRecording();
    RunRaceUntilStopped();
    std::vector<RaceEvent> events = RaceRecord();
    while (!events.empty() && events.back().kind != RaceEventKind::TurnStart) events.pop_back();
    rounds = game.roundNumber;
    StopRecording();
    ReleaseGameDevice();
    return JournalHeaderText(header) + JournalEventsText(events);
}

void CatchUp(benchmark::State& state, const std::string& journal) {
    double seconds = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const double start = SteadySeconds();
        NetMessage sent;
        sent.kind = NetKind::CatchUp;
        sent.seat = 1;
        sent.journalHeader = journal;
        sent.carSeats.assign(19, kSeatEveryMachine);
        const std::string message = EncodeNetMessage(sent);
        NetMessage received;
        RaceJournal race;
        std::wstring error;
        if (!DecodeNetMessage(message, received) || !ReadJournalText(received.journalHeader, "hôte", race, error) ||
            !OpenNullDevice() || !SetUpReplay(race, L"de l'hôte", error)) {
            state.SkipWithError(("cannot catch up: " + ToUtf8(error)).c_str());
            break;
        }
        RecordThisRace(race);
        RunUntilLive();
        seconds += SteadySeconds() - start;
        bytes = message.size();
        state.PauseTiming();
        PutRaceAway();
        state.ResumeTiming();
    }
    state.counters["octets"] = static_cast<double>(bytes);
    state.counters["rattrape_s"] =
        seconds / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!EnterQuietRaceFolder(kFolder)) return 1;
    int rounds = 0;
    const std::string journal = FullGridRaceJournal(rounds);
    if (journal.empty()) {
        std::fprintf(stderr, "La course de la grille complète n'a pas pu être jouée.\n");
        return 1;
    }
    std::printf("Course de la grille complète : %d tours, journal de %zu octets.\n", rounds, journal.size());
    benchmark::RegisterBenchmark("Rattraper/Autodrome/grille_complete",
                                 [journal](benchmark::State& state) { CatchUp(state, journal); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
