// The fighting computer driver against the plain one, measured on the game's
// own race code: twin pilots (same skills, gadgets and car) race in pairs,
// one of each pair driven by "IAC" and the other by "IA"; every seed is run
// twice with the two kinds swapped between the twins, so the start slots and
// the dice favour neither kind. Prints, per circuit, what each kind got.
//
//   skarvoll_bench_fighting_driver [RACES_PER_CIRCUIT [CIRCUIT ...]]
//
// The twins are written into a scratch game folder (its circuits and data
// linked to the generated game folder); no pilot file of the game is touched.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/sim_race.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/file_listing.h"
#include "files/pilot_file.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"

namespace fs = std::filesystem;

namespace {
// Armed pilots of the shipped set: guns, a pistol, a grenade launcher and a
// bazooka, oil. A circuit with fewer slots takes the first pairs.
const wchar_t* const kPilots[] = {L"Max Durand", L"Brutus", L"Hélène Vasseur", L"Camille Faure"};
const wchar_t* const kTwinSuffix = L" bis";

struct KindTally {
    int cars = 0, wins = 0, seconds = 0, soleSurvivals = 0, burnOuts = 0, deaths = 0;
};

struct PilotKinds {
    KindTally fighting, plain;
};

struct CircuitTally {
    KindTally fighting, plain;
    std::map<std::wstring, PilotKinds> byPilot;  // the twins under the pilot's own name
    int races = 0, abandoned = 0;
    long long rounds = 0;
};

std::wstring WithoutTwinSuffix(const std::wstring& name) {
    const std::wstring suffix = kTwinSuffix;
    const bool twin = name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    return twin ? name.substr(0, name.size() - suffix.size()) : name;
}

// Each pilot read from the game folder and written twice into the scratch
// folder: under his own name and under his twin's.
bool WriteTwins(const fs::path& gameFolder, const fs::path& scratch) {
    for (const wchar_t* pilot : kPilots) {
        if (chdir(gameFolder.c_str()) != 0 || !CreateNullGameDevice()) return false;
        ReadPilotFile(1, pilot);
        const CarRecord read = game.cars[1];
        ReleaseGameDevice();
        if (chdir(scratch.c_str()) != 0 || !CreateNullGameDevice()) return false;
        game.cars[1] = read;
        bool written = WritePilotFile(1);
        game.cars[1].pilotName = std::wstring(pilot) + kTwinSuffix;
        written = WritePilotFile(1) && written;
        ReleaseGameDevice();
        if (!written) return false;
    }
    return true;
}

fs::path MakeScratchFolder(const fs::path& gameFolder) {
    char pattern[] = "/tmp/skarvoll-twins-XXXXXX";
    if (!mkdtemp(pattern)) return {};
    const fs::path scratch = pattern;
    std::error_code error;
    fs::create_directory(scratch / "pilotes", error);
    for (const char* shared : {"circuits", "data"}) fs::create_directory_symlink(gameFolder / shared, scratch / shared, error);
    return error ? fs::path() : scratch;
}

// Race 2k puts the fighting driver on each pilot, race 2k + 1 on his twin,
// both from seed `base` + k.
std::vector<QuickRacePilot> Grid(int pairs, int race) {
    std::vector<QuickRacePilot> grid;
    const bool pilotFights = race % 2 == 0;
    for (int p = 0; p < pairs; ++p) {
        grid.push_back({kPilots[p], pilotFights ? Driver::FightingComputer : Driver::Computer});
        grid.push_back({std::wstring(kPilots[p]) + kTwinSuffix,
                        pilotFights ? Driver::Computer : Driver::FightingComputer});
    }
    return grid;
}

void Count(const SimCarResult& car, KindTally& kind) {
    ++kind.cars;
    kind.wins += car.placing == SimPlacing::Win;
    kind.seconds += car.placing == SimPlacing::Second;
    kind.soleSurvivals += car.placing == SimPlacing::SoleSurvivor;
    kind.burnOuts += car.burntOut;
    kind.deaths += car.died;
}

// Where the cars of an abandoned race stood when it was stopped (the car
// table outlives the race's device).
void PrintCarsLeft() {
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& car = game.cars[i];
        std::fprintf(stderr, "  %d %s (%s) : %s, case (%g, %g) depuis (%g, %g), %d checkpoints, arrivée %d\n", i,
                     ToUtf8(car.pilotName).c_str(), ToUtf8(car.controller).c_str(),
                     car.inRace ? "en course" : "hors course", car.cellX, car.cellY, car.prevCellX, car.prevCellY,
                     car.checkpointsPassed, car.finishOrder);
    }
}

bool RunCircuit(const std::wstring& circuit, int races, uint32_t base, CircuitTally& tally) {
    const int pairs = std::min<int>(static_cast<int>(PilotsThatFit(circuit).size()) / 2,
                                    static_cast<int>(std::size(kPilots)));
    if (pairs < 1) return false;
    for (int race = 0; race < races; ++race) {
        SimRaceResult result;
        std::vector<std::wstring> refusals;
        if (!RunSimulatedRace(circuit, Grid(pairs, race), base + static_cast<uint32_t>(race / 2), result,
                              refusals)) {
            for (const std::wstring& refusal : refusals) std::fprintf(stderr, "%s\n", ToUtf8(refusal).c_str());
            return false;
        }
        ++tally.races;
        tally.abandoned += result.abandoned;
        if (result.abandoned) {
            std::fprintf(stderr, "\n%s : course %d abandonnée après %d tours (graine %u)\n", ToUtf8(circuit).c_str(),
                         race + 1, result.rounds, base + static_cast<uint32_t>(race / 2));
            PrintCarsLeft();
        }
        tally.rounds += result.rounds;
        for (const SimCarResult& car : result.cars) {
            Count(car, car.fighting ? tally.fighting : tally.plain);
            PilotKinds& pilot = tally.byPilot[WithoutTwinSuffix(car.pilot)];
            Count(car, car.fighting ? pilot.fighting : pilot.plain);
        }
        std::fprintf(stderr, "\r%s : %d/%d courses", ToUtf8(circuit).c_str(), race + 1, races);
    }
    std::fputc('\n', stderr);
    return true;
}

double Percent(int part, int whole) { return whole ? 100.0 * part / whole : 0.0; }

void PrintKind(const std::string& name, const KindTally& k, int races) {
    std::printf("  %-30s voitures %5d  victoires %5d (%5.1f %% des courses)  deuxièmes %4d  seul survivant %3d"
                "  carbonisés %4d (%5.1f %%)  morts %3d\n",
                name.c_str(), k.cars, k.wins, Percent(k.wins, races), k.seconds, k.soleSurvivals, k.burnOuts,
                Percent(k.burnOuts, k.cars), k.deaths);
}

void PrintCircuit(const std::wstring& circuit, const CircuitTally& tally) {
    std::printf("%s : %d courses (%d abandonnées), %.1f tours par course\n", ToUtf8(circuit).c_str(), tally.races,
                tally.abandoned, tally.races ? double(tally.rounds) / tally.races : 0.0);
    PrintKind("IA combative", tally.fighting, tally.races);
    PrintKind("IA", tally.plain, tally.races);
    for (const auto& [pilot, kinds] : tally.byPilot) {
        PrintKind("  " + ToUtf8(pilot) + " (IAC)", kinds.fighting, tally.races);
        PrintKind("  " + ToUtf8(pilot) + " (IA)", kinds.plain, tally.races);
    }
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    const int races = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
    std::vector<std::wstring> circuits;
    for (int i = 2; i < argc; ++i) circuits.push_back(FromUtf8(argv[i]));
    const fs::path gameFolder = SKARVOLL_GAME_DIR;
    if (circuits.empty()) {
        if (chdir(gameFolder.c_str()) != 0) return 1;
        ListFiles(L"\\circuits\\", circuits);
        circuits.erase(circuits.begin());  // entry 0 unused
    }
    const fs::path scratch = MakeScratchFolder(gameFolder);
    if (scratch.empty() || !WriteTwins(gameFolder, scratch) || chdir(scratch.c_str()) != 0) {
        std::fprintf(stderr, "Impossible de préparer les pilotes jumeaux.\n");
        return 1;
    }
    KeepPilotFiles(true);
    SetDialogsAnswerThemselves(true);
    SetSleepEnabled(false);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    int status = 0;
    uint32_t base = 1000;
    for (const std::wstring& circuit : circuits) {
        CircuitTally tally;
        if (!RunCircuit(circuit, races, base, tally)) status = 1;
        base += 1000;
        PrintCircuit(circuit, tally);
    }
    std::error_code error;
    fs::remove_all(scratch, error);
    return status;
}
