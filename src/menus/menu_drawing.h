// What every menu screen draws each frame, and where its 800 x 600 area lies.
#pragma once

#include <irrlicht.h>

#include <functional>

// Lines a menu's drop-down list shows before it scrolls: nineteen pilots are
// found without scrolling through them five at a time.
constexpr irr::u32 kListRowsShown = 12;

// Top-left corner of the 800 x 600 area centred on the screen; (0, 0) on an
// 800 x 600 screen, negative on a smaller one.
irr::core::position2di MenuOrigin();

// One whole frame of a menu screen: the grey background, the screen's own
// images and the menu frame (the race setup draws the frame first, the other
// screens after their images), the 3D scene and the GUI; then the frame's
// sleep.
void DrawMenuScreen(int x0, int y0, const std::function<void()>& images, bool frameFirst = false);

// The whole texture drawn at (x, y) through its colour key.
void DrawWholeImage(irr::video::ITexture* texture, int x, int y);
// The source rectangle of the texture stretched into the destination.
void DrawStretchedImage(irr::video::ITexture* texture, const irr::core::recti& source,
                        const irr::core::recti& destination);

// The menus' font (the skin's) for every text and button made after.
void UseMenuFont();
