// A game without a window, for the tests that kill it: plays a quick race
// (the game's own command line) or resumes the newest saved race, with the
// game's own functions, on the null renderer, people played by a random
// person whose choices follow from the race alone. Its date is fixed, so a
// race played twice writes the same journal.
//
//   race_child FOLDER SEED --circuit NAME --pilot NAME[:IA|:IAC] ... --sans-decor
//   race_child FOLDER SEED --reprendre
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/race_resume.h"
#include "app/race_start.h"
#include "app/sim_race.h"
#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "menus/quick_race.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "support/random_person.h"
#include "ui/dice_dialog.h"

namespace {
struct RaceEnded {};  // the last car burnt out: the game would close

int Race(int argc, char** argv, uint32_t seed) {
    if (std::string(argv[3]) == "--reprendre") {
        const std::string save = NewestSave();
        if (save.empty()) {
            std::fprintf(stderr, "aucune sauvegarde\n");
            return 3;
        }
        return ResumeRace(save);
    }
    QuickRaceOptions options;
    std::string error;
    if (!ParseQuickRaceArgs(argc - 2, argv + 2, options, error) || !SetUpQuickRace(options).empty()) {
        std::fprintf(stderr, "course refusée %s\n", error.c_str());
        return 2;
    }
    SetRandomState(seed);
    return PlayRace();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || chdir(argv[1]) != 0) return 2;
    const uint32_t seed = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    SetClockOverride(1796212800);
    SetSleepEnabled(false);
    SetDialogsAnswerThemselves(true);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    RecoverSavedRaces(JournalFolder());
    RandomPerson person(seed);
    SetPersonDriver(&person);
    if (!OpenNullDevice()) return 2;
    SetEndProgramHandler([] { throw RaceEnded(); });
    // A resumed race says where it stands once its record is fed: "reprise
    // CAR ROUND", as the journal's turn lines name them.
    bool told = false;
    SetFrameHook([&told] {
        if (told || Replaying() || RaceRecord().empty()) return;
        told = true;
        std::printf("reprise %d %d\n", game.currentCar, game.roundNumber);
        std::fflush(stdout);
    });
    int code = 0;
    try {
        code = Race(argc, argv, seed);
    } catch (const RaceEnded&) {
    }
    SetFrameHook(nullptr);
    SetEndProgramHandler(nullptr);
    SetPersonDriver(nullptr);
    ReleaseGameDevice();
    std::puts("fin");
    return code;
}
