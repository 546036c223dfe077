#include "app/program_entry.h"

#include <cstdio>

#include "app/net_play.h"
#include "app/race_resume.h"
#include "app/race_start.h"
#include "core/event_receiver.h"
#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "files/settings.h"
#include "menus/menu_screens.h"
#include "menus/network_race.h"
#include "menus/quick_race.h"
#include "platform/game_folders.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "scene/game_sounds.h"
#include "scene/scene_files.h"

using namespace irr;

void StartSettingsProgram(const std::vector<std::string>& gameArguments) {
    std::vector<std::string> arguments;
    if (!gameArguments.empty()) {
        arguments.push_back("--");
        arguments.insert(arguments.end(), gameArguments.begin(), gameArguments.end());
    }
    ReplaceProcess(ExecutableDirectory() + "/skarvoll3d-config", arguments);
}

void RestartGame() { ReplaceProcess(OwnExecutablePath()); }

namespace {
bool OpenGameWindow(const Settings& settings) {
    if (!CreateGameDevice(DeviceParameters(settings))) {
        std::fprintf(stderr, "Impossible d'ouvrir la fenêtre du jeu.\n");
        return false;
    }
    PrepareGameDevice();
    FillCatalogue();
    game.computerMessages = ComputerMessagesSetting(settings);
    game.journalsKept = JournalsKeptSetting(settings);
    StartGameSounds(SoundSetting(settings), VolumeSetting(settings));
    SetButtonClickedHook([] { PlayBesidePlayer(Sound::Click, 0.5f); });
    return true;
}
}  // namespace

namespace {
// "--reprendre": the newest saved race, or why there is none.
bool ChooseSaveToResume(std::string& save) {
    save = NewestSave();
    if (save.empty()) std::fprintf(stderr, "Aucune course sauvegardée à reprendre dans courses/.\n");
    return !save.empty();
}

// The race the home menu or the command line asked for.
int RunChosenRace(const std::string& resumed, const QuickRaceOptions& quickRace = {}) {
    if (!resumed.empty()) return ResumeRace(resumed);
    if (const std::unique_ptr<NetRace> network = TakeNetworkRace())
        return network->Hosting() ? PlayHostedRace(*network) : PlayJoinedRace(*network);
    if (quickRace.hostPort >= 0) return HostNetworkRace(quickRace);
    if (!quickRace.joinAddress.empty()) return JoinNetworkRace(quickRace);
    if (!game.replayJournal.empty()) {
        WatchRace(game.replayJournal);
        game.quitToMenu = 1;
        return 0;
    }
    return PlayRace();
}
}  // namespace

int RunGame(int argc, char** argv) {
    if (!PreparePlayerFolders()) return 1;
    QuickRaceOptions quickRace;
    RecoverSavedRaces(JournalFolder());
    const bool resume = argc == 2 && std::string(argv[1]) == "--reprendre";
    std::string resumed;
    if (resume && !ChooseSaveToResume(resumed)) return 2;
    const bool quick = argc > 1 && !resume;
    if (quick) {
        int exitCode = 0;
        if (!PrepareQuickRace(argc, argv, quickRace, exitCode)) return exitCode;
    }
    Settings settings;
    if (!ReadSettings(settings)) {
        // The settings program starts the same race once the settings are saved.
        StartSettingsProgram(std::vector<std::string>(argv + 1, argv + argc));
        std::fprintf(stderr, "Impossible de lancer le programme de configuration.\n");
        return 1;
    }
    if (!OpenGameWindow(settings)) return 1;
    int exitCode = 0;
    if (quick || resume) {
        exitCode = RunChosenRace(resumed, quickRace);
        // A race resumed from the command line comes back to the home menu
        // like one resumed from it.
        if (resume) game.quitToMenu = 1;
    } else {
        game.menuBackground = LoadGameTexture(L"\\data\\interface\\interface_load_circuits.bmp");
        HomeMenu();
        // A circuit whose scene cannot be built, or a save that cannot be
        // resumed, sends the player back to the menu once he has read why.
        if (RunChosenRace(game.resumeSave) != 0) game.quitToMenu = 1;
    }
    StopGameSounds();
    ReleaseGameDevice();
    if (game.quitToMenu) {
        RestartGame();
        return 1;
    }
    return exitCode;
}
