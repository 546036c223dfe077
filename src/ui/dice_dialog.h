// DiceDialog: the modal message of the rules. It tells, asks a question with
// up to four answers, or rolls a die until the player stops it, while the
// race keeps being drawn behind it.
#pragma once

#include <irrlicht.h>

#include <string>

#include "ui/die_roll.h"

// Shows `text` in the message window and runs until it is answered. Before
// the call the caller sets game.dialog.dieFaces (0 = no die) and
// game.dialog.choiceState (number of answers, 0..4) with the answer labels.
// (x, y, z) is the world point the message is about (-1, -1, -1 for none);
// with placeNearAnchor the window opens in the half of the screen away from
// it. Returns the answer 1..4, the die's final face, or 0 for a plain notice.
int DiceDialog(const std::wstring& text, int x, int y, int z, int highlightedCar,
               bool placeNearAnchor, irr::u32 colour);

// The simulator's races have no one to answer: every dialog then returns at
// once, without a window: the first answer, a die stopped at once, or 0. A
// replay without a window answers from its record the same way.
void SetDialogsAnswerThemselves(bool answer);
bool DialogsAnswerThemselves();

// Top-left corner of a W x H window placed in the half of a SW x SH screen
// that does not hold the point projected at x = anchorX.
irr::core::position2di DialogPlacement(int anchorX, int w, int h, int sw, int sh);
