#include "menus/menu_drawing.h"

#include "core/game_state.h"
#include "platform/clock.h"
#include "ui/notice.h"

using namespace irr;

void DrawMenuScreen(int x0, int y0, video::ITexture* image, core::position2di imageAt) {
    video::IVideoDriver* driver = game.videoDriver;
    driver->beginScene(true, true, video::SColor(0, 200, 200, 200));
    if (image) driver->draw2DImage(image, imageAt);
    DrawMenuFrame(x0, y0);
    game.sceneManager->drawAll();
    game.guiEnvironment->drawAll();
    driver->endScene();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}
