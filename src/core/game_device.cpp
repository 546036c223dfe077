#include "core/game_device.h"

#include <cstdio>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "core/game_version.h"
#include "core/text_input.h"

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
    StartTextInput();
    return true;
}

bool CreateNullGameDevice() {
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_NONE;
    return CreateGameDevice(params);
}

void PrepareGameDevice() {
    game.device->setWindowCaption(kGameTitle);
    gui::IGUISkin* skin = game.guiEnvironment->getSkin();
    for (int i = 0; i < gui::EGDC_COUNT; ++i)
        game.dialog.skinAlphas[i] =
            static_cast<u8>(skin->getColor(static_cast<gui::EGUI_DEFAULT_COLOR>(i)).getAlpha());
}

void ReleaseGameDevice() {
    StopTextInput();
    if (game.device) game.device->drop();
    game.device = nullptr;
    game.videoDriver = nullptr;
    game.sceneManager = nullptr;
    game.guiEnvironment = nullptr;
    game.cursorControl = nullptr;
}
