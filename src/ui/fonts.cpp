#include "ui/fonts.h"

#include "core/game_state.h"
#include "platform/paths.h"

using namespace irr;

gui::IGUIFont* SmallFont() { return game.guiEnvironment->getFont(GamePath(L"\\data\\fontes\\toshopsmall.bmp").c_str()); }

void UseSmallFont(gui::IGUIElement* element) {
    gui::IGUIFont* font = SmallFont();
    if (!font || !element) return;
    if (element->getType() == gui::EGUIET_BUTTON)
        static_cast<gui::IGUIButton*>(element)->setOverrideFont(font);
    else if (element->getType() == gui::EGUIET_STATIC_TEXT)
        static_cast<gui::IGUIStaticText*>(element)->setOverrideFont(font);
}
