#include "core/program_entry.h"

#include <cstdio>

#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/settings.h"
#include "files/gadget_catalogue.h"
#include "menus/quick_race.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/process.h"

using namespace irr;

GameEventReceiver& TheEventReceiver() {
    static GameEventReceiver receiver;
    return receiver;
}

bool CreateGameDevice(const SIrrlichtCreationParameters& chosen) {
    SIrrlichtCreationParameters params = chosen;
    params.EventReceiver = &TheEventReceiver();
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device && params.DriverType != video::EDT_SOFTWARE &&
        params.DriverType != video::EDT_NULL) {
        std::fprintf(stderr, "Le pilote graphique choisi n'a pas pu démarrer : "
                             "rendu logiciel utilisé.\n");
        params.DriverType = video::EDT_SOFTWARE;
        device = createDeviceEx(params);
    }
    if (!device) return false;
    game.device = device;
    game.videoDriver = device->getVideoDriver();
    game.sceneManager = device->getSceneManager();
    game.guiEnvironment = device->getGUIEnvironment();
    game.cursorControl = device->getCursorControl();
    return true;
}

void PrepareGameDevice() {
    game.device->setWindowCaption(L"Skarvoll 3D 0.64");
    gui::IGUISkin* skin = game.guiEnvironment->getSkin();
    for (int i = 0; i < gui::EGDC_COUNT; ++i)
        game.dialog.skinAlphas[i] =
            static_cast<u8>(skin->getColor(static_cast<gui::EGUI_DEFAULT_COLOR>(i)).getAlpha());
}

void ReleaseGameDevice() {
    if (game.device) game.device->drop();
    game.device = nullptr;
    game.videoDriver = nullptr;
    game.sceneManager = nullptr;
    game.guiEnvironment = nullptr;
    game.cursorControl = nullptr;
}

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
}  // namespace

int RunGame(int argc, char** argv) {
    if (argc > 1) return RunQuickRace(argc, argv);
    Settings settings;
    if (!ReadSettings(settings)) {
        StartSettingsProgram();
        std::fprintf(stderr, "Impossible de lancer le programme de configuration.\n");
        return 1;
    }
    if (!CreateGameDevice(DeviceParameters(settings))) {
        std::fprintf(stderr, "Impossible d'ouvrir la fenêtre du jeu.\n");
        return 1;
    }
    PrepareGameDevice();
    FillCatalogue();
    game.menuBackground =
        game.videoDriver->getTexture(GamePath(L"\\data\\interface\\interface_load_circuits.bmp").c_str());
    RunIdleScreen();
    ReleaseGameDevice();
    if (game.quitToMenu) {
        RestartGame();
        return 1;
    }
    return 0;
}
