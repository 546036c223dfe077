// The frame every menu screen ends with.
#pragma once

#include <irrlicht.h>

// Begins the scene in the menus' grey, draws the screen's own image (when
// given) at its place, the menu frame at (x0, y0), the 3D scene and the GUI,
// ends the scene and sleeps the frame delay.
void DrawMenuScreen(int x0, int y0, irr::video::ITexture* image = nullptr,
                    irr::core::position2di imageAt = {});
