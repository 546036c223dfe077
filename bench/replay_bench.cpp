// How fast a race's journal replays without a window, per circuit: a race of
// every pilot that fits the circuit (a full grid of nineteen on Autodrome),
// driven by the computer, recorded once, then replayed over and over as the
// verifier and a resumed race replay it. Prints the moves replayed a second,
// the scene's building left out, and the whole verification of one journal.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/race_replay.h"
#include "app/sim_race.h"
#include "core/game_device.h"
#include "files/pilot_file.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"

namespace {
const char* const kJournals = "/tmp/skarvoll3d-bench-journaux";

// The race of `circuit`, recorded, read back from its journal.
RaceJournal RecordedRace(const std::wstring& circuit) {
    WriteSimJournals(kJournals);
    SimRaceResult result;
    std::vector<std::wstring> refusals;
    RunSimulatedRace(circuit, PilotsThatFit(circuit), 1, result, refusals);
    WriteSimJournals("");
    RaceJournal journal;
    std::wstring error;
    const std::vector<std::string> journals = ListJournals(kJournals);
    if (journals.empty() || !ReadJournal(journals.front(), journal, error))
        std::fprintf(stderr, "%s\n", ToUtf8(error).c_str());
    for (const std::string& path : journals) std::remove(path.c_str());
    return journal;
}

void ReplayJournal(benchmark::State& state, const std::wstring& circuit) {
    const RaceJournal journal = RecordedRace(circuit);
    long long moves = 0;
    double whole = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double start = SteadySeconds();
        std::wstring error;
        if (!OpenNullDevice() || !SetUpReplay(journal, circuit, error)) {
            state.SkipWithError(ToUtf8(error).c_str());
            break;
        }
        state.ResumeTiming();
        const ReplayOutcome outcome = RunReplay(journal);
        state.PauseTiming();
        ReleaseGameDevice();
        whole += SteadySeconds() - start;
        if (!outcome.identical) state.SkipWithError(ToUtf8(outcome.report).c_str());
        moves += outcome.moves;
        state.ResumeTiming();
    }
    state.counters["coups/s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
    state.counters["coups"] = static_cast<double>(journal.events.empty() ? 0 : moves / state.iterations());
    state.counters["verification_s"] = whole / static_cast<double>(state.iterations());
}
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (chdir(SKARVOLL_GAME_DIR) != 0) return 1;
    KeepPilotFiles(true);
    SetDialogsAnswerThemselves(true);
    SetSleepEnabled(false);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    for (const wchar_t* circuit : {L"Anneau", L"Serpentin", L"Autodrome"})
        benchmark::RegisterBenchmark(("Rejouer/" + ToUtf8(circuit)).c_str(),
                                     [circuit](benchmark::State& state) { ReplayJournal(state, circuit); })
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
