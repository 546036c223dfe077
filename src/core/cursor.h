// The cursor position, read through one accessor so tests can set it.
#pragma once

#include <irrlicht.h>

irr::core::position2di CursorPosition();
// Tests place the cursor; ClearCursorOverride gives the real one back.
void SetCursorOverride(irr::core::position2di position);
void ClearCursorOverride();
