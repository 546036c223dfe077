#include "app/sim_race.h"

#include <algorithm>

#include "app/race_resume.h"
#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "platform/clock.h"
#include "menus/quick_race.h"
#include "menus/race_cars.h"
#include "race/race_loop.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
// A turn that never ends still pumps frames: far more than any real race.
constexpr long long kFrameLimit = 5000000;

struct RaceStopped {};  // thrown out of the race loop: the program would end, or a turn hangs

std::string simJournalFolder;
bool simRacesSaved = false;

SimPlacing PlacingOf(int zonksWon, bool soleSurvivor) {
    if (zonksWon >= 200) return soleSurvivor ? SimPlacing::SoleSurvivor : SimPlacing::Win;
    if (zonksWon >= 150) return SimPlacing::Win;
    if (zonksWon >= 100) return SimPlacing::Second;
    return SimPlacing::None;
}

// What the race paid and did to each car, read from the car table.
void ReadResults(const std::vector<int>& zonksBefore, const std::vector<std::wstring>& dead,
                 SimRaceResult& result) {
    int out = 0;
    for (int i = 1; i <= game.carCount; ++i) out += game.cars[i].inRace ? 0 : 1;
    result.rounds = game.roundNumber;
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& car = game.cars[i];
        SimCarResult r;
        r.pilot = car.pilotName;
        r.burntOut = !car.inRace;
        r.died = std::find(dead.begin(), dead.end(), car.pilotName) != dead.end();
        r.fighting = IsFightingComputer(car);
        if (!result.abandoned)
            r.placing = PlacingOf(car.zonks - zonksBefore[i], out == game.carCount - 1 && car.inRace);
        result.cars.push_back(r);
    }
}

// Leaves the simulator's hooks as they were found, whatever ends the race.
struct SimHooks {
    ~SimHooks() {
        SetFrameHook(nullptr);
        SetEndProgramHandler(nullptr);
        SetPilotDeletionObserver(nullptr);
    }
};

void RunUntilOver(SimRaceResult& result) {
    const long long start = FramesPumped();
    SetFrameHook([&result, start] {
        if (FramesPumped() - start > kFrameLimit) {
            result.abandoned = true;
            throw RaceStopped();
        }
        if (game.roundNumber >= kSimRoundLimit && !result.abandoned) {
            result.abandoned = true;
            game.actionRequests[RequestQuit] = 1;  // answered "Oui" by itself
        }
    });
    // When the last car burns out the game ends the program: here only the race ends.
    SetEndProgramHandler([] { throw RaceStopped(); });
    try {
        RunRace();
    } catch (const RaceStopped&) {
    }
}
}  // namespace

bool OpenNullDevice() {
    ReleaseGameDevice();  // a device still open would be lost with the old state
    game = GameState();
    if (!CreateNullGameDevice()) return false;
    PrepareGameDevice();
    FillCatalogue();
    return true;
}

void WriteSimJournals(const std::string& folder, bool saved) {
    simJournalFolder = folder;
    simRacesSaved = saved;
}

bool CircuitExists(const std::wstring& circuit) {
    std::vector<std::wstring> circuits;
    ListFiles(L"\\circuits\\", circuits);
    return std::find(circuits.begin() + 1, circuits.end(), circuit) != circuits.end();
}

std::vector<QuickRacePilot> PilotsThatFit(const std::wstring& circuit) {
    std::vector<std::wstring> names;
    ListFiles(L"\\pilotes\\", names);
    names.erase(names.begin());  // entry 0 is unused
    if (OpenNullDevice()) {
        if (CircuitExists(circuit)) {
            LoadCircuitFile(circuit);
            if (static_cast<int>(names.size()) > RaceCarLimit()) names.resize(std::max(RaceCarLimit(), 0));
        }
        ReleaseGameDevice();
    }
    std::vector<QuickRacePilot> pilots;
    for (const std::wstring& name : names) pilots.push_back({name, Driver::Computer});
    return pilots;
}

bool RunSimulatedRace(const std::wstring& circuit, const std::vector<QuickRacePilot>& pilots,
                      uint32_t seed, SimRaceResult& result, std::vector<std::wstring>& refusals) {
    result = SimRaceResult();
    if (!OpenNullDevice()) {
        refusals = {L"Impossible de lire les fichiers du jeu."};
        return false;
    }
    QuickRaceOptions options;
    options.circuit = circuit;
    options.decor = false;
    options.pilots = pilots;
    refusals = SetUpQuickRace(options);
    std::wstring sceneError;
    if (refusals.empty() && !BuildCircuitScene(sceneError)) refusals.push_back(sceneError);
    if (!refusals.empty()) {
        ReleaseGameDevice();
        return false;
    }
    CreateStatusLines();
    game.frameDelay = 0;
    SetRandomState(seed);
    PlaySetUpRace(result, JournalOfThisRace(DateTimeText(CurrentTimeSeconds())));
    ReleaseGameDevice();
    return true;
}

void PlaySetUpRace(SimRaceResult& result, const RaceJournal& header) {
    CatchUpQuietly(header.events);
    if (!simJournalFolder.empty()) {
        const std::string journal = StartJournal(simJournalFolder, header, 1 << 30);
        if (simRacesSaved && !header.Finished()) SaveThisRace(journal);
    }
    std::vector<int> zonksBefore(game.carCount + 1, 0);
    for (int i = 1; i <= game.carCount; ++i) zonksBefore[i] = game.cars[i].zonks;
    std::vector<std::wstring> dead;
    {
        const SimHooks hooks;
        SetPilotDeletionObserver([&dead](const std::wstring& name) { dead.push_back(name); });
        try {
            RunUntilOver(result);
        } catch (...) {
            StopJournal();
            throw;
        }
    }
    ReadResults(zonksBefore, dead, result);
    if (simRacesSaved) CloseRaceSave();  // an abandoned race's save goes with it
    StopJournal();
}
