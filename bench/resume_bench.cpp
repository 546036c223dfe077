// How long a saved race takes to be ready to play once the player chose it:
// a full grid of nineteen computer cars on Autodrome left with
// "Sauvegarder" at round 50, resumed over and over on the null renderer:
// the device, the circuit's scene, the replay of its journal up to the
// save, until the race plays live.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/race_replay.h"
#include "app/race_resume.h"
#include "app/sim_race.h"
#include "bench_race.h"
#include "core/decisions.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/race_journal.h"
#include "menus/quick_race.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

namespace {
constexpr int kRound = 50;
const char* const kFolder = "/tmp/skarvoll3d-bench-reprise";

// The first full-grid race of the seeds tried that lasts to round 50, left
// there with "Sauvegarder": its save; empty when none lasts so long.
std::string RaceSavedAtRound50() {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        QuickRaceOptions options;
        options.circuit = L"Autodrome";
        options.decor = false;
        options.pilots = PilotsThatFit(options.circuit);
        std::wstring error;
        if (!OpenNullDevice() || !SetUpQuickRace(options).empty() || !BuildCircuitScene(error)) return "";
        CreateStatusLines();
        SetRandomState(seed);
        RecordThisRace();
        SetFrameHook([] {
            if (game.roundNumber >= kRound) game.actionRequests[RequestSave] = 1;
        });
        RunRaceUntilStopped();
        const bool saved = game.savedToResume != 0;
        CloseRaceSave();
        StopJournal();
        ReleaseGameDevice();
        if (saved) return NewestSave();
    }
    return "";
}

void Resume(benchmark::State& state, const std::string& save) {
    double seconds = 0;
    for (auto _ : state) {
        const double start = SteadySeconds();
        std::wstring error;
        if (!OpenNullDevice() || !PrepareResumedRace(save, error)) {
            state.SkipWithError(ToUtf8(error).c_str());
            break;
        }
        RunUntilLive();
        seconds += SteadySeconds() - start;
        state.PauseTiming();
        if (game.roundNumber != kRound) state.SkipWithError("the race did not resume at round 50");
        PutRaceAway();
        state.ResumeTiming();
    }
    state.counters["voitures"] = static_cast<double>(game.carCount);
    state.counters["pret_s"] = seconds / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!EnterQuietRaceFolder(kFolder)) return 1;
    const std::string save = RaceSavedAtRound50();
    if (save.empty()) {
        std::fprintf(stderr, "Aucune course de la grille complète ne dure %d tours.\n", kRound);
        return 1;
    }
    benchmark::RegisterBenchmark("Reprendre/Autodrome/tour50", [save](benchmark::State& state) { Resume(state, save); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
