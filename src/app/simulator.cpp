#include "app/simulator.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/net_sim.h"
#include "app/race_replay.h"
#include "app/sim_options.h"
#include "app/sim_race.h"
#include "app/sim_table.h"
#include "core/game_device.h"
#include "files/pilot_file.h"
#include "platform/clock.h"
#include "platform/game_folders.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "race/computer_move_times.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"

namespace {
void PrintMessages(const std::vector<std::wstring>& messages) {
    for (const std::wstring& message : messages) std::fprintf(stderr, "%s\n", ToUtf8(message).c_str());
}

void ShowProgress(int done, int total) {
    constexpr int kWidth = 30;
    const int filled = done * kWidth / total;
    std::fprintf(stderr, "\r[%s%s] %d/%d courses", std::string(filled, '#').c_str(),
                 std::string(kWidth - filled, ' ').c_str(), done, total);
    if (done == total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

// With --ecrire a pilot who died has no file left for the next race.
std::vector<QuickRacePilot> LivingPilots(const std::vector<QuickRacePilot>& pilots) {
    std::vector<QuickRacePilot> living;
    for (const QuickRacePilot& pilot : pilots)
        if (PilotFileExists(pilot.name)) living.push_back(pilot);
    return living;
}

// Runs the series; false after a refused race (its reasons printed).
bool RunSeries(const SimOptions& o, std::vector<QuickRacePilot> pilots, SimTally& tally) {
    for (int race = 0; race < o.races; ++race) {
        if (o.write && race > 0) pilots = LivingPilots(pilots);
        if (race > 0 && pilots.size() < 2) {
            std::fprintf(stderr, "\nMoins de deux pilotes encore en vie : la série s'arrête après %d courses.\n",
                         race);
            return true;
        }
        SimRaceResult result;
        std::vector<std::wstring> refusals;
        if (!RunSimulatedRace(o.circuit, pilots, o.seed + static_cast<uint32_t>(race), result, refusals)) {
            PrintMessages(refusals);
            return false;
        }
        tally.Add(result);
        if (o.races > 1) ShowProgress(race + 1, o.races);
    }
    return true;
}
}  // namespace

// Replays each journal without a window: "identique", or where it differs.
// 0 when every journal replays identically.
int VerifyJournals(const std::vector<std::string>& paths) {
    int differing = 0;
    for (const std::string& path : paths) {
        RaceJournal journal;
        std::wstring error;
        const std::wstring name = FromUtf8(path);
        ReplayOutcome outcome;
        const double start = SteadySeconds();
        if (ReadJournal(path, journal, error) && OpenNullDevice() && SetUpReplay(journal, name, error))
            outcome = RunReplay(journal);
        else
            outcome.report = error.empty() ? L"impossible de lire les fichiers du jeu" : error;
        ReleaseGameDevice();
        const double seconds = SteadySeconds() - start;
        differing += outcome.identical ? 0 : 1;
        std::printf("%s : %s (%d tours, %d coups, %.2f s)\n", path.c_str(), ToUtf8(outcome.report).c_str(),
                    outcome.turns, outcome.moves, seconds);
    }
    return differing == 0 ? 0 : 1;
}

int RunSimulator(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimArgs(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), SimUsage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    if (!PreparePlayerFolders()) return 1;
    if (!options.seedGiven) options.seed = static_cast<uint32_t>(std::time(nullptr));
    KeepPilotFiles(!options.write);
    SetDialogsAnswerThemselves(true);
    SetSleepEnabled(false);
    DrawSearchFrames(false);
    DrawFramesEvery(0);  // no window: nothing to draw
    if (!options.journalsToCheck.empty()) return VerifyJournals(options.journalsToCheck);
    WriteSimJournals(options.journalFolder, options.hosting || !options.joinAddress.empty());
    if (!options.joinAddress.empty()) return JoinSimulatedRace(options);

    if (!CircuitExists(options.circuit)) {
        std::fprintf(stderr, "Le circuit %s n'existe pas (circuits/%s.xml).\n", ToUtf8(options.circuit).c_str(),
                     ToUtf8(options.circuit).c_str());
        return 2;
    }
    if (options.hosting) return HostSimulatedRace(options);
    std::vector<QuickRacePilot> pilots = options.pilots;
    if (pilots.empty()) pilots = PilotsThatFit(options.circuit);
    SimTally tally;
    const double start = SteadySeconds();
    if (!RunSeries(options, pilots, tally)) return 2;
    const ComputerMoveTimes& times = TheComputerMoveTimes();
    const DrivingFigures figures{times.moves, times.seconds, times.slowest, SteadySeconds() - start};
    std::printf("Circuit : %s, graine %u\n\n%s", ToUtf8(options.circuit).c_str(), options.seed,
                tally.Report(figures).c_str());
    return 0;
}
