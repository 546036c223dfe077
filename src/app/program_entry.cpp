#include "app/program_entry.h"

#include <cstdio>

#include "core/frame_pump.h"
#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/settings.h"
#include "menus/quick_race.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/process.h"

using namespace irr;

void StartSettingsProgram() { ReplaceProcess(ExecutableDirectory() + "/skarvoll3d-config"); }

void RestartGame() { ReplaceProcess(OwnExecutablePath()); }

namespace {
// Until the menus exist, the window waits, drawn, until it is closed.
void RunIdleScreen() {
    while (PumpFrame()) {
        game.videoDriver->beginScene(true, true, video::SColor(255, 200, 200, 200));
        game.sceneManager->drawAll();
        game.guiEnvironment->drawAll();
        game.videoDriver->endScene();
        SleepMilliseconds(static_cast<int>(game.frameDelay));
    }
}

bool OpenGameWindow(const Settings& settings) {
    if (!CreateGameDevice(DeviceParameters(settings))) {
        std::fprintf(stderr, "Impossible d'ouvrir la fenêtre du jeu.\n");
        return false;
    }
    PrepareGameDevice();
    FillCatalogue();
    return true;
}
}  // namespace

int RunGame(int argc, char** argv) {
    QuickRaceOptions quickRace;
    const bool quick = argc > 1;
    if (quick) {
        int exitCode = 0;
        if (!PrepareQuickRace(argc, argv, quickRace, exitCode)) return exitCode;
    }
    Settings settings;
    if (!ReadSettings(settings)) {
        if (quick) {
            std::fprintf(stderr, "Le fichier config.xml manque : lancez skarvoll3d-config d'abord.\n");
            return 1;
        }
        StartSettingsProgram();
        std::fprintf(stderr, "Impossible de lancer le programme de configuration.\n");
        return 1;
    }
    if (!OpenGameWindow(settings)) return 1;
    int exitCode = 0;
    if (quick) {
        exitCode = PlayQuickRace();
    } else {
        game.menuBackground = game.videoDriver->getTexture(
            GamePath(L"\\data\\interface\\interface_load_circuits.bmp").c_str());
        RunIdleScreen();
    }
    ReleaseGameDevice();
    if (game.quitToMenu) {
        RestartGame();
        return 1;
    }
    return exitCode;
}
