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
#include "ui/notice.h"

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
// Until the menus exist, the game opens (and comes back after a race) on
// the home picture in its frame, and waits there until the window closes.
void RunIdleScreen() {
    video::ITexture* home =
        game.videoDriver->getTexture(GamePath(L"\\data\\interface\\accueil.bmp").c_str());
    if (home) game.videoDriver->makeColorKeyTexture(home, core::position2di(1, 1));
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    const int x0 = (static_cast<int>(screen.Width) - 800) / 2;
    const int y0 = (static_cast<int>(screen.Height) - 600) / 2;
    while (PumpFrame()) {
        game.videoDriver->beginScene(true, true, video::SColor(0, 200, 200, 200));
        if (home)
            game.videoDriver->draw2DImage(home, core::position2di(x0 + 146, y0 - 25),
                                          core::recti(core::position2di(0, 0), home->getOriginalSize()),
                                          nullptr, video::SColor(255, 255, 255, 255), true);
        DrawMenuFrame(x0, y0);
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
        // The settings program starts the same race once the settings are saved.
        StartSettingsProgram(std::vector<std::string>(argv + 1, argv + argc));
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
