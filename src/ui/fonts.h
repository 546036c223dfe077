// The game's bitmap fonts, loaded once by the engine and shared.
#pragma once

#include <irrlicht.h>

// The small font of the narrow columns and the car sheet; null when its
// file is missing (the skin's font is used then).
irr::gui::IGUIFont* SmallFont();

// Gives the element the small font, when it could be loaded.
void UseSmallFont(irr::gui::IGUIElement* element);
