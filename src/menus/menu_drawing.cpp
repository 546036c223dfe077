#include "menus/menu_drawing.h"

#include "core/game_state.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "ui/notice.h"

using namespace irr;

core::position2di MenuOrigin() {
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    return {(static_cast<int>(screen.Width) - 800) / 2, (static_cast<int>(screen.Height) - 600) / 2};
}

void DrawMenuScreen(int x0, int y0, const std::function<void()>& images, bool frameFirst) {
    game.videoDriver->beginScene(true, true, video::SColor(0, 200, 200, 200));
    if (frameFirst) DrawMenuFrame(x0, y0);
    if (images) images();
    if (!frameFirst) DrawMenuFrame(x0, y0);
    game.sceneManager->drawAll();
    game.guiEnvironment->drawAll();
    game.videoDriver->endScene();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}

void DrawWholeImage(video::ITexture* texture, int x, int y) {
    if (!texture) return;
    game.videoDriver->draw2DImage(texture, core::position2di(x, y),
                                  core::recti(core::position2di(0, 0), texture->getOriginalSize()),
                                  nullptr, video::SColor(255, 255, 255, 255), true);
}

void DrawStretchedImage(video::ITexture* texture, const core::recti& source,
                        const core::recti& destination) {
    if (!texture) return;
    game.videoDriver->draw2DImage(texture, destination, source);
}

void UseMenuFont() {
    if (gui::IGUIFont* font = game.guiEnvironment->getFont(GamePath(L"\\data\\fontes\\verdana.bmp").c_str()))
        game.guiEnvironment->getSkin()->setFont(font);
}
